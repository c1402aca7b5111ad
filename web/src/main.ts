import createCoreModule from 'smscfg-core';
import { Core, type ExchangeEvent, type FormTable, localTimeOf, logTimeOf } from './core.js';
import { DemoLine, type DemoMode, demoModes } from './demo.js';
import { element, MessageBox } from './dialog.js';
import { ExchangeDriver } from './exchange.js';
import { Form } from './form.js';
import { type Line, type SerialLike, type SerialPortLike, webSerial, WebSerialLine } from './line.js';
import { download, Profiles } from './profiles.js';
import { type Language, languageOf, speak, texts } from './texts.js';

const PortKey = 'smscfg.port';       // the last port that opened: "demo" or "serial:INDEX"
const DemoModeKey = 'smscfg.demoMode';
const SuccessBoxKey = 'smscfg.showSuccessBox';
const LanguageKey = 'smscfg.language';  // chosen in 查看 → 语言: "zh" or "en"
const ChooseValue = 'choose';
const DemoValue = 'demo';
const MaxLogLines = 20000;

// The core's layout and command tables, taken from the same WebAssembly when
// the site is built, so that the form shows while the core loads: in
// Chinese, and in English; and the English catalogue, exported from
// translations/smscfg_en.ts when the site is built.
declare const FORM_TABLE: FormTable;
declare const FORM_TABLE_EN: FormTable;
declare const CATALOGUE_EN: Record<string, string>;

const language: Language = languageOf(localStorage.getItem(LanguageKey), navigator.language);

class Page {
  private readonly form: Form;
  private readonly exchange: ExchangeDriver;
  private readonly messages: MessageBox;
  private readonly profiles: Profiles;
  private readonly serial: SerialLike | null = webSerial();
  private readonly logText = element('pre', { id: 'logText' });
  private readonly logPane: HTMLElement;
  private readonly portStatus = element('span', { id: 'portStatus' });
  private readonly exchangeStatus = element('span', { id: 'exchangeStatus' });
  private readonly busy = element('span', { id: 'busy', hidden: true });
  private ports: SerialPortLike[] = [];
  private portText = texts.portNone;
  private demo: DemoLine;
  private showsSuccessBox = localStorage.getItem(SuccessBoxKey) !== 'false';
  private closingLine = false;  // while 串口设置 closes the line
  private lossShown = false;  // the lost line's box was shown since the last send

  constructor(private readonly core: Core, form: Form, app: HTMLElement) {
    this.form = form;
    this.exchange = new ExchangeDriver(core);
    this.messages = new MessageBox(app);
    this.profiles = new Profiles(core, this.exchange, app, (m) => this.messages.show(m));
    this.demo = new DemoLine(core, (localStorage.getItem(DemoModeKey) as DemoMode | null) ?? 'normal');
    this.logPane = element('section', { id: 'logPane', hidden: true },
      element('div', { className: 'log-bar' }, element('span', { textContent: texts.logTitle }),
        this.button('logSave', texts.save, () => download(texts.logFileName, this.savedLog(), 'text/plain')),
        this.button('logClear', texts.clear, () => {
          this.logText.textContent = '';
          // Cleared, the log starts again with the day's date.
          this.core.logCleared();
        })),
      this.logText);
    app.append(this.menuBar(), this.notice(),
      element('div', { id: 'Form1' }, this.form.root, this.logPane),
      element('footer', { id: 'statusBar' }, this.exchangeStatus, this.busy, this.portStatus));

    for (const command of this.form.table.commands)
      this.form.buttons.get(command.button)!.addEventListener('click', () => this.onCommand(command.button));
    this.form.onEnter = (button) => this.form.buttons.get(button)!.click();
    const reopen = this.form.table.controls.find((c) => c.kind === 'Button' && !this.isCommand(c.name))!;
    this.form.buttons.get(reopen.name)!.addEventListener('click', () => void this.onReopen());
    this.exchange.onEvent = (e) => this.onExchangeEvent(e);
    document.addEventListener('keydown', (e) => {
      if (e.key === 'F12') { e.preventDefault(); this.toggleLog(); }
    });
    this.setPortStatus(texts.portClosed);
  }

  private isCommand(button: string): boolean {
    return this.form.table.commands.some((c) => c.button === button);
  }

  private button(id: string, caption: string, onClick: () => void): HTMLButtonElement {
    const b = element('button', { id, type: 'button', textContent: caption });
    b.addEventListener('click', onClick);
    return b;
  }

  private menuBar(): HTMLElement {
    const menu = (title: string, ...items: HTMLElement[]) => {
      const list = element('div', { className: 'menu-items' }, ...items);
      const head = element('button', { type: 'button', className: 'menu-title', textContent: title });
      const m = element('div', { className: 'menu' }, head, list);
      head.addEventListener('click', () => m.classList.toggle('open'));
      list.addEventListener('click', () => m.classList.remove('open'));
      document.addEventListener('click', (e) => { if (!m.contains(e.target as Node)) m.classList.remove('open'); });
      return m;
    };
    const file = element('input', { type: 'file', accept: '.json,application/json', hidden: true, id: 'profileFile' });
    file.addEventListener('change', () => {
      if (file.files?.[0]) void this.profiles.apply(file.files[0], localTimeOf(new Date()));
      file.value = '';
    });
    const modes = demoModes.map((mode) => {
      const b = this.button(`demoMode-${mode}`, texts.demoModes[mode], () => {
        this.demo.mode = mode;
        localStorage.setItem(DemoModeKey, mode);
        for (const other of modes) other.classList.toggle('checked', other === b);
      });
      b.classList.toggle('checked', mode === this.demo.mode);
      return b;
    });
    // Ticked as the page first opens: each verdict in a box.
    const successBox = this.button('actionSuccessBox', texts.menuSuccessBox, () => {
      this.showsSuccessBox = !this.showsSuccessBox;
      localStorage.setItem(SuccessBoxKey, String(this.showsSuccessBox));
      successBox.classList.toggle('checked', this.showsSuccessBox);
    });
    successBox.classList.toggle('checked', this.showsSuccessBox);
    // Each language by its own name. The page opens again in it (the port
    // it had open opens again).
    const languages = ([['zh', '中文'], ['en', 'English']] as const).map(([code, name]) => {
      const b = this.button(`actionLanguage-${code}`, name, () => {
        if (code === language) return;
        localStorage.setItem(LanguageKey, code);
        location.reload();
      });
      b.classList.toggle('checked', code === language);
      return b;
    });
    return element('nav', { id: 'menuBar' },
      menu(texts.menuFile,
        this.button('actionApplyProfile', texts.menuApplyProfile, () => file.click()),
        this.button('actionSaveProfile', texts.menuSaveProfile, () => this.profiles.save()),
        this.button('actionClearRecord', texts.menuClearRecord, () => this.profiles.clearRecord()), file),
      menu(texts.menuView, this.button('actionShowLog', texts.menuLog, () => this.toggleLog()), successBox,
        element('div', { className: 'menu-heading', textContent: texts.menuLanguage }), ...languages),
      menu(texts.menuTools, this.button('actionFillPcTime', texts.menuFillPcTime, () => this.fillPcTime()),
        element('div', { className: 'menu-heading', textContent: texts.menuDemoMode }), ...modes),
      menu(texts.menuHelp, this.button('actionAbout', texts.menuAbout,
        () => this.messages.show(texts.about(this.form.table.version, this.portStatus.textContent ?? '')))));
  }

  // Where the page has no Web Serial: why, what to use, and the demo.
  private notice(): HTMLElement {
    if (this.serial) return element('div', { hidden: true });
    const why = window.isSecureContext ? texts.noSerialFeature : texts.noSerialInsecure;
    return element('div', { id: 'noSerialNotice', role: 'alert' },
      element('strong', { textContent: texts.noSerialTitle }), element('p', { textContent: `${why}${texts.noSerialSuggest}` }),
      this.button('useDemo', texts.useDemo, () => {
        this.form.portList().value = DemoValue;
        void this.onReopen();
      }));
  }

  async startUp(): Promise<void> {
    await this.refreshPorts();
    const list = this.form.portList();
    // The port that opened last; on a first visit, the one port this site
    // may use, if there is just one.
    const last = localStorage.getItem(PortKey) ?? (this.ports.length === 1 ? 'serial:0' : null);
    if (last && [...list.options].some((o) => o.value === last)) {
      list.value = last;
      await this.open(last);
    } else {
      this.setPortButtonsEnabled(false);
    }
  }

  private async refreshPorts(): Promise<void> {
    this.ports = this.serial ? await this.serial.getPorts() : [];
    const list = this.form.portList();
    const chosen = list.value;
    const options = this.ports.map((p, i) => element('option', { value: `serial:${i}`, textContent: this.portName(p, i) }));
    if (this.serial) options.push(element('option', { value: ChooseValue, textContent: texts.portChoose }));
    options.push(element('option', { value: DemoValue, textContent: texts.portDemo }));
    list.replaceChildren(...options);
    if ([...list.options].some((o) => o.value === chosen)) list.value = chosen;
  }

  private portName(port: SerialPortLike, index: number): string {
    const info = port.getInfo();
    const hex = (n?: number) => (n ?? 0).toString(16).toUpperCase().padStart(4, '0');
    return texts.portGranted(index + 1, info.usbVendorId !== undefined ? `USB ${hex(info.usbVendorId)}:${hex(info.usbProductId)}` : '');
  }

  // 串口设置: closes the line, then opens the port chosen in the list
  // (asking the browser for one when so chosen).
  private async onReopen(): Promise<void> {
    let choice = this.form.portList().value;
    if (choice === ChooseValue) {
      let port: SerialPortLike;
      try {
        port = await this.serial!.requestPort();
      } catch {
        return;  // the operator chose none
      }
      await this.refreshPorts();
      const index = this.ports.indexOf(port);
      choice = `serial:${index >= 0 ? index : this.ports.length}`;
      if (index < 0) this.ports.push(port);
      this.form.portList().value = choice;
    }
    await this.open(choice);
  }

  private async open(choice: string): Promise<void> {
    const old = this.exchange.line;
    // No reply can reach the requests waiting on the line being closed, and
    // one that comes on the next line answers a request sent there: they end
    // as on a lost line, in the status bar and the log (the operator closed
    // it, so no box).
    this.closingLine = true;
    this.exchange.lineLost();
    this.closingLine = false;
    await old?.close();
    let line: Line;
    let name = choice === DemoValue ? texts.demoName : this.form.portList().selectedOptions[0]?.textContent ?? choice;
    try {
      if (choice === DemoValue) {
        line = this.demo;
      } else {
        const port = this.ports[Number(choice.replace('serial:', ''))];
        if (!port) throw new Error(texts.noPortChosen);
        line = await WebSerialLine.open(port, name);
      }
    } catch (e) {
      const why = e instanceof DOMException && e.name === 'InvalidStateError' ? texts.portInUse
        : e instanceof DOMException && e.name === 'NetworkError' ? texts.portInUse
          : e instanceof Error && e.message === texts.noPortChosen ? e.message : texts.portOpenFailed;
      this.portText = name;
      this.setPortStatus(texts.portClosed);
      this.log(this.core.logLine('Port', texts.portCannotOpen(name, why).replace('\n', texts.reasonSeparator), logTimeOf(new Date())));
      this.messages.show(texts.portCannotOpen(name, why));
      this.setPortButtonsEnabled(false);
      return;
    }
    name = line.name;
    this.portText = name;
    line.onLost = () => this.onLineLost(line);
    this.exchange.attach(line);
    localStorage.setItem(PortKey, choice);
    this.setPortStatus(texts.portOpened);
    this.log(this.core.logLine('Port', texts.portOpenedLog(name), logTimeOf(new Date())));
    this.setPortButtonsEnabled(true);
  }

  private onLineLost(line: Line): void {
    if (this.exchange.line !== line) return;
    this.exchange.lineLost();
    this.setPortStatus(texts.portLost);
    this.setExchangeStatus(texts.linkLostStatus);
    this.log(this.core.logLine('Port', texts.portLostLog(this.portText), logTimeOf(new Date())));
  }

  private onCommand(button: string): void {
    const now = localTimeOf(new Date());
    const built = this.core.build(button, this.form.values(), now);
    if (built.kind !== 'frame') {
      const caption = this.form.table.commands.find((c) => c.button === button)!.caption;
      this.log(this.core.logLine('NotSent', `${caption}${texts.reasonSeparator}${built.text}`, logTimeOf(new Date())));
      this.messages.show(built.text);
      return;
    }
    this.profiles.requestSent(this.core.nextRequestId(), built.words, built.key);
    this.exchange.send(built.frame);
  }

  private onExchangeEvent(e: ExchangeEvent): void {
    this.log(e.log);
    switch (e.type) {
      case 'sent':
        this.lossShown = false;
        this.setExchangeStatus(texts.awaitingReply);
        break;
      case 'finished': {
        this.setExchangeStatus(e.status);
        // A lost line ends every request waiting on it: one box says so, as
        // one time-out box does for the requests it ends.
        const wanted = e.outcome === 'LinkLost' ? !this.lossShown : e.outcome !== 'Accepted' || this.showsSuccessBox;
        if (e.outcome === 'LinkLost') this.lossShown = true;
        // While a profile is applied its results go to a table, not to boxes.
        if (e.message && !this.profiles.applying && !this.closingLine && wanted)
          this.messages.show(e.message);
        this.profiles.finished(e.id, e.outcome, e.status);
        break;
      }
      case 'dropped':
        // While a request waits, the status says so; the rest is in the log.
        if (this.exchange.awaiting || e.why === 'Echo') break;
        this.setExchangeStatus(e.why === 'Unrecognised' ? texts.unrecognisedStatus
          : e.why === 'LateReply' ? texts.lateReplyStatus : texts.otherRequestStatus);
        break;
      default: break;
    }
  }

  private fillPcTime(): void {
    const boxes = this.form.table.clockControls;
    this.core.clockTexts(localTimeOf(new Date())).forEach((text, i) => this.form.setText(boxes[i], text));
  }

  private toggleLog(): void {
    this.logPane.hidden = !this.logPane.hidden;
    document.getElementById('actionShowLog')!.classList.toggle('checked', !this.logPane.hidden);
  }

  private log(line: string): void {
    if (!line) return;
    const text = this.logText;
    text.append(`${line}\n`);
    while (text.childNodes.length > MaxLogLines) text.firstChild!.remove();
    text.scrollTop = text.scrollHeight;
  }

  // A saved log starts with when, by what and on which port.
  private savedLog(): string {
    const header = texts.logHeader(new Date().toLocaleString('sv-SE'), this.form.table.version, this.portStatus.textContent ?? '');
    return `${header.join('\n')}\n\n${this.logText.textContent ?? ''}`;
  }

  private setPortButtonsEnabled(enabled: boolean): void {
    for (const c of this.form.table.commands)
      if (c.needsOpenPort) this.form.buttons.get(c.button)!.disabled = !enabled;
  }

  private setPortStatus(state: string): void {
    this.portStatus.textContent = texts.portStatus(this.portText, state);
  }

  private setExchangeStatus(text: string): void {
    this.exchangeStatus.textContent = text;
    this.busy.hidden = !this.exchange.awaiting;
  }
}

async function main(): Promise<void> {
  const app = document.getElementById('app')!;
  if (language === 'en') {
    speak(CATALOGUE_EN);
    document.documentElement.lang = 'en';
    document.title = texts.appTitle;
  }
  // Compiled from the page's head as soon as it was read (see index.html).
  const compiled = (self as { smscfgCore?: Promise<WebAssembly.Module> }).smscfgCore
    ?? WebAssembly.compileStreaming(fetch('smscfg-core.wasm'));
  const loading = Core.load(() => createCoreModule({
    instantiateWasm: (imports, done) => {
      compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => done(instance, module)));
      return {};
    },
  }));
  const form = new Form(language === 'en' ? FORM_TABLE_EN : FORM_TABLE);
  const placeholder = element('div', { id: 'Form1' }, form.root);
  app.append(placeholder);
  // Chinese captions fit as they are.
  if (language === 'en') form.fitCaptions();
  // Shown, the form is usable: it can be filled in, and a button pressed
  // (or Enter) before the core is ready is pressed again once it is.
  const early: string[] = [];
  const keep = (e: Event): void => {
    const button = (e.target as HTMLElement).closest('button');
    if (button && form.root.contains(button)) early.push(button.id);
  };
  placeholder.addEventListener('click', keep);
  form.onEnter = (button) => early.push(button);
  performance.mark('form-shown');
  performance.mark('form-usable');
  let core: Core;
  try {
    [, core] = await Promise.all([compiled, loading]);
  } catch (e) {
    app.textContent = texts.coreFailed;
    throw e;
  }
  if (language === 'en') core.speak(CATALOGUE_EN);
  placeholder.removeEventListener('click', keep);
  placeholder.remove();
  const page = new Page(core, form, app);
  // The core is wired to the form from here; the port opens after.
  document.documentElement.dataset.ready = 'form';
  performance.mark('core-ready');
  await page.startUp();
  for (const button of early) form.buttons.get(button)?.click();
  document.documentElement.dataset.ready = 'port';
  if ('serviceWorker' in navigator && window.isSecureContext)
    navigator.serviceWorker.register('sw.js').catch(() => { /* works without, online */ });
}

void main();

import type { ControlValues, FormControl, FormTable } from './core.js';
import { element } from './dialog.js';

// The form, built from the core's layout table: every control at its place
// and size, its element id its control name. A control array's element is
// the name and index joined by "_": Check2(0) is #Check2_0, Option1(1) is
// #Option1_1, Label2(7) is #Label2_7. For a check box or option button the
// id is on the <input>; its caption is the <label> around it.
export class Form {
  readonly root: HTMLElement;
  private readonly inputs = new Map<string, HTMLInputElement | HTMLSelectElement>();
  readonly buttons = new Map<string, HTMLButtonElement>();
  onEnter: (button: string) => void = () => {};

  constructor(readonly table: FormTable) {
    this.root = element('div', { id: 'form' });
    this.root.style.width = `${table.width}px`;
    this.root.style.height = `${table.height}px`;
    for (const c of table.controls) this.root.append(this.create(c));
    for (const name of table.ticked) (this.inputs.get(name) as HTMLInputElement).checked = true;
    for (const name of table.hidden) {
      const b = this.buttons.get(name)!;
      b.hidden = true;
      b.disabled = true;
    }
    for (const [name, items] of Object.entries(table.lists)) this.setList(name, items);
  }

  // Each caption at its designed size where it fits its control; one that
  // does not (a longer English one) wraps at its spaces within the control,
  // then takes a smaller size. Every control keeps its place and size. Once
  // the form is on the page.
  fitCaptions(): void {
    const least = 6.5;
    for (const [c, e] of this.captioned) {
      const overflows = () => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight;
      if (e.hidden || !overflows()) continue;
      if (c.caption.includes(' ')) e.classList.add('wrapped');
      for (let points = c.points - 0.5; overflows() && points >= least; points -= 0.5) e.style.fontSize = `${points}pt`;
    }
  }

  private readonly captioned = new Map<FormControl, HTMLElement>();

  private create(c: FormControl): HTMLElement {
    const placed = (e: HTMLElement): HTMLElement => {
      e.classList.add('control', c.kind.toLowerCase());
      Object.assign(e.style, { left: `${c.left}px`, top: `${c.top}px`, width: `${c.width}px`,
        height: `${c.height}px`, fontSize: `${c.points}pt` });
      if (c.caption) this.captioned.set(c, e);
      return e;
    };
    switch (c.kind) {
      case 'Title': case 'Label': case 'Hint':
        return placed(element('div', { id: c.name, textContent: c.caption }));
      case 'Frame':
        return placed(element('div', { id: c.name }));
      case 'Button': {
        const b = element('button', { id: c.name, type: 'button', textContent: c.caption });
        this.buttons.set(c.name, b);
        return placed(b);
      }
      case 'Text': {
        const input = this.box(element('input', { id: c.name, type: 'text', autocomplete: 'off', spellcheck: false }), c);
        return placed(input);
      }
      case 'Combo': {
        // An editable combo box: the text is the <input>'s; the list beside
        // it only fills the text in.
        const input = this.box(element('input', { id: c.name, type: 'text', autocomplete: 'off', spellcheck: false }), c);
        const list = element('select', { tabIndex: -1, className: 'combo-list' });
        list.setAttribute('aria-label', c.name);
        list.addEventListener('change', () => {
          input.value = list.value;
          input.focus();
        });
        input.addEventListener('focus', () => input.select());
        return placed(element('span', {}, input, list));
      }
      case 'PortCombo': {
        const select = this.box(element('select', { id: c.name }), c);
        return placed(select);
      }
      case 'Check': case 'Option': {
        const input = element('input', { id: c.name, type: c.kind === 'Check' ? 'checkbox' : 'radio' });
        if (c.kind === 'Option') input.name = c.name.replace(/_\d+$/, '');
        this.inputs.set(c.name, input);
        return placed(element('label', {}, input, c.caption));
      }
    }
  }

  private box<T extends HTMLInputElement | HTMLSelectElement>(input: T, c: FormControl): T {
    this.inputs.set(c.name, input);
    (input as HTMLElement).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      if (c.rowButton && !this.buttons.get(c.rowButton)?.disabled) this.onEnter(c.rowButton);
    });
    return input;
  }

  // The fixed items of a combo box's list; the first is shown.
  setList(name: string, items: string[]): void {
    const input = this.inputs.get(name) as HTMLInputElement;
    const list = input.nextElementSibling as HTMLSelectElement;
    list.replaceChildren(...items.map((item) => element('option', { value: item, textContent: item })));
    input.value = items[0] ?? '';
  }

  setText(name: string, text: string): void {
    (this.inputs.get(name) as HTMLInputElement).value = text;
  }

  portList(): HTMLSelectElement {
    return this.inputs.get(this.table.controls.find((c) => c.kind === 'PortCombo')!.name) as HTMLSelectElement;
  }

  // The texts and ticks of every control, by control name.
  values(): ControlValues {
    const values: ControlValues = { texts: {}, ticked: [] };
    for (const [name, input] of this.inputs) {
      if (input instanceof HTMLInputElement && (input.type === 'checkbox' || input.type === 'radio')) {
        if (input.checked) values.ticked.push(name);
      } else if (!(input instanceof HTMLSelectElement)) {
        values.texts[name] = input.value;
      }
    }
    return values;
  }
}

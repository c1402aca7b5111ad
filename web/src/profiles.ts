import type { Core, LocalTime, Outcome, ProfileStep } from './core.js';
import { ask, element } from './dialog.js';
import type { ExchangeDriver } from './exchange.js';
import { texts } from './texts.js';

const InitialiseCode = 0x45;

interface Recorded { key: string; words: string[] }

// Profiles in the page: records the requests the controller accepted (a
// later one replacing an earlier one that set the same thing), saves them,
// and applies a profile's steps one at a time with progress and a table of
// results, stopping at the first step that is not accepted.
export class Profiles {
  private record: Recorded[] = [];
  private readonly sentWords = new Map<number, { words: string[]; key: number[] }>();
  private current: { id: number; onFinished: (outcome: Outcome, status: string) => void } | null = null;

  constructor(private readonly core: Core, private readonly exchange: ExchangeDriver,
    private readonly dialogs: HTMLElement, private readonly show: (message: string) => void) {}

  get applying(): boolean { return this.current !== null; }

  requestSent(id: number, words: string[], key: number[]): void {
    this.sentWords.set(id, { words, key });
  }

  // Every finished request comes here.
  finished(id: number, outcome: Outcome, status: string): void {
    const sent = this.sentWords.get(id);
    this.sentWords.delete(id);
    if (sent && outcome === 'Accepted') this.keep(sent.words, sent.key);
    if (this.current?.id === id) this.current.onFinished(outcome, status);
  }

  private keep(words: string[], key: number[]): void {
    // Initialising clears the controller: what came before it is gone.
    if (key[0] === InitialiseCode) this.record = [];
    const k = key.join(',');
    this.record = this.record.filter((r) => r.key !== k);
    this.record.push({ key: k, words });
  }

  recordedSteps(): string[][] { return this.record.map((r) => r.words); }
  clearRecord(): void { this.record = []; }

  save(): void {
    if (!this.record.length) {
      this.show(texts.profileNothingToSave);
      return;
    }
    const name = texts.profileFileName.replace(/\.json$/, '');
    download(texts.profileFileName, this.core.profileText(name, this.recordedSteps()), 'application/json');
  }

  async apply(file: File, now: LocalTime): Promise<void> {
    if (this.applying) return;
    let text: string;
    try {
      text = await file.text();
    } catch (e) {
      this.show(texts.profileCannotRead(String(e)));
      return;
    }
    const parsed = this.core.parseProfile(text, now);
    if ('error' in parsed) {
      this.show(parsed.error);
      return;
    }
    const steps = parsed.steps;
    if (!steps.length) {
      this.show(texts.profileNoSteps);
      return;
    }
    const lines = steps.map((s, i) => `${i + 1}. ${s.description}`).join('\n');
    const body = element('p', { className: 'preformatted',
      textContent: texts.profileConfirm(parsed.name || file.name, steps.length, lines) });
    if (await ask(this.dialogs, 'profileConfirm', texts.appTitle, body, [texts.apply, texts.cancel]) !== 0) return;
    await this.run(steps);
  }

  private async run(steps: ProfileStep[]): Promise<void> {
    let cancelled = false;
    const label = element('p', { id: 'profileProgressText' });
    const bar = element('progress', { max: steps.length, value: 0 });
    const cancel = element('button', { type: 'button', textContent: texts.cancel });
    const progress = element('dialog', { id: 'profileProgress', className: 'wide' },
      element('div', { className: 'dialog-title', textContent: texts.appTitle }), label, bar,
      element('div', { className: 'dialog-buttons' }, cancel));
    // 取消 stops between steps: the one under way still gets its verdict.
    cancel.addEventListener('click', () => { cancelled = true; cancel.disabled = true; });
    progress.addEventListener('cancel', (e) => { e.preventDefault(); cancelled = true; });
    this.dialogs.append(progress);
    progress.showModal();

    const results: string[] = [];
    let accepted = 0;
    for (let i = 0; i < steps.length && !cancelled; ++i) {
      bar.value = i;
      label.textContent = texts.profileProgress(i + 1, steps.length, steps[i].description);
      const [outcome, status] = await new Promise<[Outcome, string]>((resolve) => {
        // Known before the send: a write that cannot be made finishes within it.
        this.current = { id: this.core.nextRequestId(), onFinished: (o, s) => resolve([o, s]) };
        this.exchange.send(steps[i].frame);
      });
      this.current = null;
      results.push(status);
      if (outcome === 'Accepted') {
        ++accepted;
        this.keep(steps[i].words, steps[i].key);
      } else {
        break;
      }
    }
    progress.close();
    progress.remove();
    this.showResults(steps, results, accepted, cancelled);
  }

  private showResults(steps: ProfileStep[], results: string[], accepted: number, cancelled: boolean): void {
    const table = element('table', { id: 'profileResultTable' },
      element('tr', {}, ...texts.profileColumns.map((c) => element('th', { textContent: c }))),
      ...steps.map((s, i) => element('tr', {},
        element('td', { textContent: String(i + 1) }), element('td', { textContent: s.description }),
        element('td', { textContent: i < results.length ? results[i] : cancelled ? texts.profileCancelled : texts.profileNotSent }))));
    const summary = element('p', { id: 'profileSummary', textContent:
      texts.profileSummary(steps.length, accepted, results.length - accepted, steps.length - results.length) });
    void ask(this.dialogs, 'profileResults', texts.profileResultsTitle, element('div', {}, summary, table), [texts.close]);
  }
}

export function download(name: string, text: string, type: string): void {
  const a = element('a', { download: name, href: URL.createObjectURL(new Blob([text], { type })) });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

import type { Core } from './core.js';
import type { Line } from './line.js';
import { texts } from './texts.js';

// How the demo controller misbehaves, as smscfg-sim's fault options do.
export type DemoMode = 'normal' | 'refuse' | 'silent' | 'late' | 'split' | 'short' | 'stray';
export const demoModes: DemoMode[] = ['normal', 'refuse', 'silent', 'late', 'split', 'short', 'stray'];

// About the time a reply takes on a 9600 baud line, and the fault modes'.
const ReplyDelayMs = 20;
const LateDelayMs = 4000;
const SplitGapMs = 30;

// The built-in controller: the core's controller decides, this only delivers
// its replies, late, in pieces or spoilt when asked to.
export class DemoLine implements Line {
  readonly name = texts.demoName;
  onBytes: (bytes: Uint8Array) => void = () => {};
  onLost: () => void = () => {};
  private timers = new Set<ReturnType<typeof setTimeout>>();

  constructor(private readonly core: Core, public mode: DemoMode = 'normal') {}

  async write(bytes: Uint8Array): Promise<void> {
    for (const answer of this.core.demo(Array.from(bytes), this.mode === 'refuse')) this.deliver(answer.reply);
  }

  private deliver(reply: number[]): void {
    switch (this.mode) {
      case 'silent': return;
      case 'late': this.later(LateDelayMs, reply); return;
      case 'split':
        this.later(ReplyDelayMs, reply.slice(0, 3));
        this.later(ReplyDelayMs + SplitGapMs, reply.slice(3));
        return;
      case 'short': this.later(ReplyDelayMs, reply.slice(0, 5)); return;
      case 'stray': this.later(ReplyDelayMs, [0x00, ...reply]); return;
      default: this.later(ReplyDelayMs, reply);
    }
  }

  private later(ms: number, bytes: number[]): void {
    const timer = setTimeout(() => {
      this.timers.delete(timer);
      this.onBytes(Uint8Array.from(bytes));
    }, ms);
    this.timers.add(timer);
  }

  async close(): Promise<void> {
    for (const timer of this.timers) clearTimeout(timer);
    this.timers.clear();
  }
}

import { type Core, type ExchangeEvent, type ExchangeState, type LogTime, logTimeOf } from './core.js';
import type { Line } from './line.js';

// Drives the core's exchange machine with the page's line and one timer:
// tells it what was written and read and when, and wakes it at the moment it
// asks for, so that the settle wait, the time-out and every verdict rule are
// the desktop's.
export class ExchangeDriver {
  line: Line | null = null;
  onEvent: (event: ExchangeEvent) => void = () => {};
  awaiting = false;
  private timer: ReturnType<typeof setTimeout> | null = null;

  constructor(private readonly core: Core, private readonly now: () => number = () => performance.now()) {}

  private stamp(): [number, LogTime] {
    return [Math.round(this.now()), logTimeOf(new Date())];
  }

  // Sends `frame` on the line; its outcome comes as a 'finished' event with
  // the returned id.
  send(frame: number[]): number {
    const id = this.core.nextRequestId();
    const line = this.line;
    if (!line) {
      this.apply(this.core.notSent(frame, ...this.stamp()));
      return id;
    }
    // Told before the write finishes: a fast reply must find its request.
    this.apply(this.core.sent(frame, ...this.stamp()));
    line.write(Uint8Array.from(frame)).catch(() => {
      if (this.line === line) this.lineLost();
    });
    return id;
  }

  attach(line: Line): void {
    this.line = line;
    line.onBytes = (bytes) => {
      if (this.line === line) this.apply(this.core.received(Array.from(bytes), ...this.stamp()));
    };
  }

  // The line went away, or is being closed: what was read is judged,
  // waiting requests end.
  lineLost(): void {
    this.line = null;
    this.apply(this.core.lost(...this.stamp()));
  }

  private apply(state: ExchangeState): void {
    this.awaiting = state.awaiting;
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
    if (state.expiry !== null) {
      const delay = Math.max(0, state.expiry - this.now());
      this.timer = setTimeout(() => {
        this.timer = null;
        this.apply(this.core.expire(...this.stamp()));
      }, delay);
    }
    for (const event of state.events) this.onEvent(event);
  }
}

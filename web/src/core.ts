// The core in WebAssembly: the form's tables, the request builders, the
// exchange's state machine, the log's lines, the demo controller's decisions
// and profiles, all from the same C++ as the desktop programs. The module
// exports one function that takes a JSON request and answers in JSON.

export type ControlKind =
  | 'Title' | 'Label' | 'Hint' | 'Button' | 'Text' | 'Combo' | 'PortCombo' | 'Check' | 'Option' | 'Frame';

export interface FormControl {
  kind: ControlKind;
  name: string;     // the control name, also the element's id: "Text13", "Check2_0"
  caption: string;
  left: number; top: number; width: number; height: number;  // pixels on the form
  points: number;   // font size
  rowButton: string;  // for a box: the button Enter presses
  frame: string;    // the frame that holds it, or ""
}

export interface CommandInfo {
  button: string;
  caption: string;
  code: number;
  needsOpenPort: boolean;
  cliName: string;
  controls: string[];  // the boxes it reads, in command-line order
}

export interface FormTable {
  width: number; height: number;  // pixels
  controls: FormControl[];
  commands: CommandInfo[];
  lists: Record<string, string[]>;  // the clock row's fixed lists
  ticked: string[];   // ticked when the form opens
  hidden: string[];   // hidden and disabled for good
  clockControls: string[];  // the clock row's boxes, in the order of clockTexts()
  version: string;
}

export interface ControlValues {
  texts: Record<string, string>;
  ticked: string[];
}

export type BuildOutcome =
  // words: the request as a profile step ("clock now" where the clock row
  // shows `now`); key: what it sets, the same for requests that replace
  // each other.
  | { kind: 'frame'; frame: number[]; words: string[]; key: number[] }
  | { kind: 'message' | 'refusal'; text: string };

export type Outcome = 'Accepted' | 'Refused' | 'NoVerdict' | 'NoResponse' | 'PortUnusable' | 'LinkLost';
export type Ignored = 'Echo' | 'OtherRequest' | 'LateReply' | 'Unrecognised';

export type ExchangeEvent =
  | { type: 'sent'; id: number; log: string }
  | { type: 'received'; log: string }
  | { type: 'finished'; id: number; outcome: Outcome; message: string; status: string; log: string; frame: number[] }
  | { type: 'dropped'; why: Ignored; log: string };

export interface ExchangeState {
  events: ExchangeEvent[];
  expiry: number | null;  // when to call expire(), on the same clock as `now`
  awaiting: boolean;
}

export interface DemoAnswer { reply: number[]; meaning: string }

export interface ProfileStep { words: string[]; frame: number[]; key: number[]; description: string }
export type ParsedProfile = { name: string; steps: ProfileStep[] } | { error: string };

// The local time as the clock row reads it.
export interface LocalTime { year: number; month: number; day: number; hour: number; minute: number; second: number; weekday: number }

export function localTimeOf(d: Date): LocalTime {
  return {
    year: d.getFullYear(), month: d.getMonth() + 1, day: d.getDate(), hour: d.getHours(),
    minute: d.getMinutes(), second: d.getSeconds(), weekday: d.getDay() === 0 ? 7 : d.getDay(),
  };
}

// When a log line is written: the date, and milliseconds since midnight.
export interface LogTime { year: number; month: number; day: number; weekday: number; ms: number }

export function logTimeOf(d: Date): LogTime {
  return { year: d.getFullYear(), month: d.getMonth() + 1, day: d.getDate(), weekday: d.getDay() === 0 ? 7 : d.getDay(),
    ms: ((d.getHours() * 60 + d.getMinutes()) * 60 + d.getSeconds()) * 1000 + d.getMilliseconds() };
}

export interface CoreModule {
  _smscfg_call(request: number): number;
  _malloc(size: number): number;
  _free(pointer: number): void;
  lengthBytesUTF8(text: string): number;
  stringToUTF8(text: string, pointer: number, size: number): void;
  UTF8ToString(pointer: number): string;
}

export class Core {
  private constructor(private readonly module: CoreModule) {}

  static async load(factory: () => Promise<CoreModule>): Promise<Core> {
    return new Core(await factory());
  }

  private call<T>(request: object): T {
    const json = JSON.stringify(request);
    const size = this.module.lengthBytesUTF8(json) + 1;
    const pointer = this.module._malloc(size);
    try {
      this.module.stringToUTF8(json, pointer, size);
      const answer = JSON.parse(this.module.UTF8ToString(this.module._smscfg_call(pointer)));
      if (answer && typeof answer === 'object' && 'fault' in answer) throw new Error(String(answer.fault));
      return answer as T;
    } finally {
      this.module._free(pointer);
    }
  }

  // The core's texts from now on in the language of `catalogue` ("Table/Key":
  // words); null: Chinese.
  speak(catalogue: Record<string, string> | null): void { this.call({ op: 'speak', catalogue }); }

  build(button: string, values: ControlValues, now: LocalTime): BuildOutcome {
    // Each text as its UTF-16 code units: a box may hold a lone surrogate,
    // which JSON's UTF-8 cannot carry, and the core takes it as the window's does.
    const texts = Object.fromEntries(Object.entries(values.texts).map(([name, text]) =>
      [name, Array.from({ length: text.length }, (_, i) => text.charCodeAt(i))]));
    return this.call({ op: 'build', button, values: { texts, ticked: values.ticked }, now });
  }
  clockTexts(now: LocalTime): string[] { return this.call({ op: 'clockTexts', now }); }

  // The exchange; `now` in ms on any steady clock, `at` for the log's lines.
  sent(frame: number[], now: number, at: LogTime): ExchangeState { return this.call({ op: 'sent', frame, now, at }); }
  notSent(frame: number[], now: number, at: LogTime): ExchangeState { return this.call({ op: 'notSent', frame, now, at }); }
  received(bytes: number[], now: number, at: LogTime): ExchangeState { return this.call({ op: 'received', bytes, now, at }); }
  lost(now: number, at: LogTime): ExchangeState { return this.call({ op: 'lost', now, at }); }
  expire(now: number, at: LogTime): ExchangeState { return this.call({ op: 'expire', now, at }); }
  nextRequestId(): number { return this.call({ op: 'nextRequestId' }); }
  // A log line of the port's ("Port") or of a request not sent ("NotSent").
  logLine(kind: 'Port' | 'NotSent', text: string, at: LogTime): string { return this.call({ op: 'logLine', kind, text, at }); }
  // The log was cleared: its next line starts with the date again.
  logCleared(): void { this.call({ op: 'logCleared' }); }

  // The demo controller: what it answers to the bytes it got.
  demo(bytes: number[], refuseAll: boolean): DemoAnswer[] { return this.call({ op: 'demo', bytes, refuseAll }); }

  parseProfile(text: string, now: LocalTime): ParsedProfile { return this.call({ op: 'parseProfile', text, now }); }
  profileText(name: string, steps: string[][]): string { return this.call({ op: 'profileText', name, steps }); }
}

// A serial line as the exchange sees it: bytes out, bytes in, and word when
// it goes away. Web Serial and the demo controller are both one.
export interface Line {
  readonly name: string;  // as the status bar and the log name it
  write(bytes: Uint8Array): Promise<void>;
  close(): Promise<void>;
  onBytes: (bytes: Uint8Array) => void;
  onLost: () => void;
}

// The part of Web Serial the page uses (not yet in TypeScript's DOM types).
export interface SerialPortInfo { usbVendorId?: number; usbProductId?: number }
export interface SerialPortLike extends EventTarget {
  open(options: { baudRate: number; dataBits?: number; stopBits?: number; parity?: string; bufferSize?: number }): Promise<void>;
  close(): Promise<void>;
  getInfo(): SerialPortInfo;
  readonly readable: ReadableStream<Uint8Array> | null;
  readonly writable: WritableStream<Uint8Array> | null;
}
export interface SerialLike extends EventTarget {
  requestPort(options?: object): Promise<SerialPortLike>;
  getPorts(): Promise<SerialPortLike[]>;
}

// Web Serial where this page may use it: decided by the feature, never by
// the browser's name. A page not served from a secure origin has none.
export function webSerial(): SerialLike | null {
  const serial = (navigator as unknown as { serial?: SerialLike }).serial;
  return serial && typeof serial.requestPort === 'function' ? serial : null;
}

// 9600 baud, 8 data bits, no parity, 1 stop bit.
export const LineSettings = { baudRate: 9600, dataBits: 8, parity: 'none', stopBits: 1 } as const;

// An open Web Serial port: a read loop hands every chunk on; the port's
// `disconnect` event, or a read that fails, reports the line lost at once.
export class WebSerialLine implements Line {
  onBytes: (bytes: Uint8Array) => void = () => {};
  onLost: () => void = () => {};
  private reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
  private closing = false;
  private lost = false;
  private writing: Promise<void> = Promise.resolve();
  private readonly onDisconnect = () => this.reportLost();

  private constructor(readonly name: string, private readonly port: SerialPortLike) {}

  static async open(port: SerialPortLike, name: string): Promise<WebSerialLine> {
    await port.open(LineSettings);
    const line = new WebSerialLine(name, port);
    port.addEventListener('disconnect', line.onDisconnect);
    void line.readLoop();
    return line;
  }

  private async readLoop(): Promise<void> {
    while (!this.closing && this.port.readable) {
      this.reader = this.port.readable.getReader();
      try {
        for (;;) {
          const { value, done } = await this.reader.read();
          if (done) break;
          if (value && value.length) this.onBytes(value);
        }
      } catch {
        // A framing or parity error leaves the port usable (readable comes
        // back); a lost device does not.
      } finally {
        this.reader.releaseLock();
        this.reader = null;
      }
    }
    if (!this.closing) this.reportLost();
  }

  private reportLost(): void {
    if (this.lost || this.closing) return;
    this.lost = true;
    this.port.removeEventListener('disconnect', this.onDisconnect);
    this.onLost();
    void this.close();
  }

  // One write at a time: a second press while the first frame is still being
  // written would find the stream locked to the first one's writer.
  write(bytes: Uint8Array): Promise<void> {
    const written = this.writing.then(() => this.writeNow(bytes));
    this.writing = written.catch(() => {});
    return written;
  }

  private async writeNow(bytes: Uint8Array): Promise<void> {
    if (!this.port.writable) throw new Error('not writable');
    const writer = this.port.writable.getWriter();
    try {
      await writer.write(bytes);
    } finally {
      writer.releaseLock();
    }
  }

  async close(): Promise<void> {
    this.closing = true;
    this.port.removeEventListener('disconnect', this.onDisconnect);
    try {
      await this.reader?.cancel();
    } catch { /* already gone */ }
    try {
      await this.port.close();
    } catch { /* already closed, or the device is gone */ }
  }
}

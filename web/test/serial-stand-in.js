// A test-only stand-in for navigator.serial, injected into the page before
// its scripts run: each port it grants is a WebSocket to the test's relay,
// so the page's Web Serial code talks to a real smscfg-sim. It keeps what the
// page asked of it in window.serialStandIn for the test to read. `granted`
// ports were granted on an earlier visit: getPorts() has them at once.
// eslint-disable-next-line no-unused-vars
function installSerialStandIn(relayUrl, granted = 0) {
  const record = { openOptions: [], written: [] };
  window.serialStandIn = record;

  class StandInPort extends EventTarget {
    constructor() {
      super();
      this.readable = null;
      this.writable = null;
      this.socket = null;
    }

    getInfo() { return { usbVendorId: 0x1a86, usbProductId: 0x7523 }; }

    async open(options) {
      if (this.socket) throw new DOMException('The port is already open.', 'InvalidStateError');
      record.openOptions.push(options);
      const socket = new WebSocket(relayUrl);
      socket.binaryType = 'arraybuffer';
      await new Promise((ok, fail) => {
        socket.onopen = ok;
        socket.onerror = () => fail(new DOMException('Failed to open serial port.', 'NetworkError'));
      });
      this.socket = socket;
      this.readable = new ReadableStream({
        start: (controller) => {
          socket.onmessage = (e) => controller.enqueue(new Uint8Array(e.data));
          socket.onclose = () => {
            // As Chromium does when the device goes: the read fails and
            // the port says it is gone.
            try { controller.error(new DOMException('The device has been lost.', 'NetworkError')); } catch { /* closed */ }
            if (this.socket === socket) {
              this.socket = null;
              this.readable = null;
              this.writable = null;
              this.dispatchEvent(new Event('disconnect'));
            }
          };
        },
      });
      this.writable = new WritableStream({
        write: (chunk) => {
          record.written.push(Array.from(chunk));
          socket.send(chunk);
        },
      });
    }

    async close() {
      const socket = this.socket;
      this.socket = null;
      this.readable = null;
      this.writable = null;
      socket?.close();
    }
  }

  const ports = Array.from({ length: granted }, () => new StandInPort());
  const serial = new EventTarget();
  serial.requestPort = async () => {
    const port = new StandInPort();
    ports.push(port);
    return port;
  };
  serial.getPorts = async () => ports.slice();
  Object.defineProperty(Navigator.prototype, 'serial', { get: () => serial, configurable: true });
}

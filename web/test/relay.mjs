// The relay a test starts between the page and a simulator: a WebSocket
// server on the loopback address whose one client's binary messages go to a
// serial device (a smscfg-sim pseudo-terminal) and whose bytes come back as
// messages. The test's stand-in for navigator.serial is that client.
import { execFileSync } from 'node:child_process';
import { closeSync, openSync, constants, write } from 'node:fs';
import { ReadStream } from 'node:tty';
import { WebSocketServer } from 'ws';

export async function startRelay(devicePath) {
  const server = new WebSocketServer({ host: '127.0.0.1', port: 0 });
  await new Promise((ok) => server.once('listening', ok));
  const sockets = new Set();
  server.on('connection', (socket) => {
    // Raw bytes both ways, as the serial driver would set the line.
    execFileSync('stty', ['-F', devicePath, 'raw', '-echo', '9600']);
    const fd = openSync(devicePath, constants.O_RDWR | constants.O_NOCTTY);
    const input = new ReadStream(fd);
    const end = () => {
      input.destroy();
      socket.close();
    };
    sockets.add(socket);
    input.on('data', (chunk) => socket.send(chunk));
    input.on('error', end);  // the simulator went away
    input.on('close', () => socket.close());
    socket.on('message', (data) => write(fd, data, () => {}));
    socket.on('close', () => {
      sockets.delete(socket);
      input.destroy();
    });
  });
  return {
    url: `ws://127.0.0.1:${server.address().port}/`,
    // Ends every connection: the page sees its port unplugged.
    unplug: () => { for (const s of sockets) s.terminate(); },
    close: () => new Promise((ok) => { for (const s of sockets) s.terminate(); server.close(ok); }),
  };
}

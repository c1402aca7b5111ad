// Serves the static site on the loopback address (a secure context, so Web
// Serial is allowed), compressed as a web server would: brotli or gzip, as
// the browser accepts.
// Usage: node web/tools/serve.mjs DIR [PORT]   (default 8080; 0 picks one)
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

// Quality 9: within a few per cent of the best, in a fraction of its time.
const brotliOptions = { params: { [constants.BROTLI_PARAM_QUALITY]: 9 } };

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
  '.json': 'application/json', '.svg': 'image/svg+xml', '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};

// Resolves with the server listening and its address.
export async function serve(dir, port = 8080, host = '127.0.0.1') {
  const root = resolve(dir);
  const compressed = new Map();
  const server = createServer(async (req, res) => {
    try {
      const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
      let file = normalize(join(root, path));
      if (!file.startsWith(root)) throw new Error('outside');
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      const body = await readFile(file);
      const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache',
        Vary: 'Accept-Encoding' };
      const accepts = String(req.headers['accept-encoding'] ?? '');
      const encoding = /\bbr\b/.test(accepts) ? 'br' : /\bgzip\b/.test(accepts) ? 'gzip' : null;
      let out = body;
      if (encoding && !file.endsWith('.png')) {
        const key = `${encoding}:${file}:${body.length}`;
        if (!compressed.has(key)) compressed.set(key, encoding === 'br' ? brotliCompressSync(body, brotliOptions) : gzipSync(body, { level: 9 }));
        out = compressed.get(key);
        headers['Content-Encoding'] = encoding;
      }
      headers['Content-Length'] = out.length;
      res.writeHead(200, headers);
      res.end(req.method === 'HEAD' ? undefined : out);
    } catch {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found');
    }
  });
  await new Promise((ok, fail) => server.once('error', fail).listen(port, host, ok));
  const { port: actual } = server.address();
  return { server, url: `http://${host}:${actual}/` };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [dir, port] = process.argv.slice(2);
  if (!dir) {
    console.error('usage: node web/tools/serve.mjs DIR [PORT]');
    process.exit(64);
  }
  const { url } = await serve(dir, port === undefined ? 8080 : Number(port));
  console.log(url);
}

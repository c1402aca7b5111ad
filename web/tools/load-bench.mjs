// Times the page to its first usable form (shown, built from the tables: it
// can be filled in, and a press before the core is ready is made once it is)
// against a static copy of the same form without WebAssembly or script, each
// in a fresh browser context (cold cache), and counts the bytes transferred.
// Also prints when the core is wired to the form.
// Usage: node web/tools/load-bench.mjs SITE RUNS
import { mkdtempSync, readdirSync, copyFileSync, writeFileSync, mkdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launch } from '../test/browser.mjs';
import { serve } from './serve.mjs';

const [site, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 20);
const browser = await launch();
const { server, url } = await serve(resolve(site), 0);

// The static page: the real page's form as the browser built it, with the
// same style sheet, and no script but the mark of its end.
const work = mkdtempSync(join(tmpdir(), 'smscfg-bench-'));
{
  const context = await browser.newContext({ locale: 'zh-CN' });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-ready=port]');
  const app = await page.evaluate(() => document.getElementById('app').outerHTML);
  await context.close();
  mkdirSync(join(work, 'static'));
  copyFileSync(join(site, 'page.css'), join(work, 'static/page.css'));
  writeFileSync(join(work, 'static/index.html'), `<!doctype html><html lang="zh-CN"><head><meta charset="utf-8">
<title>短信报警控制器设置</title><link rel="stylesheet" href="page.css"></head><body>${app}
<script>performance.mark('form-shown');performance.mark('form-usable')</script></body></html>`);
}
const staticSite = await serve(join(work, 'static'), 0);

async function load(pageUrl) {
  const context = await browser.newContext({ serviceWorkers: 'block', locale: 'zh-CN' });
  const page = await context.newPage();
  await page.goto(pageUrl, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('form-usable').length > 0);
  if (pageUrl === url) await page.waitForFunction(() => performance.getEntriesByName('core-ready').length > 0);
  // Fonts and layout done: the first frame that shows the form.
  await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => ok())));
  const result = await page.evaluate(() => {
    const entries = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
    return { ms: performance.getEntriesByName('form-usable')[0].startTime,
      core: performance.getEntriesByName('core-ready')[0]?.startTime ?? 0,
      bytes: entries.reduce((sum, e) => sum + e.transferSize, 0) };
  });
  await context.close();
  return result;
}

const timings = { page: [], static: [] };
const core = [];
let bytes = {};
for (let i = 0; i < runs; ++i) {
  for (const [name, u] of [['page', url], ['static', staticSite.url]]) {
    const r = await load(u);
    timings[name].push(r.ms);
    if (name === 'page') core.push(r.core);
    bytes[name] = r.bytes;
  }
}
const median = (v) => { const s = [...v].sort((a, b) => a - b); const m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const p = median(timings.page);
const s = median(timings.static);
console.log(`page:   ${p.toFixed(1)} ms to the first usable form, ${(bytes.page / 1024).toFixed(1)} KiB transferred`);
console.log(`static: ${s.toFixed(1)} ms to the first usable form, ${(bytes.static / 1024).toFixed(1)} KiB transferred`);
console.log(`ratio:  ${(p / s).toFixed(2)} x time (${runs} runs each)`);
console.log(`core:   wired to the page's form at ${median(core).toFixed(1)} ms, ${(median(core) / s).toFixed(2)} x the static page's usable form`);
const files = readdirSync(site, { recursive: true }).length;
console.log(`site:   ${files} files in ${site}`);
await browser.close();
server.close();
staticSite.server.close();
rmSync(work, { recursive: true, force: true });

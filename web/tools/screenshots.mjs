// Screenshots of the page in headless Chromium for docs/: the form, a
// verdict, the log after a few exchanges, the notice where the browser has
// no Web Serial, and the form and log in English. Usage: node web/tools/screenshots.mjs SITE DOCS
import { join, resolve } from 'node:path';
import { launch } from '../test/browser.mjs';
import { serve } from './serve.mjs';

const [site, docs] = process.argv.slice(2).map((p) => resolve(p));
const { server, url } = await serve(site, 0);
const browser = await launch();

async function open(init, locale = 'zh-CN') {
  const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 1120, height: 680 }, locale });
  const page = await context.newPage();
  if (init) await page.addInitScript(init);
  await page.goto(url);
  await page.waitForSelector('html[data-ready=port]');
  return page;
}
const shot = (page, name) => page.locator('#app').screenshot({ path: join(docs, name) });
const useDemo = async (page) => {
  await page.selectOption('#Combo1', 'demo');
  await page.click('#Command7');
};
const verdict = async (page) => {
  await page.waitForSelector('#messageBox[open]');
  return page.textContent('#messageText');
};

let page = await open();
await useDemo(page);
await shot(page, 'web-form.png');

// The box centres on the window: a window the form's size.
await page.setViewportSize({ width: 520, height: 640 });
await page.fill('#Text3', '12');
await page.click('#Command3');
await verdict(page);
await page.screenshot({ path: join(docs, 'web-verdict.png') });
await page.click('#messageOk');
await page.setViewportSize({ width: 1120, height: 680 });

await page.keyboard.press('F12');
for (const [box, text, button] of [['Text11', '3', null], ['Text12', '13912345678', 'Command9'], ['Text10', '13800138000', 'Command8']]) {
  await page.fill(`#${box}`, text);
  if (!button) continue;
  await page.click(`#${button}`);
  await verdict(page);
  await page.click('#messageOk');
}
await page.evaluate(() => document.getElementById('demoMode-refuse').click());
await page.click('#Command2');
await verdict(page);
await page.click('#messageOk');
await shot(page, 'web-log.png');
await page.context().close();

page = await open(() => { delete Navigator.prototype.serial; });
await page.locator('#app').screenshot({ path: join(docs, 'web-no-serial.png') });
await page.context().close();

// In English (the browser's language): the form, then the log after a verdict.
page = await open(null, 'en-US');
await useDemo(page);
await page.keyboard.press('F12');
await page.fill('#Text3', '12');
await page.click('#Command3');
await verdict(page);
await page.click('#messageOk');
await page.click('#Command8');
await verdict(page);
await page.click('#messageOk');
await shot(page, 'web-form-en.png');
await browser.close();
server.close();
console.log(['web-form.png', 'web-verdict.png', 'web-log.png', 'web-no-serial.png', 'web-form-en.png']
  .map((f) => join(docs, f)).join('\n'));

// The page in headless Chromium: one browser for every row. Run by
// `scripts/web test` (node --test) after `scripts/web build` and the normal
// build, whose smscfg-cli and smscfg-sim it compares with and talks to.
import assert from 'node:assert/strict';
import { execFile, spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { createInterface } from 'node:readline';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { launch } from './browser.mjs';
import { startRelay } from './relay.mjs';
import { serve } from '../tools/serve.mjs';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.SMSCFG_SITE ?? resolve(repo, 'dist/web');
const programs = resolve(process.env.SMSCFG_BUILD ?? resolve(repo, 'build'), 'src');
const standIn = readFileSync(resolve(repo, 'web/test/serial-stand-in.js'), 'utf8');

let browser;
let server;
let url;
before(async () => {
  ({ server, url } = await serve(site, 0));
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server?.close();
});

// A fresh page (own storage) with its clock paused, so that tests move time
// themselves; `relayUrl` puts the stand-in for navigator.serial in place.
async function openPage({ relayUrl = null, granted = 0, noSerial = false, locale = 'zh-CN' } = {}) {
  const context = await browser.newContext({ serviceWorkers: 'block', locale });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  if (relayUrl) await page.addInitScript(`${standIn}\ninstallSerialStandIn(${JSON.stringify(relayUrl)}, ${granted});`);
  if (noSerial) await page.addInitScript(() => { delete Navigator.prototype.serial; });
  const start = new Date(2026, 11, 5, 23, 42, 7).getTime();
  // The clock runs from its install until paused: a minute of room for a
  // loaded machine.
  await page.clock.install({ time: start - 60_000 });
  await page.clock.pauseAt(start + 1000);
  await page.goto(url);
  await page.waitForSelector('html[data-ready=port]');
  page.errors = errors;
  return page;
}

async function openDemo(page, mode = 'normal') {
  await page.evaluate((m) => document.getElementById(`demoMode-${m}`).click(), mode);
  await page.selectOption('#Combo1', 'demo');
  await page.click('#Command7');
}

// Sets the controls: texts by name, check boxes and option buttons by true/false.
// A text with a lone surrogate is set by script (typing would replace it).
async function setControls(page, controls) {
  for (const [name, value] of Object.entries(controls)) {
    if (typeof value === 'boolean') await page.setChecked(`#${name}`, value);
    else if (/\p{Cs}/u.test(value)) await page.evaluate(([n, v]) => { document.getElementById(n).value = v; }, [name, value]);
    else await page.fill(`#${name}`, value);
  }
}

// Every message box's text, closing each, until none is open.
async function takeMessages(page) {
  const texts = [];
  while (await page.locator('#messageBox[open]').count()) {
    texts.push(await page.textContent('#messageText'));
    // The box shows the next message waiting in its close handler, which
    // runs after the click returns: wait for it.
    await page.evaluate(() => new Promise((closed) => {
      document.getElementById('messageBox').addEventListener('close', () => closed(), { once: true });
      document.getElementById('messageOk').click();
    }));
  }
  return texts;
}

// The boxes shown while `ms` pass, none closed until then: a box that comes
// while another is open waits behind it.
async function messagesOver(page, ms) {
  await page.clock.runFor(ms);
  return takeMessages(page);
}

// A control's place on the form in pixels: left, top, width, height.
const placeOf = (page, name) => page.evaluate((n) => {
  const e = document.getElementById(n);
  const r = (e.classList.contains('control') ? e : e.closest('.control')).getBoundingClientRect();
  const form = document.getElementById('form').getBoundingClientRect();
  return [r.left - form.left, r.top - form.top, r.width, r.height];
}, name);

const logText = (page) => page.textContent('#logText');
const sentFrames = async (page) => [...(await logText(page)).matchAll(/ 发送 ([0-9A-F ]+?)  /g)].map((m) => m[1]);

async function dryRun(words) {
  try {
    const { stdout } = await promisify(execFile)(resolve(programs, 'smscfg-cli'), ['--dry-run', ...words], { encoding: 'utf8' });
    return { out: stdout.trim() };
  } catch (e) {
    return { err: e.stderr.trim() };
  }
}

// smscfg-sim started with `args` for the rows of a describe, behind a relay
// that the stand-in for navigator.serial talks to.
function simBehindARelay(args) {
  const line = {};
  before(async () => {
    line.sim = spawn(resolve(programs, 'smscfg-sim'), args, { stdio: ['ignore', 'pipe', 'ignore'] });
    const path = await new Promise((ok) => createInterface({ input: line.sim.stdout }).once('line', ok));
    line.relay = await startRelay(path);
  });
  after(async () => {
    await line.relay?.close();
    line.sim?.kill();
  });
  return line;
}

// Groups of rows run side by side, each on its own page; three at a time,
// as the browser keeps two cores busy with more.
describe('the page', { concurrency: 3 }, () => {
  describe('the form, and what it hands the core', () => {
    // Places in pixels on the form: twips / 15.
    const places = [
      ['Label1', 8, 0, 409, 32],
      ['Command2', 368, 8, 126, 28],
      ['Text3', 96, 40, 100, 24],
      ['Check1', 116, 232, 100, 24],
      ['Check2_0', 10, 384, 54, 22],
      ['Check2_15', 172, 456, 54, 22],
      ['Option1_1', 304, 496, 58, 20],
      ['Combo7', 288, 528, 76, 24],
      ['Combo1', 84, 560, 120, 24],
      ['Command7', 368, 560, 126, 28],
    ];
    // The core's own tables and test_dry_run_web hold the frames and the
    // refusals: here one row per kind of control shows that the page hands its
    // boxes to the core as they are, as smscfg-cli --dry-run takes its words.
    const rows = [
      ['Command3', { Text3: ' 12.9 ' }, ['device-count', ' 12.9 ']],
      ['Command3', { Text3: '256' }, ['device-count', '256']],
      ['Command6', { Text1: '1', Text5: '温度', Text9: '01', Check1: false }, ['device-desc', '1', '温度', '01', '--codepage']],
      // A lone surrogate in one box: that box's button refuses it, the others still work.
      ['Command2', { Text10: '\ud800' }, ['init']],
      ['Command8', { Text10: '\ud800' }, ['centre', '\ud800']],
      ['Command10', { Text13: '1', Check2_0: true, Check2_15: true }, ['device-switches', '1', '--phones', '1,16']],
      ['Command12', { Text13: '1', Text14: '2', Check3: false }, ['probe-type', '1', '2', '--no-switch']],
      ['Command13', { Text13: '1', Text14: '2', Option1_1: true }, ['upper-limit', '1', '2', 'high']],
      ['Command15', { Combo2: '26', Combo3: '12', Combo4: '05', Combo5: '23', Combo6: '42', Combo7: '星期六' },
        ['clock', '26', '12', '05', '23', '42', '星期六']],
    ];
    test('every control at its place, its element id its control name; no port open; each kind of control', async () => {
      const expected = await Promise.all(rows.map(([, , words]) => dryRun(words)));
      const page = await openPage();
      for (const [name, left, top, width, height] of places) {
        assert.deepEqual(await placeOf(page, name), [left, top, width, height], name);
      }
      assert.equal(await page.isHidden('#Command14'), true);
      assert.equal(await page.isChecked('#Check1'), true);
      assert.equal(await page.inputValue('#Combo5'), '01');
      assert.equal(await page.inputValue('#Combo7'), '星期一');

      // No port open: the six buttons are disabled, and a request is not sent.
      assert.equal(await page.isDisabled('#Command2'), true);
      await page.fill('#Text10', '13800138000');
      await page.click('#Command8');
      await page.clock.runFor(3100);
      assert.deepEqual(await takeMessages(page), ['串口不可用，请重新设置']);

      await openDemo(page);
      const boxes = ['Check2_0', 'Check2_1', 'Check2_2', 'Check2_15'];
      for (const [[button, controls, words], cli] of rows.map((row, i) => [row, expected[i]])) {
        // Each row starts from the phone boxes cleared and the options as the form opens.
        await setControls(page, { ...Object.fromEntries(boxes.map((b) => [b, false])), Check1: true, Check3: true, ...controls });
        const before = (await sentFrames(page)).length;
        await page.click(`#${button}`);
        const messages = (await takeMessages(page)).filter((m) => m !== '设置成功');
        const frames = (await sentFrames(page)).slice(before);
        const name = words.join(' ');
        if (cli.out !== undefined) assert.deepEqual([frames, messages], [[cli.out], []], name);
        else assert.deepEqual([frames, messages], [[], [cli.err]], name);
        await page.clock.runFor(200);
        await takeMessages(page);
      }
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
  });

  // One page for every row, one row after another: each opens the demo
  // controller again in its mode, which leaves nothing of the row before.
  describe('verdicts through the demo controller', { concurrency: false }, () => {
    // Mode, button and controls, the time to let pass, the boxes shown, what
    // the status bar says at the end, and what the log shows was read.
    const rows = [
      ['accepted', 'normal', 'Command2', {}, 100, ['设置成功'], /^设置成功（\d+ ms）$/],
      ['refused by its rules', 'normal', 'Command9', { Text11: '0', Text12: '139' }, 100, ['设置失败'], /^设置失败/],
      ['refusing all', 'refuse', 'Command2', {}, 100, ['设置失败'], /^设置失败/],
      ['silent', 'silent', 'Command2', {}, 3000, ['设备无响应'], /^设备无响应（3000 ms）$/],
      ['late', 'late', 'Command2', {}, 4100, ['设备无响应', '设置成功'], /^设置成功（迟到 4\.0 秒）$/],
      ['split reply', 'split', 'Command3', { Text3: '7' }, 200, ['设置成功'], /^设置成功/],
      ['short reply', 'short', 'Command2', {}, 3200, [], /^应答无法识别：7E FE 08 00 45$/],
      ['stray byte first', 'stray', 'Command2', {}, 200, ['设置成功'], /^设置成功/, /接收 00 7E FE 08 00 45 06 53 16\n/],
    ];
    let page;
    before(async () => { page = await openPage(); });
    after(async () => { await page?.context().close(); });
    for (const [name, mode, button, controls, ms, messages, status, received = /./] of rows) {
      test(name, async () => {
        await openDemo(page, mode);
        await setControls(page, controls);
        await page.click(`#${button}`);
        assert.deepEqual(await messagesOver(page, ms), messages);
        assert.match(await page.textContent('#exchangeStatus'), status);
        assert.match(await logText(page), received);
        assert.deepEqual(page.errors, []);
      });
    }

    test('a press, then 串口设置 and a press on the new line: the reply there is not the first press\'s', async () => {
      await openDemo(page, 'silent');
      await page.click('#Command2');
      await page.clock.runFor(500);
      await openDemo(page, 'normal');
      await page.click('#Command2');
      assert.deepEqual(await messagesOver(page, 4000), ['设置成功']);
      assert.match(await page.textContent('#exchangeStatus'), /^设置成功（\d+ ms）$/);
    });

    test('Enter presses the row\'s button, but not in boxes several buttons read', async () => {
      const before = (await sentFrames(page)).length;
      await page.fill('#Text13', '1');
      await page.press('#Text13', 'Enter');
      await page.fill('#Text3', '12');
      await page.press('#Text3', 'Enter');
      await page.press('#Combo2', 'Enter');
      assert.deepEqual((await sentFrames(page)).slice(before), ['7E FE 08 00 46 0C 5A 16', '7E FE 0D 00 52 00 01 01 01 01 01 64 16']);
      const opened = () => logText(page).then((log) => log.match(/演示控制器 已打开/g).length);
      const times = await opened();
      await page.press('#Combo1', 'Enter');
      assert.equal(await opened(), times + 1);
      await page.clock.runFor(200);
      await takeMessages(page);
    });

    // Last: the page opens again, on the demo controller it had open.
    test('a press before the core is ready is made once it is', async () => {
      // The core arrives only after the form has been pressed.
      let release;
      const held = new Promise((ok) => { release = ok; });
      await page.route('**/smscfg-core.wasm', async (route) => {
        await held;
        await route.continue();
      });
      await page.reload({ waitUntil: 'commit' });
      await page.click('#Command2');
      assert.equal(await page.evaluate(() => document.documentElement.dataset.ready ?? ''), '');
      release();
      await page.waitForSelector('html[data-ready=port]');
      await page.clock.runFor(100);
      assert.deepEqual(await takeMessages(page), ['设置成功']);
    });
  });

  describe('around the form', () => {
    test('the log holds each frame\'s hex and the verdict; a profile is saved and applied', async () => {
      const page = await openPage();
      await openDemo(page);
      // Phone 0 is refused by the controller, phone 3 accepted: only 3 is recorded.
      for (const slot of ['0', '3']) {
        await setControls(page, { Text11: slot, Text12: '13912345678' });
        await page.click('#Command9');
        await page.clock.runFor(100);
        await takeMessages(page);
      }
      await setControls(page, { Text3: '256' });
      await page.click('#Command3');
      await takeMessages(page);
      const log = await logText(page);
      assert.match(log, /^—— 2026-12-05 星期六 ——\n23:42:08\.\d{3} 串口  演示控制器 已打开/);
      assert.match(log, / 未发送  设置设备总数：设备总数必须是0到255之间的数字\n/);
      assert.match(log, /发送 7E FE 13 00 4C 03 31 33 39 31 32 33 34 35 36 37 38 [0-9A-F]{2} 16  0x4C 第3个电话 = 13912345678/);
      assert.match(log, /接收 7E FE 08 00 4C 06 5A 16 /);
      assert.match(log, /结果  0x4C 设置成功（\d+ ms）/);

      const download = async (id) => {
        const [saved] = await Promise.all([page.waitForEvent('download'),
          page.evaluate((i) => document.getElementById(i).click(), id)]);
        return readFileSync(await saved.path(), 'utf8');
      };
      assert.match(await download('logSave'), /^短信报警控制器设置 通信记录\n保存时间：2026-12-05 23:42:\d\d\n[^]*发送 7E FE 13 00 4C 03 31 33 39/);

      // The page's clock stands at Saturday 2026-12-05 23:42: saved as "now".
      await page.evaluate(() => document.getElementById('actionFillPcTime').click());
      assert.deepEqual(await Promise.all(['Combo2', 'Combo3', 'Combo4', 'Combo5', 'Combo6', 'Combo7'].map((c) => page.inputValue(`#${c}`))),
        ['26', '12', '05', '23', '42', '星期六']);
      await page.click('#Command15');
      await page.clock.runFor(100);
      await takeMessages(page);
      assert.deepEqual(JSON.parse(await download('actionSaveProfile')).steps, [['phone', '3', '13912345678'], ['clock', 'now']]);

      await page.setInputFiles('#profileFile', { name: 'p.json', mimeType: 'application/json',
        buffer: Buffer.from('{"smscfg-profile": 1, "name": "一号楼", "steps": [["init"], ["phone", "0", "1"], ["centre", "1"]]}') });
      await page.click('#profileConfirm button:text("应用")');
      for (let i = 0; i < 5; ++i) await page.clock.runFor(100);
      assert.equal(await page.textContent('#profileSummary'), '共 3 步：成功 1，未成功 1，未发送 1');
      await page.click('#profileResults button');
      // Initialising forgot what the controller held before.
      assert.deepEqual(JSON.parse(await download('actionSaveProfile')).steps, [['init']]);

      // 取消 stops between steps: the step under way still gets its verdict.
      await page.setInputFiles('#profileFile', { name: 'p.json', mimeType: 'application/json',
        buffer: Buffer.from('{"smscfg-profile": 1, "steps": [["init"], ["init"], ["init"]]}') });
      await page.click('#profileConfirm button:text("应用")');
      await page.click('#profileProgress button:text("取消")');
      await page.clock.runFor(100);
      const results = await page.locator('#profileResultTable td:nth-child(3)').allTextContents();
      assert.match(results[0], /^设置成功（\d+ ms）$/);
      assert.deepEqual(results.slice(1), ['已取消，未发送', '已取消，未发送']);
      assert.match(await page.textContent('#profileSummary'), /^共 3 步：成功 1，未成功 0，未发送 2$/);
      await page.click('#profileResults button');

      // A file that is not JSON: where it breaks, and the page goes on.
      await page.setInputFiles('#profileFile', { name: 'bad.json', mimeType: 'application/json',
        buffer: Buffer.from('{"smscfg-profile": 1,\n "steps": [["init"] ["centre", "1"]]}') });
      await page.waitForSelector('#messageBox[open]');
      assert.match((await takeMessages(page))[0], /^配置文件第2行第\d+列/);
      await page.click('#Command2');
      await page.clock.runFor(100);
      assert.deepEqual(await takeMessages(page), ['设置成功']);
      await page.context().close();
    });

    test('without Web Serial the page says so and offers the demo controller', async () => {
      const page = await openPage({ noSerial: true });
      assert.match(await page.textContent('#noSerialNotice'), /Chrome 或 Edge/);
      await page.click('#useDemo');
      await page.click('#Command2');
      await page.clock.runFor(100);
      assert.deepEqual(await takeMessages(page), ['设置成功']);
      await page.context().close();
    });
  });

  describe('through Web Serial to smscfg-sim', () => {
    const line = simBehindARelay([]);

    test('the port is asked for, opened at 9600 8N1, answers, and is reported lost at once', async () => {
      const page = await openPage({ relayUrl: line.relay.url });
      await page.click('#Command7');  // 选择串口… is chosen first
      assert.deepEqual(await page.evaluate(() => window.serialStandIn.openOptions),
        [{ baudRate: 9600, dataBits: 8, parity: 'none', stopBits: 1 }]);
      // The simulator answers in real time; a whole reply frame is judged as
      // it comes, with no timer, so the page's clock stays where it is.
      const answer = async () => {
        await page.waitForSelector('#messageBox[open]');
        return takeMessages(page);
      };
      await page.click('#Command2');
      assert.deepEqual(await answer(), ['设置成功']);
      await setControls(page, { Text11: '0', Text12: '1' });
      await page.click('#Command9');
      assert.deepEqual(await answer(), ['设置失败']);
      // Two presses at once: the second frame waits for the first's write.
      await page.evaluate(() => { for (let i = 0; i < 2; ++i) document.getElementById('Command2').click(); });
      // Replies may settle on the page's timers: time moves until both are judged.
      const results = async () => (await logText(page)).match(/结果  0x45 /g).length;
      for (let i = 0; i < 40 && await results() < 3; ++i) {
        await new Promise((resolve) => setTimeout(resolve, 50));
        await page.clock.runFor(50);
      }
      assert.deepEqual((await logText(page)).match(/结果  0x45 \S+?（/g).slice(1), ['结果  0x45 设置成功（', '结果  0x45 设置成功（']);
      assert.doesNotMatch(await logText(page), /连接已断开/);
      await takeMessages(page);
      line.relay.unplug();
      await page.waitForFunction(() => document.getElementById('portStatus').textContent.includes('连接已断开'));
      assert.match(await logText(page), /连接已断开（设备被拔出，或另一端已关闭）/);
      await page.context().close();
    });
  });

  describe('through Web Serial to a silent smscfg-sim', () => {
    const line = simBehindARelay(['--silent']);

    // The one port granted on an earlier visit opens by itself. Like the
    // time-out, a lost line gives one box for the requests it ends.
    test('the only port granted opens at start; a line lost under three waiting requests gives one box', async () => {
      const page = await openPage({ relayUrl: line.relay.url, granted: 1 });
      assert.match(await page.textContent('#portStatus'), /（已打开）$/);
      for (let i = 0; i < 3; ++i) await page.click('#Command2');
      line.relay.unplug();
      await page.waitForFunction(() => document.getElementById('portStatus').textContent.includes('连接已断开'));
      await page.clock.runFor(4000);
      assert.deepEqual(await takeMessages(page), ['串口连接已断开']);
      await page.context().close();
    });
  });

  describe('in English', () => {
    test('the browser\'s language, captions that fit, and 中文 chosen in View → Language, remembered', async () => {
      const page = await openPage({ locale: 'en-US' });
      assert.equal(await page.getAttribute('html', 'lang'), 'en');
      assert.equal(await page.textContent('#Command2'), 'Initialise');
      assert.equal(await page.textContent('#Label3'), 'Device count');
      // Every control at its place and size, its caption within it.
      const overflowing = await page.evaluate(() => [...document.querySelectorAll('#form .control')]
        .filter((e) => e.offsetParent && (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight))
        .map((e) => e.textContent));
      assert.deepEqual(overflowing, []);
      assert.deepEqual(await placeOf(page, 'Command9'), [368, 336, 126, 36]);
      await openDemo(page);
      await page.click('#Command8');
      assert.deepEqual(await takeMessages(page), ['Please enter the SMS centre number']);
      assert.match(await logText(page), /not sent {2}Set SMS centre number: Please enter the SMS centre number\n/);
      assert.equal(await page.textContent('#portStatus'), 'Port Demo controller (open)');
      await Promise.all([page.waitForEvent('load'),
        page.evaluate(() => document.getElementById('actionLanguage-zh').click())]);
      await page.waitForSelector('html[data-ready=port]');
      assert.equal(await page.textContent('#Command2'), '初始化');
      assert.equal(await page.evaluate(() => localStorage.getItem('smscfg.language')), 'zh');
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
  });

  describe('offline', () => {
    test('after one visit the page opens with the network cut', async () => {
      const context = await browser.newContext({ locale: 'zh-CN' });
      const page = await context.newPage();
      await page.goto(url);
      await page.waitForSelector('html[data-ready=port]');
      await page.evaluate(() => navigator.serviceWorker.ready);
      await context.setOffline(true);
      await page.reload();
      await page.waitForSelector('html[data-ready=port]');
      assert.equal(await page.textContent('#Command2'), '初始化');
      await context.close();
    });
  });
});

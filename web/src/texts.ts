// Every text the page itself shows, in one place. Each is written first in
// Chinese, the page's own language, one `key: '...'` a line with %1, %2 for
// what is filled in: the build lists them for the translation catalogue
// (PageText/<key>), and another language's words come from the catalogue
// exported from it. Texts that the core makes (refusals, verdicts, the log's
// descriptions) come from the core, in the language it is told.
const chinese = {
  appTitle: '短信报警控制器设置',
  ok: '确定',
  cancel: '取消',
  close: '关闭',
  apply: '应用',
  save: '保存…',
  clear: '清空',

  menuFile: '文件',
  menuApplyProfile: '应用配置文件…',
  menuSaveProfile: '保存为配置文件…',
  menuClearRecord: '清空记录',
  menuView: '查看',
  menuLog: '通信记录',
  menuSuccessBox: '成功时弹出提示',
  menuLanguage: '语言',
  menuTools: '工具',
  menuFillPcTime: '填入电脑时间',
  menuDemoMode: '演示控制器的行为',
  menuHelp: '帮助',
  menuAbout: '关于',

  // The port list (Combo1).
  portChoose: '选择串口…',
  portDemo: '演示控制器（无需硬件）',
  portGranted: '串口 %1',
  portGrantedInfo: '串口 %1（%2）',
  demoName: '演示控制器',

  // The status bar.
  portStatus: '串口 %1（%2）',
  portNone: '未选择',
  portClosed: '未打开',
  portOpened: '已打开',
  portLost: '连接已断开',
  awaitingReply: '等待应答…',
  linkLostStatus: '串口连接已断开',
  unrecognisedStatus: '收到无法识别的数据（见通信记录）',
  lateReplyStatus: '收到迟到的应答，未采用（见通信记录）',
  otherRequestStatus: '收到不是在等的请求的应答（见通信记录）',

  // The line.
  portOpenedLog: '%1 已打开（9600,n,8,1）',
  portLostLog: '%1 连接已断开（设备被拔出，或另一端已关闭）',
  portCannotOpen: '%1不能用,请换到另一个串口。',
  portInUse: '该串口正被另一个程序或另一个页面使用',
  portOpenFailed: '无法打开该串口',
  noPortChosen: '没有选择串口',
  reasonSeparator: '：',

  // No Web Serial here.
  noSerialTitle: '这个浏览器不能使用串口',
  noSerialInsecure: '这个页面不是从安全的地址（https:// 或本机）打开的，浏览器不允许它使用串口。',
  noSerialFeature: '这个浏览器没有 Web Serial（网页串口）功能。',
  noSerialSuggest: '请用最新版的 Chrome 或 Edge 打开本页；也可以先用演示控制器（无需硬件）试用每个按钮。',
  useDemo: '使用演示控制器',

  // The demo controller's behaviour.
  demoNormal: '正常应答',
  demoRefuse: '拒绝每个请求（设置失败）',
  demoSilent: '不应答（设备无响应）',
  demoLate: '迟到 4 秒应答',
  demoSplit: '应答分两段发来',
  demoShort: '应答太短（无法识别）',
  demoStray: '应答前夹杂一个多余字节',

  // The log pane.
  logTitle: '通信记录',
  logFileName: '通信记录.txt',
  logHeaderTitle: '短信报警控制器设置 通信记录',
  logHeaderSavedAt: '保存时间：%1',
  logHeaderVersion: '程序版本：smscfg %1（网页版）',

  // Profiles.
  profileFileName: '配置.json',
  profileNothingToSave: '还没有设置成功的请求可以保存',
  profileNoSteps: '配置文件里没有步骤',
  profileCannotRead: '无法读取配置文件：%1',
  profileConfirm: '把配置文件“%1”的 %2 步发送到控制器：\n\n%3',
  profileProgress: '第%1步，共%2步：%3',
  profileResultsTitle: '应用配置文件的结果',
  profileColumnStep: '步骤',
  profileColumnRequest: '请求',
  profileColumnResult: '结果',
  profileCancelled: '已取消，未发送',
  profileNotSent: '未发送',
  profileSummary: '共 %1 步：成功 %2，未成功 %3，未发送 %4',

  about: '短信报警控制器设置 %1\n网页版（WebAssembly）\n串口：%2',
  coreFailed: '页面的核心部分没有载入，请刷新页面。',
};

type Key = keyof typeof chinese;
type Argument = string | number;

// The words of the language chosen, by key; none: Chinese.
let words: Partial<Record<Key, string>> = {};

function text(key: Key, ...args: Argument[]): string {
  return (words[key] ?? chinese[key]).replace(/%([1-9])/g, (_, n: string) => String(args[Number(n) - 1] ?? ''));
}

function make() {
  const plain = Object.fromEntries(Object.keys(chinese).map((k) => [k, text(k as Key)])) as Record<Key, string>;
  return {
    ...plain,
    portGranted: (n: number, info: string) => (info ? text('portGrantedInfo', n, info) : text('portGranted', n)),
    portStatus: (port: string, state: string) => text('portStatus', port, state),
    portOpenedLog: (port: string) => text('portOpenedLog', port),
    portLostLog: (port: string) => text('portLostLog', port),
    portCannotOpen: (port: string, why: string) => `${text('portCannotOpen', port)}\n${why}`,
    demoModes: {
      normal: plain.demoNormal, refuse: plain.demoRefuse, silent: plain.demoSilent, late: plain.demoLate,
      split: plain.demoSplit, short: plain.demoShort, stray: plain.demoStray,
    } as Record<string, string>,
    logHeader: (savedAt: string, version: string, portStatus: string) =>
      [plain.logHeaderTitle, text('logHeaderSavedAt', savedAt), text('logHeaderVersion', version), portStatus],
    profileCannotRead: (why: string) => text('profileCannotRead', why),
    profileConfirm: (name: string, count: number, lines: string) => text('profileConfirm', name, count, lines),
    profileProgress: (step: number, count: number, what: string) => text('profileProgress', step, count, what),
    profileColumns: [plain.profileColumnStep, plain.profileColumnRequest, plain.profileColumnResult],
    profileSummary: (count: number, accepted: number, failed: number, unsent: number) =>
      text('profileSummary', count, accepted, failed, unsent),
    about: (version: string, port: string) => text('about', version, port),
  };
}

export const texts = make();

// The languages the page speaks: Chinese, its own, and English.
export type Language = 'zh' | 'en';

// The language to speak: the one chosen in 查看 → 语言, else the browser's
// (Chinese for any Chinese, English for any other).
export function languageOf(chosen: string | null, browser: string): Language {
  if (chosen === 'zh' || chosen === 'en') return chosen;
  return /^zh\b/i.test(browser) ? 'zh' : 'en';
}

// Speaks the language of `catalogue` ("PageText/<key>": words) from now on;
// none: Chinese. Before anything is shown.
export function speak(catalogue: Record<string, string> | null): void {
  words = {};
  for (const key of Object.keys(chinese) as Key[]) {
    const w = catalogue?.[`PageText/${key}`];
    if (w) words[key] = w;
  }
  Object.assign(texts, make());
}

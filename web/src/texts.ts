// Every text the page itself shows, in one place, so that a catalogue of
// another language can stand in for it. Texts that the core makes (refusals,
// verdicts, the log's descriptions) come from the core.
export const texts = {
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
  menuTools: '工具',
  menuFillPcTime: '填入电脑时间',
  menuDemoMode: '演示控制器的行为',
  menuHelp: '帮助',
  menuAbout: '关于',

  // The port list (Combo1).
  portChoose: '选择串口…',
  portDemo: '演示控制器（无需硬件）',
  portGranted: (n: number, info: string) => `串口 ${n}${info ? `（${info}）` : ''}`,
  demoName: '演示控制器',

  // The status bar.
  portStatus: (port: string, state: string) => `串口 ${port}（${state}）`,
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
  portOpenedLog: (port: string) => `${port} 已打开（9600,n,8,1）`,
  portLostLog: (port: string) => `${port} 连接已断开（设备被拔出，或另一端已关闭）`,
  portCannotOpen: (port: string, why: string) => `${port}不能用,请换到另一个串口。\n${why}`,
  portInUse: '该串口正被另一个程序或另一个页面使用',
  portOpenFailed: '无法打开该串口',
  noPortChosen: '没有选择串口',

  // No Web Serial here.
  noSerialTitle: '这个浏览器不能使用串口',
  noSerialInsecure:
    '这个页面不是从安全的地址（https:// 或本机）打开的，浏览器不允许它使用串口。',
  noSerialFeature: '这个浏览器没有 Web Serial（网页串口）功能。',
  noSerialSuggest: '请用最新版的 Chrome 或 Edge 打开本页；也可以先用演示控制器（无需硬件）试用每个按钮。',
  useDemo: '使用演示控制器',

  // The demo controller's behaviour.
  demoModes: {
    normal: '正常应答',
    refuse: '拒绝每个请求（设置失败）',
    silent: '不应答（设备无响应）',
    late: '迟到 4 秒应答',
    split: '应答分两段发来',
    short: '应答太短（无法识别）',
    stray: '应答前夹杂一个多余字节',
  } as Record<string, string>,

  // The log pane.
  logTitle: '通信记录',
  logFileName: '通信记录.txt',
  logHeader: (savedAt: string, version: string, portStatus: string) =>
    ['短信报警控制器设置 通信记录', `保存时间：${savedAt}`, `程序版本：smscfg ${version}（网页版）`, portStatus],

  // Profiles.
  profileFileName: '配置.json',
  profileNothingToSave: '还没有设置成功的请求可以保存',
  profileNoSteps: '配置文件里没有步骤',
  profileCannotRead: (why: string) => `无法读取配置文件：${why}`,
  profileConfirm: (name: string, count: number, lines: string) =>
    `把配置文件“${name}”的 ${count} 步发送到控制器：\n\n${lines}`,
  profileProgress: (step: number, count: number, what: string) => `第${step}步，共${count}步：${what}`,
  profileResultsTitle: '应用配置文件的结果',
  profileColumns: ['步骤', '请求', '结果'],
  profileCancelled: '已取消，未发送',
  profileNotSent: '未发送',
  profileSummary: (count: number, accepted: number, failed: number, unsent: number) =>
    `共 ${count} 步：成功 ${accepted}，未成功 ${failed}，未发送 ${unsent}`,

  about: (version: string, port: string) => `短信报警控制器设置 ${version}\n网页版（WebAssembly）\n串口：${port}`,
  coreFailed: '页面的核心部分没有载入，请刷新页面。',
};

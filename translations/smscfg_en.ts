<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AppTitle</name>
    <message>
        <source>短信报警控制器设置</source>
        <translation>SMS Alarm Controller Setup</translation>
    </message>
</context>
<context>
    <name>Apply</name>
    <message>
        <source>%1  第%2步  %3  %4  %5 ms</source>
        <translation>%1  step %2  %3  %4  %5 ms</translation>
    </message>
    <message>
        <source>汇总（%1步）：</source>
        <translation>Summary (%1 steps):</translation>
    </message>
    <message>
        <source>%1  串口不能用，未发送</source>
        <translation>%1  port cannot be used, nothing sent</translation>
    </message>
    <message>
        <source>%1  成功 %2，失败 %3，无响应 %4，未发送 %5，共 %6 ms</source>
        <translation>%1  accepted %2, refused %3, no response %4, not sent %5, %6 ms in all</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>  %1  （%2，命令码 %3）
</source>
        <comment>CommandHelpTitle</comment>
        <translation>  %1  (%2, code %3)
</translation>
    </message>
    <message>
        <source>      例：smscfg-cli --dry-run %1
</source>
        <comment>CommandHelpExample</comment>
        <translation>      e.g. smscfg-cli --dry-run %1
</translation>
    </message>
    <message>
        <source>  ports
      列出系统的串口：路径、描述、制造商、VID:PID 和序列号，用制表符分隔
</source>
        <comment>PortsHelp</comment>
        <translation>  ports
      list the serial ports the system has: path, description, manufacturer,
      VID:PID and serial number, tab-separated
</translation>
    </message>
    <message>
        <source>用法：smscfg-cli ports

</source>
        <comment>PortsUsageHelp</comment>
        <translation>usage: smscfg-cli ports

</translation>
    </message>
    <message>
        <source>%1（是不是 %2？）</source>
        <comment>DidYouMean</comment>
        <translation>%1 (did you mean %2?)</translation>
    </message>
    <message>
        <source>  apply PROFILE [--keep-going]
      把配置文件的每一步按顺序发送到每个 --port（各串口同时进行）；遇到第一个
      设置失败或设备无响应就停下，除非给了 --keep-going。
      配置文件是 JSON：{&quot;smscfg-profile&quot;: 1, &quot;name&quot;: &quot;一号楼&quot;,
        &quot;steps&quot;: [[&quot;device-count&quot;, &quot;12&quot;], [&quot;phone&quot;, &quot;1&quot;, &quot;13912345678&quot;], [&quot;clock&quot;, &quot;now&quot;]]}
      每一步是一个请求在 smscfg-cli 后面的那些词。
</source>
        <comment>ApplyHelp</comment>
        <translation>  apply PROFILE [--keep-going]
      send every step of a profile file, in order, to each --port at the same
      time; stop at the first refusal or missing response unless --keep-going.
      A profile is JSON: {&quot;smscfg-profile&quot;: 1, &quot;name&quot;: &quot;Building 1&quot;,
        &quot;steps&quot;: [[&quot;device-count&quot;, &quot;12&quot;], [&quot;phone&quot;, &quot;1&quot;, &quot;13912345678&quot;], [&quot;clock&quot;, &quot;now&quot;]]}
      each step being the words that follow smscfg-cli for one request.
</translation>
    </message>
    <message>
        <source>用法：smscfg-cli %1... apply PROFILE [--keep-going]

</source>
        <comment>ApplyUsageHelp</comment>
        <translation>usage: smscfg-cli %1... apply PROFILE [--keep-going]

</translation>
    </message>
    <message>
        <source>用法：smscfg-cli %1 %2

</source>
        <comment>CommandUsageHelp</comment>
        <translation>usage: smscfg-cli %1 %2

</translation>
    </message>
    <message>
        <source>用法：smscfg-cli %1 COMMAND ARG...（smscfg-cli --help 列出所有命令）</source>
        <comment>UsageLine</comment>
        <translation>usage: smscfg-cli %1 COMMAND ARG... (smscfg-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>smscfg-cli：把设置发送到短信报警控制器，和窗口里的按钮一样。

用法：smscfg-cli %1 COMMAND ARG...
      smscfg-cli [--dry-run] [--trace] [--port PORT]... apply PROFILE [--keep-going]
      smscfg-cli ports
      smscfg-cli --help | --version

  --dry-run     以16进制打印请求帧，什么也不发送
  --trace       在 stderr 上打印发出的每一帧和收到的每一段数据，
                带时间、16进制和含义
  --port PORT   串口：数字 N（第 N 个串口：COMN，Linux 上是 /dev/ttyS&lt;N-1&gt;）
                或设备路径，如 /dev/ttyUSB0；默认是 $SMSCFG_PORT，
                没有设置时是 1
  --timeout MS  每个应答最多等多少毫秒；默认 3000
  --lang zh|en  用中文（zh）或英文（en）输出；默认按 LC_ALL、LC_MESSAGES、LANG

每个 ARG 都按窗口的输入框原样取用：空格保留，&quot;&quot; 是空的输入框，-1 是文字。
以 -- 开头、又不是该命令的选项的词是错误；单独的 -- 之后的每个词都是文字。
COMMAND --help 说明一个命令。

命令（按钮上的文字，然后是用法和例子）：
</source>
        <comment>HelpIntro</comment>
        <translation>smscfg-cli: send settings to the SMS alarm controller, as the window&apos;s buttons do.

usage: smscfg-cli %1 COMMAND ARG...
       smscfg-cli [--dry-run] [--trace] [--port PORT]... apply PROFILE [--keep-going]
       smscfg-cli ports
       smscfg-cli --help | --version

  --dry-run     print the request frame as hex and send nothing
  --trace       print every frame sent and every chunk received on stderr,
                with the time, the hex and what it means
  --port PORT   serial port: a number N (port N: COMN, /dev/ttyS&lt;N-1&gt; on Linux)
                or a device path such as /dev/ttyUSB0; default $SMSCFG_PORT,
                or 1 when that is not set
  --timeout MS  how long to wait for each reply; default 3000
  --lang zh|en  Chinese (zh) or English (en); default from LC_ALL, LC_MESSAGES, LANG

Each ARG is taken exactly as the window&apos;s box would hold it: spaces are kept,
&quot;&quot; is an empty box, and -1 is a text. A word starting with -- that is not the
command&apos;s option is an error; after a bare -- every word is a text.
COMMAND --help explains one command.

Commands (button caption, then usage and an example):
</translation>
    </message>
    <message>
        <source>
  clock now 发送电脑的本地时间。

</source>
        <comment>ClockNowHelp</comment>
        <translation>
  clock now sends the PC&apos;s local time.

</translation>
    </message>
    <message>
        <source>%1 后面要有一个值</source>
        <comment>NeedsValue</comment>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--timeout 要给一个正的毫秒数</source>
        <comment>BadTimeout</comment>
        <translation>--timeout needs a positive number of milliseconds</translation>
    </message>
    <message>
        <source>未知选项 %1</source>
        <comment>UnknownOption</comment>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>用法：ports</source>
        <comment>UsagePorts</comment>
        <translation>usage: ports</translation>
    </message>
    <message>
        <source>多个 --port 只能和 apply 一起用</source>
        <comment>SeveralPorts</comment>
        <translation>several --port go with apply only</translation>
    </message>
    <message>
        <source>%1 不是 apply 的选项</source>
        <comment>NotApplyOption</comment>
        <translation>%1 is not an option of apply</translation>
    </message>
    <message>
        <source>用法：apply PROFILE [--keep-going]</source>
        <comment>UsageApply</comment>
        <translation>usage: apply PROFILE [--keep-going]</translation>
    </message>
    <message>
        <source>--lang 只能是 zh（中文）或 en（英文）</source>
        <comment>BadLanguage</comment>
        <translation>--lang takes zh (Chinese) or en (English)</translation>
    </message>
    <message>
        <source>没有找到串口
</source>
        <comment>NoPortsFound</comment>
        <translation>no serial ports found
</translation>
    </message>
    <message>
        <source>无法读取配置文件 %1：%2
</source>
        <comment>CannotReadProfile</comment>
        <translation>cannot read the profile %1: %2
</translation>
    </message>
    <message>
        <source>第%1步  %2  %3
</source>
        <comment>DryRunStep</comment>
        <translation>step %1  %2  %3
</translation>
    </message>
    <message>
        <source>
退出状态：0 设置成功或已打印帧；1 设置失败；2 输入被拒绝（原因在 stderr，
什么也没发送）；3 设备无响应或应答无法识别；4 串口不能用；64 用法不对；
74 输出无法写入。
用 apply 时，取所有步骤和串口中最差的一个。
</source>
        <comment>ExitStatusHelp</comment>
        <translation>
Exit status: 0 accepted or frame printed; 1 refused; 2 input rejected (message
on stderr, nothing sent); 3 no response or a reply without a verdict;
4 port cannot be used; 64 wrong usage; 74 the output could not be written.
With apply, the worst over all steps and ports.
</translation>
    </message>
    <message>
        <source>smscfg-cli：输出无法写入%1
</source>
        <comment>OutputNotWritten</comment>
        <translation>smscfg-cli: the output could not be written%1
</translation>
    </message>
</context>
<context>
    <name>CommandExample</name>
    <message>
        <source>1 温度 01 --codepage</source>
        <comment>device-desc</comment>
        <translation>1 Boiler 01 --codepage</translation>
    </message>
    <message>
        <source>26 12 05 23 42 星期六</source>
        <comment>clock</comment>
        <translation>26 12 05 23 42 Saturday</translation>
    </message>
</context>
<context>
    <name>CommandNote</name>
    <message>
        <source>让控制器初始化</source>
        <comment>init</comment>
        <translation>tell the controller to initialise itself</translation>
    </message>
    <message>
        <source>COUNT：设备总数，0..255</source>
        <comment>device-count</comment>
        <translation>COUNT: number of devices, 0..255</translation>
    </message>
    <message>
        <source>ADDRESSES：各设备的地址，成对的16进制数字，不要空格</source>
        <comment>addresses</comment>
        <translation>ADDRESSES: device addresses as hex digit pairs, no spaces</translation>
    </message>
    <message>
        <source>PORT-COUNTS：各设备的端口数，成对的16进制数字，不要空格</source>
        <comment>port-counts</comment>
        <translation>PORT-COUNTS: port counts as hex digit pairs, no spaces</translation>
    </message>
    <message>
        <source>ADDRESS 0..255，TEXT 最多8个字，CONTENT 成对的16进制数字；
--codepage 按代码页 936（GBK）发送，不按 UTF-16</source>
        <comment>device-desc</comment>
        <translation>ADDRESS 0..255, TEXT at most 8 characters, CONTENT hex digit pairs;
--codepage sends code page 936 (GBK) instead of UTF-16</translation>
    </message>
    <message>
        <source>ADDRESS 和 PORT 0..255，TEXT 最多5个字；--codepage 同上</source>
        <comment>port-desc</comment>
        <translation>ADDRESS and PORT 0..255, TEXT at most 5 characters; --codepage as above</translation>
    </message>
    <message>
        <source>NUMBER：短信中心的号码，最多11个字符</source>
        <comment>centre</comment>
        <translation>NUMBER: the SMS centre&apos;s phone number, at most 11 characters</translation>
    </message>
    <message>
        <source>SLOT 0..16（电话是 1..16），NUMBER 最多11个字符</source>
        <comment>phone</comment>
        <translation>SLOT 0..16 (the phones are 1..16), NUMBER at most 11 characters</translation>
    </message>
    <message>
        <source>DEVICE：设备轮训号 0..255；--phones：收它的短信的电话（1..16）</source>
        <comment>device-switches</comment>
        <translation>DEVICE: polling number 0..255; --phones: the phones (1..16) that get its messages</translation>
    </message>
    <message>
        <source>DEVICE 和 PROBE 0..255；--phones 同上</source>
        <comment>probe-switches</comment>
        <translation>DEVICE and PROBE 0..255; --phones as above</translation>
    </message>
    <message>
        <source>把探头设为开关量输入；--no-switch 相当于不勾选开关量</source>
        <comment>probe-type</comment>
        <translation>declare the probe a switch input; --no-switch as if Switch input were cleared</translation>
    </message>
    <message>
        <source>LEVEL：high（高电平）、low（低电平）或 none（无），也可以写中文</source>
        <comment>upper-limit</comment>
        <translation>LEVEL: high, low or none</translation>
    </message>
    <message>
        <source>同 upper-limit；窗口里这个按钮是隐藏的</source>
        <comment>lower-limit</comment>
        <translation>as upper-limit; the window keeps this button hidden</translation>
    </message>
    <message>
        <source>各两位数字，然后是星期几（星期一..星期天）</source>
        <comment>clock</comment>
        <translation>two digits each, then the weekday (Monday..Sunday)</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>设备总数</source>
        <comment>BoxDeviceCount</comment>
        <translation>Device count</translation>
    </message>
    <message>
        <source>地址数</source>
        <comment>BoxAddresses</comment>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>设备端口数</source>
        <comment>BoxPortCounts</comment>
        <translation>Port counts</translation>
    </message>
    <message>
        <source>内容</source>
        <comment>BoxContent</comment>
        <translation>Content</translation>
    </message>
    <message>
        <source>设备描述的地址</source>
        <comment>BoxDeviceDescriptionAddress</comment>
        <translation>The device description&apos;s address</translation>
    </message>
    <message>
        <source>端口描述的地址</source>
        <comment>BoxPortDescriptionAddress</comment>
        <translation>The port description&apos;s address</translation>
    </message>
    <message>
        <source>端口</source>
        <comment>BoxPort</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>短信中心号码</source>
        <comment>BoxSmsCentre</comment>
        <translation>SMS centre number</translation>
    </message>
    <message>
        <source>电话号码</source>
        <comment>BoxPhoneNumber</comment>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>第几个电话</source>
        <comment>BoxPhoneSlot</comment>
        <translation>Phone slot</translation>
    </message>
    <message>
        <source>设备轮训号</source>
        <comment>BoxPollingNumber</comment>
        <translation>Device polling number</translation>
    </message>
    <message>
        <source>探头号</source>
        <comment>BoxProbeNumber</comment>
        <translation>Probe number</translation>
    </message>
    <message>
        <source>年</source>
        <comment>ClockYear</comment>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <comment>ClockMonth</comment>
        <translation>Month</translation>
    </message>
    <message>
        <source>日</source>
        <comment>ClockDay</comment>
        <translation>Day</translation>
    </message>
    <message>
        <source>时</source>
        <comment>ClockHour</comment>
        <translation>Hour</translation>
    </message>
    <message>
        <source>分</source>
        <comment>ClockMinute</comment>
        <translation>Minute</translation>
    </message>
    <message>
        <source>%1必须是%2到%3之间的数字</source>
        <comment>NumberRange</comment>
        <translation>%1 must be a number from %2 to %3</translation>
    </message>
    <message>
        <source>%1必须是成对的16进制数字（0-9、A-F），两个数字一个字节</source>
        <comment>HexPairs</comment>
        <translation>%1 must be pairs of hex digits (0-9, A-F), two digits to a byte</translation>
    </message>
    <message>
        <source>%1最多%2个字节（%3个16进制数字）</source>
        <comment>HexListTooLong</comment>
        <translation>%1 takes at most %2 bytes (%3 hex digits)</translation>
    </message>
    <message>
        <source>内容最多%1个字节（%2个16进制数字）</source>
        <comment>ContentTooLong</comment>
        <translation>Content takes at most %1 bytes (%2 hex digits)</translation>
    </message>
    <message>
        <source>内容至少要有一个字节（两个16进制数字）</source>
        <comment>ContentEmpty</comment>
        <translation>Content needs at least one byte (two hex digits)</translation>
    </message>
    <message>
        <source>%1太长，最多%2个字符</source>
        <comment>PhoneTooLong</comment>
        <translation>%1 is too long: at most %2 characters</translation>
    </message>
    <message>
        <source>%1含有控制字符，只能包含数字、+号等半角字符</source>
        <comment>PhoneControlCharacter</comment>
        <translation>%1 holds a control character; only digits, + and other single-byte characters</translation>
    </message>
    <message>
        <source>%1只能包含数字、+号等半角字符</source>
        <comment>PhoneNotSingleByte</comment>
        <translation>%1 may hold only digits, + and other single-byte characters</translation>
    </message>
    <message>
        <source>%1必须是%2到%3之间的两位数字</source>
        <comment>ClockField</comment>
        <translation>%1 must be two digits from %2 to %3</translation>
    </message>
    <message>
        <source>星期必须是星期一到星期天之一</source>
        <comment>ClockWeekday</comment>
        <translation>The weekday must be one of Monday to Sunday</translation>
    </message>
    <message>
        <source>地址或内容或描述</source>
        <comment>MissingDeviceDescription</comment>
        <translation>Address, content or description is missing</translation>
    </message>
    <message>
        <source>描述的文字超过8个汉字</source>
        <comment>DeviceDescriptionTooLong</comment>
        <translation>The description is longer than 8 characters</translation>
    </message>
    <message>
        <source>地址或端口或描述</source>
        <comment>MissingPortDescription</comment>
        <translation>Address, port or description is missing</translation>
    </message>
    <message>
        <source>描述的文字超过5个汉字</source>
        <comment>PortDescriptionTooLong</comment>
        <translation>The description is longer than 5 characters</translation>
    </message>
    <message>
        <source>请输入短信中心号码</source>
        <comment>MissingSmsCentre</comment>
        <translation>Please enter the SMS centre number</translation>
    </message>
    <message>
        <source>请输入第几个电话或电话号码</source>
        <comment>MissingRecipientPhone</comment>
        <translation>Please enter the phone slot or the phone number</translation>
    </message>
    <message>
        <source>最大只能设置16个电话号码</source>
        <comment>TooManyPhones</comment>
        <translation>At most 16 phone numbers can be set</translation>
    </message>
    <message>
        <source>请输入设备轮训号</source>
        <comment>MissingPollingNumber</comment>
        <translation>Please enter the device polling number</translation>
    </message>
    <message>
        <source>请输入设备轮训号或探头号</source>
        <comment>MissingProbeAddress</comment>
        <translation>Please enter the device polling number or the probe number</translation>
    </message>
    <message>
        <source>请选择开关量</source>
        <comment>ChooseSwitchInput</comment>
        <translation>Please tick Switch input</translation>
    </message>
    <message>
        <source>请选择高低电平</source>
        <comment>ChooseLevel</comment>
        <translation>Please choose Low or High</translation>
    </message>
    <message>
        <source>没有给出命令</source>
        <comment>NoCommand</comment>
        <translation>no command given</translation>
    </message>
    <message>
        <source>未知命令 %1</source>
        <comment>UnknownCommand</comment>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--phones 后面要有电话的列表，如 1,5,16</source>
        <comment>PhonesNeedList</comment>
        <translation>--phones needs a list such as 1,5,16</translation>
    </message>
    <message>
        <source>--phones 的电话是 1 到 16，用逗号分隔</source>
        <comment>PhonesList</comment>
        <translation>--phones takes phone numbers 1 to 16 separated by commas</translation>
    </message>
    <message>
        <source>%1 不是 %2 的选项（以 - 开头的文字前面要加 --）</source>
        <comment>NotAnOption</comment>
        <translation>%1 is not an option of %2 (use -- before a text that starts with -)</translation>
    </message>
    <message>
        <source>用法：%1</source>
        <comment>Usage</comment>
        <translation>usage: %1</translation>
    </message>
    <message>
        <source>LEVEL 必须是 high、low 或 none（高电平、低电平、无），不能是 %1</source>
        <comment>BadLevel</comment>
        <translation>LEVEL must be high, low or none, not %1</translation>
    </message>
    <message>
        <source>配置文件第%1行第%2列：%3</source>
        <comment>ProfileJsonError</comment>
        <translation>profile line %1, column %2: %3</translation>
    </message>
    <message>
        <source>对象没有结束（缺少 }）</source>
        <comment>JsonUnterminatedObject</comment>
        <translation>an object does not end (} is missing)</translation>
    </message>
    <message>
        <source>缺少冒号</source>
        <comment>JsonMissingNameSeparator</comment>
        <translation>a colon is missing</translation>
    </message>
    <message>
        <source>列表没有结束（缺少 ]）</source>
        <comment>JsonUnterminatedArray</comment>
        <translation>a list does not end (] is missing)</translation>
    </message>
    <message>
        <source>缺少逗号</source>
        <comment>JsonMissingValueSeparator</comment>
        <translation>a comma is missing</translation>
    </message>
    <message>
        <source>不是合法的值</source>
        <comment>JsonIllegalValue</comment>
        <translation>not a valid value</translation>
    </message>
    <message>
        <source>数字后文件意外结束</source>
        <comment>JsonTerminationByNumber</comment>
        <translation>the file ends unexpectedly after a number</translation>
    </message>
    <message>
        <source>不是合法的数字</source>
        <comment>JsonIllegalNumber</comment>
        <translation>not a valid number</translation>
    </message>
    <message>
        <source>不是合法的转义</source>
        <comment>JsonIllegalEscape</comment>
        <translation>not a valid escape</translation>
    </message>
    <message>
        <source>不是合法的 UTF-8 文字</source>
        <comment>JsonIllegalUtf8</comment>
        <translation>not valid UTF-8 text</translation>
    </message>
    <message>
        <source>字符串没有结束（缺少 &quot;）</source>
        <comment>JsonUnterminatedString</comment>
        <translation>a string does not end (&quot; is missing)</translation>
    </message>
    <message>
        <source>应该是一个对象（{…}）</source>
        <comment>JsonMissingObject</comment>
        <translation>an object ({…}) was expected</translation>
    </message>
    <message>
        <source>嵌套太深</source>
        <comment>JsonDeepNesting</comment>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>结尾有多余的内容</source>
        <comment>JsonGarbageAtEnd</comment>
        <translation>there is more after the end</translation>
    </message>
    <message>
        <source>这不是 smscfg 配置文件：缺少 &quot;%1&quot;: %2</source>
        <comment>NotAProfile</comment>
        <translation>this is not an smscfg profile: &quot;%1&quot;: %2 is missing</translation>
    </message>
    <message>
        <source>配置文件的版本 %1 不认识（只认识 %2）</source>
        <comment>UnknownProfileVersion</comment>
        <translation>profile version %1 is not known (only %2 is)</translation>
    </message>
    <message>
        <source>配置文件的 &quot;name&quot; 必须是文字</source>
        <comment>ProfileNameNotText</comment>
        <translation>the profile&apos;s &quot;name&quot; must be a text</translation>
    </message>
    <message>
        <source>配置文件的 &quot;steps&quot; 必须是一个列表</source>
        <comment>ProfileStepsNotList</comment>
        <translation>the profile&apos;s &quot;steps&quot; must be a list</translation>
    </message>
    <message>
        <source>第%1步：必须是由文字组成的列表，如 [&quot;phone&quot;, &quot;1&quot;, &quot;13912345678&quot;]</source>
        <comment>ProfileStepNotWords</comment>
        <translation>step %1: must be a list of texts, such as [&quot;phone&quot;, &quot;1&quot;, &quot;13912345678&quot;]</translation>
    </message>
    <message>
        <source>第%1步：</source>
        <comment>ProfileStep</comment>
        <translation>step %1: </translation>
    </message>
    <message>
        <source>--help 不是请求</source>
        <comment>ProfileStepHelp</comment>
        <translation>--help is not a request</translation>
    </message>
    <message>
        <source>设备描述</source>
        <comment>BoxDeviceDescription</comment>
        <translation>Device description</translation>
    </message>
    <message>
        <source>端口描述</source>
        <comment>BoxPortDescription</comment>
        <translation>Port description</translation>
    </message>
    <message>
        <source>%1含有不成对的代理字符（半个 UTF-16 字符）</source>
        <comment>LoneSurrogate</comment>
        <translation>%1 holds an unpaired surrogate (half a UTF-16 character)</translation>
    </message>
</context>
<context>
    <name>ControllerText</name>
    <message>
        <source>未知命令</source>
        <comment>UnknownCommand</comment>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>负载%1字节，长度不对</source>
        <comment>WrongPayloadSize</comment>
        <translation>payload of %1 bytes, wrong length</translation>
    </message>
    <message>
        <source>第7字节不是01</source>
        <comment>PortMarker</comment>
        <translation>byte 7 is not 01</translation>
    </message>
    <message>
        <source>号码的0x00后面还有字节</source>
        <comment>BytesAfterNumber</comment>
        <translation>bytes after the number&apos;s 0x00</translation>
    </message>
    <message>
        <source>电话序号%1不在1到16之间</source>
        <comment>PhoneSlot</comment>
        <translation>phone slot %1 not from 1 to 16</translation>
    </message>
    <message>
        <source>探头类型%1不是11</source>
        <comment>ProbeType</comment>
        <translation>probe type %1 is not 11</translation>
    </message>
    <message>
        <source>电平%1既不是55也不是AA</source>
        <comment>Level</comment>
        <translation>level %1 is neither 55 nor AA</translation>
    </message>
    <message>
        <source>第%1字节不是两位BCD数字</source>
        <comment>NotBcd</comment>
        <translation>byte %1 is not two BCD digits</translation>
    </message>
    <message>
        <source>没有这个日期或时间</source>
        <comment>NoSuchDate</comment>
        <translation>no such date or time</translation>
    </message>
    <message>
        <source>星期%1不在1到7之间</source>
        <comment>Weekday</comment>
        <translation>weekday %1 not from 1 to 7</translation>
    </message>
    <message>
        <source>帧不完整或已损坏</source>
        <comment>BrokenFrame</comment>
        <translation>incomplete or damaged frame</translation>
    </message>
    <message>
        <source>--refuse</source>
        <comment>RefuseAll</comment>
        <translation>--refuse</translation>
    </message>
    <message>
        <source>%1，拒绝：%2</source>
        <comment>Refused</comment>
        <translation>%1, refused: %2</translation>
    </message>
    <message>
        <source>  拒绝（09）：格式不对的帧（LEN、保留字节、校验和或结束字节不对）、未知的命令码、
  负载长度与命令码不符、第7字节不是01的端口描述、电话序号为0或大于16、
  电话号码在第一个00之后还有字节、探头类型不是11（开关量）、告警电平不是55（高电平）
  或AA（低电平），以及这样的时间：不是BCD、月为0或大于12、日为0或大于31、
  时大于24、分大于60（窗口的列表到24和60为止），或星期不在1到7之间。
  其余一律接受（06）。
</source>
        <comment>RefusalRules</comment>
        <translation>  Refused (09): a malformed frame (LEN, reserved byte, checksum or end byte
  wrong), an unknown command code, a payload of the wrong size for its code,
  a port description whose byte 7 is not 01, a phone slot of 0 or above 16,
  a phone field with bytes after its first 00, a probe type other than 11
  (switch input), an alarm level other than 55 (high) or AA (low), and a clock
  that is not BCD, has month 0 or above 12, day 0 or above 31, hour above 24,
  minute above 60 (the window&apos;s lists run to 24 and 60), or weekday not 1..7.
  Everything else is accepted (06).
</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <comment>FieldProblem</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>缺少</source>
        <comment>Missing</comment>
        <translation>missing</translation>
    </message>
    <message>
        <source>不是%1到%2之间的整数</source>
        <comment>NotWholeNumber</comment>
        <translation>not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>不是文字</source>
        <comment>NotText</comment>
        <translation>not a text</translation>
    </message>
    <message>
        <source>不是成对的16进制数字</source>
        <comment>NotHex</comment>
        <translation>not hex digit pairs</translation>
    </message>
    <message>
        <source>不是对象</source>
        <comment>NotObject</comment>
        <translation>not an object</translation>
    </message>
    <message>
        <source>不是0到255之间的设备号</source>
        <comment>DeviceOutOfRange</comment>
        <translation>not a device number from 0 to 255</translation>
    </message>
    <message>
        <source>不是“设备号/探头号”</source>
        <comment>NotProbeKey</comment>
        <translation>not device/probe numbers</translation>
    </message>
    <message>
        <source>不是设备号</source>
        <comment>NotDeviceKey</comment>
        <translation>not a device number</translation>
    </message>
    <message>
        <source>不是列表</source>
        <comment>NotList</comment>
        <translation>not a list</translation>
    </message>
    <message>
        <source>既不是 unicode 也不是 codepage</source>
        <comment>BadEncoding</comment>
        <translation>neither unicode nor codepage</translation>
    </message>
    <message>
        <source>既不是 true 也不是 false</source>
        <comment>NotFlag</comment>
        <translation>neither true nor false</translation>
    </message>
    <message>
        <source>不是%1个文字组成的列表</source>
        <comment>NotPhoneList</comment>
        <translation>not a list of %1 texts</translation>
    </message>
    <message>
        <source>不是 &quot;switch&quot;</source>
        <comment>NotSwitch</comment>
        <translation>not &quot;switch&quot;</translation>
    </message>
    <message>
        <source>既不是 &quot;high&quot; 也不是 &quot;low&quot;</source>
        <comment>NotLevel</comment>
        <translation>neither &quot;high&quot; nor &quot;low&quot;</translation>
    </message>
    <message>
        <source>不能原样写回</source>
        <comment>NotWrittenBack</comment>
        <translation>would not be written back as it is</translation>
    </message>
    <message>
        <source>不是控制器状态里的字段</source>
        <comment>NotAField</comment>
        <translation>not a field of the controller&apos;s state</translation>
    </message>
    <message>
        <source>不是 JSON 对象</source>
        <comment>NotJsonObject</comment>
        <translation>not a JSON object</translation>
    </message>
</context>
<context>
    <name>ExchangeText</name>
    <message>
        <source>设置成功</source>
        <comment>Accepted</comment>
        <translation>Setting accepted</translation>
    </message>
    <message>
        <source>设置失败</source>
        <comment>Refused</comment>
        <translation>Setting refused</translation>
    </message>
    <message>
        <source>设备无响应</source>
        <comment>NoResponse</comment>
        <translation>Device not responding</translation>
    </message>
    <message>
        <source>串口不可用，请重新设置</source>
        <comment>PortUnusable</comment>
        <translation>The serial port cannot be used; please set it again</translation>
    </message>
    <message>
        <source>串口连接已断开</source>
        <comment>LinkLost</comment>
        <translation>The serial connection was lost</translation>
    </message>
    <message>
        <source>应答无法识别：%1</source>
        <comment>NoVerdict</comment>
        <translation>Reply not recognised: %1</translation>
    </message>
    <message>
        <source>%1（%2 ms）</source>
        <comment>WithRoundTrip</comment>
        <translation>%1 (%2 ms)</translation>
    </message>
    <message>
        <source>%1（迟到 %2 秒）</source>
        <comment>WithLateness</comment>
        <translation>%1 (%2 s late)</translation>
    </message>
    <message>
        <source>无应答（%1 ms）</source>
        <comment>NoReplyInLog</comment>
        <translation>no reply (%1 ms)</translation>
    </message>
    <message>
        <source>%1，不是在等的请求的应答</source>
        <comment>OtherRequestReply</comment>
        <translation>%1, not a reply to a request being waited for</translation>
    </message>
    <message>
        <source>%1，迟到的应答：它的请求已超时，之后又发了新请求</source>
        <comment>LateReply</comment>
        <translation>%1, a late reply: its request timed out and a newer one was sent since</translation>
    </message>
    <message>
        <source>无法识别的数据</source>
        <comment>Unrecognised</comment>
        <translation>data that cannot be read</translation>
    </message>
    <message>
        <source>发出的请求的回显</source>
        <comment>Echo</comment>
        <translation>echo of a request sent</translation>
    </message>
    <message>
        <source>发送</source>
        <comment>Sent</comment>
        <translation>sent</translation>
    </message>
    <message>
        <source>接收</source>
        <comment>Received</comment>
        <translation>received</translation>
    </message>
    <message>
        <source>结果</source>
        <comment>Outcome</comment>
        <translation>result</translation>
    </message>
    <message>
        <source>忽略</source>
        <comment>Ignored</comment>
        <translation>ignored</translation>
    </message>
    <message>
        <source>串口</source>
        <comment>Port</comment>
        <translation>port</translation>
    </message>
    <message>
        <source>未发送</source>
        <comment>NotSent</comment>
        <translation>not sent</translation>
    </message>
    <message>
        <source>—— %1 %2 ——</source>
        <comment>Day</comment>
        <translation>—— %1 %2 ——</translation>
    </message>
    <message>
        <source>%1 …（共%2字节）</source>
        <comment>BytesElided</comment>
        <translation>%1 … (%2 bytes in all)</translation>
    </message>
</context>
<context>
    <name>FileText</name>
    <message>
        <source>%1 字节</source>
        <comment>ByteCount</comment>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <comment>NotRegular</comment>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>文件太大（超过 %1）</source>
        <comment>TooLarge</comment>
        <translation>file too large (over %1)</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <comment>NotFound</comment>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <comment>NoPermission</comment>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>磁盘空间已满</source>
        <comment>DiskFull</comment>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <comment>OverQuota</comment>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <comment>ReadOnly</comment>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>文件超过了系统允许的大小</source>
        <comment>TooBigForSystem</comment>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <comment>IsFolder</comment>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>路径中有一段不是文件夹</source>
        <comment>NotFolder</comment>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <comment>NameTooLong</comment>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>符号链接太多</source>
        <comment>TooManyLinks</comment>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>读写磁盘出错</source>
        <comment>DiskError</comment>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <comment>TooManyOpen</comment>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>文件正被使用</source>
        <comment>InUse</comment>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>%1（错误 %2）</source>
        <comment>OtherError</comment>
        <translation>%1 (error %2)</translation>
    </message>
</context>
<context>
    <name>FormCaption</name>
    <message>
        <source>GSM短信报警控制器设置</source>
        <comment>Label1</comment>
        <translation>GSM SMS Alarm Controller Setup</translation>
    </message>
    <message>
        <source>设备总数</source>
        <comment>Label3</comment>
        <translation>Device count</translation>
    </message>
    <message>
        <source>地址数</source>
        <comment>Label2_0</comment>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>直接写16进制不要空格</source>
        <comment>Label4</comment>
        <translation>Hex digits, no spaces</translation>
    </message>
    <message>
        <source>设备端口数</source>
        <comment>Label5</comment>
        <translation>Port counts</translation>
    </message>
    <message>
        <source>设备描述</source>
        <comment>Label6_0</comment>
        <translation>Device description</translation>
    </message>
    <message>
        <source>地址</source>
        <comment>Label2_1</comment>
        <translation>Addr.</translation>
    </message>
    <message>
        <source>描述</source>
        <comment>Label2_2</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>内容</source>
        <comment>Label2_6</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>端口描述</source>
        <comment>Label6_1</comment>
        <translation>Port description</translation>
    </message>
    <message>
        <source>Unicode</source>
        <comment>Check1</comment>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>地址</source>
        <comment>Label2_3</comment>
        <translation>Addr.</translation>
    </message>
    <message>
        <source>端口</source>
        <comment>Label2_4</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>描述</source>
        <comment>Label2_5</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>设置第</source>
        <comment>Label7_0</comment>
        <translation>Phone</translation>
    </message>
    <message>
        <source>个电话</source>
        <comment>Label7_1</comment>
        <translation>number</translation>
    </message>
    <message>
        <source>设备轮训号</source>
        <comment>Label7_2</comment>
        <translation>Device no.</translation>
    </message>
    <message>
        <source>探头号</source>
        <comment>Label7_3</comment>
        <translation>Probe no.</translation>
    </message>
    <message>
        <source>开关量</source>
        <comment>Check3</comment>
        <translation>Switch input</translation>
    </message>
    <message>
        <source>低电平</source>
        <comment>Option1_0</comment>
        <translation>Low</translation>
    </message>
    <message>
        <source>高电平</source>
        <comment>Option1_1</comment>
        <translation>High</translation>
    </message>
    <message>
        <source>年</source>
        <comment>Label8_0</comment>
        <translation>Y</translation>
    </message>
    <message>
        <source>月</source>
        <comment>Label8_1</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>日</source>
        <comment>Label8_2</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>时</source>
        <comment>Label8_3</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <comment>Label8_4</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>串口设置</source>
        <comment>Label2_7</comment>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>串口设置</source>
        <comment>Command7</comment>
        <translation>Open port</translation>
    </message>
    <message>
        <source>电话01</source>
        <comment>Check2_0</comment>
        <translation>Tel 01</translation>
    </message>
    <message>
        <source>电话02</source>
        <comment>Check2_1</comment>
        <translation>Tel 02</translation>
    </message>
    <message>
        <source>电话03</source>
        <comment>Check2_2</comment>
        <translation>Tel 03</translation>
    </message>
    <message>
        <source>电话04</source>
        <comment>Check2_3</comment>
        <translation>Tel 04</translation>
    </message>
    <message>
        <source>电话05</source>
        <comment>Check2_4</comment>
        <translation>Tel 05</translation>
    </message>
    <message>
        <source>电话06</source>
        <comment>Check2_5</comment>
        <translation>Tel 06</translation>
    </message>
    <message>
        <source>电话07</source>
        <comment>Check2_6</comment>
        <translation>Tel 07</translation>
    </message>
    <message>
        <source>电话08</source>
        <comment>Check2_7</comment>
        <translation>Tel 08</translation>
    </message>
    <message>
        <source>电话09</source>
        <comment>Check2_8</comment>
        <translation>Tel 09</translation>
    </message>
    <message>
        <source>电话10</source>
        <comment>Check2_9</comment>
        <translation>Tel 10</translation>
    </message>
    <message>
        <source>电话11</source>
        <comment>Check2_10</comment>
        <translation>Tel 11</translation>
    </message>
    <message>
        <source>电话12</source>
        <comment>Check2_11</comment>
        <translation>Tel 12</translation>
    </message>
    <message>
        <source>电话13</source>
        <comment>Check2_12</comment>
        <translation>Tel 13</translation>
    </message>
    <message>
        <source>电话14</source>
        <comment>Check2_13</comment>
        <translation>Tel 14</translation>
    </message>
    <message>
        <source>电话15</source>
        <comment>Check2_14</comment>
        <translation>Tel 15</translation>
    </message>
    <message>
        <source>电话16</source>
        <comment>Check2_15</comment>
        <translation>Tel 16</translation>
    </message>
    <message>
        <source>初始化</source>
        <comment>Command2</comment>
        <translation>Initialise</translation>
    </message>
    <message>
        <source>设置设备总数</source>
        <comment>Command3</comment>
        <translation>Set device count</translation>
    </message>
    <message>
        <source>设置地址</source>
        <comment>Command4</comment>
        <translation>Set addresses</translation>
    </message>
    <message>
        <source>设置端口数</source>
        <comment>Command5</comment>
        <translation>Set port counts</translation>
    </message>
    <message>
        <source>设置设备描述</source>
        <comment>Command6</comment>
        <translation>Set device description</translation>
    </message>
    <message>
        <source>端口描述设置</source>
        <comment>Command1</comment>
        <translation>Set port description</translation>
    </message>
    <message>
        <source>设置短信中心号码</source>
        <comment>Command8</comment>
        <translation>Set SMS centre number</translation>
    </message>
    <message>
        <source>设置短信接收电话号码</source>
        <comment>Command9</comment>
        <translation>Set SMS recipient phone number</translation>
    </message>
    <message>
        <source>设置轮巡设备短信发送开关</source>
        <comment>Command10</comment>
        <translation>Set device SMS switches</translation>
    </message>
    <message>
        <source>设置探头短信发送开关</source>
        <comment>Command11</comment>
        <translation>Set probe SMS switches</translation>
    </message>
    <message>
        <source>设置探头类型</source>
        <comment>Command12</comment>
        <translation>Set probe type</translation>
    </message>
    <message>
        <source>设置探头告警上限</source>
        <comment>Command13</comment>
        <translation>Set probe upper alarm limit</translation>
    </message>
    <message>
        <source>设置探头告警下限</source>
        <comment>Command14</comment>
        <translation>Set probe lower alarm limit</translation>
    </message>
    <message>
        <source>设置设备时间</source>
        <comment>Command15</comment>
        <translation>Set device clock</translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>设备总数</source>
        <translation>Device count</translation>
    </message>
    <message>
        <source>地址数</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>设备端口数</source>
        <translation>Port counts</translation>
    </message>
    <message>
        <source>设备描述 地址</source>
        <translation>Device description address</translation>
    </message>
    <message>
        <source>设备描述 描述</source>
        <translation>Device description text</translation>
    </message>
    <message>
        <source>设备描述 内容</source>
        <translation>Device description data</translation>
    </message>
    <message>
        <source>端口描述 地址</source>
        <translation>Port description address</translation>
    </message>
    <message>
        <source>端口描述 端口</source>
        <translation>Port description port</translation>
    </message>
    <message>
        <source>端口描述 描述</source>
        <translation>Port description text</translation>
    </message>
    <message>
        <source>短信中心号码</source>
        <translation>SMS centre number</translation>
    </message>
    <message>
        <source>第几个电话</source>
        <translation>Phone slot</translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>设备轮训号</source>
        <translation>Device number</translation>
    </message>
    <message>
        <source>探头号</source>
        <translation>Probe number</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>时</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>勾选：描述按 Unicode（UTF-16）发送；不勾选：按 GBK（代码页 936）发送</source>
        <translation>Ticked: the description is sent as Unicode (UTF-16); unticked: as GBK (code page 936)</translation>
    </message>
    <message>
        <source>勾选：探头是开关量输入</source>
        <translation>Ticked: the probe is a switch input</translation>
    </message>
    <message>
        <source>探头告警上限：低电平</source>
        <translation>Probe upper alarm limit: low level</translation>
    </message>
    <message>
        <source>探头告警上限：高电平</source>
        <translation>Probe upper alarm limit: high level</translation>
    </message>
    <message>
        <source>电话01到电话16</source>
        <translation>Tel 01 to Tel 16</translation>
    </message>
    <message>
        <source>低电平或高电平</source>
        <translation>Low or High</translation>
    </message>
    <message>
        <source>发送请求 %1（%2）</source>
        <translation>Sends request %1 (%2)</translation>
    </message>
    <message>
        <source>%1，读取：%2</source>
        <translation>%1, reads: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1：收到这台设备或探头的告警短信</source>
        <translation>%1: receives this device&apos;s or probe&apos;s alarm SMS</translation>
    </message>
    <message>
        <source>关闭串口，再打开左边框里的串口；不发送请求</source>
        <translation>Closes the port, then opens the port in the box on the left; sends no request</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang 只能是 zh（中文）或 en（英文）</source>
        <translation>--lang takes zh (Chinese) or en (English)</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>短信报警控制器设置</source>
        <comment>appTitle</comment>
        <translation>SMS Alarm Controller Setup</translation>
    </message>
    <message>
        <source>确定</source>
        <comment>ok</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>关闭</source>
        <comment>close</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>应用</source>
        <comment>apply</comment>
        <translation>Apply</translation>
    </message>
    <message>
        <source>保存…</source>
        <comment>save</comment>
        <translation>Save…</translation>
    </message>
    <message>
        <source>清空</source>
        <comment>clear</comment>
        <translation>Clear</translation>
    </message>
    <message>
        <source>文件</source>
        <comment>menuFile</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>应用配置文件…</source>
        <comment>menuApplyProfile</comment>
        <translation>Apply profile…</translation>
    </message>
    <message>
        <source>保存为配置文件…</source>
        <comment>menuSaveProfile</comment>
        <translation>Save as profile…</translation>
    </message>
    <message>
        <source>清空记录</source>
        <comment>menuClearRecord</comment>
        <translation>Clear record</translation>
    </message>
    <message>
        <source>查看</source>
        <comment>menuView</comment>
        <translation>View</translation>
    </message>
    <message>
        <source>通信记录</source>
        <comment>menuLog</comment>
        <translation>Communication log</translation>
    </message>
    <message>
        <source>成功时弹出提示</source>
        <comment>menuSuccessBox</comment>
        <translation>Show a box on success</translation>
    </message>
    <message>
        <source>工具</source>
        <comment>menuTools</comment>
        <translation>Tools</translation>
    </message>
    <message>
        <source>填入电脑时间</source>
        <comment>menuFillPcTime</comment>
        <translation>Fill in the PC&apos;s time</translation>
    </message>
    <message>
        <source>演示控制器的行为</source>
        <comment>menuDemoMode</comment>
        <translation>Demo controller&apos;s behaviour</translation>
    </message>
    <message>
        <source>帮助</source>
        <comment>menuHelp</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于</source>
        <comment>menuAbout</comment>
        <translation>About</translation>
    </message>
    <message>
        <source>选择串口…</source>
        <comment>portChoose</comment>
        <translation>Choose a serial port…</translation>
    </message>
    <message>
        <source>演示控制器（无需硬件）</source>
        <comment>portDemo</comment>
        <translation>Demo controller (no hardware)</translation>
    </message>
    <message>
        <source>演示控制器</source>
        <comment>demoName</comment>
        <translation>Demo controller</translation>
    </message>
    <message>
        <source>未选择</source>
        <comment>portNone</comment>
        <translation>none chosen</translation>
    </message>
    <message>
        <source>未打开</source>
        <comment>portClosed</comment>
        <translation>not open</translation>
    </message>
    <message>
        <source>已打开</source>
        <comment>portOpened</comment>
        <translation>open</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <comment>portLost</comment>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>等待应答…</source>
        <comment>awaitingReply</comment>
        <translation>Waiting for the reply…</translation>
    </message>
    <message>
        <source>串口连接已断开</source>
        <comment>linkLostStatus</comment>
        <translation>The serial connection was lost</translation>
    </message>
    <message>
        <source>收到无法识别的数据（见通信记录）</source>
        <comment>unrecognisedStatus</comment>
        <translation>Received data that cannot be read (see the communication log)</translation>
    </message>
    <message>
        <source>收到迟到的应答，未采用（见通信记录）</source>
        <comment>lateReplyStatus</comment>
        <translation>Received a late reply, not used (see the communication log)</translation>
    </message>
    <message>
        <source>收到不是在等的请求的应答（见通信记录）</source>
        <comment>otherRequestStatus</comment>
        <translation>Received a reply to a request not waited for (see the communication log)</translation>
    </message>
    <message>
        <source>该串口正被另一个程序或另一个页面使用</source>
        <comment>portInUse</comment>
        <translation>The serial port is in use by another program or another page</translation>
    </message>
    <message>
        <source>无法打开该串口</source>
        <comment>portOpenFailed</comment>
        <translation>The serial port cannot be opened</translation>
    </message>
    <message>
        <source>没有选择串口</source>
        <comment>noPortChosen</comment>
        <translation>No serial port chosen</translation>
    </message>
    <message>
        <source>这个浏览器不能使用串口</source>
        <comment>noSerialTitle</comment>
        <translation>This browser cannot use serial ports</translation>
    </message>
    <message>
        <source>这个浏览器没有 Web Serial（网页串口）功能。</source>
        <comment>noSerialFeature</comment>
        <translation>This browser has no Web Serial. </translation>
    </message>
    <message>
        <source>请用最新版的 Chrome 或 Edge 打开本页；也可以先用演示控制器（无需硬件）试用每个按钮。</source>
        <comment>noSerialSuggest</comment>
        <translation>Please open this page in a current Chrome or Edge; or try every button with the demo controller (no hardware) first.</translation>
    </message>
    <message>
        <source>使用演示控制器</source>
        <comment>useDemo</comment>
        <translation>Use the demo controller</translation>
    </message>
    <message>
        <source>通信记录</source>
        <comment>logTitle</comment>
        <translation>Communication log</translation>
    </message>
    <message>
        <source>通信记录.txt</source>
        <comment>logFileName</comment>
        <translation>communication-log.txt</translation>
    </message>
    <message>
        <source>配置.json</source>
        <comment>profileFileName</comment>
        <translation>profile.json</translation>
    </message>
    <message>
        <source>还没有设置成功的请求可以保存</source>
        <comment>profileNothingToSave</comment>
        <translation>No accepted request to save yet</translation>
    </message>
    <message>
        <source>配置文件里没有步骤</source>
        <comment>profileNoSteps</comment>
        <translation>The profile has no steps</translation>
    </message>
    <message>
        <source>应用配置文件的结果</source>
        <comment>profileResultsTitle</comment>
        <translation>Results of applying the profile</translation>
    </message>
    <message>
        <source>已取消，未发送</source>
        <comment>profileCancelled</comment>
        <translation>cancelled, not sent</translation>
    </message>
    <message>
        <source>未发送</source>
        <comment>profileNotSent</comment>
        <translation>not sent</translation>
    </message>
    <message>
        <source>页面的核心部分没有载入，请刷新页面。</source>
        <comment>coreFailed</comment>
        <translation>The page&apos;s core did not load; please reload the page.</translation>
    </message>
    <message>
        <source>语言</source>
        <comment>menuLanguage</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>串口 %1</source>
        <comment>portGranted</comment>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>串口 %1（%2）</source>
        <comment>portGrantedInfo</comment>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>串口 %1（%2）</source>
        <comment>portStatus</comment>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>%1 已打开（9600,n,8,1）</source>
        <comment>portOpenedLog</comment>
        <translation>%1 open (9600,n,8,1)</translation>
    </message>
    <message>
        <source>%1 连接已断开（设备被拔出，或另一端已关闭）</source>
        <comment>portLostLog</comment>
        <translation>%1 connection lost (the device was unplugged, or the other end closed)</translation>
    </message>
    <message>
        <source>%1不能用,请换到另一个串口。</source>
        <comment>portCannotOpen</comment>
        <translation>%1 cannot be used; please choose another serial port.</translation>
    </message>
    <message>
        <source>：</source>
        <comment>reasonSeparator</comment>
        <translation>: </translation>
    </message>
    <message>
        <source>这个页面不是从安全的地址（https:// 或本机）打开的，浏览器不允许它使用串口。</source>
        <comment>noSerialInsecure</comment>
        <translation>This page was not opened from a secure address (https:// or this computer), so the browser does not let it use serial ports. </translation>
    </message>
    <message>
        <source>正常应答</source>
        <comment>demoNormal</comment>
        <translation>Answer normally</translation>
    </message>
    <message>
        <source>拒绝每个请求（设置失败）</source>
        <comment>demoRefuse</comment>
        <translation>Refuse every request (setting refused)</translation>
    </message>
    <message>
        <source>不应答（设备无响应）</source>
        <comment>demoSilent</comment>
        <translation>Never answer (no response)</translation>
    </message>
    <message>
        <source>迟到 4 秒应答</source>
        <comment>demoLate</comment>
        <translation>Answer 4 seconds late</translation>
    </message>
    <message>
        <source>应答分两段发来</source>
        <comment>demoSplit</comment>
        <translation>Send each reply in two parts</translation>
    </message>
    <message>
        <source>应答太短（无法识别）</source>
        <comment>demoShort</comment>
        <translation>Send replies too short (unrecognisable)</translation>
    </message>
    <message>
        <source>应答前夹杂一个多余字节</source>
        <comment>demoStray</comment>
        <translation>Put a stray byte before each reply</translation>
    </message>
    <message>
        <source>短信报警控制器设置 通信记录</source>
        <comment>logHeaderTitle</comment>
        <translation>SMS Alarm Controller Setup communication log</translation>
    </message>
    <message>
        <source>保存时间：%1</source>
        <comment>logHeaderSavedAt</comment>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>程序版本：smscfg %1（网页版）</source>
        <comment>logHeaderVersion</comment>
        <translation>Program version: smscfg %1 (web page)</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <comment>profileCannotRead</comment>
        <translation>Cannot read the profile: %1</translation>
    </message>
    <message>
        <source>把配置文件“%1”的 %2 步发送到控制器：

%3</source>
        <comment>profileConfirm</comment>
        <translation>Send the %2 steps of profile &quot;%1&quot; to the controller:

%3</translation>
    </message>
    <message>
        <source>第%1步，共%2步：%3</source>
        <comment>profileProgress</comment>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
        <source>步骤</source>
        <comment>profileColumnStep</comment>
        <translation>Step</translation>
    </message>
    <message>
        <source>请求</source>
        <comment>profileColumnRequest</comment>
        <translation>Request</translation>
    </message>
    <message>
        <source>结果</source>
        <comment>profileColumnResult</comment>
        <translation>Result</translation>
    </message>
    <message>
        <source>共 %1 步：成功 %2，未成功 %3，未发送 %4</source>
        <comment>profileSummary</comment>
        <translation>%1 steps: %2 accepted, %3 not accepted, %4 not sent</translation>
    </message>
    <message>
        <source>短信报警控制器设置 %1
网页版（WebAssembly）
串口：%2</source>
        <comment>about</comment>
        <translation>SMS Alarm Controller Setup %1
Web page (WebAssembly)
Port: %2</translation>
    </message>
</context>
<context>
    <name>PortText</name>
    <message>
        <source>串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）</source>
        <translation>Name the port by a number (such as 3) or a device path (such as /dev/ttyUSB0)</translation>
    </message>
    <message>
        <source>没有这个串口设备：它不存在，或已被拔出</source>
        <translation>No such serial device: it does not exist, or it was unplugged</translation>
    </message>
    <message>
        <source>没有权限打开该串口：请把当前用户加入 dialout 组，然后重新登录</source>
        <translation>No permission to open the port: add the user to the dialout group, then log in again</translation>
    </message>
    <message>
        <source>该串口正被另一个程序使用</source>
        <translation>The port is in use by another program</translation>
    </message>
    <message>
        <source>这不是串口设备</source>
        <translation>This is not a serial device</translation>
    </message>
    <message>
        <source>无法打开该串口</source>
        <translation>The port cannot be opened</translation>
    </message>
    <message>
        <source>无法打开该串口：%1</source>
        <translation>The port cannot be opened: %1</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>port</translation>
    </message>
    <message>
        <source>%1 已打开（9600,n,8,1）</source>
        <translation>%1 open (9600,n,8,1)</translation>
    </message>
    <message>
        <source>%1 连接已断开（设备被拔出，或另一端已关闭）</source>
        <translation>%1 connection lost (the device was unplugged, or the other end closed)</translation>
    </message>
    <message>
        <source>%1不能用,请换到另一个串口。</source>
        <translation>%1 cannot be used; please choose another serial port.</translation>
    </message>
    <message>
        <source>（%1 即 %2）</source>
        <translation> (%1 is %2)</translation>
    </message>
    <message>
        <source>这是一个正在使用的终端，不是串口设备</source>
        <translation>This is a terminal in use, not a serial device</translation>
    </message>
</context>
<context>
    <name>ProtocolText</name>
    <message>
        <source>不完整或损坏的帧</source>
        <comment>BrokenFrame</comment>
        <translation>incomplete or damaged frame</translation>
    </message>
    <message>
        <source>%1 未知命令</source>
        <comment>UnknownCommand</comment>
        <translation>%1 unknown command</translation>
    </message>
    <message>
        <source>%1 负载%2字节，长度不对</source>
        <comment>WrongPayloadSize</comment>
        <translation>%1 payload of %2 bytes, wrong length</translation>
    </message>
    <message>
        <source>初始化</source>
        <comment>Initialise</comment>
        <translation>initialise</translation>
    </message>
    <message>
        <source>设备总数 = %1</source>
        <comment>DeviceCount</comment>
        <translation>device count = %1</translation>
    </message>
    <message>
        <source>地址 = %1（%2个）</source>
        <comment>AddressList</comment>
        <translation>addresses = %1 (%2)</translation>
    </message>
    <message>
        <source>设备端口数 = %1（%2个）</source>
        <comment>PortCountList</comment>
        <translation>port counts = %1 (%2)</translation>
    </message>
    <message>
        <source>设备%1描述 = %2，内容 %3</source>
        <comment>DeviceDescription</comment>
        <translation>device %1 description = %2, content %3</translation>
    </message>
    <message>
        <source>设备%1端口%2描述 = %3%4</source>
        <comment>PortDescription</comment>
        <translation>device %1 port %2 description = %3%4</translation>
    </message>
    <message>
        <source>（第7字节是%1，不是01）</source>
        <comment>PortDescriptionMarker</comment>
        <translation> (byte 7 is %1, not 01)</translation>
    </message>
    <message>
        <source>短信中心号码 = %1</source>
        <comment>SmsCentre</comment>
        <translation>SMS centre number = %1</translation>
    </message>
    <message>
        <source>第%1个电话 = %2</source>
        <comment>RecipientPhone</comment>
        <translation>phone %1 = %2</translation>
    </message>
    <message>
        <source>设备%1 %2</source>
        <comment>DeviceSwitches</comment>
        <translation>device %1 %2</translation>
    </message>
    <message>
        <source>设备%1探头%2 %3</source>
        <comment>ProbeSwitches</comment>
        <translation>device %1 probe %2 %3</translation>
    </message>
    <message>
        <source>设备%1探头%2类型 = %3</source>
        <comment>ProbeType</comment>
        <translation>device %1 probe %2 type = %3</translation>
    </message>
    <message>
        <source>开关量</source>
        <comment>SwitchInput</comment>
        <translation>switch input</translation>
    </message>
    <message>
        <source>设备%1探头%2告警%3 = %4</source>
        <comment>AlarmLimit</comment>
        <translation>device %1 probe %2 alarm %3 = %4</translation>
    </message>
    <message>
        <source>上限</source>
        <comment>UpperLimit</comment>
        <translation>upper limit</translation>
    </message>
    <message>
        <source>下限</source>
        <comment>LowerLimit</comment>
        <translation>lower limit</translation>
    </message>
    <message>
        <source>高电平</source>
        <comment>HighLevel</comment>
        <translation>high level</translation>
    </message>
    <message>
        <source>低电平</source>
        <comment>LowLevel</comment>
        <translation>low level</translation>
    </message>
    <message>
        <source>时间 = %1-%2-%3 %4:%5 %6</source>
        <comment>Clock</comment>
        <translation>clock = %1-%2-%3 %4:%5 %6</translation>
    </message>
    <message>
        <source>星期0x%1</source>
        <comment>WeekdayOutOfRange</comment>
        <translation>weekday 0x%1</translation>
    </message>
    <message>
        <source>不发送短信</source>
        <comment>NoSms</comment>
        <translation>no SMS</translation>
    </message>
    <message>
        <source>短信发给电话 %1</source>
        <comment>SmsToPhones</comment>
        <translation>SMS to phones %1</translation>
    </message>
    <message>
        <source>“%1”（%2）</source>
        <comment>Description</comment>
        <translation>&quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <comment>DescriptionUnicode</comment>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>GBK</source>
        <comment>DescriptionCodePage</comment>
        <translation>GBK</translation>
    </message>
    <message>
        <source>（号码后有多余字节：%1）</source>
        <comment>BytesAfterNumber</comment>
        <translation>(bytes after the number: %1)</translation>
    </message>
    <message>
        <source>星期一</source>
        <comment>Monday</comment>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <comment>Tuesday</comment>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <comment>Wednesday</comment>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <comment>Thursday</comment>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <comment>Friday</comment>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <comment>Saturday</comment>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期天</source>
        <comment>Sunday</comment>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>%1 的应答：%2</source>
        <comment>ReplyOf</comment>
        <translation>reply to %1: %2</translation>
    </message>
    <message>
        <source>接受</source>
        <comment>ReplyAccepted</comment>
        <translation>accepted</translation>
    </message>
    <message>
        <source>拒绝</source>
        <comment>ReplyRefused</comment>
        <translation>refused</translation>
    </message>
    <message>
        <source>状态%1</source>
        <comment>ReplyStatus</comment>
        <translation>status %1</translation>
    </message>
</context>
<context>
    <name>SimProgram</name>
    <message>
        <source>（smscfg-sim --help 有选项的说明）</source>
        <translation>(smscfg-sim --help explains the options)</translation>
    </message>
    <message>
        <source>--delay 后面要跟毫秒数</source>
        <translation>--delay needs a number of milliseconds</translation>
    </message>
    <message>
        <source>--split 后面要跟毫秒数</source>
        <translation>--split needs a number of milliseconds</translation>
    </message>
    <message>
        <source>--baud 后面要跟大于 0 的波特率</source>
        <translation>--baud needs a number of bits per second above 0</translation>
    </message>
    <message>
        <source>--link 后面要跟路径</source>
        <translation>--link needs a path</translation>
    </message>
    <message>
        <source>--device 后面要跟路径</source>
        <translation>--device needs a path</translation>
    </message>
    <message>
        <source>--state 后面要跟文件名</source>
        <translation>--state needs a file name</translation>
    </message>
    <message>
        <source>--log 后面要跟文件名</source>
        <translation>--log needs a file name</translation>
    </message>
    <message>
        <source>不认识的参数 %1</source>
        <translation>unknown argument %1</translation>
    </message>
    <message>
        <source>--link 和 --device 不能一起用</source>
        <translation>--link and --device do not go together</translation>
    </message>
    <message>
        <source>%1 读不出控制器的状态，原样保留：%2</source>
        <translation>%1 cannot be read as a controller&apos;s state, and is left as it is: %2</translation>
    </message>
    <message>
        <source>无法建立伪终端</source>
        <translation>cannot create a pseudo-terminal</translation>
    </message>
    <message>
        <source>无法设置 %1</source>
        <translation>cannot set up %1</translation>
    </message>
    <message>
        <source>无法打开 %1</source>
        <translation>cannot open %1</translation>
    </message>
    <message>
        <source>无法把 %1 设成 9600 8N1</source>
        <translation>cannot set %1 to 9600 8N1</translation>
    </message>
    <message>
        <source>线路已关闭</source>
        <translation>the line was closed</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>read failed</translation>
    </message>
    <message>
        <source>（日志写不出去，丢掉了%1行）
</source>
        <translation>(the log could not be written: %1 lines dropped)
</translation>
    </message>
    <message>
        <source>（不回答）</source>
        <translation>(silent)</translation>
    </message>
    <message>
        <source>无法写入状态文件 %1：%2</source>
        <translation>cannot write the state file %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON（第 %2 字节：%1）</source>
        <translation>not JSON (%1 at byte %2)</translation>
    </message>
    <message>
        <source>不是 JSON 对象</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>它已存在，而且不是链接</source>
        <translation>it exists and is not a link</translation>
    </message>
    <message>
        <source>它是指向 %1 的链接，指向的不是伪终端</source>
        <translation>it is a link to %1, not to a pseudo-terminal</translation>
    </message>
    <message>
        <source>不建立链接 %1：%2</source>
        <translation>will not make the link %1: %2</translation>
    </message>
    <message>
        <source>它一直在变</source>
        <translation>it keeps changing</translation>
    </message>
    <message>
        <source>smscfg-sim：串口上的虚拟短信报警控制器。

用法：smscfg-sim [--link 路径 | --device 路径] [--state 文件] [--log 文件]
                 [--baud N] [--lang zh|en] [故障选项]
      smscfg-sim --help | --version

默认建立一对伪终端，把设置工具要打开的路径作为标准输出的唯一一行打印出来；
请求记录写到标准错误。它一直运行，直到收到 SIGINT、SIGTERM 或 SIGHUP。
在 bash 里，打开窗口连到它、窗口关闭时停止它：

  read -r port &lt; &lt;(smscfg-sim); smscfg &quot;$port&quot;; kill $!

或者从脚本发送请求，记录写到文件里：

  read -r port &lt; &lt;(smscfg-sim --log sim.log); smscfg-cli --port &quot;$port&quot; init; kill $!

（不要用 smscfg &quot;$(smscfg-sim | head -1)&quot;：shell 要等整条管道结束，
而模拟器不会结束。）

  --link 路径    另外建立指向工具那一端的符号链接 路径，在打印串口那一行之前
                 就建好，退出时如果它仍指向那里就删除。只建在没有东西的地方，
                 或者替换失效的链接；路径上有别的东西（包括指向仍打开着的
                 终端的链接）就拒绝。
  --device 路径  改为在已有的串口设备上服务，9600 8N1
  --state 文件   把控制器的状态以 JSON 保存在文件里：启动时文件存在就读入，
                 每个被接受的请求之后写入（先写临时文件
                 文件.smscfg-sim-XXXXXX，再改名；被杀掉的模拟器留下的临时
                 文件在启动时删除）。模拟器运行时锁住该文件；另一个模拟器
                 正在用的、不是状态的或写不进去的文件会被拒绝，原样保留
  --log 文件     把请求记录追加到文件，而不是标准错误：普通文件、终端或
                 管道；不跟随符号链接
  --baud N       按 N 波特的线路接收每个请求、发送每个应答所需的时间来做
                 （每字节 10 位：9600 时 1.04 毫秒）；超出 4096 字节缓冲区
                 的字节被丢掉并计数
  --lang zh|en   说中文或英文（默认看区域设置：LC_ALL、LC_MESSAGES、LANG）

故障选项：
  --refuse       对每个请求都回答 09（拒绝）
  --silent       从不回答
  --delay 毫秒   晚这么多毫秒再回答
  --stray        每个应答前先发一个多余的字节（EE）
  --split 毫秒   把每个应答分两段发送，中间隔这么多毫秒
  --short        每个应答只发前五个字节

应答是 7E FE 08 00 命令码 状态 校验和 16，状态 06 表示接受，09 表示拒绝。
每个请求记一行：时间、帧、含义、应答。没人读的记录不会拖住模拟器：
写不出去的行被丢掉，等能写的时候再记下丢了多少行。

</source>
        <translation>smscfg-sim: a virtual SMS alarm controller on a serial line.

usage: smscfg-sim [--link PATH | --device PATH] [--state FILE] [--log FILE]
                  [--baud N] [--lang zh|en] [fault options]
       smscfg-sim --help | --version

By default it creates a pseudo-terminal pair and prints the path the tool
should open as the only line on stdout; the request log goes to stderr.
It serves until SIGINT, SIGTERM or SIGHUP. In bash, to open the window on
it and stop it when the window closes:

  read -r port &lt; &lt;(smscfg-sim); smscfg &quot;$port&quot;; kill $!

or to send requests from a script, with the log in a file:

  read -r port &lt; &lt;(smscfg-sim --log sim.log); smscfg-cli --port &quot;$port&quot; init; kill $!

(Not smscfg &quot;$(smscfg-sim | head -1)&quot;: the shell waits for the whole pipeline
to end, and the simulator does not end.)

  --link PATH    also make a symbolic link PATH to that side, in place before
                 the port line is printed, removed on exit if it still points
                 there. Only made where nothing is, or in place of a dangling
                 link; anything else at PATH (a link to a terminal that is
                 still open included) is refused.
  --device PATH  serve on an existing serial device instead, 9600 8N1
  --state FILE   keep the controller&apos;s state in FILE as JSON: loaded at start
                 when FILE exists, written after every accepted request
                 (a temporary file FILE.smscfg-sim-XXXXXX, then a rename;
                 ones left by a killed simulator are removed at start).
                 FILE is locked while the simulator runs; one that another
                 simulator holds, that is not a state, or that cannot be
                 written is refused and left as it is
  --log FILE     append the request log to FILE instead of stderr: a regular
                 file, a terminal or a pipe; a symbolic link is not followed
  --baud N       take as long as a line at N baud to receive each request and
                 to send each reply (10 bits a byte: 1.04 ms at 9600); bytes
                 beyond a 4096-byte buffer are dropped and counted
  --lang zh|en   speak Chinese or English (by default the locale&apos;s:
                 LC_ALL, LC_MESSAGES, LANG)

Fault modes:
  --refuse       answer 09 (refused) to every request
  --silent       never answer
  --delay MS     answer MS milliseconds late
  --stray        put one stray byte (EE) before each reply
  --split MS     send each reply in two parts, MS milliseconds apart
  --short        send only the first five bytes of each reply

Replies are 7E FE 08 00 CODE STATUS CS 16, STATUS 06 accepted or 09 refused.
Each request is logged in one line: time, frame, meaning, reply. A log that
nobody reads never holds the simulator up: lines that cannot be written are
dropped, and how many is logged when they can be again.

</translation>
    </message>
    <message>
        <source>不往 %1 写记录：%2</source>
        <translation>will not write the log to %1: %2</translation>
    </message>
    <message>
        <source>它不是普通文件、终端或管道</source>
        <translation>it is not a regular file, a terminal or a pipe</translation>
    </message>
    <message>
        <source>它是符号链接，不跟随</source>
        <translation>it is a symbolic link, which is not followed</translation>
    </message>
    <message>
        <source>它是没有人读的 FIFO</source>
        <translation>it is a FIFO that nobody reads</translation>
    </message>
    <message>
        <source>（收到的字节比 %1 波特的线路快，丢掉了%2字节）</source>
        <translation>(bytes came faster than a %1-baud line; %2 bytes dropped)</translation>
    </message>
    <message>
        <source>%1 写不进去（%2）：什么也保存不了的控制器不能回答 06</source>
        <translation>%1 cannot be written (%2), and a controller that keeps nothing must not answer 06</translation>
    </message>
    <message>
        <source>%1 是另一个仍在运行的 smscfg-sim 的状态</source>
        <translation>%1 is the state of another smscfg-sim that is still running</translation>
    </message>
    <message>
        <source>%1 一直在变</source>
        <translation>%1 keeps changing</translation>
    </message>
    <message>
        <source>它指向 %1，一个别的程序（模拟器、串口桥或终端）打开着的伪终端</source>
        <translation>it leads to %1, a pseudo-terminal that another program (a simulator, a bridge, a terminal) has open</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>WindowProgram</name>
    <message>
        <source>smscfg：这个窗口需要图形界面（桌面会话），这里没有显示器（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）。
没有图形界面时，请用命令行工具 smscfg-cli 设置控制器（smscfg-cli --help 有说明）。
</source>
        <translation>smscfg: this window needs a graphical desktop session, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set).
Without one, set up the controller with the command-line tool smscfg-cli (see smscfg-cli --help).
</translation>
    </message>
    <message>
        <source>smscfg: 参数不对：%1
用法：smscfg [--lang zh|en] [串口]（smscfg --help 有说明）
</source>
        <translation>smscfg: wrong arguments: %1
Usage: smscfg [--lang zh|en] [PORT] (see smscfg --help)
</translation>
    </message>
    <message>
        <source>用法：smscfg [--lang zh|en] [串口]
      smscfg --help | --version

打开短信报警控制器设置窗口，并打开串口（9600,n,8,1）。
串口：数字 N 表示第 N 个串口（Linux 上是 /dev/ttyS&lt;N-1&gt;，Windows 上是 COMN）；
以 / 开头的是设备路径，如 /dev/ttyUSB0。不给串口时打开上次成功打开的串口；
第一次启动时，系统正好有一个 USB 串口适配器就打开它，否则打开串口 1。
上次的串口记在 ~/.config/smscfg/smscfg.conf（只记数字和串口设备，不记伪终端）。

窗口需要图形界面（桌面会话）；没有图形界面时请用 smscfg-cli。

语言：--lang，否则上次在“查看 → 语言”里选的，否则系统的区域设置（中文或英文）。

命令行工具：smscfg-cli --help；虚拟控制器：smscfg-sim --help。
</source>
        <translation>Usage: smscfg [--lang zh|en] [PORT]
       smscfg --help | --version

Opens the SMS alarm controller setup window and the serial port (9600,n,8,1).
PORT: a number N is the Nth serial port (/dev/ttyS&lt;N-1&gt; on Linux, COMN on Windows);
a text starting with / is a device path, such as /dev/ttyUSB0. Without PORT the port
that last opened is opened; on a first start, the system&apos;s USB serial adapter when it
has exactly one, else port 1. The last port is kept in ~/.config/smscfg/smscfg.conf (numbers and serial devices
only, never a pseudo-terminal).

The window needs a graphical desktop session; without one, use smscfg-cli.

Language: --lang, else the one last chosen in View → Language, else the system&apos;s locale (Chinese or English).

Command line: smscfg-cli --help; virtual controller: smscfg-sim --help.
</translation>
    </message>
    <message>
        <source>smscfg: 不读也不写设置文件 %1：%2
</source>
        <translation>smscfg: the settings file %1 is neither read nor written: %2
</translation>
    </message>
</context>
<context>
    <name>smscfg::LogPane</name>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存通信记录</source>
        <translation>Save communication log</translation>
    </message>
    <message>
        <source>通信记录.txt</source>
        <translation>communication-log.txt</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>无法保存通信记录：%1</source>
        <translation>Cannot save the communication log: %1</translation>
    </message>
    <message>
        <source>（较早的 %1 行已不再保留，这里是最近的 %2 行）</source>
        <translation>(%1 earlier lines are no longer kept; these are the last %2)</translation>
    </message>
</context>
<context>
    <name>smscfg::MainWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>应用配置文件(&amp;O)…</source>
        <translation>Apply &amp;Profile…</translation>
    </message>
    <message>
        <source>保存为配置文件(&amp;S)…</source>
        <translation>&amp;Save as Profile…</translation>
    </message>
    <message>
        <source>清空记录(&amp;C)</source>
        <translation>&amp;Clear Record</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>通信记录(&amp;L)</source>
        <translation>Communication &amp;Log</translation>
    </message>
    <message>
        <source>成功时弹出提示(&amp;P)</source>
        <translation>Message Box on &amp;Success</translation>
    </message>
    <message>
        <source>语言(&amp;G)</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>填入电脑时间(&amp;T)</source>
        <translation>Fill in PC &amp;Time</translation>
    </message>
    <message>
        <source>刷新串口列表(&amp;R)</source>
        <translation>&amp;Refresh Port List</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>等待应答…</source>
        <translation>Waiting for the reply…</translation>
    </message>
    <message>
        <source>收到无法识别的数据（见通信记录）</source>
        <translation>Received data that cannot be recognised (see the communication log)</translation>
    </message>
    <message>
        <source>收到迟到的应答，未采用（见通信记录）</source>
        <translation>Received a late reply, not taken (see the communication log)</translation>
    </message>
    <message>
        <source>收到不是在等的请求的应答（见通信记录）</source>
        <translation>Received a reply to a request not awaited (see the communication log)</translation>
    </message>
    <message>
        <source>串口连接已断开</source>
        <translation>Serial connection lost</translation>
    </message>
    <message>
        <source>%1 %2
Qt %3
串口：%4</source>
        <translation>%1 %2
Qt %3
Port: %4</translation>
    </message>
    <message>
        <source>%1 通信记录</source>
        <translation>%1 communication log</translation>
    </message>
    <message>
        <source>保存时间：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>程序版本：smscfg %1（Qt %2）</source>
        <translation>Program version: smscfg %1 (Qt %2)</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>未打开</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>串口 %1（%2）</source>
        <translation>Port %1 (%2)</translation>
    </message>
</context>
<context>
    <name>smscfg::ProfileSession</name>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>还没有设置成功的请求可以保存</source>
        <translation>No accepted request to save yet</translation>
    </message>
    <message>
        <source>保存为配置文件</source>
        <translation>Save as profile</translation>
    </message>
    <message>
        <source>配置.json</source>
        <translation>profile.json</translation>
    </message>
    <message>
        <source>无法保存配置文件：%1</source>
        <translation>Cannot save the profile: %1</translation>
    </message>
    <message>
        <source>已保存配置文件：%1（%2 步）</source>
        <translation>Profile saved: %1 (%2 steps)</translation>
    </message>
    <message>
        <source>应用配置文件</source>
        <translation>Apply profile</translation>
    </message>
    <message>
        <source>无法读取配置文件：%1</source>
        <translation>Cannot read the profile: %1</translation>
    </message>
    <message>
        <source>配置文件里没有步骤</source>
        <translation>The profile has no steps</translation>
    </message>
    <message>
        <source>出错后继续</source>
        <translation>Continue after an error</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>第%1步，共%2步：%3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
        <source>步骤</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>请求</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>已取消，未发送</source>
        <translation>Cancelled, not sent</translation>
    </message>
    <message>
        <source>未发送</source>
        <translation>Not sent</translation>
    </message>
    <message>
        <source>应用配置文件的结果</source>
        <translation>Results of applying the profile</translation>
    </message>
    <message>
        <source>共 %1 步：成功 %2，未成功 %3，未发送 %4</source>
        <translation>%1 steps: %2 accepted, %3 not accepted, %4 not sent</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>保存为 CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>重试未成功的步骤</source>
        <translation>Retry the steps that failed</translation>
    </message>
    <message>
        <source>保存结果</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>结果.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>无法保存结果：%1</source>
        <translation>Cannot save the results: %1</translation>
    </message>
    <message>
        <source>%1 %2 步</source>
        <translation>%1: %2 steps</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>把配置文件“%1”的 %2 步发送到控制器：
%3</source>
        <translation>Send the %2 steps of the profile “%1” to the controller:
%3</translation>
    </message>
</context>
<context>
    <name>smscfg::StepsQuestionDialog</name>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>用法：%1 [选项]
Horolux，一款桌面秒表和倒计时器。每个窗口都有一个秒表、一个可以
驱动秒表的倒计时，以及一个设置计算机时钟的输入框；“再开一个？”
会再打开一个窗口。

选项：
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>请尝试“%1 --help”以获取更多信息。
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>  --no-restore   Start with one idle window; keep the recorded timings
                 for a later start.
  --new-window [--id TEXT]
                 Open a new idle window, its I.D. box holding TEXT.
  --stopwatch [--id TEXT]
                 Open a new window with its stopwatch started.
  --countdown MINUTES [--id TEXT] [--validate]
                 Open a new window with a countdown of MINUTES started
                 (above 0, at most 1440, decimals after a point: 0.5);
                 --validate ticks &quot;Validate Countdown&quot;.
  --press ID     Press the stopwatch&apos;s button (Start, Stop, H:MM:SS or
                 Reset) of the window whose I.D. box holds ID.
  --capture ID   Capture the running time in the window ID.
  --stop-countdown ID
                 Stop the countdown of the window ID.
  --list [--json]
                 List the windows of every Horolux that are timing or
                 show a result, one a line, or as JSON.
</source>
        <translation>  --no-restore   以一个空闲窗口启动；已记录的计时保留到以后启动时。
  --new-window [--id 文本]
                 打开一个新的空闲窗口，其 ID 框中为“文本”。
  --stopwatch [--id 文本]
                 打开一个新窗口并启动其秒表。
  --countdown 分钟数 [--id 文本] [--validate]
                 打开一个新窗口并启动指定分钟数的倒计时（大于 0，
                 最多 1440，小数用小数点：0.5）；--validate 勾选
                 “校验倒计时”。
  --press ID     在 ID 框内容为 ID 的窗口中按下秒表按钮（开始、停止、
                 H:MM:SS 或复位）。
  --capture ID   在窗口 ID 中记录正在走的时间。
  --stop-countdown ID
                 停止窗口 ID 的倒计时。
  --list [--json]
                 列出所有 Horolux 中正在计时或显示结果的窗口，每行
                 一个，或以 JSON 输出。
</translation>
    </message>
    <message>
        <source>
The options from --new-window to --stop-countdown go to the Horolux
running in this session, which carries them out at once; where none
runs, this one starts and opens the new window.

Running timings are recorded in $XDG_STATE_HOME/horolux (by default
~/.local/state/horolux) and come back at the next start; delete the
files there while Horolux is not running to discard them. A record
that cannot be read is set aside there; at most the newest 10
set-aside records are kept.

Qt&apos;s own options work as in every Qt program, among them
-platform NAME, -display DISPLAY, -style STYLE and -reverse.
See horolux(1).
</source>
        <translation>
从 --new-window 到 --stop-countdown 的选项会发送给本会话中正在运行的
Horolux，由它立即执行；若没有正在运行的，则由本程序启动并打开新窗口。

正在进行的计时记录在 $XDG_STATE_HOME/horolux（默认为
~/.local/state/horolux）中，并在下次启动时恢复；要丢弃它们，请在
Horolux 未运行时删除那里的文件。无法读取的记录会被移到一旁，保存在
同一位置；被移到一旁的记录最多保留最新的 10 份。

Qt 自身的选项与任何 Qt 程序一样有效，其中包括
-platform 名称、-display 显示器、-style 样式 和 -reverse。
参见 horolux(1)。
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1：没有可打开窗口的显示器（DISPLAY 和 WAYLAND_DISPLAY 均未设置）；请在桌面会话中运行，或使用 -platform offscreen，或在 xvfb-run 下运行。
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>“--%1”给出了不止一次。</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>--new-window、--stopwatch、--countdown、--press、--capture、--stop-countdown 和 --list 一次只能给出一个。</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id 需与 --new-window、--stopwatch 或 --countdown 一起使用。</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate 需与 --countdown 一起使用。</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json 需与 --list 一起使用。</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore 只能用于会打开窗口的启动。</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1：无法打开显示器 %2；请在桌面会话中运行，或使用 -platform offscreen，或在 xvfb-run 下运行。
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux 正在它的一个窗口中等待回答：请先回答，然后再试一次。</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>没有 ID 为“%1”的 Horolux 窗口。</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>有 %1 个窗口的 ID 为“%2”：请给其中一个换一个 ID。</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>窗口“%1”的秒表没有在走：没有可记录的时间。</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>窗口“%1”中没有正在进行的倒计时。</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>此会话中没有运行 Horolux，因此没有 ID 为“%1”的窗口。</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>倒计时剩余 %1，于 %2 结束</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>倒计时 %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>秒表 %1，运行中</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>秒表 %1，已停止</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>（无 ID）</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> （Horolux 未运行：下次启动时恢复）</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>没有倒计时长度：请给出分钟数，例如 5 或 0.5。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>“%1”使用了小数逗号：请用小数点书写分钟数，例如 1.5。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>“%1”不是分钟数（例如 5 或 0.5）。</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 分钟超过了倒计时的上限：最多 1440 分钟（24 小时）。</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 分钟：倒计时的长度必须大于 0 分钟。</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID 超过了 ID 框可容纳的 %1 个字符。</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID 含有控制字符，例如换行符。</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>没有 ID：请用窗口 ID 框中的文字指定窗口。</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>正在运行的 Horolux 没有回应（%1）。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后有意外的值。</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>圈</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>单圈时间</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>累计时间</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (合计)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>第 %1 圈：单圈时间 %2，累计时间 %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(最快)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(最慢)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>计圈</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>计圈 - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>重新启动后，第 1..%1 圈只恢复合计。</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>保存计圈</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>无法将计圈保存到 %1：%2。数据仍在这里；请选择其他位置。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>负数？！</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>拜托！！</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>最多 24 小时（1440 分钟）。</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>时钟未被更改。
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>时间服务拒绝了：%1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>系统拒绝了：%1。</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>今天不存在这个时间：时钟会向前跳过它。</translation>
    </message>
    <message>
        <source>Stopwatch and countdown accuracy is basically a function of your machine&apos;s internal clock. The code was written to work as closely as possible with the internal clock. The stopwatch appears to be somewhat precise on the author&apos;s machine, whereas, the countdown portion of the application is a bit off (usually by not more than a second.....or less).<byte value="xd"/>
<byte value="xd"/>
You can set your computer&apos;s clock from the application by entering the time in a format such as 13:09 , 1:09 PM or 1:09. If you make an improper entry a message box will appear......try again.<byte value="xd"/>
<byte value="xd"/>
You can validate the countdown timer by selecting Validate Countdown. The stopwatch starts and stops automatically with the countdown timer.<byte value="xd"/>
<byte value="xd"/>
If the machine&apos;s clock reaches midnight during a timing operation the results will be wrong!<byte value="xd"/>
<byte value="xd"/>
FYI...there are 86400 seconds in a 24 hour period. The internal clock starts counting these seconds at midnight.</source>
        <translation>秒表和倒计时的准确度基本上取决于您计算机的内部时钟。程序尽可能紧密地配合内部时钟工作。在作者的计算机上秒表似乎相当精确，而倒计时部分略有偏差（通常不超过一秒.....或更少）。

您可以在程序中设置计算机的时钟，只需以 13:09 、1:09 PM 或 1:09 这样的格式输入时间。如果输入有误，会出现一个消息框......请重试。

选择“校验倒计时”可以校验倒计时器。秒表会随倒计时器自动开始和停止。

如果计时过程中计算机时钟走到午夜，结果将会出错！

顺便说一下...24 小时共有 86400 秒。内部时钟从午夜开始计算这些秒数。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>您要退出吗？</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>正在计时！！</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>正在计时！

如果现在更改时钟.....
您的结果将会出错！！</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>嘿！！</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>滴答滴答！！</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>输入无效！！</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>自动时间同步已开启；请先在系统设置中将其关闭。</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>您无权设置时钟，或者授权被拒绝。</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>授权已取消。</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>设置时钟需要授权，但无法请求授权。</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>时间服务未及时回应。</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>您没有设置计算机时钟的权限。</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>系统不接受该时间。</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>系统的时间服务不可用。</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>系统拒绝设置时钟。</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>此系统不支持设置计算机时钟。</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>倒计时结束</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1：倒计时结束</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>倒计时已结束。</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>倒计时于 %1 结束</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1：倒计时于 %2 结束</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>秒表未恢复：它的开始时间在未来。计算机的时钟是否被调回过？</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>秒表未恢复：它已运行超过 32767 小时，超出了它能换算的范围。</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>秒表未恢复：它的结果不是它能换算的时间。</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>倒计时未恢复：它的结束时间在 24 小时以后。计算机的时钟是否被调回过？</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>倒计时未恢复：它在十多年前就已结束。</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>计时未恢复</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1：计时未恢复</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>一份无法读取的计时记录已被移到一旁，保存为 %1：%2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>一份无法读取的计时记录保持原样，%1：%2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>无法将计时写入 %1（%2）。Horolux 会继续尝试；在成功之前，程序退出后这些计时将会丢失。</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>无法在 %1 中保存计时（%2）。Horolux 会继续尝试；在成功之前，程序退出后这些计时将会丢失。</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>无法在 %1 中保存计时（%2）：Horolux 将在不保存计时的情况下运行。</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>一份计时记录无法读取</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>计时尚未保存</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>计时未被保存</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>部分计圈未能恢复：其记录已损坏。</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>再来一次</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>窗口 %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1：剩余 %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>计圈</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>时.....分...秒</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>秒表：%1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>同时运行多个计时器时，用于识别此计时器。</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>再开一个？</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>要设置的时间</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>设置时钟</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>是......设置您计算机的时钟！！</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>校验倒计时</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>停止倒计时</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>倒计时分钟数</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>倒计时显示</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>记录时间显示</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>秒表显示</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>时..分...秒</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>开始、停止、H:MM:SS、复位</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>开始倒计时</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>停止倒计时</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>倒计时分钟数（手动输入）</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>将运行中的时间记为一圈；F9 显示计圈</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>使い方: %1 [オプション]
Horolux はデスクトップ用のストップウォッチ兼カウントダウンタイマーです。
各ウィンドウには、ストップウォッチ、それを動かせるカウントダウン、
コンピューターの時計を合わせる欄があります。「別のタイマー?」で
もう一つ開きます。

オプション:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>詳しくは「%1 --help」を実行してください。
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
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
        <translation>  --no-restore   待機中のウィンドウ一つで起動します。記録された計測は
                 次回の起動まで保持されます。
  --new-window [--id TEXT]
                 ID 欄に TEXT を入れた待機中のウィンドウを新しく開きます。
  --stopwatch [--id TEXT]
                 ストップウォッチを開始した新しいウィンドウを開きます。
  --countdown MINUTES [--id TEXT] [--validate]
                 MINUTES 分のカウントダウンを開始した新しいウィンドウを
                 開きます (0 より大きく最大 1440、小数は点の後: 0.5)。
                 --validate で「タイマーを検証」にチェックを入れます。
  --press ID     ID 欄が ID のウィンドウで、ストップウォッチのボタン
                 (開始、停止、H:MM:SS、リセット) を押します。
  --capture ID   ウィンドウ ID で経過時間を記録します。
  --stop-countdown ID
                 ウィンドウ ID のカウントダウンを止めます。
  --list [--json]
                 計測中または結果を表示中の、すべての Horolux の
                 ウィンドウを 1 行に一つずつ、または JSON で一覧します。
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
--new-window から --stop-countdown までのオプションは、このセッションで
実行中の Horolux に送られ、すぐに実行されます。実行中のものがなければ、
この Horolux が起動して新しいウィンドウを開きます。

進行中の計測は $XDG_STATE_HOME/horolux (既定では
~/.local/state/horolux) に記録され、次回の起動時に戻ります。破棄するには
Horolux が動いていないときにそこのファイルを削除してください。読めない
記録はそこに退避されます。退避された記録は新しいものから最大 10 個まで
保持されます。

Qt 独自のオプションはどの Qt プログラムとも同じように使えます。たとえば
-platform NAME、-display DISPLAY、-style STYLE、-reverse です。
horolux(1) を参照してください。
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: ウィンドウを開くディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。デスクトップセッションで、-platform offscreen を付けて、または xvfb-run の下で実行してください。
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>「--%1」が 2 回以上指定されています。</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>--new-window、--stopwatch、--countdown、--press、--capture、--stop-countdown、--list は一度に一つだけ指定してください。</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id は --new-window、--stopwatch、--countdown と一緒に使います。</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate は --countdown と一緒に使います。</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json は --list と一緒に使います。</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore はウィンドウを開く起動でのみ使えます。</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: ディスプレイ %2 を開けません。デスクトップセッションで、-platform offscreen を付けて、または xvfb-run の下で実行してください。
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux はウィンドウの一つで応答を待っています。応答してから、もう一度試してください。</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>ID が「%1」の Horolux のウィンドウはありません。</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>ID が「%2」のウィンドウが %1 個あります。どれか一つに別の ID を付けてください。</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>ウィンドウ「%1」のストップウォッチは動いていません。記録するものはありません。</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>ウィンドウ「%1」で動いているカウントダウンはありません。</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>このセッションで Horolux は実行されていないため、ID が「%1」のウィンドウはありません。</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>カウントダウン 残り %1、%2 に終了</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>カウントダウン %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>ストップウォッチ %1、計測中</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>ストップウォッチ %1、停止</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(ID なし)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux は実行されていません: 次回の起動時に戻ります)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>カウントダウンの長さがありません。5 や 0.5 のように分数を指定してください。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>「%1」には小数点にコンマが使われています。分数は 1.5 のように点で書いてください。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>「%1」は分数ではありません (5 や 0.5 など)。</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 分はカウントダウンの上限を超えています。最大 1440 分 (24 時間) です。</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 分: カウントダウンには 0 分より長い時間が必要です。</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID が ID 欄に入る %1 文字より長すぎます。</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID に改行などの制御文字が含まれています。</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>ID がありません。ウィンドウは ID 欄の文字列で指定してください。</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>実行中の Horolux が応答しませんでした (%1)。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプションです: %1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」の後に予期しない値があります。</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>ラップ</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>ラップタイム</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>スプリット</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (合計)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>ラップ %1: ラップタイム %2、スプリット %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(最速)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(最遅)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>ラップ一覧</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>ラップ一覧 - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>再起動後、ラップ 1..%1 は合計だけが戻ります。</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>ラップを保存</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>ラップを %1 に保存できませんでした: %2。ラップは残っています。別の場所を選んでください。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>負の数?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>ちょっと!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>最大は 24 時間 (1440 分) です。</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>時計は変更されませんでした。
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>時刻サービスが拒否しました: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>システムが拒否しました: %1。</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>その時刻は今日は存在しません: 時計がその時刻を飛ばして進みます。</translation>
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
        <translation>ストップウォッチとカウントダウンの精度は、基本的にコンピューターの内部時計しだいです。このプログラムは内部時計とできるだけ密接に動くように書かれています。作者のマシンではストップウォッチはかなり正確なようですが、カウントダウンは少しずれます (たいてい 1 秒以内.....またはそれ以下)。

13:09 、1:09 PM、1:09 のような形式で時刻を入力すると、このアプリケーションからコンピューターの時計を合わせられます。入力が正しくないとメッセージが表示されます......もう一度試してください。

「タイマーを検証」を選ぶと、カウントダウンタイマーを検証できます。ストップウォッチはカウントダウンタイマーと一緒に自動で開始・停止します。

計測中にマシンの時計が午前 0 時を迎えると、結果は正しくなくなります!

ご参考まで...24 時間は 86400 秒です。内部時計は午前 0 時からこの秒数を数え始めます。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>終了しますか?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>計測中です !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>計測中です!

いま時計を変更すると.....
結果が正しくなくなります!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>ちょっと!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>チクタク!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>入力が正しくありません!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>時刻の自動同期がオンになっています。先にシステム設定でオフにしてください。</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>時計を合わせる権限がないか、認証が拒否されました。</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>認証が取り消されました。</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>時計を合わせるには認証が必要ですが、認証を求めることができませんでした。</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>時刻サービスが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>コンピューターの時計を合わせる権限がありません。</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>システムはその時刻を受け付けません。</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>システムの時刻サービスを利用できません。</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>システムが時計の設定を拒否しました。</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>このシステムではコンピューターの時計を合わせられません。</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>カウントダウン終了</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: カウントダウン終了</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>カウントダウンが終了しました。</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>%1 にカウントダウン終了</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: %2 にカウントダウン終了</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>ストップウォッチは復元されませんでした: 開始時刻が未来にあります。コンピューターの時計が戻されましたか?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>ストップウォッチは復元されませんでした: 32767 時間を超えて動いており、変換できる範囲を超えています。</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>ストップウォッチは復元されませんでした: 結果が変換できる時間ではありません。</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>カウントダウンは復元されませんでした: 終了が 24 時間以上先にあります。コンピューターの時計が戻されましたか?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>カウントダウンは復元されませんでした: 10 年以上前に終了しています。</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>計測は復元されませんでした</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: 計測は復元されませんでした</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>読めない計測の記録を %1 として退避しました: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>読めない計測の記録をそのまま残しました、%1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>計測を %1 に書き込めません (%2)。Horolux は試行を続けます。成功するまでは、プログラムを終了すると計測は失われます。</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>計測を %1 に保持できません (%2)。Horolux は試行を続けます。成功するまでは、プログラムを終了すると計測は失われます。</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>計測を %1 に保持できません (%2): Horolux は計測を保持せずに動作します。</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>計測の記録を読めませんでした</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>計測はまだ保存されていません</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>計測は保持されていません</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>一部のラップを復元できませんでした: 記録が壊れていました。</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>もう一度</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>ウィンドウ %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: 残り %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>ストップウォッチ</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>ラップ一覧</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>終了</translation>
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
        <translation>記録</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>時.....分...秒</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>計測</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>ストップウォッチ: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>複数のタイマーを使うとき、このタイマーを識別します。</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>識別名</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>別のタイマー?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>設定する時刻</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>時計を合わせる</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>はい......コンピューターの時計を合わせます!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>タイマーを検証</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>カウントダウンを停止</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>カウントダウンの分数</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>カウントダウン表示</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>記録時間の表示</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>ストップウォッチ表示</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>時..分...秒</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>開始、停止、H:MM:SS、リセット</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>カウントダウンを開始</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>カウントダウンを停止</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>カウントダウンの分数 (入力)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>計測中の時間をラップとして記録。F9 でラップ一覧を表示</translation>
    </message>
</context>
</TS>

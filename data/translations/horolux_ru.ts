<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Использование: %1 [параметры]
Horolux — секундомер и таймер обратного отсчёта для рабочего стола.
В каждом окне есть секундомер, таймер, который может им управлять, и
поле для установки часов компьютера; «Ещё таймер?» открывает ещё одно.

Параметры:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Подробнее: «%1 --help».
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
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
        <translation>  --no-restore   Запуститься с одним пустым окном; записанные замеры
                 сохраняются до следующего запуска.
  --new-window [--id ТЕКСТ]
                 Открыть новое пустое окно с ТЕКСТОМ в поле ID.
  --stopwatch [--id ТЕКСТ]
                 Открыть новое окно с запущенным секундомером.
  --countdown МИНУТЫ [--id ТЕКСТ] [--validate]
                 Открыть новое окно с запущенным отсчётом на МИНУТЫ
                 (больше 0, не более 1440, дробная часть через точку:
                 0.5); --validate ставит флажок «Проверить таймер».
  --press ID     Нажать кнопку секундомера (Старт, Стоп, H:MM:SS или
                 Сброс) в окне, в поле ID которого записано ID.
  --capture ID   Зафиксировать текущее время в окне ID.
  --stop-countdown ID
                 Остановить отсчёт в окне ID.
  --list [--json]
                 Перечислить окна всех Horolux, которые ведут замер или
                 показывают результат, по одному в строке, или в JSON.
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
Параметры от --new-window до --stop-countdown передаются Horolux,
запущенному в этом сеансе, и он сразу их выполняет; если такого нет,
запускается этот и открывает новое окно.

Текущие замеры записываются в $XDG_STATE_HOME/horolux (по умолчанию
~/.local/state/horolux) и возвращаются при следующем запуске; чтобы
отбросить их, удалите файлы там, пока Horolux не запущен. Запись,
которую не удаётся прочитать, откладывается там же; хранятся не более
10 последних отложенных записей.

Собственные параметры Qt работают как в любой программе на Qt, среди
них -platform ИМЯ, -display ДИСПЛЕЙ, -style СТИЛЬ и -reverse.
См. horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: нет дисплея, чтобы открыть окно (не задана ни DISPLAY, ни WAYLAND_DISPLAY); запустите программу в графическом сеансе, с -platform offscreen или через xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>«--%1» указан более одного раза.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Укажите только один из параметров --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown и --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id используется с --new-window, --stopwatch или --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate используется с --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json используется с --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore используется только при запуске, открывающем окно.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: не удаётся открыть дисплей %2; запустите программу в графическом сеансе, с -platform offscreen или через xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux ждёт ответа в одном из своих окон: ответьте, затем повторите попытку.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Ни у одного окна Horolux нет ID «%1».</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>Окон с ID «%2»: %1. Дайте одному из них другой ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Секундомер в окне «%1» не запущен: нечего фиксировать.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>В окне «%1» отсчёт не идёт.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>В этом сеансе Horolux не запущен, поэтому ни у одного окна нет ID «%1».</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>отсчёт: осталось %1, закончится в %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>отсчёт %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>секундомер %1, идёт</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>секундомер %1, остановлен</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(без ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux не запущен: вернётся при следующем запуске)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Не задана длительность отсчёта: укажите минуты, например 5 или 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>В «%1» десятичная запятая: запишите минуты с точкой, например 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>«%1» — не число минут (например, 5 или 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 мин — дольше, чем может идти отсчёт: не более 1440 минут (24 часа).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 мин: длительность отсчёта должна быть больше 0 минут.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID длиннее %1 символов, которые вмещает поле ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID содержит управляющий символ, например перевод строки.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Нет ID: укажите окно по тексту в его поле ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Запущенный Horolux не ответил (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Нет значения после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Время круга</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Промежуточное</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (итого)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Круг %1: время круга %2, промежуточное %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(самый быстрый)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(самый медленный)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Круги</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Круги - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>После перезапуска круги 1..%1 возвращаются только итогом.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Сохранить круги</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Не удалось сохранить круги в %1: %2. Они по-прежнему здесь; выберите другое место.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Отрицательное число?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Да ладно!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Максимум — 24 часа (1440 минут).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Часы не изменены.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Служба времени отказала: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Система отказала: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Такого времени сегодня нет: часы переводятся вперёд через него.</translation>
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
        <translation>Точность секундомера и таймера в основном зависит от внутренних часов вашего компьютера. Программа написана так, чтобы работать с внутренними часами как можно теснее. На компьютере автора секундомер кажется довольно точным, а вот таймер немного ошибается (обычно не больше чем на секунду.....или меньше).

Часы компьютера можно установить прямо из программы, введя время в виде 13:09 , 1:09 PM или 1:09. При неверном вводе появится сообщение......попробуйте ещё раз.

Таймер можно проверить, отметив «Проверить таймер». Секундомер тогда запускается и останавливается вместе с таймером автоматически.

Если часы компьютера дойдут до полуночи во время замера, результаты будут неверными!

К сведению...в сутках 86400 секунд. Внутренние часы начинают отсчитывать их в полночь.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Идёт замер !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Идёт замер!

Если сейчас изменить часы.....
результаты будут неверными!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Эй!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Тик-так!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Неверный ввод!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Включена автоматическая синхронизация времени; сначала отключите её в настройках системы.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Вам не разрешено устанавливать часы, или в авторизации отказано.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Авторизация отменена.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Для установки часов нужна авторизация, которую не удалось запросить.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Служба времени не ответила вовремя.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>У вас нет права устанавливать часы компьютера.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Система не принимает это время.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Системная служба времени недоступна.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Система отказалась устанавливать часы.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Установка часов компьютера в этой системе недоступна.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Отсчёт завершён</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: отсчёт завершён</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Обратный отсчёт закончился.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Отсчёт завершён в %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: отсчёт завершён в %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Секундомер не восстановлен: его старт лежит в будущем. Не переводили ли часы компьютера назад?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Секундомер не восстановлен: он шёл дольше 32767 часов — больше, чем он может преобразовать.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Секундомер не восстановлен: его результат — не время, которое он может преобразовать.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Отсчёт не восстановлен: его конец более чем через 24 часа. Не переводили ли часы компьютера назад?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Отсчёт не восстановлен: он закончился более десяти лет назад.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Замер не восстановлен</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: замер не восстановлен</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Запись замеров, которую не удалось прочитать, отложена как %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Запись замеров, которую не удалось прочитать, оставлена как есть, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Не удаётся записать замеры в %1 (%2). Horolux продолжает попытки; пока они не удадутся, замеры не переживут закрытия программы.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Не удаётся хранить замеры в %1 (%2). Horolux продолжает попытки; пока они не удадутся, замеры не переживут закрытия программы.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Не удаётся хранить замеры в %1 (%2): Horolux работает, не сохраняя их.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Не удалось прочитать запись замеров</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Замеры ещё не сохранены</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Замеры не сохраняются</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Некоторые круги не восстановлены: их запись была повреждена.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ещё раз</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Окно %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: осталось %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомер</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Круги</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>КОНЕЦ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Засечь</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Час.....Мин...Сек</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Секундомер: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Назовите этот таймер, когда работает несколько таймеров.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Ещё таймер?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Время для установки</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Да......установите часы компьютера!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Проверить таймер</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Остановить отсчёт</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Минуты отсчёта</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Табло таймера</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Табло засечённого времени</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Табло секундомера</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Час..Мин...Сек</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Старт, стоп, H:MM:SS, сброс</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Запустить отсчёт</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Остановить отсчёт</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Минуты отсчёта, введённые</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Засечь текущее время как круг; F9 показывает круги</translation>
    </message>
</context>
</TS>

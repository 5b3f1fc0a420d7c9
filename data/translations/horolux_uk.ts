<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Використання: %1 [параметри]
Horolux — секундомір і таймер зворотного відліку для стільниці. У
кожному вікні є секундомір, таймер, що може ним керувати, і поле, яке
встановлює годинник комп&apos;ютера; «Ще таймер?» відкриває ще одне.

Параметри:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Докладніше: «%1 --help».
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
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
        <translation>  --no-restore   Запуститися з одним порожнім вікном; записані заміри
                 лишаються до наступного запуску.
  --new-window [--id ТЕКСТ]
                 Відкрити нове порожнє вікно з ТЕКСТОМ у полі ID.
  --stopwatch [--id ТЕКСТ]
                 Відкрити нове вікно із запущеним секундоміром.
  --countdown ХВИЛИНИ [--id ТЕКСТ] [--validate]
                 Відкрити нове вікно із запущеним відліком на ХВИЛИНИ
                 (більше 0, не більше 1440, дробова частина після
                 крапки: 0.5); --validate позначає «Перевірити таймер».
  --press ID     Натиснути кнопку секундоміра (Старт, Стоп, H:MM:SS або
                 Скинути) у вікні, поле ID якого містить ID.
  --capture ID   Зафіксувати поточний час у вікні ID.
  --stop-countdown ID
                 Зупинити відлік у вікні ID.
  --list [--json]
                 Перелічити вікна всіх Horolux, які ведуть замір або
                 показують результат, по одному в рядку, або як JSON.
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
Параметри від --new-window до --stop-countdown передаються Horolux,
запущеному в цьому сеансі, і він одразу їх виконує; якщо такого
немає, запускається цей і відкриває нове вікно.

Поточні заміри записуються в $XDG_STATE_HOME/horolux (типово
~/.local/state/horolux) і повертаються під час наступного запуску;
щоб відкинути їх, видаліть там файли, поки Horolux не запущено. Запис,
який не вдається прочитати, відкладається там само; зберігається не
більше 10 найновіших відкладених записів.

Власні параметри Qt працюють як у будь-якій програмі на Qt, серед них
-platform НАЗВА, -display ДИСПЛЕЙ, -style СТИЛЬ і -reverse.
Див. horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: немає дисплея, щоб відкрити вікно (не задано ні DISPLAY, ні WAYLAND_DISPLAY); запустіть програму в графічному сеансі, з -platform offscreen або через xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>«--%1» вказано більше одного разу.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Вкажіть лише один із параметрів --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown і --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id використовується з --new-window, --stopwatch або --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate використовується з --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json використовується з --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore використовується лише із запуском, що відкриває вікно.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: не вдається відкрити дисплей %2; запустіть програму в графічному сеансі, з -platform offscreen або через xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux чекає на відповідь в одному зі своїх вікон: дайте відповідь, потім спробуйте ще раз.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Жодне вікно Horolux не має ID «%1».</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>Вікон з ID «%2»: %1. Дайте одному з них інший ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Секундомір у вікні «%1» не запущено: нічого фіксувати.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>У вікні «%1» відлік не йде.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>У цьому сеансі Horolux не запущено, тож жодне вікно не має ID «%1».</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>відлік: лишилося %1, закінчиться о %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>відлік %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>секундомір %1, іде</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>секундомір %1, зупинено</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(без ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux не запущено: повернеться під час наступного запуску)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Не задано тривалість відліку: вкажіть хвилини, наприклад 5 або 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>У «%1» десяткова кома: запишіть хвилини з крапкою, наприклад 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>«%1» — не кількість хвилин (наприклад, 5 або 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 хв — довше, ніж може тривати відлік: не більше 1440 хвилин (24 години).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 хв: тривалість відліку має бути більшою за 0 хвилин.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID довший за %1 символів, які вміщує поле ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID містить керівний символ, наприклад розрив рядка.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Немає ID: вкажіть вікно за текстом у його полі ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Запущений Horolux не відповів (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Немає значення після «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочікуване значення після «%1».</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Час кола</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Проміжний</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (разом)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Коло %1: час кола %2, проміжний %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(найшвидше)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(найповільніше)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Кола</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Зберегти...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Кола - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Після перезапуску кола 1..%1 повертаються лише підсумком.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Зберегти кола</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файли CSV (*.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Не вдалося зберегти кола в %1: %2. Вони досі тут; виберіть інше місце.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Від&apos;ємне число?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Та годі!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Максимум — 24 години (1440 хвилин).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Годинник не змінено.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Служба часу відмовила: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Система відмовила: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Такого часу сьогодні немає: годинники переводять уперед через нього.</translation>
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
        <translation>Точність секундоміра й таймера здебільшого залежить від внутрішнього годинника вашого комп&apos;ютера. Програму написано так, щоб вона працювала з внутрішнім годинником якнайтісніше. На комп&apos;ютері автора секундомір здається доволі точним, а от таймер трохи помиляється (зазвичай не більше ніж на секунду.....або менше).

Годинник комп&apos;ютера можна встановити просто з програми, ввівши час у вигляді 13:09 , 1:09 PM або 1:09. Якщо ввести щось неправильно, з&apos;явиться повідомлення......спробуйте ще раз.

Таймер можна перевірити, позначивши «Перевірити таймер». Секундомір тоді сам запускається й зупиняється разом із таймером.

Якщо годинник комп&apos;ютера дійде до опівночі під час заміру, результати будуть хибними!

До відома...у добі 86400 секунд. Внутрішній годинник починає лічити їх опівночі.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Вийти з програми?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Триває замір !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Триває замір!

Якщо зараз змінити годинник.....
результати будуть хибними!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Гей!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Тік-так!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Неправильне значення!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Увімкнено автоматичну синхронізацію часу; спершу вимкніть її в налаштуваннях системи.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Вам не дозволено встановлювати годинник, або в авторизації відмовлено.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Авторизацію скасовано.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Для встановлення годинника потрібна авторизація, яку не вдалося запросити.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Служба часу не відповіла вчасно.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Ви не маєте права встановлювати годинник комп&apos;ютера.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Система не приймає цей час.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Системна служба часу недоступна.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Система відмовилася встановлювати годинник.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Встановлення годинника комп&apos;ютера в цій системі недоступне.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Відлік завершено</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: відлік завершено</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Зворотний відлік закінчився.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Відлік завершено о %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: відлік завершено о %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Секундомір не відновлено: його старт лежить у майбутньому. Чи не переводили годинник комп&apos;ютера назад?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Секундомір не відновлено: він ішов понад 32767 годин — більше, ніж він може перетворити.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Секундомір не відновлено: його результат — не час, який він може перетворити.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Відлік не відновлено: його кінець більш ніж за 24 години попереду. Чи не переводили годинник комп&apos;ютера назад?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Відлік не відновлено: він закінчився понад десять років тому.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Замір не відновлено</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: замір не відновлено</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Запис замірів, який не вдалося прочитати, відкладено як %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Запис замірів, який не вдалося прочитати, залишено як є, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Не вдається записати заміри в %1 (%2). Horolux пробує далі; доки не вдасться, заміри не переживуть закриття програми.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Не вдається зберігати заміри в %1 (%2). Horolux пробує далі; доки не вдасться, заміри не переживуть закриття програми.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Не вдається зберігати заміри в %1 (%2): Horolux працює, не зберігаючи їх.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Не вдалося прочитати запис замірів</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Заміри ще не збережено</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Заміри не зберігаються</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Деякі кола не відновлено: їхній запис пошкоджено.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ще раз</translation>
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
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Вікно %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: лишилося %2</translation>
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
        <translation>Секундомір</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Кола</translation>
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
        <translation>КІНЕЦЬ</translation>
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
        <translation>Засікти</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Год.....Хв...Сек</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомір</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Секундомір: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Назвіть цей таймер, коли працює кілька таймерів.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Ідентифікатор</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Ще таймер?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Час для встановлення</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Так......встановіть годинник комп&apos;ютера!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Перевірити таймер</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Зупинити відлік</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Хвилини відліку</translation>
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
        <translation>Табло засіченого часу</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Табло секундоміра</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Год..Хв...Сек</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Старт, стоп, H:MM:SS, скинути</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Запустити відлік</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Зупинити відлік</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Хвилини відліку, введені</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Засікти поточний час як коло; F9 показує кола</translation>
    </message>
</context>
</TS>

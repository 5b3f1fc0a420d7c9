<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>הצגת עזרה זו ויציאה.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>הצגת הגרסה ויציאה.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>שימוש: %1 [אפשרויות]
Horolux, סטופר עם טיימר לספירה לאחור לשולחן העבודה. בכל חלון יש סטופר,
ספירה לאחור שיכולה להפעיל אותו ותיבה שמכוונת את שעון המחשב; &quot;טיימר
נוסף?&quot; פותח חלון נוסף.

אפשרויות:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>יש לנסות &quot;%1 --help&quot; למידע נוסף.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי &quot;%1&quot;.</translation>
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
        <translation>  --no-restore   הפעלה עם חלון אחד במנוחה; המדידות שנרשמו נשמרות
                 להפעלה מאוחרת יותר.
  --new-window [--id טקסט]
                 פתיחת חלון חדש במנוחה, עם הטקסט בתיבת המזהה.
  --stopwatch [--id טקסט]
                 פתיחת חלון חדש שהסטופר שבו פועל.
  --countdown דקות [--id טקסט] [--validate]
                 פתיחת חלון חדש עם ספירה לאחור של הדקות שניתנו
                 (מעל 0, לכל היותר 1440, שברים אחרי נקודה: 0.5);
                 ‏--validate מסמן את &quot;בדיקת טיימר&quot;.
  --press ID     לחיצה על כפתור הסטופר (התחל, עצור, H:MM:SS או אפס)
                 בחלון שתיבת המזהה שלו מכילה ID.
  --capture ID   רישום הזמן הרץ בחלון ID.
  --stop-countdown ID
                 עצירת הספירה לאחור בחלון ID.
  --list [--json]
                 הצגת החלונות של כל Horolux שמודדים זמן או מציגים
                 תוצאה, אחד בכל שורה, או כ־JSON.
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
האפשרויות מ־‎--new-window עד ‎--stop-countdown נשלחות ל־Horolux שרץ
בהפעלה הזאת, והוא מבצע אותן מיד; אם אף אחד לא רץ, זה מופעל ופותח את
החלון החדש.

מדידות שרצות נרשמות ב־‎$XDG_STATE_HOME/horolux (כברירת מחדל
‎~/.local/state/horolux) וחוזרות בהפעלה הבאה; כדי לוותר עליהן יש למחוק
את הקבצים שם בזמן ש־Horolux לא רץ. רשומה שלא ניתן לקרוא מועברת הצידה
שם; נשמרות לכל היותר 10 הרשומות החדשות ביותר שהועברו הצידה.

האפשרויות של Qt עצמה פועלות כמו בכל תוכנית Qt, ביניהן
‎-platform NAME, ‏‎-display DISPLAY, ‏‎-style STYLE ו־‎-reverse.
ראו horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: אין תצוגה לפתוח בה חלון (לא DISPLAY ולא WAYLAND_DISPLAY מוגדרים); יש להריץ בהפעלת שולחן עבודה, עם ‎-platform offscreen או תחת xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>&quot;--%1&quot; ניתן יותר מפעם אחת.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>יש לתת רק אחת מבין ‎--new-window, ‏‎--stopwatch, ‏‎--countdown, ‏‎--press, ‏‎--capture, ‏‎--stop-countdown ו־‎--list בכל פעם.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>‏--id הולך עם ‎--new-window, ‏‎--stopwatch או ‎--countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>‏--validate הולך עם ‎--countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>‏--json הולך עם ‎--list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>‏--no-restore הולך רק עם הפעלה שפותחת חלון.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: לא ניתן לפתוח את התצוגה %2; יש להריץ בהפעלת שולחן עבודה, עם ‎-platform offscreen או תחת xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux ממתין לתשובה באחד מחלונותיו: יש לענות ואז לנסות שוב.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>לאף חלון של Horolux אין המזהה &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>מספר החלונות עם המזהה &quot;%2&quot;: %1. יש לתת לאחד מהם מזהה אחר.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>הסטופר בחלון &quot;%1&quot; לא פועל: אין מה לרשום.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>אין ספירה לאחור פעילה בחלון &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>אין Horolux שרץ בהפעלה הזאת, ולכן לאף חלון אין המזהה &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>ספירה לאחור, נותרו %1, מסתיימת ב־%2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>ספירה לאחור %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>סטופר %1, פועל</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>סטופר %1, עצור</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(ללא מזהה)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux לא רץ: יחזור בהפעלה הבאה)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>אין אורך לספירה לאחור: יש לתת את הדקות, כגון 5 או 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>ב־&quot;%1&quot; יש פסיק עשרוני: יש לכתוב את הדקות עם נקודה, כמו 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>&quot;%1&quot; אינו מספר דקות (כגון 5 או 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 דקות זה יותר ממה שספירה לאחור יכולה לרוץ: לכל היותר 1440 דקות (24 שעות).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 דקות: ספירה לאחור צריכה אורך של יותר מ־0 דקות.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>המזהה ארוך מ־%1 התווים שתיבת המזהה מכילה.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>המזהה מכיל תו בקרה, כגון מעבר שורה.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>אין מזהה: יש לציין את החלון לפי הטקסט שבתיבת המזהה שלו.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Horolux שרץ לא ענה (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>אפשרות לא מוכרת &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>אפשרויות לא מוכרות: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>חסר ערך אחרי &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ערך לא צפוי אחרי &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>הקפה</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>זמן הקפה</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>זמן ביניים</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (סה״כ)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>הקפה %1: זמן הקפה %2, זמן ביניים %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(המהירה ביותר)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(האיטית ביותר)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>הקפות</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;שמירה...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>הקפות - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>לאחר הפעלה מחדש, הקפות 1..%1 חוזרות כסיכום בלבד.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>שמירת ההקפות</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>קובצי CSV (*.csv);;כל הקבצים (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>לא ניתן היה לשמור את ההקפות ב־%1: %2. הן עדיין כאן; נא לבחור מקום אחר.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>מספר שלילי?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>נו באמת!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>24 שעות הן המקסימום (1440 דקות).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>השעון לא שונה.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>שירות הזמן סירב: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>המערכת סירבה: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>השעה הזאת לא קיימת היום: השעונים מוזזים קדימה מעבר לה.</translation>
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
        <translation>הדיוק של הסטופר והספירה לאחור תלוי בעיקר בשעון הפנימי של המחשב שלך. הקוד נכתב כדי לעבוד צמוד ככל האפשר לשעון הפנימי. הסטופר נראה מדויק למדי במחשב של המחבר, ואילו הספירה לאחור סוטה מעט (בדרך כלל לא יותר משנייה.....או פחות).

אפשר לכוון את שעון המחשב מתוך היישום על ידי הקלדת השעה בתבנית כמו 13:09 , 1:09 PM או 1:09. הקלדה שגויה תקפיץ הודעה......ואז יש לנסות שוב.

אפשר לבדוק את הספירה לאחור על ידי סימון &quot;בדיקת טיימר&quot;. הסטופר מתחיל ועוצר אז אוטומטית יחד עם הספירה לאחור.

אם שעון המחשב מגיע לחצות במהלך מדידה, התוצאות יהיו שגויות!

לידיעתך...ב־24 שעות יש 86400 שניות. השעון הפנימי מתחיל לספור אותן בחצות.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>לצאת מהתוכנית?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>מדידה בעיצומה !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>מדידה בעיצומה!

אם השעון ישונה עכשיו.....
התוצאות יהיו שגויות!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>היי!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>טיק טק!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>קלט לא תקין!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>סנכרון הזמן האוטומטי פעיל; יש לכבות אותו קודם בהגדרות המערכת.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>אין לך הרשאה לכוון את השעון, או שההרשאה נדחתה.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>בקשת ההרשאה בוטלה.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>כיוון השעון דורש הרשאה שלא ניתן היה לבקש.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>שירות הזמן לא ענה בזמן.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>אין לך הזכות לכוון את שעון המחשב.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>המערכת לא מקבלת את השעה הזאת.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>שירות הזמן של המערכת אינו זמין.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>המערכת סירבה לכוון את השעון.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>כיוון שעון המחשב אינו זמין במערכת הזאת.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>הספירה לאחור הסתיימה</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: הספירה לאחור הסתיימה</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>הצגה</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>הספירה לאחור הסתיימה.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>הספירה לאחור הסתיימה ב־%1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: הספירה לאחור הסתיימה ב־%2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>הסטופר לא שוחזר: ההתחלה שלו בעתיד. האם שעון המחשב הוחזר אחורה?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>הסטופר לא שוחזר: הוא רץ יותר מ־32767 שעות, יותר ממה שהוא יכול להמיר.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>הסטופר לא שוחזר: התוצאה שלו אינה זמן שהוא יכול להמיר.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>הספירה לאחור לא שוחזרה: הסוף שלה רחוק יותר מ־24 שעות קדימה. האם שעון המחשב הוחזר אחורה?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>הספירה לאחור לא שוחזרה: היא הסתיימה לפני יותר מעשר שנים.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>המדידה לא שוחזרה</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: המדידה לא שוחזרה</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>רשומת מדידות שלא ניתן היה לקרוא הועברה הצידה בשם %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>רשומת מדידות שלא ניתן היה לקרוא נשארת כמות שהיא, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>לא ניתן לכתוב את המדידות אל %1 (%2). Horolux ממשיך לנסות; עד שיצליח, הן לא ישרדו את סגירת התוכנית.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>לא ניתן לשמור את המדידות ב־%1 (%2). Horolux ממשיך לנסות; עד שיצליח, הן לא ישרדו את סגירת התוכנית.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>לא ניתן לשמור את המדידות ב־%1 (%2): Horolux פועל בלי לשמור אותן.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>לא ניתן היה לקרוא רשומת מדידות</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>המדידות עדיין לא נשמרו</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>המדידות לא נשמרות</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>חלק מההקפות לא שוחזרו: הרשומה שלהן נפגמה.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>שוב</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>חלון %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>הצגה</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: נותרו %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>טיימר</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>סטופר</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>הקפות</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>התחל</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>הסתיים</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצור</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>רשום</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>רענן</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>שנ&apos;...דק&apos;.....שע&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>אפס</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>שניות</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>סטופר</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>סטופר: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>זיהוי הטיימר הזה כשרצים כמה טיימרים.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>זיהוי</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>טיימר נוסף?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>השעה לכיוון</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>כוון שעון</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>כן......כוון את שעון המחשב!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>בדיקת טיימר</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>עצירת הספירה לאחור</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>דקות הספירה לאחור</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>טיימר</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>תצוגת הספירה לאחור</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>תצוגת הזמן שנרשם</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>תצוגת הסטופר</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>שנ&apos;...דק&apos;..שע&apos;</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>התחלה, עצירה, H:MM:SS, איפוס</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>התחלת הספירה לאחור</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>עצירת הספירה לאחור</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>דקות הספירה לאחור, מוקלדות</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>רישום הזמן הרץ כהקפה; F9 מציג את ההקפות</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>اعرض هذه المساعدة واخرج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>اعرض الإصدار واخرج.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>الاستخدام: %1 [خيارات]
Horolux، ساعة إيقاف وعدّاد تنازلي لسطح المكتب. في كل نافذة ساعة إيقاف،
وعدّ تنازلي يمكنه تشغيلها، وخانة تضبط ساعة الحاسوب؛ «مؤقت آخر؟» يفتح
نافذة أخرى.

الخيارات:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>جرّب «%1 --help» لمزيد من المعلومات.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
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
        <translation>  --no-restore   ابدأ بنافذة واحدة خاملة؛ وتبقى التوقيتات المسجلة
                 لبدء لاحق.
  --new-window [--id نص]
                 افتح نافذة خاملة جديدة، وفي خانة المعرّف النص المعطى.
  --stopwatch [--id نص]
                 افتح نافذة جديدة وساعة الإيقاف فيها تعمل.
  --countdown دقائق [--id نص] [--validate]
                 افتح نافذة جديدة فيها عدّ تنازلي من الدقائق المعطاة
                 (أكثر من 0، و1440 على الأكثر، والكسور بعد نقطة: 0.5)؛
                 ‏--validate يحدد «تحقق من العد».
  --press ID     اضغط زر ساعة الإيقاف (ابدأ، إيقاف، H:MM:SS أو تصفير)
                 في النافذة التي تحمل خانة معرّفها ID.
  --capture ID   التقط الوقت الجاري في النافذة ID.
  --stop-countdown ID
                 أوقف العد التنازلي في النافذة ID.
  --list [--json]
                 اسرد نوافذ كل Horolux التي تقيس الوقت أو تعرض نتيجة،
                 نافذة في كل سطر، أو بصيغة JSON.
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
الخيارات من --new-window إلى --stop-countdown تذهب إلى Horolux العامل
في هذه الجلسة، فينفذها فورًا؛ وإن لم يكن أي منها يعمل، يبدأ هذا ويفتح
النافذة الجديدة.

تُسجَّل التوقيتات الجارية في ‎$XDG_STATE_HOME/horolux (وافتراضيًا في
‎~/.local/state/horolux) وتعود عند البدء التالي؛ لتجاهلها احذف الملفات
هناك وHorolux لا يعمل. السجل الذي تتعذر قراءته يُنحّى جانبًا هناك؛ ولا
يُحتفظ إلا بأحدث 10 سجلات منحّاة على الأكثر.

خيارات Qt الخاصة تعمل كما في كل برنامج Qt، ومنها
‎-platform NAME و‎-display DISPLAY و‎-style STYLE و‎-reverse.
راجع horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: لا توجد شاشة لفتح نافذة عليها (لم يُضبط DISPLAY ولا WAYLAND_DISPLAY)؛ شغّله في جلسة سطح مكتب، أو مع ‎-platform offscreen، أو تحت xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>أُعطي «--%1» أكثر من مرة.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>أعطِ واحدًا فقط في كل مرة من --new-window و--stopwatch و--countdown و--press و--capture و--stop-countdown و--list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>‏--id يُستخدم مع --new-window أو --stopwatch أو --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>‏--validate يُستخدم مع --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>‏--json يُستخدم مع --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>‏--no-restore يُستخدم فقط مع بدء يفتح نافذة.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: تعذّر فتح الشاشة %2؛ شغّله في جلسة سطح مكتب، أو مع ‎-platform offscreen، أو تحت xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>ينتظر Horolux إجابة في إحدى نوافذه: أجب عنها ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>لا توجد نافذة Horolux معرّفها «%1».</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>عدد النوافذ التي معرّفها «%2»: %1. أعطِ إحداها معرّفًا آخر.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>ساعة الإيقاف في النافذة «%1» لا تعمل: لا شيء لالتقاطه.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>لا يجري عدّ تنازلي في النافذة «%1».</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>لا يعمل أي Horolux في هذه الجلسة، لذا لا توجد نافذة معرّفها «%1».</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>عدّ تنازلي، المتبقي %1، ينتهي عند %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>عدّ تنازلي %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>ساعة إيقاف %1، تعمل</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>ساعة إيقاف %1، متوقفة</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(بلا معرّف)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux لا يعمل: تعود عند بدئه التالي)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>لا توجد مدة للعد التنازلي: أعطِ الدقائق، مثل 5 أو 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>في «%1» فاصلة عشرية: اكتب الدقائق بنقطة، مثل 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>«%1» ليس عددًا من الدقائق (مثل 5 أو 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 دقيقة أطول مما يمكن أن يستمر العد التنازلي: 1440 دقيقة (24 ساعة) على الأكثر.</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 دقيقة: يحتاج العد التنازلي إلى مدة أكثر من 0 دقيقة.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>المعرّف أطول من %1 حرفًا تتسع لها خانة المعرّف.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>في المعرّف محرف تحكم، مثل فاصل سطر.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>لا معرّف: سمِّ النافذة بالنص الذي في خانة معرّفها.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>لم يُجب Horolux العامل (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>خيار غير معروف «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>خيارات غير معروفة: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>قيمة مفقودة بعد «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقعة بعد «%1».</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>لفة</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>زمن اللفة</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>الزمن المرحلي</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (المجموع)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>اللفة %1: زمن اللفة %2، الزمن المرحلي %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(الأسرع)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(الأبطأ)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>اللفات</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;حفظ...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>اللفات - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>بعد إعادة التشغيل، تعود اللفات 1..%1 كمجموع فقط.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>حفظ اللفات</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>laps.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>تعذّر حفظ اللفات في %1: %2. ما زالت هنا؛ اختر مكانًا آخر.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>عدد سالب؟!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>بالله عليك!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>24 ساعة هي الحد الأقصى (1440 دقيقة).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>لم تُغيَّر الساعة.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>رفضت خدمة الوقت: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>رفض النظام: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>هذا الوقت لا يقع اليوم: تُقدَّم الساعات متجاوزة إياه.</translation>
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
        <translation>دقة ساعة الإيقاف والعد التنازلي تعتمد أساسًا على الساعة الداخلية لجهازك. كُتب البرنامج ليعمل بأقرب ما يمكن مع الساعة الداخلية. تبدو ساعة الإيقاف دقيقة إلى حد ما على جهاز المؤلف، أما العد التنازلي فينحرف قليلًا (عادةً بما لا يزيد عن ثانية.....أو أقل).

يمكنك ضبط ساعة حاسوبك من البرنامج بإدخال الوقت بصيغة مثل 13:09 أو 1:09 PM أو 1:09. إذا أدخلت قيمة غير صحيحة ستظهر رسالة......حاول مجددًا.

يمكنك التحقق من العد التنازلي بتحديد «تحقق من العد». عندها تبدأ ساعة الإيقاف وتتوقف تلقائيًا مع العد التنازلي.

إذا بلغت ساعة الجهاز منتصف الليل أثناء عملية توقيت فستكون النتائج خاطئة!

للعلم...في فترة 24 ساعة 86400 ثانية. تبدأ الساعة الداخلية عدّ هذه الثواني عند منتصف الليل.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>هل تريد الخروج؟</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>التوقيت جارٍ !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>التوقيت جارٍ!

إذا غيّرت الساعة الآن.....
فستكون نتائجك خاطئة!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>مهلًا!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>تك تك!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>إدخال غير صالح!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>المزامنة التلقائية للوقت مفعّلة؛ عطّلها أولًا في إعدادات النظام.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>غير مسموح لك بضبط الساعة، أو رُفض التفويض.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>أُلغي التفويض.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>ضبط الساعة يحتاج إلى تفويض تعذّر طلبه.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>لم تُجب خدمة الوقت في الوقت المناسب.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>ليس لديك حق ضبط ساعة الحاسوب.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>لا يقبل النظام هذا الوقت.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>خدمة الوقت في النظام غير متاحة.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>رفض النظام ضبط الساعة.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>ضبط ساعة الحاسوب غير متاح على هذا النظام.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>انتهى العد التنازلي</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: انتهى العد التنازلي</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>اعرض</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>انتهى العد التنازلي.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>انتهى العد التنازلي عند %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: انتهى العد التنازلي عند %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>لم تُستعد ساعة الإيقاف: بدايتها في المستقبل. هل أُرجعت ساعة الحاسوب؟</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>لم تُستعد ساعة الإيقاف: عملت أكثر من 32767 ساعة، أكثر مما تستطيع تحويله.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>لم تُستعد ساعة الإيقاف: نتيجتها ليست وقتًا تستطيع تحويله.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>لم يُستعد العد التنازلي: نهايته بعد أكثر من 24 ساعة. هل أُرجعت ساعة الحاسوب؟</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>لم يُستعد العد التنازلي: انتهى منذ أكثر من عشر سنوات.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>لم يُستعد التوقيت</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: لم يُستعد التوقيت</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>نُحّي جانبًا سجل توقيت تعذرت قراءته باسم %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>تُرك سجل توقيت تعذرت قراءته كما هو، %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>تتعذر كتابة التوقيتات في %1 (%2). يواصل Horolux المحاولة؛ وحتى ينجح لن تبقى بعد إغلاق البرنامج.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>يتعذر حفظ التوقيتات في %1 (%2). يواصل Horolux المحاولة؛ وحتى ينجح لن تبقى بعد إغلاق البرنامج.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>يتعذر حفظ التوقيتات في %1 (%2): يعمل Horolux دون حفظها.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>تعذرت قراءة سجل توقيت</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>لم تُحفظ التوقيتات بعد</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>التوقيتات لا تُحفظ</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>لم تُستعد بعض اللفات: كان سجلها تالفًا.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>مرة أخرى</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>النافذة %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: بقي %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>عد تنازلي</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>ساعة الإيقاف</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>اللفات</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>انتهى</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>التقط</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>ث...د.....س</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>تصفير</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>ساعة إيقاف: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>سمِّ هذا المؤقت عند تشغيل عدة مؤقتات.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>مؤقت آخر؟</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>الوقت المراد ضبطه</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>اضبط ساعتك</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>نعم......اضبط ساعة حاسوبك!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>تحقق من العد</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>أوقف العد التنازلي</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>دقائق العد التنازلي</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>عد تنازلي</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>شاشة العد التنازلي</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>شاشة الوقت الملتقط</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>شاشة ساعة الإيقاف</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>اسم</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>ث...د..س</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>ابدأ، أوقف، H:MM:SS، صفّر</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>ابدأ العد التنازلي</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>أوقف العد التنازلي</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>دقائق العد التنازلي، مكتوبة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>التقط الوقت الجاري كلفة؛ F9 يعرض اللفات</translation>
    </message>
</context>
</TS>

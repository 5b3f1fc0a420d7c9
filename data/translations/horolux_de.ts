<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Aufruf: %1 [Optionen]
Horolux, eine Stoppuhr mit Countdown für den Desktop. Jedes Fenster
enthält eine Stoppuhr, einen Countdown, der sie steuern kann, und ein
Feld, das die Uhr des Computers stellt; „Noch ein Timer?“ öffnet
ein weiteres.

Optionen:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>„%1 --help“ gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
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
        <translation>  --no-restore   Mit einem leeren Fenster starten; die aufgezeichneten
                 Zeitmessungen bleiben für einen späteren Start.
  --new-window [--id TEXT]
                 Ein neues leeres Fenster öffnen, mit TEXT im ID-Feld.
  --stopwatch [--id TEXT]
                 Ein neues Fenster mit laufender Stoppuhr öffnen.
  --countdown MINUTEN [--id TEXT] [--validate]
                 Ein neues Fenster mit laufendem Countdown von MINUTEN
                 öffnen (über 0, höchstens 1440, Dezimalstellen nach einem
                 Punkt: 0.5); --validate kreuzt „Countdown prüfen“ an.
  --press ID     Den Knopf der Stoppuhr (Start, Stopp, H:MM:SS oder
                 Nullstellen) im Fenster drücken, dessen ID-Feld ID enthält.
  --capture ID   Die laufende Zeit im Fenster ID erfassen.
  --stop-countdown ID
                 Den Countdown im Fenster ID stoppen.
  --list [--json]
                 Die Fenster aller Horolux auflisten, die messen oder ein
                 Ergebnis zeigen, eines pro Zeile, oder als JSON.
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
Die Optionen von --new-window bis --stop-countdown gehen an das Horolux,
das in dieser Sitzung läuft, und es führt sie sofort aus; läuft keines,
startet dieses und öffnet das neue Fenster.

Laufende Zeitmessungen werden in $XDG_STATE_HOME/horolux (standardmäßig
~/.local/state/horolux) aufgezeichnet und kommen beim nächsten Start zurück;
löschen Sie die Dateien dort, während Horolux nicht läuft, um sie zu verwerfen.
Eine Aufzeichnung, die sich nicht lesen lässt, wird dort beiseitegelegt;
höchstens die neuesten 10 beiseitegelegten Aufzeichnungen werden behalten.

Die Qt-eigenen Optionen wirken wie in jedem Qt-Programm, darunter
-platform NAME, -display ANZEIGE, -style STIL und -reverse.
Siehe horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: keine Anzeige, um ein Fenster zu öffnen (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); starten Sie es in einer Desktop-Sitzung, mit -platform offscreen oder mit xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>„--%1“ ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Geben Sie nur eine von --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown und --list an.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id gehört zu --new-window, --stopwatch oder --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate gehört zu --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json gehört zu --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore gehört nur zu einem Start, der ein Fenster öffnet.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: kann die Anzeige %2 nicht öffnen; starten Sie es in einer Desktop-Sitzung, mit -platform offscreen oder mit xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux wartet in einem seiner Fenster auf eine Antwort: Antworten Sie dort und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Kein Fenster von Horolux hat die ID „%1“.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 Fenster haben die ID „%2“: Geben Sie einem davon eine andere ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Die Stoppuhr im Fenster „%1“ läuft nicht: Es gibt nichts zu erfassen.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Im Fenster „%1“ läuft kein Countdown.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>In dieser Sitzung läuft kein Horolux, also hat kein Fenster die ID „%1“.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>Countdown noch %1, endet um %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>Countdown %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>Stoppuhr %1, läuft</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>Stoppuhr %1, angehalten</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(keine ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux läuft nicht: kommt beim nächsten Start zurück)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Keine Countdown-Länge: Geben Sie die Minuten an, etwa 5 oder 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>„%1“ hat ein Dezimalkomma: Schreiben Sie die Minuten mit Punkt, etwa 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>„%1“ ist keine Anzahl Minuten (etwa 5 oder 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 Minuten sind länger, als ein Countdown laufen kann: höchstens 1440 Minuten (24 Stunden).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 Minuten: Ein Countdown braucht eine Länge über 0 Minuten.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>Die ID ist länger als die %1 Zeichen, die das ID-Feld fasst.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>Die ID enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Keine ID: Nennen Sie das Fenster beim Text in seinem ID-Feld.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Das laufende Horolux hat nicht geantwortet (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Zwischenzeit</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (gesamt)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Runde %1: Rundenzeit %2, Zwischenzeit %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(schnellste)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(langsamste)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Runden - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Nach einem Neustart kommen die Runden 1..%1 nur als ihre Summe zurück.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Runden speichern</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>runden.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Die Runden konnten nicht in %1 gespeichert werden: %2. Sie sind noch da; wählen Sie einen anderen Ort.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Eine negative Zahl?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Na hören Sie mal!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Höchstens 24 Stunden (1440 Minuten).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Die Uhr wurde nicht umgestellt.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Der Zeitdienst hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Das System hat abgelehnt: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Diese Uhrzeit gibt es heute nicht: Die Uhren werden über sie hinweg vorgestellt.</translation>
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
        <translation>Wie genau Stoppuhr und Countdown gehen, hängt im Wesentlichen von der internen Uhr Ihres Rechners ab. Das Programm wurde geschrieben, um so eng wie möglich mit der internen Uhr zusammenzuarbeiten. Die Stoppuhr scheint auf dem Rechner des Autors recht genau zu sein, der Countdown dagegen geht etwas daneben (meist um nicht mehr als eine Sekunde.....oder weniger).

Sie können die Uhr Ihres Computers im Programm stellen, indem Sie die Uhrzeit in einer Form wie 13:09 , 1:09 PM oder 1:09 eingeben. Bei einer falschen Eingabe erscheint eine Meldung......versuchen Sie es dann noch einmal.

Mit „Countdown prüfen“ können Sie den Countdown nachmessen. Die Stoppuhr startet und stoppt dann automatisch mit dem Countdown.

Erreicht die Uhr des Rechners während einer Zeitmessung Mitternacht, sind die Ergebnisse falsch!

Übrigens...ein Tag von 24 Stunden hat 86400 Sekunden. Die interne Uhr beginnt sie um Mitternacht zu zählen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Zeitmessung läuft !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Zeitmessung läuft!

Wenn Sie die Uhr jetzt umstellen.....
werden Ihre Ergebnisse falsch!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>He!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tick Tack!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Ungültige Eingabe!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Die automatische Zeitsynchronisation ist eingeschaltet; schalten Sie sie zuerst in den Systemeinstellungen aus.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Sie dürfen die Uhr nicht stellen, oder die Berechtigung wurde verweigert.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Die Anfrage nach der Berechtigung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Zum Stellen der Uhr ist eine Berechtigung nötig, nach der nicht gefragt werden konnte.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Der Zeitdienst hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Sie haben nicht das Recht, die Uhr des Computers zu stellen.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Das System nimmt diese Uhrzeit nicht an.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Der Zeitdienst des Systems ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Das System hat das Stellen der Uhr abgelehnt.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Auf diesem System kann die Uhr des Computers nicht gestellt werden.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Countdown abgelaufen</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: Countdown abgelaufen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Der Countdown ist abgelaufen.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Countdown um %1 abgelaufen</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: Countdown um %2 abgelaufen</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Die Stoppuhr wurde nicht wiederhergestellt: Ihr Start liegt in der Zukunft. Wurde die Uhr des Computers zurückgestellt?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Die Stoppuhr wurde nicht wiederhergestellt: Sie lief länger als 32767 Stunden, mehr als sie umrechnen kann.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Die Stoppuhr wurde nicht wiederhergestellt: Ihr Ergebnis ist keine Zeit, die sie umrechnen kann.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Der Countdown wurde nicht wiederhergestellt: Sein Ende liegt mehr als 24 Stunden voraus. Wurde die Uhr des Computers zurückgestellt?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Der Countdown wurde nicht wiederhergestellt: Er endete vor mehr als zehn Jahren.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Zeitmessung nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: Zeitmessung nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Eine Aufzeichnung der Zeitmessungen, die sich nicht lesen ließ, wurde als %1 beiseitegelegt: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Eine Aufzeichnung der Zeitmessungen, die sich nicht lesen ließ, bleibt unverändert, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Die Zeitmessungen können nicht in %1 geschrieben werden (%2). Horolux versucht es weiter; bis dahin würden sie das Ende des Programms nicht überdauern.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Die Zeitmessungen können nicht in %1 aufbewahrt werden (%2). Horolux versucht es weiter; bis dahin würden sie das Ende des Programms nicht überdauern.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Die Zeitmessungen können nicht in %1 aufbewahrt werden (%2): Horolux läuft, ohne sie aufzubewahren.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Eine Aufzeichnung der Zeitmessungen ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Die Zeitmessungen sind noch nicht gespeichert</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Die Zeitmessungen werden nicht aufbewahrt</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Einige Runden kamen nicht zurück: ihr Eintrag war beschädigt.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Noch einmal</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Fenster %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: noch %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Runden</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Erneuern</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Std.....Min...Sek</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstellen</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Stoppuhr: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Benennen Sie diesen Timer, wenn mehrere Timer laufen.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Noch ein Timer?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Einzustellende Uhrzeit</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Ja......stellen Sie die Uhr Ihres Computers!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Countdown prüfen</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Countdown-Stopp</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Countdown-Minuten</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Countdown-Anzeige</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Anzeige der erfassten Zeit</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Stoppuhr-Anzeige</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Std..Min...Sek</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Starten, stoppen, H:MM:SS, nullstellen</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Laufende Zeit als Runde erfassen; F9 zeigt die Runden</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Countdown starten</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Countdown anhalten</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Countdown-Minuten, eingegeben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
</TS>

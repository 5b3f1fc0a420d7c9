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

Running timings are recorded in $XDG_STATE_HOME/horolux (by default
~/.local/state/horolux) and come back at the next start; delete the
files there while Horolux is not running to discard them. A record
that cannot be read is set aside there; at most the newest 10
set-aside records are kept.

Qt&apos;s own options work as in every Qt program, among them
-platform NAME, -display DISPLAY, -style STYLE and -reverse.
See horolux(1).
</source>
        <translation>  --no-restore   Mit einem leeren Fenster starten; die aufgezeichneten
                 Zeitmessungen bleiben für einen späteren Start.

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
        <source>Capture the running time</source>
        <translation>Laufende Zeit erfassen</translation>
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

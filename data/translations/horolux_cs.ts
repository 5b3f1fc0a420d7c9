<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Použití: %1 [volby]
Horolux, stopky s odpočtem pro pracovní plochu. Každé okno obsahuje
stopky, odpočet, který je může ovládat, a pole, které nastavuje hodiny
počítače; „Další stopky?“ otevře další okno.

Volby:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Více informací: „%1 --help“.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
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
        <translation>  --no-restore   Spustí se s jedním nečinným oknem; zaznamenaná měření
                 zůstanou pro pozdější spuštění.
  --new-window [--id TEXT]
                 Otevře nové nečinné okno s TEXTEM v poli ID.
  --stopwatch [--id TEXT]
                 Otevře nové okno se spuštěnými stopkami.
  --countdown MINUTY [--id TEXT] [--validate]
                 Otevře nové okno se spuštěným odpočtem MINUT (nad 0,
                 nejvýše 1440, desetinná místa za tečkou: 0.5);
                 --validate zaškrtne „Ověřit odpočet“.
  --press ID     Stiskne tlačítko stopek (Start, Stop, H:MM:SS nebo
                 Vynulovat) v okně, jehož pole ID obsahuje ID.
  --capture ID   Zaznamená běžící čas v okně ID.
  --stop-countdown ID
                 Zastaví odpočet v okně ID.
  --list [--json]
                 Vypíše okna všech Horolux, která měří nebo ukazují
                 výsledek, jedno na řádek, nebo jako JSON.
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
Volby od --new-window po --stop-countdown jdou do Horolux, který běží
v této relaci, a ten je hned provede; pokud žádný neběží, spustí se
tento a otevře nové okno.

Běžící měření se zaznamenávají do $XDG_STATE_HOME/horolux (výchozí
~/.local/state/horolux) a vrátí se při dalším spuštění; chcete-li je
zahodit, smažte tamní soubory, když Horolux neběží. Záznam, který nelze
přečíst, se tam odloží; uchovává se nejvýše 10 nejnovějších odložených
záznamů.

Vlastní volby Qt fungují jako v každém programu Qt, mimo jiné
-platform NÁZEV, -display DISPLEJ, -style STYL a -reverse.
Viz horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: žádný displej, na kterém by šlo otevřít okno (není nastaveno DISPLAY ani WAYLAND_DISPLAY); spusťte program v grafické relaci, s -platform offscreen nebo pomocí xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>„--%1“ je zadáno víckrát.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Zadejte najednou jen jednu z voleb --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown a --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id patří k --new-window, --stopwatch nebo --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate patří ke --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json patří k --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore patří jen ke spuštění, které otevírá okno.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: nelze otevřít displej %2; spusťte program v grafické relaci, s -platform offscreen nebo pomocí xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux čeká na odpověď v jednom ze svých oken: odpovězte a pak to zkuste znovu.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Žádné okno Horolux nemá ID „%1“.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>Počet oken s ID „%2“: %1. Dejte jednomu z nich jiné ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Stopky v okně „%1“ neběží: není co zaznamenat.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>V okně „%1“ neběží žádný odpočet.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>V této relaci neběží žádný Horolux, takže žádné okno nemá ID „%1“.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>odpočet: zbývá %1, skončí v %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>odpočet %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>stopky %1, běží</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>stopky %1, zastaveny</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(bez ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux neběží: vrátí se při dalším spuštění)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Chybí délka odpočtu: zadejte minuty, např. 5 nebo 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>„%1“ má desetinnou čárku: zapište minuty s tečkou, např. 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>„%1“ není počet minut (např. 5 nebo 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 min je déle, než může odpočet běžet: nejvýše 1440 minut (24 hodin).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 min: odpočet potřebuje délku nad 0 minut.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID je delší než %1 znaků, které se vejdou do pole ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID obsahuje řídicí znak, např. konec řádku.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Chybí ID: označte okno textem v jeho poli ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Běžící Horolux neodpověděl (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Chybí hodnota za „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočekávaná hodnota za „%1“.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Kolo</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Čas kola</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Mezičas</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (celkem)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Kolo %1: čas kola %2, mezičas %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(nejrychlejší)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(nejpomalejší)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Kola</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Uložit...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Kola - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Po restartu se kola 1..%1 vrátí jen jako součet.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Uložit kola</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>kola.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Soubory CSV (*.csv);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Kola nebylo možné uložit do %1: %2. Jsou stále zde; zvolte jiné místo.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Záporné číslo?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>No tak!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Nejvýše 24 hodin (1440 minut).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Hodiny nebyly změněny.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Časová služba odmítla: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Systém odmítl: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Tento čas dnes nenastane: hodiny se přes něj posunou dopředu.</translation>
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
        <translation>Přesnost stopek a odpočtu závisí v zásadě na vnitřních hodinách vašeho počítače. Program byl napsán tak, aby s vnitřními hodinami spolupracoval co nejtěsněji. Stopky se na počítači autora zdají docela přesné, zatímco odpočet se trochu mýlí (obvykle ne o víc než sekundu.....nebo méně).

Hodiny počítače můžete nastavit přímo z programu zadáním času ve tvaru jako 13:09 , 1:09 PM nebo 1:09. Při chybném zadání se objeví hlášení......zkuste to znovu.

Odpočet můžete ověřit zaškrtnutím Ověřit odpočet. Stopky se pak samy spustí a zastaví spolu s odpočtem.

Pokud hodiny počítače během měření dosáhnou půlnoci, výsledky budou chybné!

Pro informaci...24 hodin má 86400 sekund. Vnitřní hodiny je začínají počítat o půlnoci.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Chcete program ukončit?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Probíhá měření !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Probíhá měření!

Když teď změníte hodiny.....
budou vaše výsledky chybné!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hej!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tik tak!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Neplatné zadání!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Automatická synchronizace času je zapnutá; nejprve ji vypněte v nastavení systému.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Nemáte povoleno nastavovat hodiny, nebo bylo ověření odmítnuto.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Ověření bylo zrušeno.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Nastavení hodin vyžaduje ověření, o které nebylo možné požádat.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Časová služba neodpověděla včas.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Nemáte právo nastavovat hodiny počítače.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Systém tento čas nepřijímá.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Časová služba systému není k dispozici.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Systém odmítl nastavit hodiny.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Nastavení hodin počítače není v tomto systému k dispozici.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Odpočet skončil</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: odpočet skončil</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Odpočet doběhl.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Odpočet skončil v %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: odpočet skončil v %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Stopky nebyly obnoveny: jejich start leží v budoucnosti. Byly hodiny počítače posunuty zpět?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Stopky nebyly obnoveny: běžely déle než 32767 hodin, víc, než dokážou převést.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Stopky nebyly obnoveny: jejich výsledek není čas, který dokážou převést.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Odpočet nebyl obnoven: jeho konec leží víc než 24 hodin dopředu. Byly hodiny počítače posunuty zpět?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Odpočet nebyl obnoven: skončil před více než deseti lety.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Měření nebylo obnoveno</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: měření nebylo obnoveno</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Záznam měření, který nešlo přečíst, byl odložen jako %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Záznam měření, který nešlo přečíst, zůstává beze změny, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Měření nelze zapsat do %1 (%2). Horolux to dál zkouší; dokud se to nepodaří, měření by nepřežila ukončení programu.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Měření nelze uchovat v %1 (%2). Horolux to dál zkouší; dokud se to nepodaří, měření by nepřežila ukončení programu.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Měření nelze uchovat v %1 (%2): Horolux běží, aniž by je uchovával.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Záznam měření nešlo přečíst</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Měření ještě nejsou uložena</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Měření se neuchovávají</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Některá kola se nevrátila: jejich záznam byl poškozen.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Znovu</translation>
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
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Okno %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: zbývá %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopky</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Kola</translation>
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
        <translation>KONEC</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Mezičas</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Hod.....Min...Sek</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vynulovat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopky</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Stopky: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Pojmenujte tyto stopky, když jich běží víc.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identifikace</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Další stopky?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Čas k nastavení</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Nastavit čas</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Ano......nastavte hodiny počítače!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Ověřit odpočet</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Zastavit odpočet</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minuty odpočtu</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Displej odpočtu</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Displej zaznamenaného času</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Displej stopek</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Hod..Min...Sek</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Start, stop, H:MM:SS, vynulovat</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Spustit odpočet</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Zastavit odpočet</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minuty odpočtu, zadané</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Zaznamenat běžící čas jako kolo; F9 zobrazí kola</translation>
    </message>
</context>
</TS>

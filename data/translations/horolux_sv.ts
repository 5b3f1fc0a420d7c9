<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Visa den här hjälpen och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Användning: %1 [flaggor]
Horolux, ett stoppur med nedräkning för skrivbordet. Varje fönster har
ett stoppur, en nedräkning som kan styra det och en ruta som ställer
datorns klocka; ”Ny timer?” öppnar ett fönster till.

Flaggor:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Prova ”%1 --help” för mer information.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
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
        <translation>  --no-restore   Starta med ett vilande fönster; de sparade tiderna
                 behålls till en senare start.
  --new-window [--id TEXT]
                 Öppna ett nytt vilande fönster med TEXT i ID-rutan.
  --stopwatch [--id TEXT]
                 Öppna ett nytt fönster med stoppuret startat.
  --countdown MINUTER [--id TEXT] [--validate]
                 Öppna ett nytt fönster med en nedräkning på MINUTER
                 startad (över 0, högst 1440, decimaler efter en
                 punkt: 0.5); --validate kryssar i ”Mät nedräkningen”.
  --press ID     Tryck på stoppurets knapp (Start, Stopp, H:MM:SS eller
                 Nollställ) i fönstret vars ID-ruta innehåller ID.
  --capture ID   Fånga den löpande tiden i fönstret ID.
  --stop-countdown ID
                 Stoppa nedräkningen i fönstret ID.
  --list [--json]
                 Lista fönstren i varje Horolux som tar tid eller visar
                 ett resultat, ett per rad, eller som JSON.
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
Flaggorna från --new-window till --stop-countdown går till den Horolux
som körs i den här sessionen, som utför dem direkt; körs ingen, startar
den här och öppnar det nya fönstret.

Pågående tidtagningar sparas i $XDG_STATE_HOME/horolux (som standard
~/.local/state/horolux) och kommer tillbaka vid nästa start; ta bort
filerna där medan Horolux inte körs för att kasta dem. En post som inte
kan läsas läggs undan där; högst de 10 senaste undanlagda posterna
behålls.

Qt:s egna flaggor fungerar som i alla Qt-program, bland dem
-platform NAMN, -display SKÄRM, -style STIL och -reverse.
Se horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: ingen skärm att öppna ett fönster på (varken DISPLAY eller WAYLAND_DISPLAY är satt); kör programmet i en skrivbordssession, med -platform offscreen eller under xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>”--%1” anges mer än en gång.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Ange bara en av --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown och --list åt gången.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id hör ihop med --new-window, --stopwatch eller --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate hör ihop med --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json hör ihop med --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore hör bara ihop med en start som öppnar ett fönster.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: kan inte öppna skärmen %2; kör programmet i en skrivbordssession, med -platform offscreen eller under xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux väntar på ett svar i ett av sina fönster: svara där och försök sedan igen.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Inget fönster i Horolux har ID:t ”%1”.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 fönster har ID:t ”%2”: ge ett av dem ett annat ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Stoppuret i fönstret ”%1” går inte: inget att fånga.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Ingen nedräkning pågår i fönstret ”%1”.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Ingen Horolux körs i den här sessionen, så inget fönster har ID:t ”%1”.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>nedräkning %1 kvar, slutar %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>nedräkning %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>stoppur %1, går</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>stoppur %1, stoppat</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(inget ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux körs inte: kommer tillbaka vid nästa start)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Ingen längd på nedräkningen: ange minuterna, till exempel 5 eller 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>”%1” har decimalkomma: skriv minuterna med punkt, som i 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>”%1” är inget antal minuter (till exempel 5 eller 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minuter är längre än en nedräkning kan pågå: högst 1440 minuter (24 timmar).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minuter: en nedräkning behöver en längd över 0 minuter.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID:t är längre än de %1 tecken som ID-rutan rymmer.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID:t innehåller ett styrtecken, till exempel en radbrytning.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Inget ID: ange fönstret med texten i dess ID-ruta.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Den körande Horolux svarade inte (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Okänd flagga ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Okända flaggor: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Värde saknas efter ”%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Oväntat värde efter ”%1”.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Varv</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Varvtid</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Mellantid</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (totalt)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Varv %1: varvtid %2, mellantid %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(snabbast)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(långsammast)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Varv</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Spara...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Varv - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Efter en omstart kommer varv 1..%1 bara tillbaka som sin summa.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Spara varven</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>varv.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-filer (*.csv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Varven kunde inte sparas i %1: %2. De finns kvar här; välj en annan plats.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Ett negativt tal?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Kom igen!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>24 timmar är max (1440 minuter).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Klockan ändrades inte.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Tidstjänsten vägrade: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Systemet vägrade: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Den tiden finns inte i dag: klockorna ställs fram förbi den.</translation>
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
        <translation>Hur noga stoppuret och nedräkningen går beror i grunden på datorns interna klocka. Koden skrevs för att arbeta så nära den interna klockan som möjligt. Stoppuret verkar ganska noggrant på upphovsmannens dator, medan nedräkningen slår lite fel (oftast inte mer än en sekund.....eller mindre).

Du kan ställa datorns klocka från programmet genom att skriva tiden i en form som 13:09 , 1:09 PM eller 1:09. Skriver du något felaktigt visas ett meddelande......försök igen.

Du kan kontrollera nedräkningen genom att kryssa i ”Mät nedräkningen”. Stoppuret startar och stoppar då automatiskt med nedräkningen.

Om datorns klocka når midnatt under en tidtagning blir resultaten fel!

För kännedom...ett dygn har 86400 sekunder. Den interna klockan börjar räkna dem vid midnatt.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Vill du avsluta?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Tidtagning pågår !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Tidtagning pågår!

Om du ändrar klockan nu.....
blir dina resultat fel!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hallå!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tick tack!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Ogiltig inmatning!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Automatisk tidssynkronisering är på; stäng av den i systeminställningarna först.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Du får inte ställa klockan, eller så nekades behörigheten.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Behörighetsfrågan avbröts.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Att ställa klockan kräver en behörighet som inte kunde efterfrågas.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Tidstjänsten svarade inte i tid.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Du har inte rätt att ställa datorns klocka.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Systemet godtar inte den tiden.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Systemets tidstjänst är inte tillgänglig.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Systemet vägrade ställa klockan.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Att ställa datorns klocka är inte möjligt på det här systemet.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Nedräkningen klar</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: nedräkningen klar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Nedräkningen är slut.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Nedräkningen klar %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: nedräkningen klar %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Stoppuret återställdes inte: dess start ligger i framtiden. Har datorns klocka ställts tillbaka?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Stoppuret återställdes inte: det har gått längre än 32767 timmar, mer än det kan räkna om.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Stoppuret återställdes inte: dess resultat är ingen tid det kan räkna om.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Nedräkningen återställdes inte: dess slut ligger mer än 24 timmar fram. Har datorns klocka ställts tillbaka?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Nedräkningen återställdes inte: den slutade för mer än tio år sedan.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Tidtagning inte återställd</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: tidtagning inte återställd</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>En post med tidtagningar som inte kunde läsas lades undan som %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>En post med tidtagningar som inte kunde läsas lämnas som den är, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Tidtagningarna kan inte skrivas till %1 (%2). Horolux fortsätter försöka; tills det lyckas skulle de inte överleva programmet.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Tidtagningarna kan inte sparas i %1 (%2). Horolux fortsätter försöka; tills det lyckas skulle de inte överleva programmet.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Tidtagningarna kan inte sparas i %1 (%2): Horolux körs utan att spara dem.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>En post med tidtagningar kunde inte läsas</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Tidtagningarna är inte sparade än</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Tidtagningarna sparas inte</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Några varv kom inte tillbaka: deras post var skadad.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Igen</translation>
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
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Fönster %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: %2 kvar</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedräkning</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppur</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Varv</translation>
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
        <translation>KLAR</translation>
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
        <translation>Fånga</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Tim.....Min...Sek</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nollställ</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppur</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Stoppur: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Namnge den här timern när flera timrar körs.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identifiering</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Ny timer?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Tid att ställa</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Ställ klockan</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Ja......ställ datorns klocka!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Mät nedräkningen</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Stoppa nedräkningen</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Nedräkningens minuter</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedräkning</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Nedräkningens visning</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Visning av fångad tid</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Stoppurets visning</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Tim..Min...Sek</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Starta, stoppa, H:MM:SS, nollställ</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Starta nedräkningen</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Stoppa nedräkningen</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Nedräkningens minuter, skrivna</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Fånga den löpande tiden som ett varv; F9 visar varven</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Gebruik: %1 [opties]
Horolux, een stopwatch met aftelklok voor het bureaublad. Elk venster
bevat een stopwatch, een aftelklok die hem kan aansturen en een vak
dat de klok van de computer gelijkzet; &quot;Nog een timer?&quot; opent er nog
een.

Opties:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Probeer &quot;%1 --help&quot; voor meer informatie.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &quot;%1&quot;.</translation>
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
        <translation>  --no-restore   Met één leeg venster starten; de vastgelegde tijden
                 blijven bewaard voor een latere start.
  --new-window [--id TEKST]
                 Een nieuw leeg venster openen, met TEKST in het ID-vak.
  --stopwatch [--id TEKST]
                 Een nieuw venster openen met de stopwatch gestart.
  --countdown MINUTEN [--id TEKST] [--validate]
                 Een nieuw venster openen met een aftelling van MINUTEN
                 gestart (boven 0, hoogstens 1440, decimalen na een
                 punt: 0.5); --validate vinkt &quot;Aftellen controleren&quot; aan.
  --press ID     De knop van de stopwatch (Start, Stop, H:MM:SS of
                 Reset) indrukken in het venster waarvan het ID-vak ID bevat.
  --capture ID   De lopende tijd vastleggen in het venster ID.
  --stop-countdown ID
                 De aftelling in het venster ID stoppen.
  --list [--json]
                 De vensters van elke Horolux tonen die meten of een
                 resultaat tonen, één per regel, of als JSON.
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
De opties van --new-window tot --stop-countdown gaan naar de Horolux
die in deze sessie draait, die ze meteen uitvoert; draait er geen,
dan start deze en opent het nieuwe venster.

Lopende metingen worden vastgelegd in $XDG_STATE_HOME/horolux
(standaard ~/.local/state/horolux) en komen terug bij de volgende
start; verwijder de bestanden daar terwijl Horolux niet draait om ze
weg te gooien. Een vastlegging die niet gelezen kan worden, wordt daar
apart gezet; hoogstens de nieuwste 10 apart gezette worden bewaard.

De eigen opties van Qt werken zoals in elk Qt-programma, waaronder
-platform NAAM, -display SCHERM, -style STIJL en -reverse.
Zie horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: geen scherm om een venster op te openen (DISPLAY noch WAYLAND_DISPLAY is ingesteld); start het in een bureaubladsessie, met -platform offscreen of onder xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>&quot;--%1&quot; is meer dan eens opgegeven.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Geef slechts één van --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown en --list tegelijk op.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id hoort bij --new-window, --stopwatch of --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate hoort bij --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json hoort bij --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore hoort alleen bij een start die een venster opent.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: kan het scherm %2 niet openen; start het in een bureaubladsessie, met -platform offscreen of onder xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux wacht op een antwoord in een van zijn vensters: beantwoord het en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Geen venster van Horolux heeft het ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 vensters hebben het ID &quot;%2&quot;: geef een ervan een ander ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>De stopwatch van het venster &quot;%1&quot; loopt niet: er is niets vast te leggen.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Er loopt geen aftelling in het venster &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Er draait geen Horolux in deze sessie, dus geen venster heeft het ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>aftelling nog %1, eindigt om %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>aftelling %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>stopwatch %1, loopt</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>stopwatch %1, gestopt</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(geen ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux draait niet: komt terug bij de volgende start)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Geen lengte voor de aftelling: geef de minuten op, zoals 5 of 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>&quot;%1&quot; heeft een decimale komma: schrijf de minuten met een punt, zoals 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>&quot;%1&quot; is geen aantal minuten (zoals 5 of 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minuten is langer dan een aftelling kan lopen: hoogstens 1440 minuten (24 uur).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minuten: een aftelling moet langer dan 0 minuten zijn.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>Het ID is langer dan de %1 tekens die in het ID-vak passen.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>Het ID bevat een stuurteken, zoals een regeleinde.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Geen ID: noem het venster bij de tekst in zijn ID-vak.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>De draaiende Horolux heeft niet geantwoord (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Waarde ontbreekt na &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Tussentijd</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (totaal)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Ronde %1: rondetijd %2, tussentijd %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(snelste)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(langzaamste)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Rondes</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Rondes - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Na een herstart komen rondes 1..%1 alleen als totaal terug.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Rondes opslaan</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>rondes.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>De rondes konden niet worden opgeslagen in %1: %2. Ze zijn er nog; kies een andere plek.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Een negatief getal?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Kom op, zeg!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Het maximum is 24 uur (1440 minuten).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>De klok is niet gewijzigd.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>De tijdservice weigerde: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Het systeem weigerde: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Die tijd bestaat vandaag niet: de klok springt eroverheen vooruit.</translation>
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
        <translation>Hoe nauwkeurig de stopwatch en de aftelklok zijn, hangt vooral af van de interne klok van uw computer. De code is geschreven om zo nauw mogelijk met de interne klok samen te werken. De stopwatch lijkt op de computer van de auteur redelijk nauwkeurig, terwijl de aftelklok er een beetje naast zit (meestal niet meer dan een seconde.....of minder).

U kunt de klok van uw computer vanuit het programma gelijkzetten door de tijd in te voeren in een vorm zoals 13:09 , 1:09 PM of 1:09. Bij een onjuiste invoer verschijnt een melding......probeer het dan opnieuw.

U kunt de aftelklok controleren door Aftellen controleren aan te vinken. De stopwatch start en stopt dan automatisch met de aftelklok.

Als de klok van de computer tijdens een meting middernacht bereikt, kloppen de resultaten niet!

Ter info...een periode van 24 uur heeft 86400 seconden. De interne klok begint ze om middernacht te tellen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Wilt u afsluiten?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Meting bezig !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Meting bezig!

Als u de klok nu verzet.....
kloppen uw resultaten niet!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hé!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tik tak!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Ongeldige invoer!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Automatische tijdsynchronisatie staat aan; zet die eerst uit in de systeeminstellingen.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>U mag de klok niet gelijkzetten, of de toestemming is geweigerd.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Het vragen om toestemming is geannuleerd.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Het gelijkzetten van de klok vraagt een toestemming waar niet om gevraagd kon worden.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>De tijdservice antwoordde niet op tijd.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>U hebt niet het recht om de klok van de computer gelijk te zetten.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Het systeem accepteert die tijd niet.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>De tijdservice van het systeem is niet beschikbaar.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Het systeem weigerde de klok gelijk te zetten.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Het gelijkzetten van de computerklok is op dit systeem niet mogelijk.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Aftelling klaar</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: aftelling klaar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>De aftelling is afgelopen.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Aftelling klaar om %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: aftelling klaar om %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>De stopwatch is niet hersteld: zijn start ligt in de toekomst. Is de klok van de computer teruggezet?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>De stopwatch is niet hersteld: hij liep langer dan 32767 uur, meer dan hij kan omrekenen.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>De stopwatch is niet hersteld: zijn resultaat is geen tijd die hij kan omrekenen.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>De aftelling is niet hersteld: haar einde ligt meer dan 24 uur vooruit. Is de klok van de computer teruggezet?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>De aftelling is niet hersteld: ze eindigde meer dan tien jaar geleden.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Meting niet hersteld</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: meting niet hersteld</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Een vastlegging van metingen die niet gelezen kon worden, is apart gezet als %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Een vastlegging van metingen die niet gelezen kon worden, blijft zoals ze is, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>De metingen kunnen niet worden geschreven naar %1 (%2). Horolux blijft het proberen; tot het lukt, zouden ze het einde van het programma niet overleven.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>De metingen kunnen niet worden bewaard in %1 (%2). Horolux blijft het proberen; tot het lukt, zouden ze het einde van het programma niet overleven.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>De metingen kunnen niet worden bewaard in %1 (%2): Horolux werkt zonder ze te bewaren.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Een vastlegging van metingen kon niet gelezen worden</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>De metingen zijn nog niet opgeslagen</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>De metingen worden niet bewaard</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Sommige rondes zijn niet teruggekomen: hun gegevens waren beschadigd.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Opnieuw</translation>
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
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Venster %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: nog %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Rondes</translation>
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
        <translation>KLAAR</translation>
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
        <translation>Vastleggen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Uur.....Min...Sec</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Stopwatch: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Geef deze timer een naam als er meerdere timers lopen.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificatie</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Nog een timer?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>In te stellen tijd</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Klok gelijkzetten</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Ja......zet de klok van uw computer gelijk!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Aftellen controleren</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Aftelling stoppen</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minuten van de aftelling</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Aftellingsweergave</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Weergave van de vastgelegde tijd</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Stopwatchweergave</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Uur..Min...Sec</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Starten, stoppen, H:MM:SS, resetten</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>De aftelling starten</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>De aftelling stoppen</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minuten van de aftelling, getypt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>De lopende tijd vastleggen als ronde; F9 toont de rondes</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokazuje tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokazuje wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Użycie: %1 [opcje]
Horolux, stoper z minutnikiem na pulpit. Każde okno zawiera stoper,
minutnik, który może nim sterować, i pole ustawiające zegar komputera;
„Kolejny stoper?” otwiera następne okno.

Opcje:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Więcej informacji: „%1 --help”.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
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
        <translation>  --no-restore   Uruchamia z jednym bezczynnym oknem; zapisane pomiary
                 zostają na później.
  --new-window [--id TEKST]
                 Otwiera nowe bezczynne okno z TEKSTEM w polu ID.
  --stopwatch [--id TEKST]
                 Otwiera nowe okno z uruchomionym stoperem.
  --countdown MINUTY [--id TEKST] [--validate]
                 Otwiera nowe okno z uruchomionym odliczaniem MINUT
                 (powyżej 0, najwyżej 1440, część dziesiętna po kropce:
                 0.5); --validate zaznacza „Sprawdź minutnik”.
  --press ID     Naciska przycisk stopera (Start, Stop, H:MM:SS lub
                 Zeruj) w oknie, którego pole ID zawiera ID.
  --capture ID   Zapisuje bieżący czas w oknie ID.
  --stop-countdown ID
                 Zatrzymuje odliczanie w oknie ID.
  --list [--json]
                 Wypisuje okna każdego Horolux, które mierzą czas lub
                 pokazują wynik, po jednym w wierszu, albo jako JSON.
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
Opcje od --new-window do --stop-countdown trafiają do Horolux
działającego w tej sesji, który od razu je wykonuje; gdy żaden nie
działa, uruchamia się ten i otwiera nowe okno.

Trwające pomiary są zapisywane w $XDG_STATE_HOME/horolux (domyślnie
~/.local/state/horolux) i wracają przy następnym uruchomieniu; aby je
odrzucić, usuń tamte pliki, gdy Horolux nie działa. Zapis, którego nie
da się odczytać, zostaje tam odłożony; przechowywanych jest najwyżej
10 najnowszych odłożonych zapisów.

Własne opcje Qt działają jak w każdym programie Qt, między innymi
-platform NAZWA, -display EKRAN, -style STYL i -reverse.
Zobacz horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: brak ekranu, na którym można otworzyć okno (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY); uruchom program w sesji graficznej, z -platform offscreen lub przez xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>„--%1” podano więcej niż raz.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Podaj naraz tylko jedną z opcji --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown i --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id idzie w parze z --new-window, --stopwatch lub --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate idzie w parze z --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json idzie w parze z --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore pasuje tylko do uruchomienia, które otwiera okno.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: nie można otworzyć ekranu %2; uruchom program w sesji graficznej, z -platform offscreen lub przez xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux czeka na odpowiedź w jednym ze swoich okien: odpowiedz tam i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Żadne okno Horolux nie ma ID „%1”.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>Liczba okien z ID „%2”: %1. Nadaj jednemu z nich inne ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Stoper w oknie „%1” nie działa: nie ma czego zapisać.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>W oknie „%1” nie trwa żadne odliczanie.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>W tej sesji nie działa żaden Horolux, więc żadne okno nie ma ID „%1”.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>odliczanie: zostało %1, koniec o %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>odliczanie %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>stoper %1, działa</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>stoper %1, zatrzymany</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(bez ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux nie działa: wróci przy następnym uruchomieniu)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Brak długości odliczania: podaj minuty, np. 5 lub 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>„%1” ma przecinek dziesiętny: zapisz minuty z kropką, np. 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>„%1” nie jest liczbą minut (np. 5 lub 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 min to dłużej, niż może trwać odliczanie: najwyżej 1440 minut (24 godziny).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 min: odliczanie musi trwać dłużej niż 0 minut.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>ID jest dłuższe niż %1 znaków, które mieści pole ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>ID zawiera znak sterujący, np. koniec wiersza.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Brak ID: wskaż okno tekstem z jego pola ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Działający Horolux nie odpowiedział (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Okrążenie</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Czas okrążenia</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Międzyczas</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (razem)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Okrążenie %1: czas okrążenia %2, międzyczas %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(najszybsze)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(najwolniejsze)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Okrążenia</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Okrążenia - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Po ponownym uruchomieniu okrążenia 1..%1 wracają tylko jako suma.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Zapisz okrążenia</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>okrazenia.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Nie udało się zapisać okrążeń w %1: %2. Nadal są tutaj; wybierz inne miejsce.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Liczba ujemna?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>No weź!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Najwyżej 24 godziny (1440 minut).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Zegar nie został zmieniony.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Usługa czasu odmówiła: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>System odmówił: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Tej godziny dziś nie ma: zegary przeskakują ją do przodu.</translation>
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
        <translation>Dokładność stopera i minutnika zależy przede wszystkim od wewnętrznego zegara komputera. Program napisano tak, aby współpracował z wewnętrznym zegarem jak najściślej. Stoper wydaje się dość dokładny na komputerze autora, natomiast minutnik trochę się myli (zwykle nie więcej niż o sekundę.....albo mniej).

Zegar komputera możesz ustawić z poziomu programu, wpisując godzinę w postaci takiej jak 13:09 , 1:09 PM lub 1:09. Jeśli wpiszesz coś błędnego, pojawi się komunikat......spróbuj wtedy jeszcze raz.

Minutnik możesz sprawdzić, zaznaczając Sprawdź minutnik. Stoper uruchamia się i zatrzymuje wtedy sam razem z minutnikiem.

Jeśli zegar komputera dojdzie do północy w trakcie pomiaru, wyniki będą błędne!

Dla informacji...doba ma 86400 sekund. Wewnętrzny zegar zaczyna je liczyć o północy.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Czy chcesz zakończyć?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Trwa pomiar czasu !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Trwa pomiar czasu!

Jeśli teraz zmienisz zegar.....
wyniki będą błędne!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hej!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tik-tak!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Błędny wpis!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Automatyczna synchronizacja czasu jest włączona; najpierw wyłącz ją w ustawieniach systemu.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Nie masz uprawnień do ustawiania zegara albo odmówiono autoryzacji.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Autoryzację anulowano.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Ustawienie zegara wymaga autoryzacji, o którą nie udało się poprosić.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Usługa czasu nie odpowiedziała na czas.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Nie masz prawa ustawiać zegara komputera.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>System nie przyjmuje tej godziny.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Systemowa usługa czasu jest niedostępna.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>System odmówił ustawienia zegara.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Ustawianie zegara komputera nie jest dostępne w tym systemie.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Odliczanie zakończone</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: odliczanie zakończone</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Odliczanie dobiegło końca.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Odliczanie zakończone o %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: odliczanie zakończone o %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Stoper nie został przywrócony: jego start leży w przyszłości. Czy zegar komputera cofnięto?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Stoper nie został przywrócony: działał dłużej niż 32767 godzin, więcej, niż potrafi przeliczyć.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Stoper nie został przywrócony: jego wynik nie jest czasem, który potrafi przeliczyć.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Odliczanie nie zostało przywrócone: jego koniec wypada za ponad 24 godziny. Czy zegar komputera cofnięto?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Odliczanie nie zostało przywrócone: skończyło się ponad dziesięć lat temu.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Pomiar nie został przywrócony</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: pomiar nie został przywrócony</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Zapis pomiarów, którego nie dało się odczytać, odłożono jako %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Zapis pomiarów, którego nie dało się odczytać, pozostawiono bez zmian, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Nie można zapisać pomiarów w %1 (%2). Horolux próbuje dalej; dopóki się nie uda, pomiary nie przetrwałyby zamknięcia programu.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Nie można przechować pomiarów w %1 (%2). Horolux próbuje dalej; dopóki się nie uda, pomiary nie przetrwałyby zamknięcia programu.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Nie można przechować pomiarów w %1 (%2): Horolux działa bez ich przechowywania.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Nie udało się odczytać zapisu pomiarów</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Pomiary nie są jeszcze zapisane</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Pomiary nie są przechowywane</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Niektóre okrążenia nie zostały przywrócone: ich zapis był uszkodzony.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Jeszcze raz</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
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
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: zostało %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoper</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Okrążenia</translation>
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
        <translation>KONIEC</translation>
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
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Godz.....Min...Sek</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoper</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Stoper: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Nazwij ten stoper, gdy działa kilka stoperów.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identyfikator</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Kolejny stoper?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Godzina do ustawienia</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Ustaw zegar</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Tak......ustaw zegar komputera!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Sprawdź minutnik</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Zatrzymaj odliczanie</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minuty odliczania</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Wyświetlacz minutnika</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Wyświetlacz zapisanego czasu</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Wyświetlacz stopera</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Godz..Min...Sek</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Start, stop, H:MM:SS, zerowanie</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Uruchom odliczanie</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Zatrzymaj odliczanie</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minuty odliczania, wpisane</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Zapisz bieżący czas jako okrążenie; F9 pokazuje okrążenia</translation>
    </message>
</context>
</TS>

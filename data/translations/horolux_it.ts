<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Uso: %1 [opzioni]
Horolux, un cronometro con conto alla rovescia per il desktop. Ogni
finestra contiene un cronometro, un conto alla rovescia che può guidarlo
e una casella che imposta l&apos;orologio del computer; &quot;Altro timer?&quot; ne
apre un&apos;altra.

Opzioni:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Prova &quot;%1 --help&quot; per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &quot;%1&quot;.</translation>
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
        <translation>  --no-restore   Avvia con una finestra inattiva; tiene i tempi registrati
                 per un avvio successivo.
  --new-window [--id TESTO]
                 Apre una nuova finestra inattiva con TESTO nella casella ID.
  --stopwatch [--id TESTO]
                 Apre una nuova finestra con il cronometro avviato.
  --countdown MINUTI [--id TESTO] [--validate]
                 Apre una nuova finestra con un conto alla rovescia di
                 MINUTI avviato (oltre 0, al massimo 1440, decimali dopo
                 un punto: 0.5); --validate spunta &quot;Verifica countdown&quot;.
  --press ID     Preme il pulsante del cronometro (Avvia, Ferma, H:MM:SS o
                 Azzera) della finestra la cui casella ID contiene ID.
  --capture ID   Cattura il tempo in corso nella finestra ID.
  --stop-countdown ID
                 Ferma il conto alla rovescia della finestra ID.
  --list [--json]
                 Elenca le finestre di ogni Horolux che stanno misurando o
                 mostrano un risultato, una per riga, oppure come JSON.
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
Le opzioni da --new-window a --stop-countdown vanno allo Horolux in
esecuzione in questa sessione, che le esegue subito; se non ce n&apos;è
nessuno, si avvia questo e apre la nuova finestra.

I tempi in corso sono registrati in $XDG_STATE_HOME/horolux (per
impostazione predefinita ~/.local/state/horolux) e tornano all&apos;avvio
successivo; per scartarli, eliminare i file lì mentre Horolux non è in
esecuzione. Una registrazione illeggibile viene messa da parte lì; si
tengono al massimo le 10 registrazioni messe da parte più recenti.

Le opzioni di Qt funzionano come in ogni programma Qt, tra cui
-platform NOME, -display DISPLAY, -style STILE e -reverse.
Vedere horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: nessun display su cui aprire una finestra (né DISPLAY né WAYLAND_DISPLAY sono impostati); avviarlo in una sessione desktop, con -platform offscreen o con xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>&quot;--%1&quot; è indicato più di una volta.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Indicare una sola opzione tra --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown e --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id va con --new-window, --stopwatch o --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate va con --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json va con --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore va solo con un avvio che apre una finestra.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: impossibile aprire il display %2; avviarlo in una sessione desktop, con -platform offscreen o con xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux attende una risposta in una delle sue finestre: rispondere, poi riprovare.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Nessuna finestra di Horolux ha l&apos;ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 finestre hanno l&apos;ID &quot;%2&quot;: dare a una di esse un altro ID.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Il cronometro della finestra &quot;%1&quot; non è in corso: niente da catturare.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Nessun conto alla rovescia in corso nella finestra &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Nessun Horolux è in esecuzione in questa sessione, quindi nessuna finestra ha l&apos;ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>conto alla rovescia %1 rimanenti, termina alle %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>conto alla rovescia %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>cronometro %1, in corso</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>cronometro %1, fermo</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(nessun ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux non in esecuzione: torna al prossimo avvio)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Nessuna durata del conto alla rovescia: indicare i minuti, come 5 o 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>&quot;%1&quot; ha una virgola decimale: scrivere i minuti con il punto, come 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>&quot;%1&quot; non è un numero di minuti (come 5 o 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minuti sono più di quanto possa durare un conto alla rovescia: al massimo 1440 minuti (24 ore).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minuti: un conto alla rovescia richiede una durata superiore a 0 minuti.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>L&apos;ID è più lungo dei %1 caratteri che la casella ID contiene.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>L&apos;ID contiene un carattere di controllo, come un a capo.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Nessun ID: indicare la finestra con il testo della sua casella ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Lo Horolux in esecuzione non ha risposto (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tempo sul giro</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (totale)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Giro %1: tempo sul giro %2, intermedio %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(più veloce)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(più lento)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Giri</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Giri - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Dopo un riavvio, i giri 1..%1 tornano solo come totale.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Salva i giri</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>giri.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Impossibile salvare i giri in %1: %2. Sono ancora qui; scegli un altro percorso.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Un numero negativo?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Ma dai!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>Il massimo è 24 ore (1440 minuti).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>L&apos;orologio non è stato cambiato.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Il servizio dell&apos;ora ha rifiutato: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Il sistema ha rifiutato: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Quell&apos;ora oggi non esiste: gli orologi vanno avanti saltandola.</translation>
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
        <translation>La precisione del cronometro e del conto alla rovescia dipende essenzialmente dall&apos;orologio interno della macchina. Il codice è stato scritto per lavorare il più vicino possibile all&apos;orologio interno. Il cronometro sembra abbastanza preciso sulla macchina dell&apos;autore, mentre il conto alla rovescia è un po&apos; impreciso (di solito non più di un secondo.....o meno).

Puoi impostare l&apos;orologio del computer dall&apos;applicazione inserendo l&apos;ora in un formato come 13:09 , 1:09 PM o 1:09. Se inserisci un valore non valido apparirà un messaggio......riprova.

Puoi verificare il conto alla rovescia selezionando Verifica countdown. Il cronometro si avvia e si ferma automaticamente con il conto alla rovescia.

Se l&apos;orologio della macchina arriva a mezzanotte durante una misurazione i risultati saranno sbagliati!

Per la cronaca...in un periodo di 24 ore ci sono 86400 secondi. L&apos;orologio interno comincia a contarli a mezzanotte.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Misurazione in corso !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Misurazione in corso!

Se cambi l&apos;orologio adesso.....
i risultati saranno sbagliati!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Ehi!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tic tac!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Valore non valido!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>La sincronizzazione automatica dell&apos;ora è attiva; disattivala prima nelle impostazioni di sistema.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Non hai il permesso di impostare l&apos;orologio, oppure l&apos;autorizzazione è stata rifiutata.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>L&apos;autorizzazione è stata annullata.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Impostare l&apos;orologio richiede un&apos;autorizzazione che non è stato possibile chiedere.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Il servizio dell&apos;ora non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Non hai il diritto di impostare l&apos;orologio del computer.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Il sistema non accetta quell&apos;ora.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Il servizio dell&apos;ora del sistema non è disponibile.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Il sistema ha rifiutato di impostare l&apos;orologio.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Impostare l&apos;orologio del computer non è possibile su questo sistema.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Conto alla rovescia finito</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: conto alla rovescia finito</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Il conto alla rovescia è terminato.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Conto alla rovescia finito alle %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: conto alla rovescia finito alle %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Il cronometro non è stato ripristinato: il suo avvio è nel futuro. L&apos;orologio del computer è stato portato indietro?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Il cronometro non è stato ripristinato: è andato avanti per più di 32767 ore, più di quanto possa convertire.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Il cronometro non è stato ripristinato: il suo risultato non è un tempo che possa convertire.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Il conto alla rovescia non è stato ripristinato: la sua fine è oltre 24 ore avanti. L&apos;orologio del computer è stato portato indietro?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Il conto alla rovescia non è stato ripristinato: è finito più di dieci anni fa.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Misurazione non ripristinata</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: misurazione non ripristinata</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Una registrazione dei tempi illeggibile è stata messa da parte come %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Una registrazione dei tempi illeggibile è lasciata com&apos;è, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Impossibile scrivere i tempi in %1 (%2). Horolux continua a provare; finché non ci riesce, non sopravvivrebbero alla chiusura del programma.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Impossibile conservare i tempi in %1 (%2). Horolux continua a provare; finché non ci riesce, non sopravvivrebbero alla chiusura del programma.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Impossibile conservare i tempi in %1 (%2): Horolux funziona senza conservarli.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Una registrazione dei tempi non è leggibile</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>I tempi non sono ancora salvati</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>I tempi non vengono conservati</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Alcuni giri non sono stati ripristinati: il loro record era danneggiato.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ancora</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Finestra %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: mancano %2</translation>
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
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Giri</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FINE</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Ore.....Min...Sec</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Cronometro: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Identifica questo timer quando ne usi più d&apos;uno.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificazione</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Altro timer?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Ora da impostare</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Imposta ora</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Sì......imposta l&apos;orologio del computer!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Verifica countdown</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Ferma il conto alla rovescia</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minuti del conto alla rovescia</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Display del conto alla rovescia</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Display del tempo catturato</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Display del cronometro</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Ore..Min...Sec</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Avvia, ferma, H:MM:SS, azzera</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Avvia il conto alla rovescia</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Ferma il conto alla rovescia</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minuti del conto alla rovescia, digitati</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Cattura il tempo in corso come giro; F9 mostra i giri</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Uso: %1 [opciones]
Horolux, un cronómetro y temporizador para el escritorio. Cada ventana
tiene un cronómetro, una cuenta atrás que puede manejarlo y un campo que
ajusta el reloj del ordenador; «¿Otro reloj?» abre una más.

Opciones:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
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
        <translation>  --no-restore   Empezar con una sola ventana en reposo; las mediciones
                 guardadas quedan para un inicio posterior.
  --new-window [--id TEXTO]
                 Abrir una ventana nueva en reposo, con TEXTO en su ID.
  --stopwatch [--id TEXTO]
                 Abrir una ventana nueva con su cronómetro en marcha.
  --countdown MINUTOS [--id TEXTO] [--validate]
                 Abrir una ventana nueva con una cuenta atrás de MINUTOS
                 en marcha (más de 0, como mucho 1440, decimales tras un
                 punto: 0.5); --validate marca «Validar cuenta atrás».
  --press ID     Pulsar el botón del cronómetro (Iniciar, Parar, H:MM:SS o
                 Reiniciar) de la ventana cuyo campo ID contiene ID.
  --capture ID   Capturar el tiempo en marcha en la ventana ID.
  --stop-countdown ID
                 Parar la cuenta atrás de la ventana ID.
  --list [--json]
                 Listar las ventanas de todos los Horolux que miden o
                 muestran un resultado, una por línea, o en JSON.
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
Las opciones de --new-window a --stop-countdown van al Horolux que se
ejecuta en esta sesión, que las cumple al instante; si no hay ninguno,
este se inicia y abre la ventana nueva.

Las mediciones en curso se guardan en $XDG_STATE_HOME/horolux (por defecto
~/.local/state/horolux) y vuelven en el siguiente inicio; para descartarlas,
borre esos archivos mientras Horolux no esté en marcha. Un registro que no se
puede leer se aparta allí; se conservan como mucho los 10 registros apartados
más recientes.

Las opciones propias de Qt funcionan como en cualquier programa Qt, entre ellas
-platform NOMBRE, -display PANTALLA, -style ESTILO y -reverse.
Consulte horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: no hay ninguna pantalla donde abrir una ventana (no están definidas ni DISPLAY ni WAYLAND_DISPLAY); ejecútelo en una sesión de escritorio, con -platform offscreen o con xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>«--%1» se indica más de una vez.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Indique solo una de --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown y --list a la vez.</translation>
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
        <translation>--no-restore solo va con un inicio que abre una ventana.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: no se puede abrir la pantalla %2; ejecútelo en una sesión de escritorio, con -platform offscreen o con xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux espera una respuesta en una de sus ventanas: respóndala y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Ninguna ventana de Horolux tiene el ID «%1».</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 ventanas tienen el ID «%2»: dé otro ID a una de ellas.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>El cronómetro de la ventana «%1» no está en marcha: no hay nada que capturar.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>No hay ninguna cuenta atrás en marcha en la ventana «%1».</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>No hay ningún Horolux en marcha en esta sesión, así que ninguna ventana tiene el ID «%1».</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>cuenta atrás %1 restante, termina a las %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>cuenta atrás %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>cronómetro %1, en marcha</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>cronómetro %1, parado</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(sin ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux no está en marcha: vuelve en su próximo inicio)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Sin duración de cuenta atrás: indique los minutos, como 5 o 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>«%1» lleva una coma decimal: escriba los minutos con punto, como 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>«%1» no es un número de minutos (como 5 o 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minutos es más de lo que puede durar una cuenta atrás: 1440 minutos (24 horas) como mucho.</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minutos: una cuenta atrás necesita una duración de más de 0 minutos.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>El ID supera los %1 caracteres que admite el campo ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>El ID contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Sin ID: nombre la ventana por el texto de su campo ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>El Horolux en marcha no respondió (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Vuelta</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tiempo de vuelta</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Tiempo parcial</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (total)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Vuelta %1: tiempo de vuelta %2, tiempo parcial %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(la más rápida)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(la más lenta)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Vueltas</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Vueltas - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Tras un reinicio, las vueltas 1..%1 solo vuelven como su total.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Guardar las vueltas</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>vueltas.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>No se pudieron guardar las vueltas en %1: %2. Siguen aquí; elija otro lugar.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>¿¡Un número negativo!?</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>¡¡Vamos, hombre!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>El máximo es de 24 horas (1440 minutos).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>No se ha cambiado el reloj.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>El servicio de hora lo ha rechazado: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>El sistema lo ha rechazado: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Esa hora no existe hoy: los relojes se adelantan y se la saltan.</translation>
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
        <translation>La precisión del cronómetro y de la cuenta atrás depende sobre todo del reloj interno de su equipo. El programa se escribió para ceñirse lo más posible a ese reloj. El cronómetro parece bastante preciso en el equipo del autor, mientras que la cuenta atrás se desvía un poco (normalmente no más de un segundo.....o menos).

Puede ajustar el reloj del ordenador desde el programa escribiendo la hora en un formato como 13:09 , 1:09 PM o 1:09. Si la entrada no es correcta, aparecerá un mensaje......inténtelo de nuevo.

Puede comprobar la cuenta atrás marcando «Validar cuenta atrás». El cronómetro se pone en marcha y se detiene automáticamente con la cuenta atrás.

¡Si el reloj del equipo llega a medianoche durante una medición, los resultados serán erróneos!

Para su información...un día de 24 horas tiene 86400 segundos. El reloj interno empieza a contarlos a medianoche.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>¿Desea salir?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>¡¡Medición en curso!!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>¡Medición en curso!

Si cambia el reloj ahora.....
¡¡sus resultados serán incorrectos!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>¡¡Eh!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>¡¡Tic tac!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>¡¡Entrada no válida!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>La sincronización automática de la hora está activada; desactívela primero en la configuración del sistema.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>No tiene permiso para ajustar el reloj, o se ha denegado la autorización.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Se ha cancelado la autorización.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Ajustar el reloj requiere una autorización que no se ha podido solicitar.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>El servicio de hora no ha respondido a tiempo.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>No tiene derecho a ajustar el reloj del ordenador.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>El sistema no acepta esa hora.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>El servicio de hora del sistema no está disponible.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>El sistema se ha negado a ajustar el reloj.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>En este sistema no se puede ajustar el reloj del ordenador.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Cuenta atrás terminada</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: cuenta atrás terminada</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>La cuenta atrás ha terminado.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Cuenta atrás terminada a las %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: cuenta atrás terminada a las %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>El cronómetro no se ha restaurado: su inicio está en el futuro. ¿Se ha atrasado el reloj del ordenador?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>El cronómetro no se ha restaurado: ha funcionado más de 32767 horas, más de lo que puede convertir.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>El cronómetro no se ha restaurado: su resultado no es un tiempo que pueda convertir.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>La cuenta atrás no se ha restaurado: su final está a más de 24 horas. ¿Se ha atrasado el reloj del ordenador?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>La cuenta atrás no se ha restaurado: terminó hace más de diez años.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Medición no restaurada</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: medición no restaurada</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Un registro de las mediciones que no se pudo leer se ha apartado como %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Un registro de las mediciones que no se pudo leer se deja tal como está, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Las mediciones no se pueden escribir en %1 (%2). Horolux sigue intentándolo; hasta entonces no sobrevivirían al final del programa.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Las mediciones no se pueden conservar en %1 (%2). Horolux sigue intentándolo; hasta entonces no sobrevivirían al final del programa.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Las mediciones no se pueden conservar en %1 (%2): Horolux funciona sin conservarlas.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>No se pudo leer un registro de las mediciones</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Las mediciones aún no están guardadas</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Las mediciones no se conservan</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Algunas vueltas no volvieron: su registro estaba dañado.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Otra vez</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Ventana %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: quedan %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Vueltas</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Hr.....Min...Seg</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Cronómetro: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Identifique este reloj cuando use varios a la vez.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>¿Otro reloj?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Hora que ajustar</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Ajustar reloj</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Sí......¡¡ajuste el reloj de su ordenador!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Validar cuenta atrás</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Parar la cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minutos de la cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Pantalla de la cuenta atrás</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Pantalla del tiempo capturado</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Pantalla del cronómetro</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Hr..Min...Seg</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Iniciar, parar, H:MM:SS, reiniciar</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Capturar el tiempo en marcha como vuelta; F9 muestra las vueltas</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Iniciar la cuenta atrás</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Detener la cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minutos de la cuenta atrás, escritos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
</context>
</TS>

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

Running timings are recorded in $XDG_STATE_HOME/horolux (by default
~/.local/state/horolux) and come back at the next start; delete the
files there while Horolux is not running to discard them. A record
that cannot be read is set aside there; at most the newest 10
set-aside records are kept.

Qt&apos;s own options work as in every Qt program, among them
-platform NAME, -display DISPLAY, -style STYLE and -reverse.
See horolux(1).
</source>
        <translation>  --no-restore   Empezar con una sola ventana en reposo; las mediciones
                 guardadas quedan para un inicio posterior.

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
        <source>Capture the running time</source>
        <translation>Capturar el tiempo en marcha</translation>
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

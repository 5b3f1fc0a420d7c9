<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Uso: %1 [opções]
Horolux, um cronômetro com contagem regressiva para a área de trabalho.
Cada janela tem um cronômetro, uma contagem regressiva que pode
comandá-lo e uma caixa que acerta o relógio do computador; &quot;Outro
timer?&quot; abre mais uma.

Opções:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Tente &quot;%1 --help&quot; para mais informações.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
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
        <translation>  --no-restore   Inicia com uma janela parada; guarda as medições
                 registradas para um próximo início.
  --new-window [--id TEXTO]
                 Abre uma nova janela parada, com TEXTO na caixa ID.
  --stopwatch [--id TEXTO]
                 Abre uma nova janela com o cronômetro iniciado.
  --countdown MINUTOS [--id TEXTO] [--validate]
                 Abre uma nova janela com uma contagem regressiva de
                 MINUTOS iniciada (acima de 0, no máximo 1440, decimais
                 após um ponto: 0.5); --validate marca &quot;Validar regressiva&quot;.
  --press ID     Pressiona o botão do cronômetro (Iniciar, Parar, H:MM:SS
                 ou Zerar) da janela cuja caixa ID contém ID.
  --capture ID   Captura o tempo em andamento na janela ID.
  --stop-countdown ID
                 Para a contagem regressiva da janela ID.
  --list [--json]
                 Lista as janelas de todo Horolux que estão medindo ou
                 mostram um resultado, uma por linha, ou como JSON.
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
As opções de --new-window a --stop-countdown vão para o Horolux em
execução nesta sessão, que as executa na hora; se nenhum estiver em
execução, este inicia e abre a nova janela.

As medições em andamento são registradas em $XDG_STATE_HOME/horolux
(por padrão ~/.local/state/horolux) e voltam no próximo início; apague
os arquivos de lá enquanto o Horolux não estiver em execução para
descartá-las. Um registro que não pode ser lido é posto de lado ali;
são mantidos no máximo os 10 registros postos de lado mais recentes.

As opções próprias do Qt funcionam como em todo programa Qt, entre elas
-platform NOME, -display TELA, -style ESTILO e -reverse.
Veja horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: nenhuma tela para abrir uma janela (nem DISPLAY nem WAYLAND_DISPLAY está definido); execute-o em uma sessão gráfica, com -platform offscreen ou com xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>&quot;--%1&quot; foi informado mais de uma vez.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Informe apenas uma opção entre --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown e --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id acompanha --new-window, --stopwatch ou --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate acompanha --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json acompanha --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore acompanha apenas um início que abre uma janela.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: não foi possível abrir a tela %2; execute-o em uma sessão gráfica, com -platform offscreen ou com xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>O Horolux aguarda uma resposta em uma de suas janelas: responda e tente de novo.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Nenhuma janela do Horolux tem o ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 janelas têm o ID &quot;%2&quot;: dê outro ID a uma delas.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>O cronômetro da janela &quot;%1&quot; não está em andamento: nada para capturar.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Nenhuma contagem regressiva em andamento na janela &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Nenhum Horolux está em execução nesta sessão, então nenhuma janela tem o ID &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>contagem regressiva: faltam %1, termina às %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>contagem regressiva %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>cronômetro %1, em andamento</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>cronômetro %1, parado</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(sem ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux fora de execução: volta no próximo início)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Sem duração da contagem regressiva: informe os minutos, como 5 ou 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>&quot;%1&quot; tem vírgula decimal: escreva os minutos com ponto, como em 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>&quot;%1&quot; não é um número de minutos (como 5 ou 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minutos é mais do que uma contagem regressiva pode durar: no máximo 1440 minutos (24 horas).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minutos: uma contagem regressiva precisa de uma duração acima de 0 minutos.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>O ID é mais longo que os %1 caracteres que cabem na caixa ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>O ID contém um caractere de controle, como uma quebra de linha.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Sem ID: indique a janela pelo texto da sua caixa ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>O Horolux em execução não respondeu (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor após &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado após &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Volta</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tempo da volta</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Parcial</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (total)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Volta %1: tempo da volta %2, parcial %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(mais rápida)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(mais lenta)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Voltas</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Voltas - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Após reiniciar, as voltas 1..%1 retornam apenas como total.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Salvar as voltas</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>voltas.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Não foi possível salvar as voltas em %1: %2. Elas continuam aqui; escolha outro local.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Um número negativo?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Qual é!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>O máximo é 24 horas (1440 minutos).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>O relógio não foi alterado.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>O serviço de hora recusou: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>O sistema recusou: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Esse horário não existe hoje: os relógios são adiantados além dele.</translation>
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
        <translation>A precisão do cronômetro e da contagem regressiva depende basicamente do relógio interno da sua máquina. O código foi escrito para trabalhar o mais próximo possível do relógio interno. O cronômetro parece razoavelmente preciso na máquina do autor, enquanto a contagem regressiva erra um pouco (em geral não mais de um segundo.....ou menos).

Você pode acertar o relógio do computador pelo aplicativo digitando a hora em um formato como 13:09 , 1:09 PM ou 1:09. Se digitar algo inválido, aparecerá uma mensagem......tente de novo.

Você pode validar a contagem regressiva marcando Validar regressiva. O cronômetro inicia e para automaticamente com a contagem regressiva.

Se o relógio da máquina passar da meia-noite durante uma medição, os resultados estarão errados!

Para sua informação...um período de 24 horas tem 86400 segundos. O relógio interno começa a contá-los à meia-noite.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Medição em andamento !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Medição em andamento!

Se você mudar o relógio agora.....
seus resultados estarão errados!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Ei!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tique-taque!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Entrada inválida!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>A sincronização automática da hora está ativada; desative-a antes nas configurações do sistema.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Você não tem permissão para acertar o relógio, ou a autorização foi recusada.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>A autorização foi cancelada.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Acertar o relógio exige uma autorização que não pôde ser solicitada.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>O serviço de hora não respondeu a tempo.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Você não tem o direito de acertar o relógio do computador.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>O sistema não aceita esse horário.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>O serviço de hora do sistema não está disponível.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>O sistema recusou acertar o relógio.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Acertar o relógio do computador não está disponível neste sistema.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Contagem regressiva concluída</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: contagem regressiva concluída</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>A contagem regressiva terminou.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Contagem regressiva concluída às %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: contagem regressiva concluída às %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>O cronômetro não foi restaurado: seu início está no futuro. O relógio do computador foi atrasado?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>O cronômetro não foi restaurado: ele correu mais de 32767 horas, mais do que consegue converter.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>O cronômetro não foi restaurado: seu resultado não é um tempo que ele consiga converter.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>A contagem regressiva não foi restaurada: seu fim está a mais de 24 horas à frente. O relógio do computador foi atrasado?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>A contagem regressiva não foi restaurada: ela terminou há mais de dez anos.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Medição não restaurada</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: medição não restaurada</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Um registro de medições que não pôde ser lido foi posto de lado como %1: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Um registro de medições que não pôde ser lido foi deixado como está, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Não é possível gravar as medições em %1 (%2). O Horolux continua tentando; até conseguir, elas não sobreviveriam ao fim do programa.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Não é possível guardar as medições em %1 (%2). O Horolux continua tentando; até conseguir, elas não sobreviveriam ao fim do programa.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Não é possível guardar as medições em %1 (%2): o Horolux funciona sem guardá-las.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Não foi possível ler um registro de medições</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>As medições ainda não foram salvas</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>As medições não estão sendo guardadas</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Algumas voltas não foram recuperadas: o registro delas estava danificado.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>De novo</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Janela %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: faltam %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Regressiva</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Voltas</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>INÍCIO</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FIM</translation>
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
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Hr.....Min...Seg</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Cronômetro: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Identifique este timer quando usar vários timers.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Outro timer?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Hora a definir</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Acertar hora</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Sim......acerte o relógio do seu computador!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Validar regressiva</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Parar a contagem regressiva</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minutos da contagem regressiva</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Regressiva</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Visor da contagem regressiva</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Visor do tempo capturado</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Visor do cronômetro</translation>
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
        <translation>Iniciar, parar, H:MM:SS, zerar</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Iniciar a contagem regressiva</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Parar a contagem regressiva</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minutos da contagem regressiva, digitados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Capturar o tempo em curso como volta; F9 mostra as voltas</translation>
    </message>
</context>
</TS>

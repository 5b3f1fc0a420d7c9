<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Utilisation&#xa0;: %1 [options]
Horolux, un chronomètre et compte à rebours pour le bureau. Chaque fenêtre
contient un chronomètre, un décompte qui peut le piloter et un champ qui
règle l&apos;horloge de l&apos;ordinateur&#xa0;; «&#xa0;Autre minuteur&#xa0;?&#xa0;» en ouvre une de plus.

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
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
        <translation>  --no-restore   Démarrer avec une seule fenêtre au repos&#xa0;; les mesures
                 enregistrées sont gardées pour un démarrage ultérieur.
  --new-window [--id TEXTE]
                 Ouvrir une nouvelle fenêtre au repos, TEXTE dans son ID.
  --stopwatch [--id TEXTE]
                 Ouvrir une nouvelle fenêtre, son chronomètre lancé.
  --countdown MINUTES [--id TEXTE] [--validate]
                 Ouvrir une nouvelle fenêtre, un décompte de MINUTES lancé
                 (plus de 0, au plus 1440, décimales après un point&#xa0;: 0.5)&#xa0;;
                 --validate coche «&#xa0;Vérifier le décompte&#xa0;».
  --press ID     Appuyer sur le bouton du chronomètre (Démarrer, Arrêt,
                 H:MM:SS ou Remise à 0) de la fenêtre dont l&apos;ID est ID.
  --capture ID   Capturer le temps qui court dans la fenêtre ID.
  --stop-countdown ID
                 Arrêter le décompte de la fenêtre ID.
  --list [--json]
                 Lister les fenêtres de tous les Horolux qui mesurent ou
                 montrent un résultat, une par ligne, ou en JSON.
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
Les options de --new-window à --stop-countdown vont au Horolux qui tourne
dans cette session, qui les exécute aussitôt&#xa0;; si aucun ne tourne,
celui-ci démarre et ouvre la nouvelle fenêtre.

Les mesures en cours sont enregistrées dans $XDG_STATE_HOME/horolux (par
défaut ~/.local/state/horolux) et reviennent au démarrage suivant&#xa0;; pour les
abandonner, supprimez ces fichiers pendant que Horolux ne tourne pas. Un
enregistrement illisible y est mis de côté&#xa0;; seuls les 10 enregistrements
mis de côté les plus récents sont conservés.

Les options propres à Qt fonctionnent comme dans tout programme Qt, dont
-platform NOM, -display ÉCRAN, -style STYLE et -reverse.
Voir horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1&#xa0;: aucun affichage où ouvrir une fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)&#xa0;; lancez-le dans une session de bureau, avec -platform offscreen ou avec xvfb-run.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>«&#xa0;--%1&#xa0;» est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>Donnez une seule option parmi --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown et --list.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id va avec --new-window, --stopwatch ou --countdown.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate va avec --countdown.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json va avec --list.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore ne va qu&apos;avec un démarrage qui ouvre une fenêtre.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1&#xa0;: impossible d&apos;ouvrir l&apos;affichage %2&#xa0;; lancez-le dans une session de bureau, avec -platform offscreen ou avec xvfb-run.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux attend une réponse dans une de ses fenêtres&#xa0;: répondez-y, puis réessayez.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Aucune fenêtre de Horolux n&apos;a l&apos;ID «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 fenêtres ont l&apos;ID «&#xa0;%2&#xa0;»&#xa0;: donnez un autre ID à l&apos;une d&apos;elles.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>Le chronomètre de la fenêtre «&#xa0;%1&#xa0;» ne tourne pas&#xa0;: rien à capturer.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>Aucun décompte ne tourne dans la fenêtre «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Aucun Horolux ne tourne dans cette session&#xa0;; aucune fenêtre n&apos;a donc l&apos;ID «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>décompte %1 restant, fin à %2</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>décompte %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>chrono %1, en marche</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>chrono %1, arrêté</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(sans ID)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux ne tourne pas&#xa0;: revient à son prochain démarrage)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Pas de durée de décompte&#xa0;: donnez les minutes, comme 5 ou 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>«&#xa0;%1&#xa0;» a une virgule décimale&#xa0;: écrivez les minutes avec un point, comme 1.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre de minutes (comme 5 ou 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 minutes dépasse ce qu&apos;un décompte peut durer&#xa0;: 1440 minutes (24 heures) au plus.</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 minutes&#xa0;: un décompte doit durer plus de 0 minute.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>L&apos;ID dépasse les %1 caractères que contient le champ ID.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>L&apos;ID contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Pas d&apos;ID&#xa0;: désignez la fenêtre par le texte de son champ ID.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Le Horolux en cours n&apos;a pas répondu (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Temps du tour</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Temps intermédiaire</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (total)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Tour %1&#xa0;: temps du tour %2, temps intermédiaire %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(le plus rapide)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(le plus lent)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Tours - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Après un redémarrage, les tours 1..%1 ne reviennent que par leur total.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Enregistrer les tours</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>tours.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Les tours n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2. Ils sont toujours là&#xa0;; choisissez un autre emplacement.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Un nombre négatif&#xa0;?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Allons donc&#xa0;!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>24 heures au maximum (1440 minutes).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>L&apos;horloge n&apos;a pas été modifiée.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Le service de l&apos;heure a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Le système a refusé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Cette heure n&apos;existe pas aujourd&apos;hui&#xa0;: les horloges avancent et la sautent.</translation>
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
        <translation>La précision du chronomètre et du décompte dépend avant tout de l&apos;horloge interne de votre machine. Le programme a été écrit pour suivre cette horloge au plus près. Le chronomètre semble assez précis sur la machine de l&apos;auteur, alors que le décompte est un peu décalé (en général d&apos;une seconde au plus.....ou moins).

Vous pouvez régler l&apos;horloge de l&apos;ordinateur depuis le programme en saisissant l&apos;heure sous une forme comme 13:09 , 1:09 PM ou 1:09. Si la saisie est incorrecte, un message s&apos;affiche......recommencez.

Vous pouvez vérifier le décompte en cochant «&#xa0;Vérifier le décompte&#xa0;». Le chronomètre démarre et s&apos;arrête alors avec le décompte.

Si l&apos;horloge de la machine passe minuit pendant une mesure, les résultats seront faux&#xa0;!

Pour info...une journée de 24 heures compte 86400 secondes. L&apos;horloge interne commence à les compter à minuit.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Chronométrage en cours&#xa0;!!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Chronométrage en cours&#xa0;!

Si vous changez l&apos;heure maintenant.....
vos résultats seront faux&#xa0;!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hé&#xa0;!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tic-tac&#xa0;!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Saisie non valide&#xa0;!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>La synchronisation automatique de l&apos;heure est activée&#xa0;; désactivez-la d&apos;abord dans les paramètres du système.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Vous n&apos;êtes pas autorisé à régler l&apos;horloge, ou l&apos;autorisation a été refusée.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>L&apos;autorisation a été annulée.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Régler l&apos;horloge demande une autorisation qui n&apos;a pas pu être sollicitée.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Le service de l&apos;heure n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Vous n&apos;avez pas le droit de régler l&apos;horloge de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Le système n&apos;accepte pas cette heure.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Le service de l&apos;heure du système n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Le système a refusé de régler l&apos;horloge.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Le réglage de l&apos;horloge de l&apos;ordinateur n&apos;est pas possible sur ce système.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Décompte terminé</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1&#xa0;: décompte terminé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Le décompte est terminé.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Décompte terminé à %1</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1&#xa0;: décompte terminé à %2</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Le chronomètre n&apos;a pas été rétabli&#xa0;: son départ est dans le futur. L&apos;horloge de l&apos;ordinateur a-t-elle été retardée&#xa0;?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Le chronomètre n&apos;a pas été rétabli&#xa0;: il a tourné plus de 32767 heures, plus qu&apos;il ne peut convertir.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Le chronomètre n&apos;a pas été rétabli&#xa0;: son résultat n&apos;est pas une durée qu&apos;il peut convertir.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Le décompte n&apos;a pas été rétabli&#xa0;: sa fin est à plus de 24 heures. L&apos;horloge de l&apos;ordinateur a-t-elle été retardée&#xa0;?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Le décompte n&apos;a pas été rétabli&#xa0;: il s&apos;est terminé il y a plus de dix ans.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Chronométrage non rétabli</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1&#xa0;: chronométrage non rétabli</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Un enregistrement des mesures illisible a été mis de côté sous le nom %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Un enregistrement des mesures illisible est laissé tel quel, %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Les mesures ne peuvent pas être écrites dans %1 (%2). Horolux continue d&apos;essayer&#xa0;; d&apos;ici là, elles ne survivraient pas à la fin du programme.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Les mesures ne peuvent pas être conservées dans %1 (%2). Horolux continue d&apos;essayer&#xa0;; d&apos;ici là, elles ne survivraient pas à la fin du programme.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Les mesures ne peuvent pas être conservées dans %1 (%2)&#xa0;: Horolux fonctionne sans les conserver.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Un enregistrement des mesures n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Les mesures ne sont pas encore enregistrées</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Les mesures ne sont pas conservées</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Certains tours ne sont pas revenus&#xa0;: leur enregistrement était endommagé.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Encore</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Fenêtre %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1 : encore %2</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Tours</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FINI</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>H.....Min...Sec</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remise à 0</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Chronomètre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Nommez ce minuteur quand plusieurs minuteurs tournent.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Autre minuteur&#xa0;?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Heure à régler</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Oui......réglez l&apos;horloge de votre ordinateur&#xa0;!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Vérifier le décompte</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Arrêter le décompte</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Minutes du décompte</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Affichage du décompte</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Affichage du temps capturé</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Affichage du chronomètre</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>H..Min...Sec</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Démarrer, arrêter, H:MM:SS, remettre à zéro</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Capturer le temps en cours comme un tour&#xa0;; F9 affiche les tours</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Lancer le décompte</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Arrêter le décompte</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Minutes du décompte, saisies</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
</TS>

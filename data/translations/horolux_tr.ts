<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Bu yardımı gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Sürümü gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Horolux, a stopwatch and countdown timer for the desktop. Each window
holds a stopwatch, a countdown that can drive it and a box that sets
the computer&apos;s clock; &quot;Another Timer?&quot; opens one more.

Options:
</source>
        <translation>Kullanım: %1 [seçenekler]
Horolux, masaüstü için geri sayımlı bir kronometre. Her pencerede bir
kronometre, onu yönetebilen bir geri sayım ve bilgisayarın saatini
ayarlayan bir kutu vardır; &quot;Başka sayaç?&quot; bir pencere daha açar.

Seçenekler:
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Daha fazla bilgi için &quot;%1 --help&quot; deneyin.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman &quot;%1&quot;.</translation>
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
        <translation>  --no-restore   Tek bir boş pencereyle başlar; kaydedilen ölçümler
                 sonraki bir başlatma için saklanır.
  --new-window [--id METİN]
                 Kimlik kutusunda METİN olan yeni bir boş pencere açar.
  --stopwatch [--id METİN]
                 Kronometresi başlamış yeni bir pencere açar.
  --countdown DAKİKA [--id METİN] [--validate]
                 DAKİKA uzunluğunda geri sayımı başlamış yeni bir
                 pencere açar (0&apos;dan büyük, en çok 1440, ondalıklar
                 noktadan sonra: 0.5); --validate &quot;Sayımı doğrula&quot;yı
                 işaretler.
  --press ID     Kimlik kutusunda ID olan penceredeki kronometre
                 düğmesine (Başlat, Dur, H:MM:SS veya Sıfırla) basar.
  --capture ID   ID penceresinde işleyen süreyi yakalar.
  --stop-countdown ID
                 ID penceresinin geri sayımını durdurur.
  --list [--json]
                 Ölçüm yapan ya da sonuç gösteren tüm Horolux
                 pencerelerini satır başına bir tane ya da JSON olarak
                 listeler.
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
--new-window ile --stop-countdown arasındaki seçenekler bu oturumda
çalışan Horolux&apos;a gider ve o bunları hemen yerine getirir; çalışan
yoksa bu başlar ve yeni pencereyi açar.

Süren ölçümler $XDG_STATE_HOME/horolux içine (öntanımlı olarak
~/.local/state/horolux) kaydedilir ve sonraki başlatmada geri gelir;
atmak için Horolux çalışmıyorken oradaki dosyaları silin. Okunamayan
bir kayıt orada bir kenara konur; kenara konan kayıtların en yeni 10
tanesi tutulur.

Qt&apos;nin kendi seçenekleri her Qt programındaki gibi çalışır, aralarında
-platform AD, -display EKRAN, -style BİÇEM ve -reverse vardır.
Bkz. horolux(1).
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: pencere açılacak ekran yok (ne DISPLAY ne de WAYLAND_DISPLAY ayarlı); programı bir masaüstü oturumunda, -platform offscreen ile ya da xvfb-run altında çalıştırın.
</translation>
    </message>
    <message>
        <source>&apos;--%1&apos; is given more than once.</source>
        <translation>&quot;--%1&quot; birden fazla kez verildi.</translation>
    </message>
    <message>
        <source>Give one of --new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown and --list at a time.</source>
        <translation>--new-window, --stopwatch, --countdown, --press, --capture, --stop-countdown ve --list seçeneklerinden bir seferde yalnızca birini verin.</translation>
    </message>
    <message>
        <source>--id goes with --new-window, --stopwatch or --countdown.</source>
        <translation>--id; --new-window, --stopwatch ya da --countdown ile kullanılır.</translation>
    </message>
    <message>
        <source>--validate goes with --countdown.</source>
        <translation>--validate, --countdown ile kullanılır.</translation>
    </message>
    <message>
        <source>--json goes with --list.</source>
        <translation>--json, --list ile kullanılır.</translation>
    </message>
    <message>
        <source>--no-restore goes only with a start that opens a window.</source>
        <translation>--no-restore yalnızca pencere açan bir başlatmayla kullanılır.</translation>
    </message>
    <message>
        <source>%1: cannot open the display %2; run it in a desktop session, with -platform offscreen, or under xvfb-run.
</source>
        <translation>%1: %2 ekranı açılamıyor; programı bir masaüstü oturumunda, -platform offscreen ile ya da xvfb-run altında çalıştırın.
</translation>
    </message>
    <message>
        <source>Horolux waits for an answer in one of its windows: answer it, then try again.</source>
        <translation>Horolux pencerelerinden birinde bir yanıt bekliyor: yanıtlayın, sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>No window of Horolux has the I.D. &apos;%1&apos;.</source>
        <translation>Hiçbir Horolux penceresinin kimliği &quot;%1&quot; değil.</translation>
    </message>
    <message>
        <source>%1 windows have the I.D. &apos;%2&apos;: give one of them another I.D.</source>
        <translation>%1 pencerenin kimliği &quot;%2&quot;: birine başka bir kimlik verin.</translation>
    </message>
    <message>
        <source>The stopwatch of the window &apos;%1&apos; is not running: nothing to capture.</source>
        <translation>&quot;%1&quot; penceresinin kronometresi çalışmıyor: yakalanacak bir şey yok.</translation>
    </message>
    <message>
        <source>No countdown runs in the window &apos;%1&apos;.</source>
        <translation>&quot;%1&quot; penceresinde süren bir geri sayım yok.</translation>
    </message>
    <message>
        <source>No Horolux is running in this session, so no window has the I.D. &apos;%1&apos;.</source>
        <translation>Bu oturumda çalışan bir Horolux yok, bu yüzden hiçbir pencerenin kimliği &quot;%1&quot; değil.</translation>
    </message>
    <message>
        <source>countdown %1 left, ends at %2</source>
        <translation>geri sayım: %1 kaldı, %2 saatinde biter</translation>
    </message>
    <message>
        <source>countdown %1</source>
        <translation>geri sayım %1</translation>
    </message>
    <message>
        <source>stopwatch %1, running</source>
        <translation>kronometre %1, çalışıyor</translation>
    </message>
    <message>
        <source>stopwatch %1, stopped</source>
        <translation>kronometre %1, durdu</translation>
    </message>
    <message>
        <source>(no I.D.)</source>
        <translation>(kimlik yok)</translation>
    </message>
    <message>
        <source> (Horolux not running: comes back at its next start)</source>
        <translation> (Horolux çalışmıyor: bir sonraki başlatmada geri gelir)</translation>
    </message>
    <message>
        <source>No countdown length: give the minutes, such as 5 or 0.5.</source>
        <translation>Geri sayım uzunluğu yok: dakikaları verin, örneğin 5 ya da 0.5.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a decimal comma: write the minutes with a point, as in 1.5.</source>
        <translation>&quot;%1&quot; ondalık virgül içeriyor: dakikaları noktayla yazın, 1.5 gibi.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of minutes (such as 5 or 0.5).</source>
        <translation>&quot;%1&quot; bir dakika sayısı değil (örneğin 5 ya da 0.5).</translation>
    </message>
    <message>
        <source>%1 minutes is longer than a countdown can run: 1440 minutes (24 hours) at most.</source>
        <translation>%1 dakika bir geri sayımın sürebileceğinden uzun: en çok 1440 dakika (24 saat).</translation>
    </message>
    <message>
        <source>%1 minutes: a countdown needs a length above 0 minutes.</source>
        <translation>%1 dakika: geri sayım 0 dakikadan uzun olmalı.</translation>
    </message>
    <message>
        <source>The I.D. is longer than the %1 characters the I.D. box holds.</source>
        <translation>Kimlik, kimlik kutusunun aldığı %1 karakterden uzun.</translation>
    </message>
    <message>
        <source>The I.D. holds a control character, such as a line break.</source>
        <translation>Kimlik, satır sonu gibi bir denetim karakteri içeriyor.</translation>
    </message>
    <message>
        <source>No I.D.: name the window by the text in its I.D. box.</source>
        <translation>Kimlik yok: pencereyi kimlik kutusundaki metinle belirtin.</translation>
    </message>
    <message>
        <source>The running Horolux did not answer (%1).</source>
        <translation>Çalışan Horolux yanıt vermedi (%1).</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Bilinmeyen seçenek &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Bilinmeyen seçenekler: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&quot;%1&quot; sonrasında değer eksik.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&quot;%1&quot; sonrasında beklenmeyen değer.</translation>
    </message>
</context>
<context>
    <name>LapsWindow</name>
    <message>
        <source>Lap</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Lap time</source>
        <translation>Tur süresi</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Ara süre</translation>
    </message>
    <message>
        <source>%1..%2 (total)</source>
        <translation>%1..%2 (toplam)</translation>
    </message>
    <message>
        <source>Lap %1: lap time %2, split %3</source>
        <translation>Tur %1: tur süresi %2, ara süre %3</translation>
    </message>
    <message>
        <source>(fastest)</source>
        <translation>(en hızlı)</translation>
    </message>
    <message>
        <source>(slowest)</source>
        <translation>(en yavaş)</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Turlar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Kaydet...</translation>
    </message>
    <message>
        <source>Laps - %1</source>
        <translation>Turlar - %1</translation>
    </message>
    <message>
        <source>After a restart, laps 1..%1 come back as their total only.</source>
        <translation>Yeniden başlatmadan sonra 1..%1 arası turlar yalnızca toplam olarak geri gelir.</translation>
    </message>
    <message>
        <source>Save the laps</source>
        <translation>Turları kaydet</translation>
    </message>
    <message>
        <source>laps.csv</source>
        <translation>turlar.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The laps could not be saved to %1: %2. They are still here; choose another place.</source>
        <translation>Turlar %1 konumuna kaydedilemedi: %2. Hâlâ buradalar; başka bir yer seçin.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>A negative number?!</source>
        <translation>Negatif bir sayı mı?!</translation>
    </message>
    <message>
        <source>Come On!!</source>
        <translation>Hadi ama!!</translation>
    </message>
    <message>
        <source>24 hours is the maximum (1440 minutes).</source>
        <translation>En çok 24 saat (1440 dakika).</translation>
    </message>
    <message>
        <source>The clock was not changed.<byte value="xd"/>
%1</source>
        <translation>Saat değiştirilmedi.
%1</translation>
    </message>
    <message>
        <source>The time service refused: %1</source>
        <translation>Saat hizmeti reddetti: %1</translation>
    </message>
    <message>
        <source>The system refused: %1.</source>
        <translation>Sistem reddetti: %1.</translation>
    </message>
    <message>
        <source>That time does not occur today: the clocks go forward past it.</source>
        <translation>Bu saat bugün yok: saatler onu atlayarak ileri alınıyor.</translation>
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
        <translation>Kronometre ve geri sayımın doğruluğu temelde makinenizin iç saatine bağlıdır. Kod, iç saatle olabildiğince yakın çalışacak biçimde yazıldı. Kronometre yazarın makinesinde oldukça hassas görünüyor; geri sayım ise biraz sapıyor (genellikle bir saniyeden fazla değil.....ya da daha az).

Bilgisayarınızın saatini uygulamadan, saati 13:09 , 1:09 PM ya da 1:09 gibi bir biçimde girerek ayarlayabilirsiniz. Hatalı bir giriş yaparsanız bir ileti çıkar......yeniden deneyin.

&quot;Sayımı doğrula&quot;yı işaretleyerek geri sayımı doğrulayabilirsiniz. Kronometre geri sayımla birlikte kendiliğinden başlar ve durur.

Makinenin saati bir ölçüm sırasında gece yarısına ulaşırsa sonuçlar yanlış olur!

Bilginize...24 saatlik bir sürede 86400 saniye vardır. İç saat bu saniyeleri gece yarısında saymaya başlar.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Timing in progress !!</source>
        <translation>Ölçüm sürüyor !!</translation>
    </message>
    <message>
        <source>Timing in progress!<byte value="xd"/>
<byte value="xd"/>
If you change the clock now.....<byte value="xd"/>
your results will be incorrect!!</source>
        <translation>Ölçüm sürüyor!

Saati şimdi değiştirirseniz.....
sonuçlarınız yanlış olur!!</translation>
    </message>
    <message>
        <source>Hey!!</source>
        <translation>Hey!!</translation>
    </message>
    <message>
        <source>Tick Tock!!</source>
        <translation>Tik tak!!</translation>
    </message>
    <message>
        <source>Invalid entry!!</source>
        <translation>Geçersiz giriş!!</translation>
    </message>
    <message>
        <source>Automatic time synchronization is on; turn it off in the system settings first.</source>
        <translation>Otomatik saat eşitleme açık; önce sistem ayarlarından kapatın.</translation>
    </message>
    <message>
        <source>You are not allowed to set the clock, or the authorization was refused.</source>
        <translation>Saati ayarlamanıza izin verilmiyor ya da yetkilendirme reddedildi.</translation>
    </message>
    <message>
        <source>The authorization was cancelled.</source>
        <translation>Yetkilendirme iptal edildi.</translation>
    </message>
    <message>
        <source>Setting the clock needs an authorization that could not be asked for.</source>
        <translation>Saati ayarlamak, istenemeyen bir yetkilendirme gerektiriyor.</translation>
    </message>
    <message>
        <source>The time service did not answer in time.</source>
        <translation>Saat hizmeti zamanında yanıt vermedi.</translation>
    </message>
    <message>
        <source>You do not have the right to set the computer&apos;s clock.</source>
        <translation>Bilgisayarın saatini ayarlama hakkınız yok.</translation>
    </message>
    <message>
        <source>The system does not accept that time.</source>
        <translation>Sistem bu saati kabul etmiyor.</translation>
    </message>
    <message>
        <source>The system&apos;s time service is not available.</source>
        <translation>Sistemin saat hizmeti kullanılamıyor.</translation>
    </message>
    <message>
        <source>The system refused to set the clock.</source>
        <translation>Sistem saati ayarlamayı reddetti.</translation>
    </message>
    <message>
        <source>Setting the computer&apos;s clock is not available on this system.</source>
        <translation>Bu sistemde bilgisayarın saatini ayarlamak kullanılamıyor.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Countdown done</source>
        <translation>Geri sayım bitti</translation>
    </message>
    <message>
        <source>%1: countdown done</source>
        <translation>%1: geri sayım bitti</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>The countdown has finished.</source>
        <translation>Geri sayım sona erdi.</translation>
    </message>
    <message>
        <source>Countdown done at %1</source>
        <translation>Geri sayım %1 saatinde bitti</translation>
    </message>
    <message>
        <source>%1: countdown done at %2</source>
        <translation>%1: geri sayım %2 saatinde bitti</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its start lies in the future. Was the computer&apos;s clock set back?</source>
        <translation>Kronometre geri getirilmedi: başlangıcı gelecekte. Bilgisayarın saati geri mi alındı?</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: it has run longer than 32767 hours, more than it can convert.</source>
        <translation>Kronometre geri getirilmedi: 32767 saatten uzun çalıştı, dönüştürebileceğinden fazla.</translation>
    </message>
    <message>
        <source>The stopwatch did not come back: its result is not a time it can convert.</source>
        <translation>Kronometre geri getirilmedi: sonucu dönüştürebileceği bir süre değil.</translation>
    </message>
    <message>
        <source>The countdown did not come back: its end lies more than 24 hours ahead. Was the computer&apos;s clock set back?</source>
        <translation>Geri sayım geri getirilmedi: bitişi 24 saatten daha ileride. Bilgisayarın saati geri mi alındı?</translation>
    </message>
    <message>
        <source>The countdown did not come back: it ended more than ten years ago.</source>
        <translation>Geri sayım geri getirilmedi: on yıldan daha önce bitti.</translation>
    </message>
    <message>
        <source>Timing not restored</source>
        <translation>Ölçüm geri getirilmedi</translation>
    </message>
    <message>
        <source>%1: timing not restored</source>
        <translation>%1: ölçüm geri getirilmedi</translation>
    </message>
    <message>
        <source>A timing record that could not be read was set aside as %1: %2</source>
        <translation>Okunamayan bir ölçüm kaydı %1 olarak kenara kondu: %2</translation>
    </message>
    <message>
        <source>A timing record that could not be read is left as it is, %1: %2</source>
        <translation>Okunamayan bir ölçüm kaydı olduğu gibi bırakıldı, %1: %2</translation>
    </message>
    <message>
        <source>The timings cannot be written to %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Ölçümler %1 konumuna yazılamıyor (%2). Horolux denemeyi sürdürüyor; başarana dek ölçümler programın kapanmasından sonra kalmaz.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2). Horolux keeps trying; until it succeeds they would not outlive the program.</source>
        <translation>Ölçümler %1 konumunda tutulamıyor (%2). Horolux denemeyi sürdürüyor; başarana dek ölçümler programın kapanmasından sonra kalmaz.</translation>
    </message>
    <message>
        <source>The timings cannot be kept in %1 (%2): Horolux runs without keeping them.</source>
        <translation>Ölçümler %1 konumunda tutulamıyor (%2): Horolux onları tutmadan çalışıyor.</translation>
    </message>
    <message>
        <source>A timing record could not be read</source>
        <translation>Bir ölçüm kaydı okunamadı</translation>
    </message>
    <message>
        <source>The timings are not saved yet</source>
        <translation>Ölçümler henüz kaydedilmedi</translation>
    </message>
    <message>
        <source>The timings are not kept</source>
        <translation>Ölçümler tutulmuyor</translation>
    </message>
    <message>
        <source>Some laps did not come back: their record was damaged.</source>
        <translation>Bazı turlar geri gelmedi: kayıtları bozuktu.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Yeniden</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Window %1</source>
        <translation>Pencere %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Göster</translation>
    </message>
    <message>
        <source>%1: %2 left</source>
        <translation>%1: %2 kaldı</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Kronometre</translation>
    </message>
    <message>
        <source>Laps</source>
        <translation>Turlar</translation>
    </message>
</context>
<context>
    <name>frmStopwatch</name>
    <message>
        <source>START</source>
        <translation>BAŞLA</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>BİTTİ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>H:MM:SS</source>
        <translation>H:MM:SS</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Yakala</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Hr.....Min...Sec</source>
        <translation>Sa.....Dk...Sn</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Kronometre</translation>
    </message>
    <message>
        <source>%1 stopwatch</source>
        <translation>Kronometre: %1</translation>
    </message>
    <message>
        <source>Identify this timer while running multiple timers.</source>
        <translation>Birden çok sayaç çalışırken bu sayacı tanımlayın.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Another Timer?</source>
        <translation>Başka sayaç?</translation>
    </message>
    <message>
        <source>Time to set</source>
        <translation>Ayarlanacak saat</translation>
    </message>
    <message>
        <source>Set Your Clock</source>
        <translation>Saati ayarla</translation>
    </message>
    <message>
        <source>Yes......set your computer&apos;s clock!!</source>
        <translation>Evet......bilgisayarınızın saatini ayarlayın!!</translation>
    </message>
    <message>
        <source>Validate Countdown</source>
        <translation>Sayımı doğrula</translation>
    </message>
    <message>
        <source>Stop countdown</source>
        <translation>Geri sayımı durdur</translation>
    </message>
    <message>
        <source>Countdown minutes</source>
        <translation>Geri sayım dakikaları</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
    </message>
    <message>
        <source>Countdown display</source>
        <translation>Geri sayım göstergesi</translation>
    </message>
    <message>
        <source>Capture display</source>
        <translation>Yakalanan süre göstergesi</translation>
    </message>
    <message>
        <source>Stopwatch display</source>
        <translation>Kronometre göstergesi</translation>
    </message>
    <message>
        <source>I. D.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Hr..Min...Sec</source>
        <translation>Sa..Dk...Sn</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Start, stop, H:MM:SS, reset</source>
        <translation>Başlat, durdur, H:MM:SS, sıfırla</translation>
    </message>
    <message>
        <source>Start the countdown</source>
        <translation>Geri sayımı başlat</translation>
    </message>
    <message>
        <source>Stop the countdown</source>
        <translation>Geri sayımı durdur</translation>
    </message>
    <message>
        <source>Countdown minutes, typed</source>
        <translation>Geri sayım dakikaları, yazılan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Capture the running time as a lap; F9 shows the laps</source>
        <translation>Geçen süreyi tur olarak yakala; F9 turları gösterir</translation>
    </message>
</context>
</TS>

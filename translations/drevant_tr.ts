<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>Hacim, mL</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>Titrant (mL)</source>
        <translation>Titrant (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Veri sonu</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>dosya yolu verilmedi</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>yol bir NUL karakteri içeriyor</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>yol göreli, tam bir yol gerekiyor</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>dosya adı verilmedi</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>dosya tamamen yazılamadı</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>klasör verilmedi</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>dosya adı &quot;/&quot; içeriyor</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>dosya adı bir NUL karakteri içeriyor</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>klasör bir NUL karakteri içeriyor</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Asit %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>kuvvetli (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>zayıf, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Diprotik asit: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>bir monoprotik asit, kuvvetli ya da zayıf</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>bir diprotik asit</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>iki monoprotik asit, ikincisi zayıf</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>diprotik bir asitle birlikte kuvvetli monoprotik bir asit</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>üç monoprotik asit, ilki kuvvetli, diğer ikisi zayıf</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>asit %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>diprotik asit, 1. proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>diprotik asit, 2. proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>asit %1 (kuvvetli)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>asitler %1 (kuvvetli)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> ve </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>ne bir dosya ne de bir numune anahtarı: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Anahtar: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Sistem %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, numune %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 kayıtlı nokta</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 kayıtlı nokta</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> %1 mL&apos;ye kadar</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Eşdeğerlik hacimleri (birikimli, en kuvvetli asit önce):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (20 mL&apos;lik büretin ötesinde)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Eşdeğerlik hacimleri: --normality N ve --volume-ml V verin</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Noktalar: %1 anahtarla tutarlı, %2 dışa aktarımdan sonra, %3 şüpheli</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    şüpheli </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, gerçek </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, dışa aktarımdan sonra </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>çıktı yazılamıyor: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>yalın anahtar %1, eğri ya da grafik için --normality N ve --volume-ml V gerektirir</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Nokta %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Çizilmiş nokta yok.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Başlat&apos;a kadar kilitli.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Büret %1 mL sonra boşaldı. Doldurmak için titrasyonu yeniden başlatın.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>20 mL&apos;nin %1 mL&apos;si eklendi. Boşluk tuşunu ya da bir fare düğmesini basılı tutun: saniyede 1 mL, her basışta en az 0,1 mL.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 nokta çizildi; sonuncusu %2 mL&apos;de, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 nokta çizildi; sonuncusu %2 mL&apos;de, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Verileri göster</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Daha fazla veri göster</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Büret boş, yeniden deneyin!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>UYARI!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Numuneyi yüzde 10&apos;dan fazla seyrelttiniz</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Bu, iyi bir laboratuvar uygulaması değil!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Büret okuması (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Titrant normalitesi (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Veri noktası sayısı: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Titre etmek için basın</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1, %2 içine kaydedildi</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Bir titrasyon seçin</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Basit sistem</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Orta zorluk</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Karmaşık sistem</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Bilinmeyen numunenin zorluk düzeyi</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Seçilen düzeyde bilinmeyen bir numune oluşturur ve titrasyon penceresini açar.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Bilinmeyen numunede bir asit.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Bilinmeyen numunede iki asit.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Bilinmeyen numunede biri kuvvetli olan bir asit karışımı.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Titre etmek için basın</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Titrant normalitesi</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Numune hacmi (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Verileri göster</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Verileri dışa aktar</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Titrasyonu yeniden başlat</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Yeni titrasyonla baştan başla</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Büret: titrant eklemek için basılı tutun</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Titrant normalitesi (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Başlangıç numune hacmi (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>İletiler</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titrasyon eğrisi</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Titrant eklenmemiş numunenin pH&apos;ını hesaplar, ilk nokta olarak çizer, normaliteyi ve hacmi sabitler ve büretin kilidini açar.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Verileri bir dosyaya kaydeden pencereyi açar.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Eğriyi, verileri ve iletileri siler; aynı numuneyi korur.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Bu pencereyi kapatır ve yeni bir numune için düzey seçimine döner.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Titrantın akması için basılı tutun: saniyede 1 mL, her basışta en az 0,1 mL, en çok 20 mL. Başlat&apos;a kadar kilitli.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Titrant normalitesi (N), 0,001 ile 0,5 arası: Başlat&apos;tan önce ayarlayın.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Başlangıç numune hacmi (mL), 1 ile 1000 arası: Başlat&apos;tan önce ayarlayın.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>İletiler: her bırakıştan sonraki okuma ya da bir veri sayfası.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Kayıtlı noktaları ileti panelinde, sayfa başına yedi tane gösterir.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titrasyon eğrisi: titrant hacmine karşı pH. Hacmini ve pH&apos;ını okumak için bir işaretin üzerine gelin ya da burada ok tuşlarını kullanın.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Önce Başlat&apos;a basın.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Verileri dışa aktar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Eksikse .dat eklenerek kaydedilir</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Klasörler</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Dosyalar (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Kaydedilen yollar ve iletiler</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Dosyanın adı: *.dat&apos;ın üzerine yazın; eksikse .dat eklenir, * ile başlayan bir ad Drevant.dat olarak kaydedilir. Enter kaydeder.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Kaydedilecek sürücü.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Kaydedilecek klasör: çift tıklama ya da Enter bir klasörü açar.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Klasörde zaten bulunan .dat dosyaları: tıklamak adı kopyalar.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Verileri dosyaya yazar ve pencereyi kapatır.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Pencereyi kaydetmeden kapatır.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Her kaydın yolu ve bir kaydın neden başarısız olduğu.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant Yardımı</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Bir titrasyon&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Bir düzey seçin ve &lt;b&gt;Başla&lt;/b&gt;&apos;ya basın: bilinmeyen bir numune oluşturulur.&lt;/li&gt;&lt;li&gt;Titrantın normalitesini ve numunenin hacmini kaydırma çubuklarıyla ayarlayın.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Başlat&lt;/b&gt;&apos;a basın: titrant eklenmemiş ilk nokta çizilir.&lt;/li&gt;&lt;li&gt;Bürete basılı tutun: titrant saniyede 1 mL, her basışta en az 0,1 mL, en çok 20 mL akar. Her bırakış okumayı gösterir ve bir nokta çizer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Verileri göster&lt;/b&gt; noktaları sayfa başına yedi tane listeler; &lt;b&gt;Verileri dışa aktar&lt;/b&gt; onları kaydeder.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Tuşlar&lt;/h3&gt;&lt;p&gt;Tab ve Shift+Tab denetimler arasında geçiş yapar; Boşluk bir düğmeye basar; büret üzerinde Boşluk&apos;u basılı tutmak titrant ekler. Ok tuşları, Page Up/Down, Home ve End bir kaydırma çubuğunu hareket ettirir. Grafikte oklar noktadan noktaya gider. Ctrl+Artı ve Ctrl+Eksi bir pencereyi büyütür ya da küçültür, Ctrl+0 yüzde 100&apos;e döner; bir pencere yeniden boyutlandırılabilir ya da ekranı kaplayabilir. F1 bu yardımı açar.&lt;/p&gt;&lt;h3&gt;Dışa aktarma dosyası&lt;/h3&gt;&lt;p&gt;Dosya (ad.dat) titrantın normalitesini, numunenin hacmini ve her noktayı (litre cinsinden hacim ve pH) içerir; ayrıca öğretmeninizin teslim edilen çalışmayı denetlediği bir anahtar taşır. Kutuya yazılan bir ad *.dat kalıbının yerini alır; eksikse .dat eklenir; kaydettikten sonra ileti paneli dosyanın nereye gittiğini söyler.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. GNU Genel Kamu Lisansı, sürüm 3 ya da sonrası ile lisanslanmıştır; hiçbir garantisi yoktur.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

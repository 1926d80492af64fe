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
    <message>
        <source> to </source>
        <translation> – </translation>
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
    <message>
        <source>cannot create the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
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
</context>
</TS>

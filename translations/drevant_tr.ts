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
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>%1. sütunda satır besleme olmadan satır başı (dışa aktarma dosyasının satır sonu değil)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>%1. sütunda NUL baytı: dosya bozuk ya da metin değil</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>%2. sütundaki 0x%1 baytı düz ASCII metni değil: dosya bozuk ya da simülatör tarafından yazılmamış</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>numune anahtarı eksik (ilk satır boş)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>&quot;%1&quot; ve %2 bekleniyordu, bulunan: %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 bir sayı değil</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3, simülatörün aralığı olan %4 - %5 %3 dışında</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>&quot;%1%2&quot; sütun başlığı bekleniyordu, bulunan: %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>bir hacim ve bir pH bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>%1 hacmi bir sayı değil</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>%1 pH değeri bir sayı değil</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>%1 L hacmi, büretin 0 - %2 L aralığı dışında</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>%1 L hacmi, önceki satırdaki %2 L&apos;den küçük (kayıt yalnızca artar)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>%1 pH değeri 0 - %2 aralığı dışında</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>dosya %1 bayt, bir dışa aktarma dosyasının olabileceği %2 bayttan fazla: dışa aktarma dosyası değil</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>satır %1 karakter, bir dışa aktarma dosyasındaki herhangi bir satırın %2 karakterinden fazla</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>satırın satır sonu yok: dosya kesik</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>veri satırları arasında boş satır</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>%1 veri satırından fazla: hiçbir titrasyon %1 noktadan fazlasını kaydetmez</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>numune anahtarı</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>titrantın normalitesi</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>numune hacmi</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>sütun başlığı</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>dosya, şu gelmeden bitiyor: %1; dosya kesik</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>bir dışa aktarma dosyası</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>litre cinsinden numune hacmi</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>bir PNG resmi</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>bir JPEG resmi</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>bir GIF resmi</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>bir PDF belgesi</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>bir ZIP arşivi ya da ofis belgesi</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16 metni</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>bir WebP resmi</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>ikili veri</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>bir CSV tablosu</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>ilk satırı numune anahtarı olmayan bir metin</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>%1, dışa aktarma dosyası değil</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>böyle bir dosya yok (%1 var: adı .dat ile verin)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>bir klasör, dosya değil</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>bir klasör, %1 değil</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>normal bir dosya değil (aygıt, boru ya da soket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>dosya %1 bayt, olabileceği %2 bayttan fazla</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>dosya %1 bayt, %3 için olabilecek %2 bayttan fazla: %3 değil</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>açılamıyor: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>okunamıyor: %1</translation>
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
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (yerinde yazıldı: dosya eksik)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>programdan kapanması istendi</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Eklenen titrant (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Sistem %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Anahtar %1   ·   titrant %2 N   ·   numune %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, şüpheli: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (20 mL&apos;lik büretin ötesinde) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>gerçek eğri</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>dışa aktarımdan sonra</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>öğrencinin noktaları</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>şüpheli noktalar</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>eşdeğerlik hacmi</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   kaydedilen nokta: %1</translation>
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
        <source>pH %1 to %2</source>
        <translation>pH %1 - %2</translation>
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
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>bu bir cevap anahtarı (drevant-key --csv), cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>bu bir not dosyası (drevant-key --grade), cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>bu bir sınıf özeti (drevant-key --grade --summary), cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>bu bir titrasyon eğrisi (drevant-key --curve), cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>bu bir resim, cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>bu bir titrasyonun dışa aktarma dosyası, cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>cevap kâğıdı değil: ilk satırı, drevant-key --answer-sheet&apos;in yazdığı başlık değil</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>kâğıt %1 bayttan büyük: cevap kâğıdı değil</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>kâğıt boş</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>kâğıtta %1 satırdan fazla var; sınıflara bölün</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; notlandırılmadı</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>bu satırda açılan bir tırnak hiç kapanmıyor</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 hücre, başlıkta %2 var</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>satırda cevaplar var ama dosya adı yok</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 ve %2 birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 bir dosya ya da klasör adı gerektirir</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 grafik çizmez</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 bir değer gerektirir, %2 seçeneği değil</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 bir değer gerektirir</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 değer almaz</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 iki kez verildi</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary, --grade ile kullanılır</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality %1 ile %2 N arasında bir sayı gerektirir</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml %1 ile %2 mL arasında bir sayı gerektirir</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc 0 ile 100 arasında bir yüzde gerektirir</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka 0 ile 14 arasında bir sayı gerektirir</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade cevap kâğıdının adını gerektirir</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade, kâğıdının adını verdiği dosyaları okur; başka dosya vermeyin</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>toleranslar --grade ile kullanılır</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>dışa aktarma dosyası ya da numune anahtarı verilmedi</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality ve --volume-ml birlikte verilir</translation>
    </message>
    <message>
        <source>Usage: drevant-key [OPTIONS] FILE|KEY...
       drevant-key --answer-sheet FILE... &gt; answers.csv
       drevant-key --grade answers.csv &gt; grades.csv
The answer key of Drevant export files: the sample each file&apos;s first line encodes,
the titrant and sample volume it was titrated with, the equivalence volumes, and
whether the student&apos;s points fit the sample.

  --csv               one spreadsheet row per input, with a header row
  --curve             the true titration curve as CSV: titrant mL and pH,
                      0 to 20 mL in 0.1 mL steps
  --plot FILE.png     draw the student&apos;s points over the true curve (one input)
  --plot-dir DIR      draw one plot per input into DIR (DIR/&lt;name&gt;.png)
  --normality N       titrant normality for bare keys (0.001 to 0.5)
  --volume-ml V       sample volume in mL for bare keys (1 to 1000)
  --answer-sheet      an empty answer sheet (CSV) for the files, for the students
  --grade SHEET       grade a filled answer sheet against the files it names
  --summary           with --grade: one row per student (name, file, items right,
                      items, percent) instead of one per item
  --tolerance-conc P  concentrations within P percent count as right (default 5)
  --tolerance-pka D   pKa values within D count as right (default 0.2)
  --comma             CSV with &quot;,&quot; between cells and &quot;.&quot; in numbers
  --semicolon         CSV with &quot;;&quot; between cells and &quot;,&quot; in numbers
                      (default: as this computer&apos;s locale writes decimals)
  -h, --help          show this help
      --version       show the version

An argument that is not an existing file and has no &quot;/&quot; or &quot;.&quot; is read as a key.
Names in an answer sheet are relative to the sheet&apos;s folder.
Exit status: 0 all inputs read, 1 some could not be read or written, 2 usage error.
</source>
        <translation>Kullanım: drevant-key [SEÇENEKLER] DOSYA|ANAHTAR...
          drevant-key --answer-sheet DOSYA... &gt; answers.csv
          drevant-key --grade answers.csv &gt; grades.csv
Drevant dışa aktarma dosyalarının cevap anahtarı: her dosyanın ilk satırının
kodladığı numune, titrasyonda kullanılan titrant ve numune hacmi, eşdeğerlik
hacimleri ve öğrencinin noktalarının numuneye uyup uymadığı.

  --csv               her girdi için bir tablo satırı, bir başlık satırıyla
  --curve             CSV olarak gerçek titrasyon eğrisi: mL titrant ve pH,
                      0,1 mL adımlarla 0 - 20 mL
  --plot DOSYA.png    öğrencinin noktalarını gerçek eğrinin üzerine çiz
                      (tek girdi)
  --plot-dir KLASÖR   her girdi için KLASÖR içine bir grafik çiz
                      (KLASÖR/&lt;ad&gt;.png)
  --normality N       yalın anahtarlar için titrant normalitesi (0,001 - 0,5)
  --volume-ml V       yalın anahtarlar için mL cinsinden numune hacmi (1 - 1000)
  --answer-sheet      dosyalar için öğrencilere boş bir cevap kâğıdı (CSV)
  --grade KÂĞIT       doldurulmuş bir cevap kâğıdını adını verdiği dosyalara göre
                      notlandır
  --summary           --grade ile: her madde için bir satır yerine her öğrenci
                      için bir satır (ad, dosya, doğru madde, madde, yüzde)
  --tolerance-conc P  yüzde P içindeki derişimler doğru sayılır (varsayılan 5)
  --tolerance-pka D   D içindeki pKa değerleri doğru sayılır (varsayılan 0,2)
  --comma             hücreler arasında &quot;,&quot; ve sayılarda &quot;.&quot; olan CSV
  --semicolon         hücreler arasında &quot;;&quot; ve sayılarda &quot;,&quot; olan CSV
                      (varsayılan: bu bilgisayarın yerel ayarının ondalık
                      yazışına göre)
  -h, --help          bu yardımı göster
      --version       sürümü göster

Var olan bir dosya olmayan ve &quot;/&quot; ya da &quot;.&quot; içermeyen bir argüman anahtar olarak
okunur. Bir cevap kâğıdındaki adlar, kâğıdın klasörüne göredir.
Çıkış durumu: 0 tüm girdiler okundu, 1 bazıları okunamadı ya da yazılamadı,
2 kullanım hatası.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (yüzde %1)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>kâğıt hiçbir dosya adı vermiyor</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; notlandırılmadı</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: %2. satırdakiyle aynı dosya; notlandırılmadı</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>standart çıktı kapalı</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>&apos;drevant-key --help&apos; komutunu deneyin.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>çıktı yazılamadı</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>grafik yalnızca .png ile biten bir ada yazılır</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>girdi dosyalarından biri: üzerine grafik yazılmaz</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>grafik çizilemiyor: grafik uygulama nesnesi yok</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>grafik çizilemiyor: titrantın normalitesi ve numune hacmi bilinmiyor</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>grafik çizilemiyor: resim kodlanamadı</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>grafik</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>sembolik bir bağlantı: onun üzerinden hiçbir şey yazılmaz</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>bir klasör, yazılacak bir dosya değil</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>normal bir dosya değil (aygıt, boru ya da soket): oraya hiçbir şey yazılmaz</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>%1 %2 yazılamıyor: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>%1 klasörü oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>mutlak bir ad; kâğıttaki adlar kâğıdın klasörüne göredir</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>kâğıdın klasörünün dışına çıkıyor</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: kâğıdın klasörünün dışına çıkan bir bağlantı</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>cevap kâğıdının klasörü %1 dışında; notlandırma yalnızca onun içindeki dosyaları okur</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot tek bir girdi çizer; %1 girdi için --plot-dir KLASÖR kullanın</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 dosya notlandırıldı: %3 maddenin %2 tanesi doğru</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 dosya notlandırıldı: %3 maddenin %2 tanesi doğru</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 dosya okunamadı</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 dosya okunamadı</translation>
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
    <name>SampleKey</name>
    <message>
        <source>Sample key &quot;%1&quot;: %2</source>
        <translation>Numune anahtarı &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>1. asidin derişimi</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>1. asidin sabiti</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>2. asidin derişimi</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>2. asidin sabiti</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>3. asidin derişimi</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>3. asidin sabiti</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>diprotik asidin derişimi</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>diprotik asidin K1 değeri</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>diprotik asidin K2 değeri</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>Numune anahtarı boş</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>bilinmeyen sistem harfi &quot;%1&quot; (A ile E arası bekleniyordu)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>%2. konumdaki &quot;%1&quot; onaltılık bir rakam değil</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>%1 sisteminin bir anahtarında harften sonra %2 ile %3 arası onaltılık rakam olur, bunda %4 var</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>%1 sisteminin numune anahtarı: &quot;%2&quot; alanı %3, ancak program oraya yalnızca %4 yazar: bu programın anahtarı değil</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ya da </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>%1 sisteminin numune anahtarı: bulunmayan bileşenlerin alanları, dışa aktarmanın yazdığı değerler değil: bu programın anahtarı değil</translation>
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

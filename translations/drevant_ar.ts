<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>الحجم، mL</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>Titrant (mL)</source>
        <translation>المعاير (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>نهاية البيانات</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>رجوع إلى أول السطر دون سطر جديد في العمود %1 (ليست نهاية سطر في ملف تصدير)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>بايت NUL في العمود %1: الملف تالف أو ليس نصًا</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>البايت 0x%1 في العمود %2 ليس نص ASCII عاديًا: الملف تالف أو لم يكتبه المحاكي</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>مفتاح العينة مفقود (السطر الأول فارغ)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>المتوقع &quot;%1&quot; و%2، والموجود %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 ليس عددًا</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 خارج نطاق المحاكي، من %4 إلى %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>المتوقع ترويسة الأعمدة &quot;%1%2&quot;، والموجود %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>المتوقع حجم وقيمة pH، والموجود %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>الحجم %1 ليس عددًا</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>قيمة pH %1 ليست عددًا</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>الحجم %1 L خارج مدى السحاحة من 0 إلى %2 L</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>الحجم %1 L أصغر من %2 L في السطر السابق (السجل يزداد فقط)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>قيمة pH %1 خارج المدى من 0 إلى %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>في الملف %1 بايت، أكثر من %2 بايت التي يمكن أن يحويها ملف التصدير: ليس ملف تصدير</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>في السطر %1 حرفًا، أكثر من %2 حرفًا في أي سطر من ملف التصدير</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>السطر بلا نهاية سطر: الملف مبتور</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>سطر فارغ بين أسطر البيانات</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>أكثر من %1 سطر بيانات: لا تسجّل أي معايرة أكثر من %1 نقطة</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>مفتاح العينة</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>عيارية المحلول المعاير</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>حجم العينة</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>ترويسة الأعمدة</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>ينتهي الملف قبل أن يأتي %1: الملف مبتور</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>ملف تصدير</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>حجم العينة باللتر</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>صورة PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>صورة JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>صورة GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>مستند PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>أرشيف ZIP أو مستند مكتبي</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>نص UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>صورة WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>بيانات ثنائية</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>جدول CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>نص سطره الأول ليس مفتاح عينة</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>هذا %1، وليس ملف تصدير</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>لا يوجد ملف بهذا الاسم (%1 موجود: اكتب الاسم مع .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>مجلد، وليس ملفًا</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>مجلد، وليس %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>ليس ملفًا عاديًا (جهاز أو أنبوب أو مقبس)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>في الملف %1 بايت، أكثر من %2 بايت التي يمكن أن يحويها</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>في الملف %1 بايت، أكثر من %2 بايت التي يمكن أن يحويها %3: ليس %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>تعذّر الفتح: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>تعذّرت القراءة: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>تعذّر الحفظ: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>لم يُحدَّد مسار الملف</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>يحتوي المسار على محرف NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>المسار نسبي، والمطلوب مسار كامل</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>لم يُحدَّد اسم الملف</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>تعذّرت كتابة الملف كاملًا</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>لم يُحدَّد المجلد</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>يحتوي اسم الملف على &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>يحتوي اسم الملف على محرف NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>يحتوي المجلد على محرف NUL</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (كُتب في مكانه: الملف غير مكتمل)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>طُلب من البرنامج أن ينتهي</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>المعاير المضاف (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — النظام %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>المفتاح %1   ·   المعاير %2 N   ·   العينة %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>، المشبوهة: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (أبعد من سحاحة 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>المنحنى الحقيقي</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>بعد التصدير</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>نقاط الطالب</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>النقاط المشبوهة</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>حجم التكافؤ</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   النقاط المسجّلة: %1</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>الحمض %1: %2 ± %3 mol/L، </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>قوي (%1، Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>ضعيف، %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>حمض ثنائي البروتون: %1 ± %2 mol/L، pK1 %3 ± %4 (K1 %5)، pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>حمض واحد أحادي البروتون، قوي أو ضعيف</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>حمض واحد ثنائي البروتون</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>حمضان أحاديا البروتون، الثاني ضعيف</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>حمض قوي أحادي البروتون مع حمض ثنائي البروتون</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>ثلاثة أحماض أحادية البروتون، الأول قوي والآخران ضعيفان</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>الحمض %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>الحمض ثنائي البروتون، البروتون الأول (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>الحمض ثنائي البروتون، البروتون الثاني (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>الحمض %1 (قوي)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>الأحماض %1 (قوية)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> و </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>ليس ملفًا ولا مفتاح عينة: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  المفتاح: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  النظام %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  المعاير %1 N، العينة %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>، عدد النقاط المسجلة: %1</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>، عدد النقاط المسجلة: %1</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> حتى %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  أحجام التكافؤ (تراكمية، الحمض الأقوى أولًا):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (أبعد من سحاحة 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  أحجام التكافؤ: حدِّد --normality N و--volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  النقاط: %1 متوافقة مع المفتاح، %2 بعد التصدير، %3 مشبوهة</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    مشبوهة </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>، الحقيقي </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>، بعد التصدير </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH من %1 إلى %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>تعذّرت كتابة المخرجات: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>المفتاح المجرد %1 يحتاج إلى --normality N و--volume-ml V لرسم منحنى أو مخطط</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>هذا مفتاح إجابات (drevant-key --csv)، وليس ورقة إجابات</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>هذا ملف درجات (drevant-key --grade)، وليس ورقة إجابات</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>هذا ملخص للصف (drevant-key --grade --summary)، وليس ورقة إجابات</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>هذا منحنى معايرة (drevant-key --curve)، وليس ورقة إجابات</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>هذه صورة، وليست ورقة إجابات</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>هذا ملف تصدير لمعايرة، وليس ورقة إجابات</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>ليست ورقة إجابات: سطرها الأول ليس الترويسة التي يكتبها drevant-key --answer-sheet</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>في الورقة أكثر من %1 بايت: ليست ورقة إجابات</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>الورقة فارغة</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>في الورقة أكثر من %1 صف؛ قسّمها حسب الصفوف الدراسية</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1؛ لم يُصحَّح</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>علامة اقتباس فُتحت في هذا السطر ولم تُغلق أبدًا</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>عدد الخلايا %1، وفي الترويسة %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>في الصف إجابات لكن بلا اسم ملف</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>لا يمكن استخدام %1 و%2 معًا</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>يحتاج %1 إلى اسم ملف أو مجلد</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>لا يرسم %1 أي مخططات</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>يحتاج %1 إلى قيمة، لا إلى الخيار %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>يحتاج %1 إلى قيمة</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>لا يأخذ %1 أي قيمة</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>أُعطي %1 مرتين</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>يُستخدم --summary مع --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>يحتاج --normality إلى عدد من %1 إلى %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>يحتاج --volume-ml إلى عدد من %1 إلى %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>يحتاج --tolerance-conc إلى نسبة مئوية من 0 إلى 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>يحتاج --tolerance-pka إلى عدد من 0 إلى 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>يحتاج --grade إلى اسم ورقة الإجابات</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>يقرأ --grade الملفات التي تسمّيها ورقته؛ لا تعطِ ملفات أخرى</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>تُستخدم حدود التسامح مع --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>لم يُعطَ ملف تصدير ولا مفتاح عينة</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>يُعطى --normality و--volume-ml معًا</translation>
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
        <translation>الاستخدام: drevant-key [خيارات] ملف|مفتاح...
           drevant-key --answer-sheet ملف... &gt; answers.csv
           drevant-key --grade answers.csv &gt; grades.csv
مفتاح الإجابات لملفات تصدير Drevant: العينة التي يرمّزها السطر الأول من كل ملف،
والمعاير وحجم العينة اللذان استُخدما في المعايرة، وأحجام التكافؤ، وهل تتوافق
نقاط الطالب مع العينة.

  --csv               صف جدول بيانات لكل مُدخل، مع صف ترويسة
  --curve             منحنى المعايرة الحقيقي بصيغة CSV: مليلترات المعاير وpH،
                      من 0 إلى 20 mL بخطوات 0.1 mL
  --plot FILE.png     ارسم نقاط الطالب فوق المنحنى الحقيقي (مُدخل واحد)
  --plot-dir DIR      ارسم مخططًا لكل مُدخل في DIR (DIR/&lt;الاسم&gt;.png)
  --normality N       عيارية المعاير للمفاتيح المجردة (من 0.001 إلى 0.5)
  --volume-ml V       حجم العينة بالمليلتر للمفاتيح المجردة (من 1 إلى 1000)
  --answer-sheet      ورقة إجابات فارغة (CSV) للملفات، للطلاب
  --grade SHEET       صحّح ورقة إجابات مملوءة بمقارنتها بالملفات التي تسمّيها
  --summary           مع --grade: صف واحد لكل طالب (الاسم، الملف، البنود
                      الصحيحة، البنود، النسبة المئوية) بدلًا من صف لكل بند
  --tolerance-conc P  التراكيز ضمن P بالمئة تُحسب صحيحة (الافتراضي 5)
  --tolerance-pka D   قيم pKa ضمن D تُحسب صحيحة (الافتراضي 0.2)
  --comma             CSV بـ &quot;,&quot; بين الخلايا و&quot;.&quot; في الأعداد
  --semicolon         CSV بـ &quot;;&quot; بين الخلايا و&quot;,&quot; في الأعداد
                      (الافتراضي: كما تكتب الإعدادات المحلية لهذا الحاسوب
                      الكسور العشرية)
  -h, --help          اعرض هذه المساعدة
      --version       اعرض الإصدار

المُعطى الذي ليس ملفًا موجودًا ولا يحوي &quot;/&quot; ولا &quot;.&quot; يُقرأ مفتاحًا.
الأسماء في ورقة الإجابات نسبية إلى مجلد الورقة.
حالة الخروج: 0 قُرئت كل المدخلات، 1 تعذّرت قراءة بعضها أو كتابته،
2 خطأ في الاستخدام.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1٪)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>لا تسمّي الورقة أي ملفات</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2؛ لم يُصحَّح</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: الملف نفسه كما في السطر %2؛ لم يُصحَّح</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>المخرج القياسي مغلق</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>جرّب &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>تعذّرت كتابة المخرجات</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>لا يُكتب المخطط إلا إلى اسم ينتهي بـ .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>هذا أحد ملفات الإدخال: لا يُكتب فوقه أي مخطط</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>تعذّر رسم المخطط: لا يوجد كائن تطبيق رسومي</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>تعذّر رسم المخطط: عيارية المعاير وحجم العينة غير معروفين</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>تعذّر رسم المخطط: تعذّر ترميز الصورة</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>المخطط</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>رابط رمزي: لا يُكتب شيء عبره</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>مجلد، وليس ملفًا للكتابة</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>ليس ملفًا عاديًا (جهاز أو أنبوب أو مقبس): لا يُكتب فيه شيء</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>تعذّرت كتابة %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>تعذّر إنشاء المجلد %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>اسم مطلق؛ الأسماء في الورقة نسبية إلى مجلدها</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>يخرج من مجلد الورقة</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: رابط يؤدي إلى خارج مجلد الورقة</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>خارج مجلد ورقة الإجابات %1؛ لا يقرأ التصحيح إلا الملفات التي بداخله</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>يرسم --plot مُدخلًا واحدًا؛ استخدم --plot-dir DIR لعدد %1 من المدخلات</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>الملفات المصحّحة: %1؛ البنود الصحيحة: %2 من %3</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>الملفات المصحّحة: %1؛ البنود الصحيحة: %2 من %3</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>، الملفات غير المقروءة: %1</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>، الملفات غير المقروءة: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SampleKey</name>
    <message>
        <source>Sample key &quot;%1&quot;: %2</source>
        <translation>مفتاح العينة &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>تركيز الحمض 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>ثابت الحمض 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>تركيز الحمض 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>ثابت الحمض 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>تركيز الحمض 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>ثابت الحمض 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>تركيز الحمض ثنائي البروتون</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 للحمض ثنائي البروتون</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 للحمض ثنائي البروتون</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>مفتاح العينة فارغ</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>حرف نظام غير معروف &quot;%1&quot; (المتوقع من A إلى E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>&quot;%1&quot; في الموضع %2 ليس رقمًا ست عشريًا</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>في مفتاح النظام %1 من %2 إلى %3 رقمًا ست عشريًا بعد الحرف، وفي هذا المفتاح %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>مفتاح عينة النظام %1: الحقل &quot;%2&quot; قيمته %3، لكن البرنامج لا يكتب هناك إلا %4: ليس مفتاحًا من هذا البرنامج</translation>
    </message>
    <message>
        <source> or </source>
        <translation> أو </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>مفتاح عينة النظام %1: حقول المكونات الغائبة ليست قيمًا يكتبها التصدير: ليس مفتاحًا من هذا البرنامج</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>النقطة %1: %2 mL، pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>لم تُرسم أي نقطة.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>مقفلة حتى «بدء».</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>فرغت السحاحة بعد %1 mL. أعد بدء المعايرة لملئها من جديد.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>أُضيف %1 mL من 20 mL. اضغط مع الاستمرار على المسافة أو زر الفأرة: 1 mL في الثانية، و0.1 mL على الأقل في كل ضغطة.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>عدد النقاط المرسومة: %1؛ الأخيرة عند %2 mL، pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>عدد النقاط المرسومة: %1؛ الأخيرة عند %2 mL، pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>عرض البيانات</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>عرض مزيد من البيانات</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>السحاحة فارغة، حاول مجددًا!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>تحذير!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>خففت العينة بأكثر من 10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>هذه ليست ممارسة مخبرية سليمة!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>قراءة السحاحة (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>عيارية المعاير (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>عدد النقاط: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>اضغط للمعايرة</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>حُفظ %1 في %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>اختر معايرة</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>نظام بسيط</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>صعوبة متوسطة</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>نظام معقد</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>مستوى صعوبة العينة المجهولة</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>يُنشئ عينة مجهولة بالمستوى المختار ويفتح نافذة المعايرة.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>حمض واحد في العينة المجهولة.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>حمضان في العينة المجهولة.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>خليط من الأحماض، أحدها قوي، في العينة المجهولة.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>اضغط للمعايرة</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>عيارية المعاير</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>حجم العينة الابتدائي (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>عرض البيانات</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>تصدير البيانات</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>إعادة المعايرة من البداية</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>البدء من جديد بمعايرة جديدة</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>السحاحة: اضغط مع الاستمرار لإضافة المعاير</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>عيارية المعاير (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>الحجم الابتدائي للعينة (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>منحنى المعايرة</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>يحسب pH العينة دون معاير، ويرسمه كأول نقطة، ويثبّت العيارية والحجم، ويفتح قفل السحاحة.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>يفتح مربع الحوار الذي يحفظ البيانات في ملف.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>يمسح المنحنى والبيانات والرسائل، ويُبقي العينة نفسها.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>يغلق هذه النافذة ويعود إلى اختيار مستوى لعينة جديدة.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>اضغط مع الاستمرار ليتدفق المعاير: 1 mL في الثانية، و0.1 mL على الأقل في كل ضغطة، حتى 20 mL. مقفلة حتى «بدء».</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>عيارية المعاير (N)، من 0.001 إلى 0.5: اضبطها قبل «بدء».</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>الحجم الابتدائي للعينة (mL)، من 1 إلى 1000: اضبطه قبل «بدء».</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>الرسائل: القراءة بعد كل إفلات، أو صفحة من البيانات.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>يعرض النقاط المسجلة في لوحة الرسائل، سبعًا في كل صفحة.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>منحنى المعايرة: pH مقابل حجم المعاير. أشر إلى علامة، أو استخدم الأسهم هنا، لقراءة حجمها وpH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>اضغط «بدء» أولًا.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>تصدير البيانات</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>يُحفظ مع إضافة .dat إن لم تكن موجودة</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>محرك الأقراص</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>الملفات (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>المسارات المحفوظة والرسائل</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>اسم الملف: اكتبه مكان *.dat؛ تُضاف .dat إن لم تكن موجودة، ويُحفظ الاسم الذي يبدأ بـ * باسم Drevant.dat. يحفظ Enter.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>محرك الأقراص الذي يُحفظ عليه.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>المجلد الذي يُحفظ فيه: النقر المزدوج أو Enter يفتح مجلدًا.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>ملفات .dat الموجودة في المجلد: نقرة تنسخ الاسم.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>يكتب البيانات في الملف ويغلق مربع الحوار.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>يغلق مربع الحوار دون حفظ.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>مسار كل حفظ، وسبب فشل الحفظ.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>تعليمات Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;معايرة&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;اختر مستوى واضغط &lt;b&gt;ابدأ&lt;/b&gt;: تُنشأ عينة مجهولة.&lt;/li&gt;&lt;li&gt;اضبط عيارية المعاير وحجم العينة بأشرطة التمرير.&lt;/li&gt;&lt;li&gt;اضغط &lt;b&gt;بدء&lt;/b&gt;: تُرسم النقطة الأولى، دون معاير.&lt;/li&gt;&lt;li&gt;اضغط على السحاحة مع الاستمرار: يتدفق المعاير بمعدل 1 mL في الثانية، و0.1 mL على الأقل في كل ضغطة، حتى 20 mL. كل إفلات يعرض القراءة ويرسم نقطة.&lt;/li&gt;&lt;li&gt;&lt;b&gt;عرض البيانات&lt;/b&gt; يسرد النقاط، سبعًا في كل صفحة؛ و&lt;b&gt;تصدير البيانات&lt;/b&gt; يحفظها.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;المفاتيح&lt;/h3&gt;&lt;p&gt;ينتقل Tab وShift+Tab بين عناصر التحكم؛ والمسافة تضغط زرًا؛ والضغط المستمر على المسافة فوق السحاحة يضيف المعاير. الأسهم وPage Up/Down وHome وEnd تحرّك شريط التمرير. وعلى المنحنى تنتقل الأسهم من نقطة إلى نقطة. يكبّر Ctrl+زائد ويصغّر Ctrl+ناقص النافذة، ويعيدها Ctrl+0 إلى 100%؛ ويمكن أيضًا تغيير حجم النافذة أو تكبيرها. يفتح F1 هذه التعليمات.&lt;/p&gt;&lt;h3&gt;ملف التصدير&lt;/h3&gt;&lt;p&gt;يحوي الملف (الاسم.dat) عيارية المعاير وحجم العينة وكل نقطة (الحجم باللتر وpH)، مع مفتاح لمعلّمك يتحقق به من العمل المسلَّم. الاسم المكتوب في المربع يحل محل النمط *.dat؛ وتُضاف .dat إن لم تكن موجودة؛ وبعد الحفظ تبيّن لوحة الرسائل أين ذهب الملف.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. مرخَّص بموجب رخصة GNU العمومية، الإصدار 3 أو أحدث؛ ولا يأتي بأي ضمان.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

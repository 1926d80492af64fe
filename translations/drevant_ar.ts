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
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
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

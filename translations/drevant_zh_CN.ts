<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>体积, mL</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>Titrant (mL)</source>
        <translation>滴定剂 (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>数据结束</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>第 %1 列有回车而没有换行（不是导出文件的行尾）</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>第 %1 列有 NUL 字节：文件已损坏或不是文本</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>第 %2 列的字节 0x%1 不是纯 ASCII 文本：文件已损坏或不是由模拟器写入的</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>缺少样品密钥（第一行为空）</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>应为“%1”和%2，实为 %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 不是数字</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 超出模拟器的范围 %4 至 %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>应为列标题“%1%2”，实为 %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>应为一个体积和一个 pH，实为 %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>体积 %1 不是数字</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>pH %1 不是数字</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>体积 %1 L 超出滴定管的 0 至 %2 L</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>体积 %1 L 小于上一行的 %2 L（记录只会增加）</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>pH %1 超出 0 至 %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>文件有 %1 字节，超过导出文件最多的 %2 字节：不是导出文件</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>该行有 %1 个字符，超过导出文件任何一行的 %2 个字符</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>该行没有行尾：文件被截断</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>数据行之间有空行</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>数据行超过 %1 行：任何滴定记录的点都不超过 %1 个</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>样品密钥</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>滴定剂的当量浓度</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>样品体积</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>列标题</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>文件在%1之前就结束了：文件被截断</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>以升为单位的样品体积</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>JPEG 图片</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>GIF 图片</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>ZIP 压缩包或办公文档</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16 文本</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>WebP 图片</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>二进制数据</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>CSV 表格</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>第一行不是样品密钥的文本</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>是%1，不是导出文件</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>没有这个文件（%1 存在：请连同 .dat 给出文件名）</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>是文件夹，不是文件</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>是文件夹，不是%1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>不是普通文件（是设备、管道或套接字）</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>文件有 %1 字节，超过其最多的 %2 字节</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>文件有 %1 字节，超过%3最多的 %2 字节：不是%3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>未给出文件路径</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>路径含有 NUL 字符</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>路径是相对路径，需要完整路径</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>文件未能完整写入</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>未给出文件夹</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>文件名含有“/”</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>文件名含有 NUL 字符</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>文件夹含有 NUL 字符</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> （已就地写入：文件不完整）</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>程序被要求结束</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>加入的滴定剂 (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — 体系 %2：%3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>密钥 %1   ·   滴定剂 %2 N   ·   样品 %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>，可疑 %1 个</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> （超出 20 mL 滴定管）→</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>真实曲线</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>导出之后</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>学生的数据点</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>可疑的数据点</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>化学计量点体积</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   记录了 %1 个数据点</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>酸 %1：%2 ± %3 mol/L， </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>强酸（%1，Ka %2）</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>弱酸，%1（Ka %2）</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>二元酸：%1 ± %2 mol/L，pK1 %3 ± %4（K1 %5），pK2 %6 ± %7（K2 %8）</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>一种一元酸，强酸或弱酸</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>一种二元酸</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>两种一元酸，第二种为弱酸</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>一种强一元酸与一种二元酸共存</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>三种一元酸，第一种为强酸，其余两种为弱酸</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>酸 %1（pKa %2）</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>二元酸，第一个质子（pK1 %1）</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>二元酸，第二个质子（pK2 %1）</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>酸 %1（强酸）</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>酸 %1（强酸）</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>既不是文件，也不是样品密钥： </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  密钥：%1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  体系 %1：%2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  滴定剂 %1 N，样品 %2 L（%3 mL）</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>，已记录 %1 个点</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>，已记录 %1 个点</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> 直至 %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  化学计量点体积（累计，最强的酸在前）：</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  （超出 20 mL 滴定管）</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  化学计量点体积：请给出 --normality N 和 --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  数据点：%1 个与密钥相符，%2 个在导出之后，%3 个可疑</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    可疑 </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>，真实 </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>，导出后 </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 至 %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>无法写入输出： </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>单独的密钥 %1 需要 --normality N 和 --volume-ml V 才能生成曲线或图</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>这是答案密钥（drevant-key --csv），不是答题表</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>这是成绩文件（drevant-key --grade），不是答题表</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>这是班级汇总（drevant-key --grade --summary），不是答题表</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>这是滴定曲线（drevant-key --curve），不是答题表</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>这是图片，不是答题表</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>这是一次滴定的导出文件，不是答题表</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>不是答题表：第一行不是 drevant-key --answer-sheet 写出的标题行</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>答题表超过 %1 字节：不是答题表</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>答题表为空</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>答题表超过 %1 行；请按班级拆分</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1；未评分</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>本行打开的引号始终没有关闭</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 个单元格，标题行有 %2 个</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>该行有答案但没有文件名</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 和 %2 不能同时使用</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 需要文件名或文件夹名</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 不绘制图</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 需要一个值，而不是选项 %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 给出了两次</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary 需与 --grade 一起使用</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality 需要 %1 至 %2 N 之间的数</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml 需要 %1 至 %2 mL 之间的数</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc 需要 0 至 100 之间的百分数</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka 需要 0 至 14 之间的数</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade 需要答题表的名称</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade 读取答题表中列出的文件；请不要另给文件</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>容差需与 --grade 一起使用</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>没有给出导出文件或样品密钥</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality 和 --volume-ml 需一起给出</translation>
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
        <translation>用法：drevant-key [选项] 文件|密钥...
      drevant-key --answer-sheet 文件... &gt; answers.csv
      drevant-key --grade answers.csv &gt; grades.csv
Drevant 导出文件的答案密钥：每个文件第一行所编码的样品、滴定所用的滴定剂和样品
体积、化学计量点体积，以及学生的数据点是否与样品相符。

  --csv               每个输入一行电子表格数据，带标题行
  --curve             以 CSV 输出真实滴定曲线：滴定剂 mL 和 pH，
                      0 至 20 mL，步长 0.1 mL
  --plot 文件.png     在真实曲线上绘出学生的数据点（一个输入）
  --plot-dir 文件夹   每个输入在文件夹中绘一张图（文件夹/&lt;名称&gt;.png）
  --normality N       单独密钥所用的滴定剂当量浓度（0.001 至 0.5）
  --volume-ml V       单独密钥所用的样品体积，单位 mL（1 至 1000）
  --answer-sheet      为这些文件生成给学生的空白答题表 (CSV)
  --grade 答题表      对照答题表中列出的文件为填好的答题表评分
  --summary           与 --grade 一起使用：每个学生一行（姓名、文件、答对项数、
                      项数、百分比），而不是每项一行
  --tolerance-conc P  浓度在 P% 以内算对（默认 5）
  --tolerance-pka D   pKa 在 D 以内算对（默认 0.2）
  --comma             CSV 单元格之间用“,”，数字中用“.”
  --semicolon         CSV 单元格之间用“;”，数字中用“,”
                      （默认：按本机区域设置书写小数的方式）
  -h, --help          显示本帮助
      --version       显示版本

既不是现有文件、又不含“/”或“.”的参数按密钥读取。
答题表中的名称相对于答题表所在的文件夹。
退出状态：0 所有输入均已读取，1 有些无法读取或写入，2 用法错误。
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>答题表没有列出任何文件</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1：%2；未评分</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1：与第 %2 行是同一个文件；未评分</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>标准输出已关闭</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>请试试 &apos;drevant-key --help&apos;。</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>图只会写入以 .png 结尾的文件名</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>是输入文件之一：不会用图覆盖它</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>无法绘图：没有图形应用程序对象</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>无法绘图：不知道滴定剂的当量浓度和样品体积</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>无法绘图：图片无法编码</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>图</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>是符号链接：不会经由它写入任何内容</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>是文件夹，不是可写入的文件</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>不是普通文件（是设备、管道或套接字）：不会在那里写入任何内容</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>无法写入%1 %2：%3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>是绝对名称；答题表中的名称相对于答题表所在的文件夹</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>超出了答题表所在的文件夹</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1：是指向答题表文件夹之外的链接</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>在答题表文件夹 %1 之外；评分只读取该文件夹内的文件</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot 只绘制一个输入；%1 个输入请用 --plot-dir 文件夹</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>已评分 %1 个文件：%3 项中 %2 项正确</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>已评分 %1 个文件：%3 项中 %2 项正确</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>，%1 个文件无法读取</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>，%1 个文件无法读取</translation>
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
        <translation>样品密钥“%1”：%2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>酸 1 的浓度</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>酸 1 的常数</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>酸 2 的浓度</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>酸 2 的常数</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>酸 3 的浓度</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>酸 3 的常数</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>二元酸的浓度</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>二元酸的 K1</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>二元酸的 K2</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>样品密钥为空</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>未知的体系字母“%1”（应为 A 至 E）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>第 %2 位的“%1”不是十六进制数字</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>体系 %1 的密钥在字母后有 %2 至 %3 位十六进制数字，这个有 %4 位</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>体系 %1 的样品密钥：%2 字段为 %3，但程序在此只写入 %4：不是本程序的密钥</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>体系 %1 的样品密钥：缺少的组分的字段不是导出会写入的值：不是本程序的密钥</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>第 %1 点：%2 mL，pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>尚未绘制任何点。</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>点“启动”前锁定。</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>滴定管在 %1 mL 后已空。重新开始滴定即可重新装满。</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>已加入 %1 mL（共 20 mL）。按住空格键或鼠标键：每秒 1 mL，每次至少 0.1 mL。</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>已绘制 %1 个点；最后一个在 %2 mL，pH %3。</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>已绘制 %1 个点；最后一个在 %2 mL，pH %3。</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>显示更多数据</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>滴定管已空，请重试！！</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>警告！！</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>样品已被稀释超过 10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>这不是良好的实验室操作！</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>滴定管读数 (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>滴定剂当量浓度 (N)： </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>数据点数： </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>按下滴定</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>已将 %1 保存到 %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>选择滴定</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>简单体系</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>中等难度</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>复杂体系</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>未知样品的难度等级</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>按所选难度生成未知样品，并打开滴定窗口。</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>未知样品中含一种酸。</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>未知样品中含两种酸。</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>未知样品中含多种酸，其中一种为强酸。</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>按下滴定</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>滴定剂当量浓度</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>样品初始体积 (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>重新开始滴定</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>换新样品重新开始</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>滴定管：按住以加入滴定剂</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>滴定剂当量浓度 (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>样品初始体积 (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>滴定曲线</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>计算未加滴定剂时样品的 pH，将其绘为第一个点，固定当量浓度和体积，并解锁滴定管。</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>打开将数据保存到文件的对话框。</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>清除曲线、数据和消息；保留同一样品。</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>关闭此窗口，返回为新样品选择难度。</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>按住让滴定剂流出：每秒 1 mL，每次至少 0.1 mL，最多 20 mL。点“启动”前锁定。</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>滴定剂当量浓度 (N)，0.001 至 0.5：请在“启动”前设定。</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>样品初始体积 (mL)，1 至 1000：请在“启动”前设定。</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>消息：每次松开后的读数，或一页数据。</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>在消息面板中显示已记录的点，每页七个。</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>滴定曲线：pH 随滴定剂体积的变化。指向某个标记，或在此使用方向键，即可读出其体积和 pH。</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>请先点“启动”。</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>如缺少则自动添加 .dat 后保存</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>文件 (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>已保存的路径和消息</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>文件名：覆盖 *.dat 输入；缺少时自动添加 .dat，以 * 开头的名称保存为 Drevant.dat。按 Enter 保存。</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>要保存到的驱动器。</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>要保存到的文件夹：双击或按 Enter 打开文件夹。</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>文件夹中已有的 .dat 文件：单击即复制文件名。</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>将数据写入文件并关闭对话框。</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>关闭对话框，不保存。</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>每次保存的路径，以及保存失败的原因。</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant 帮助</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;一次滴定&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;选择难度并点&lt;b&gt;开始&lt;/b&gt;：生成一个未知样品。&lt;/li&gt;&lt;li&gt;用滚动条设定滴定剂的当量浓度和样品体积。&lt;/li&gt;&lt;li&gt;点&lt;b&gt;启动&lt;/b&gt;：绘出第一个点（未加滴定剂）。&lt;/li&gt;&lt;li&gt;按住滴定管：滴定剂以每秒 1 mL 流出，每次至少 0.1 mL，最多 20 mL。每次松开都会显示读数并绘出一个点。&lt;/li&gt;&lt;li&gt;&lt;b&gt;显示数据&lt;/b&gt;列出各点，每页七个；&lt;b&gt;导出数据&lt;/b&gt;将其保存。&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;按键&lt;/h3&gt;&lt;p&gt;Tab 和 Shift+Tab 在控件间切换；空格键按下按钮；在滴定管上按住空格键即加入滴定剂。方向键、Page Up/Down、Home 和 End 移动滚动条。在曲线上，方向键逐点移动。Ctrl+加号和 Ctrl+减号放大或缩小窗口，Ctrl+0 恢复到 100%；窗口也可以调整大小或最大化。F1 打开本帮助。&lt;/p&gt;&lt;h3&gt;导出文件&lt;/h3&gt;&lt;p&gt;文件（名称.dat）包含滴定剂的当量浓度、样品体积和每个点（以升为单位的体积和 pH），并附有供教师核对作业的密钥。在输入框中键入的名称会替换 *.dat 模式；缺少时自动添加 .dat；保存后，消息面板会显示文件的保存位置。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1。依据 GNU 通用公共许可证第 3 版或更高版本授权；不提供任何担保。&lt;/p&gt;</translation>
    </message>
</context>
</TS>

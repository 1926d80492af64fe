<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>Volume, mL</translation>
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
        <translation>End of data</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>carriage return without line feed in column %1 (not an export file&apos;s line end)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>NUL byte in column %1: the file is damaged or not text</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>the sample key is missing (the first line is empty)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>expected &quot;%1&quot; and %2, found %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 is not a number</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>expected the column header &quot;%1%2&quot;, found %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>expected a volume and a pH, found %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>the volume %1 is not a number</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>the pH %1 is not a number</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>the volume %1 L is outside the burette&apos;s 0 to %2 L</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>the volume %1 L is less than the %2 L of the line before (the log only grows)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>the pH %1 is outside 0 to %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>the file has %1 bytes, more than the %2 an export file can have: not an export file</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>the line has %1 characters, more than the %2 any line of an export file has</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>the line has no line end: the file is truncated</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>empty line between the data lines</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>more than %1 data lines: no titration logs more than %1 points</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>the sample key</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>the titrant normality</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>the sample volume</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>the column header</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>the file ends before %1: it is truncated</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>an export file</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>the sample volume in litres</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>a PNG picture</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>a JPEG picture</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>a GIF picture</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>a PDF document</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>a ZIP archive or an office document</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16 text</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>a WebP picture</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>binary data</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>a CSV table</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>text whose first line is not a sample key</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>is %1, not an export file</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>no such file (%1 exists: give the name with .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>is a folder, not a file</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>is a folder, not %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>is not a regular file (a device, pipe or socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>the file has %1 bytes, more than the %2 it can have</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>the file has %1 bytes, more than the %2 %3 can have: not %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>cannot open: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>cannot read: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>no file path was given</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>the path contains a NUL character</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>the path is relative, a full path is needed</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>the file could not be written completely</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>no folder was given</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>the file name contains &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>the file name contains a NUL character</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>the folder contains a NUL character</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (written in place: the file is incomplete)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>the program was asked to end</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Titrant added (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — System %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Key %1   ·   titrant %2 N   ·   sample %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, %1 suspect</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (beyond the 20 mL burette) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>true curve</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>after the export</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>student&apos;s points</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>suspect points</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>equivalence volume</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 logged points</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Acid %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>strong (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>weak, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>one monoprotic acid, strong or weak</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>one diprotic acid</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>two monoprotic acids, the second weak</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>a strong monoprotic acid beside a diprotic acid</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>three monoprotic acids, the first strong, the other two weak</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>acid %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>diprotic acid, 1st proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>diprotic acid, 2nd proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>acid %1 (strong)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>acids %1 (strong)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>not a file, and not a sample key: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Key: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  System %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, sample %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 logged point</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 logged points</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> up to %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Equivalence volumes (cumulative, strongest acid first):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (beyond the 20 mL burette)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Equivalence volumes: give --normality N and --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Points: %1 consistent with the key, %2 after the export, %3 suspect</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    suspect </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, true </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, after the export </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 to %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>cannot write the output: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>this is an answer key (drevant-key --csv), not an answer sheet</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>this is a grades file (drevant-key --grade), not an answer sheet</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>this is a class summary (drevant-key --grade --summary), not an answer sheet</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>this is a titration curve (drevant-key --curve), not an answer sheet</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>this is a picture, not an answer sheet</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>this is an export file of a titration, not an answer sheet</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>the sheet has more than %1 bytes: not an answer sheet</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>the sheet is empty</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>the sheet has more than %1 rows; split it into classes</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; not graded</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>a quote opened on this line is never closed</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 cells, the header has %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>the row has answers but no file name</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 and %2 cannot be used together</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 needs a file or folder name</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 draws no plots</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 needs a value, not the option %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary goes with --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality needs a number from %1 to %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml needs a number from %1 to %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc needs a percentage from 0 to 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka needs a number from 0 to 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade needs the answer sheet&apos;s name</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade reads the files its sheet names; give no other files</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>the tolerances go with --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>no export file or sample key given</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality and --volume-ml go together</translation>
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
        <translation>Usage: drevant-key [OPTIONS] FILE|KEY...
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
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>the sheet names no files</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; not graded</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: the same file as line %2; not graded</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>standard output is closed</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Try &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>the output could not be written</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>a plot is written only to a name ending in .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>is one of the input files: no plot is written over it</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>cannot draw the plot: no graphical application object</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>cannot draw the plot: the titrant normality and sample volume are not known</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>cannot draw the plot: the picture could not be encoded</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>the plot</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>is a symbolic link: nothing is written through it</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>is a folder, not a file to write</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>is not a regular file (a device, pipe or socket): nothing is written there</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>cannot write %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>an absolute name; names in the sheet are relative to its folder</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>leaves the sheet&apos;s folder</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: a link leading out of the sheet&apos;s folder</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>outside the answer sheet&apos;s folder %1; grading reads only files inside it</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot draws one input; use --plot-dir DIR for %1 inputs</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>graded %1 file: %2 of %3 items ok</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>graded %1 files: %2 of %3 items ok</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 file unreadable</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 files unreadable</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>QT_LAYOUT_DIRECTION</translation>
    </message>
</context>
<context>
    <name>SampleKey</name>
    <message>
        <source>Sample key &quot;%1&quot;: %2</source>
        <translation>Sample key &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>acid 1 concentration</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>acid 1 constant</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>acid 2 concentration</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>acid 2 constant</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>acid 3 concentration</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>acid 3 constant</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>diprotic concentration</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>diprotic K1</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>diprotic K2</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>Sample key is empty</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>unknown system letter &quot;%1&quot; (expected A to E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>&quot;%1&quot; at position %2 is not a hex digit</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</translation>
    </message>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Point %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>No points plotted.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Locked until Start.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Burette empty after %1 mL. Start the titration over to refill it.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 point plotted; the last at %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 points plotted; the last at %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Show Data</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Show More Data</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Burette Empty, Try Again!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>WARNING!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>You have diluted your sample &gt;10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>This is not good laboratory practice!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Current Burrette Value (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Titrant Strength (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation># Data Points: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Press to Drevant</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Saved %1 in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Choose a titration</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Simple System</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Medium Difficulty</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Complex System</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Level of difficulty of the unknown sample</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Makes up an unknown sample of the chosen level and opens the titration window.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>One acid in the unknown sample.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Two acids in the unknown sample.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>A mixture of acids, one of them strong, in the unknown sample.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Press to Drevant</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Titrant Normality</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Initial Sample Volume (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Show Data</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Start Titration Over</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Begin Again With New Titration</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Burette: hold to add titrant</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Titrant normality (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Initial sample volume (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titration curve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Opens the dialog that saves the data to a file.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Clears the curve, the data and the messages; keeps the same sample.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Closes this window and goes back to choosing a level for a new sample.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Titrant normality (N), 0.001 to 0.5: set it before Start.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Initial sample volume (mL), 1 to 1000: set it before Start.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Messages: the reading after each release, or a page of data.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Shows the logged points in the message panel, seven a page.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Press Start first.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Saved with .dat added when missing</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Files (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Saved paths and messages</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>The drive to save on.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>The folder to save in: double-click or Enter opens a folder.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>The .dat files already in the folder: a click copies a name.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Writes the data to the file and closes the dialog.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Closes the dialog without saving.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>The path of each save, and why a save failed.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant Help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

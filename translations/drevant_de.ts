<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>Volumen, mL</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>Titrant (mL)</source>
        <translation>Maßlösung (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Ende der Daten</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>Wagenrücklauf ohne Zeilenvorschub in Spalte %1 (kein Zeilenende einer Exportdatei)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>NUL-Byte in Spalte %1: die Datei ist beschädigt oder kein Text</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>Byte 0x%1 in Spalte %2 ist kein reiner ASCII-Text: die Datei ist beschädigt oder wurde nicht vom Simulator geschrieben</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>der Probenschlüssel fehlt (die erste Zeile ist leer)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>erwartet „%1“ und %2, gefunden %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 liegt außerhalb des Bereichs des Simulators, %4 bis %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>erwartet die Spaltenüberschrift „%1%2“, gefunden %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>erwartet ein Volumen und einen pH-Wert, gefunden %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>das Volumen %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>der pH-Wert %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>das Volumen %1 L liegt außerhalb der 0 bis %2 L der Bürette</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>das Volumen %1 L ist kleiner als die %2 L der Zeile davor (das Protokoll wächst nur)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>der pH-Wert %1 liegt außerhalb von 0 bis %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>die Datei hat %1 Bytes, mehr als die %2, die eine Exportdatei haben kann: keine Exportdatei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>die Zeile hat %1 Zeichen, mehr als die %2, die eine Zeile einer Exportdatei hat</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>die Zeile hat kein Zeilenende: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>leere Zeile zwischen den Datenzeilen</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>mehr als %1 Datenzeilen: keine Titration protokolliert mehr als %1 Punkte</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>der Probenschlüssel</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>die Normalität der Maßlösung</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>das Probenvolumen</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>die Spaltenüberschrift</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>die Datei endet, bevor %1 folgt: sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>eine Exportdatei</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>das Probenvolumen in Litern</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>ein ZIP-Archiv oder ein Office-Dokument</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16-Text</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>ein WebP-Bild</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>eine CSV-Tabelle</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>Text, dessen erste Zeile kein Probenschlüssel ist</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>ist %1, keine Exportdatei</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>Datei nicht gefunden (%1 existiert: den Namen mit .dat angeben)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>ist ein Ordner und nicht %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>ist keine reguläre Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>die Datei hat %1 Bytes, mehr als die %2, die sie haben kann</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>die Datei hat %1 Bytes, mehr als die %2, die %3 haben kann: also nicht %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>kein Dateipfad angegeben</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>der Pfad enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>der Pfad ist relativ, ein vollständiger Pfad ist nötig</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>der Dateiname enthält „/“</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>der Dateiname enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>der Ordner enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (direkt überschrieben: die Datei ist unvollständig)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>das Programm wurde aufgefordert, sich zu beenden</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Zugegebene Maßlösung (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — System %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Schlüssel %1   ·   Maßlösung %2 N   ·   Probe %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, %1 verdächtig</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (jenseits der 20-mL-Bürette) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>wahre Kurve</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>nach dem Export</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>Punkte des Schülers</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>verdächtige Punkte</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>Äquivalenzvolumen</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 protokollierte Punkte</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Säure %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>stark (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>schwach, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Zweiprotonige Säure: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>eine einprotonige Säure, stark oder schwach</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>eine zweiprotonige Säure</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>zwei einprotonige Säuren, die zweite schwach</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>eine starke einprotonige Säure neben einer zweiprotonigen Säure</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>drei einprotonige Säuren, die erste stark, die beiden anderen schwach</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>Säure %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>zweiprotonige Säure, 1. Proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>zweiprotonige Säure, 2. Proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>Säure %1 (stark)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>Säuren %1 (stark)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>keine Datei und kein Probenschlüssel: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Schlüssel: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  System %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Maßlösung %1 N, Probe %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 Messpunkt</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 Messpunkte</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> bis %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Äquivalenzvolumina (kumuliert, stärkste Säure zuerst):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (jenseits der 20-mL-Bürette)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Äquivalenzvolumina: --normality N und --volume-ml V angeben</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punkte: %1 passend zum Schlüssel, %2 nach dem Export, %3 verdächtig</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    verdächtig </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, wahr </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, nach dem Export </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 bis %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>die Ausgabe kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>der bloße Schlüssel %1 braucht --normality N und --volume-ml V für eine Kurve oder einen Plot</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>dies ist ein Antwortschlüssel (drevant-key --csv), kein Antwortbogen</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>dies ist eine Notendatei (drevant-key --grade), kein Antwortbogen</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>dies ist eine Klassenübersicht (drevant-key --grade --summary), kein Antwortbogen</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>dies ist eine Titrationskurve (drevant-key --curve), kein Antwortbogen</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>dies ist ein Bild, kein Antwortbogen</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>dies ist eine Exportdatei einer Titration, kein Antwortbogen</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>kein Antwortbogen: die erste Zeile ist nicht die Kopfzeile, die drevant-key --answer-sheet schreibt</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>der Bogen hat mehr als %1 Bytes: kein Antwortbogen</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>der Bogen ist leer</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>der Bogen hat mehr als %1 Zeilen; teilen Sie ihn nach Klassen auf</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; nicht bewertet</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>ein in dieser Zeile geöffnetes Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 Zellen, die Kopfzeile hat %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>die Zeile hat Antworten, aber keinen Dateinamen</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 braucht einen Datei- oder Ordnernamen</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 zeichnet keine Plots</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 braucht einen Wert, nicht die Option %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 zweimal angegeben</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary gehört zu --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality braucht eine Zahl von %1 bis %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml braucht eine Zahl von %1 bis %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc braucht einen Prozentsatz von 0 bis 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka braucht eine Zahl von 0 bis 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade braucht den Namen des Antwortbogens</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade liest die Dateien, die sein Bogen nennt; keine weiteren Dateien angeben</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>die Toleranzen gehören zu --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>keine Exportdatei und kein Probenschlüssel angegeben</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality und --volume-ml gehören zusammen</translation>
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
        <translation>Aufruf: drevant-key [OPTIONEN] DATEI|SCHLÜSSEL...
        drevant-key --answer-sheet DATEI... &gt; answers.csv
        drevant-key --grade answers.csv &gt; grades.csv
Der Antwortschlüssel zu Drevant-Exportdateien: die Probe, die die erste Zeile jeder
Datei verschlüsselt, die Maßlösung und das Probenvolumen der Titration, die
Äquivalenzvolumina und ob die Punkte des Schülers zur Probe passen.

  --csv               eine Tabellenzeile je Eingabe, mit einer Kopfzeile
  --curve             die wahre Titrationskurve als CSV: mL Maßlösung und pH,
                      0 bis 20 mL in Schritten von 0,1 mL
  --plot DATEI.png    die Punkte des Schülers über der wahren Kurve zeichnen
                      (eine Eingabe)
  --plot-dir ORDNER   einen Plot je Eingabe in ORDNER zeichnen (ORDNER/&lt;Name&gt;.png)
  --normality N       Normalität der Maßlösung für bloße Schlüssel (0,001 bis 0,5)
  --volume-ml V       Probenvolumen in mL für bloße Schlüssel (1 bis 1000)
  --answer-sheet      ein leerer Antwortbogen (CSV) zu den Dateien, für die Schüler
  --grade BOGEN       einen ausgefüllten Antwortbogen mit den genannten Dateien
                      vergleichen und bewerten
  --summary           mit --grade: eine Zeile je Schüler (Name, Datei, richtige
                      Angaben, Angaben, Prozent) statt einer je Angabe
  --tolerance-conc P  Konzentrationen innerhalb von P Prozent gelten als richtig
                      (Vorgabe 5)
  --tolerance-pka D   pKa-Werte innerhalb von D gelten als richtig (Vorgabe 0,2)
  --comma             CSV mit „,“ zwischen den Zellen und „.“ in Zahlen
  --semicolon         CSV mit „;“ zwischen den Zellen und „,“ in Zahlen
                      (Vorgabe: wie das Gebietsschema dieses Computers
                      Dezimalzahlen schreibt)
  -h, --help          diese Hilfe anzeigen
      --version       die Version anzeigen

Ein Argument, das keine vorhandene Datei ist und weder „/“ noch „.“ enthält, wird
als Schlüssel gelesen. Namen in einem Antwortbogen gelten relativ zu seinem Ordner.
Exit-Status: 0 alle Eingaben gelesen, 1 einige konnten nicht gelesen oder
geschrieben werden, 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>der Bogen nennt keine Dateien</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; nicht bewertet</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: dieselbe Datei wie in Zeile %2; nicht bewertet</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>die Standardausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Siehe &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>ein Plot wird nur unter einem Namen mit der Endung .png geschrieben</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>ist eine der Eingabedateien: sie wird nicht mit einem Plot überschrieben</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>der Plot kann nicht gezeichnet werden: kein grafisches Anwendungsobjekt</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>der Plot kann nicht gezeichnet werden: Normalität der Maßlösung und Probenvolumen sind unbekannt</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>der Plot kann nicht gezeichnet werden: das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>der Plot</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>ist ein symbolischer Link: durch ihn wird nichts geschrieben</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>ist ein Ordner, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>ist keine reguläre Datei (ein Gerät, eine Pipe oder ein Socket): dort wird nichts geschrieben</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>%1 %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>ein absoluter Name; Namen im Bogen gelten relativ zu seinem Ordner</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>verlässt den Ordner des Bogens</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: ein Link, der aus dem Ordner des Bogens hinausführt</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>außerhalb des Ordners %1 des Antwortbogens; die Bewertung liest nur Dateien darin</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot zeichnet eine Eingabe; für %1 Eingaben --plot-dir ORDNER verwenden</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 Datei bewertet: %2 von %3 Angaben richtig</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 Dateien bewertet: %2 von %3 Angaben richtig</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 Datei unlesbar</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 Dateien unlesbar</translation>
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
        <translation>Probenschlüssel „%1“: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>Konzentration von Säure 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>Konstante von Säure 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>Konzentration von Säure 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>Konstante von Säure 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>Konzentration von Säure 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>Konstante von Säure 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>Konzentration der zweiprotonigen Säure</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 der zweiprotonigen Säure</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 der zweiprotonigen Säure</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>Probenschlüssel ist leer</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>unbekannter Systembuchstabe „%1“ (erwartet A bis E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>„%1“ an Position %2 ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>ein Schlüssel des Systems %1 hat %2 bis %3 Hexadezimalziffern nach dem Buchstaben, dieser hat %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Probenschlüssel des Systems %1: das Feld „%2“ ist %3, aber das Programm schreibt dort nur %4: kein Schlüssel dieses Programms</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Probenschlüssel des Systems %1: die Felder der fehlenden Komponenten sind keine Werte, die der Export schreibt: kein Schlüssel dieses Programms</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Punkt %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Keine Punkte eingezeichnet.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Gesperrt bis „Start“.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Bürette leer nach %1 mL. Titration neu beginnen, um sie wieder zu füllen.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL von 20 mL zugegeben. Leertaste oder Maustaste halten: 1 mL pro Sekunde, mindestens 0,1 mL pro Druck.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 Punkt eingezeichnet; der letzte bei %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 Punkte eingezeichnet; der letzte bei %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Daten anzeigen</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Weitere Daten anzeigen</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Bürette leer, neu beginnen!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>ACHTUNG!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Sie haben die Probe um &gt;10% verdünnt</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Das ist keine gute Laborpraxis!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Bürettenstand (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Maßlösung (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Anzahl Messpunkte: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Drücken zum Titrieren</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 gespeichert in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Titration wählen</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Einfaches System</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Mittlere Schwierigkeit</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Komplexes System</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Schwierigkeitsgrad der unbekannten Probe</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Erzeugt eine unbekannte Probe des gewählten Schwierigkeitsgrads und öffnet das Titrationsfenster.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Eine Säure in der unbekannten Probe.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Zwei Säuren in der unbekannten Probe.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Ein Gemisch von Säuren, darunter eine starke, in der unbekannten Probe.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Drücken zum Titrieren</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalität der Maßlösung</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Probenvolumen (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Daten anzeigen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Titration neu beginnen</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Neue Titration beginnen</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Bürette: gedrückt halten, um Maßlösung zuzugeben</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalität der Maßlösung (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Anfangsvolumen der Probe (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titrationskurve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Berechnet den pH-Wert der Probe ohne Maßlösung, zeichnet ihn als ersten Punkt ein, legt Normalität und Volumen fest und gibt die Bürette frei.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Öffnet den Dialog, der die Daten in einer Datei speichert.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Löscht Kurve, Daten und Meldungen; die Probe bleibt dieselbe.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Schließt dieses Fenster und kehrt zur Wahl des Schwierigkeitsgrads für eine neue Probe zurück.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Gedrückt halten, damit Maßlösung fließt: 1 mL pro Sekunde, mindestens 0,1 mL pro Druck, bis 20 mL. Gesperrt bis „Start“.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalität der Maßlösung (N), 0,001 bis 0,5: vor „Start“ einstellen.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Anfangsvolumen der Probe (mL), 1 bis 1000: vor „Start“ einstellen.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Meldungen: der Stand nach jedem Loslassen oder eine Seite Daten.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Zeigt die Messpunkte im Meldungsfeld, sieben pro Seite.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titrationskurve: pH gegen das Volumen der Maßlösung. Auf einen Punkt zeigen oder hier die Pfeiltasten benutzen, um Volumen und pH abzulesen.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Zuerst „Start“ drücken.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Gespeichert mit angehängtem .dat, wenn es fehlt</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Dateien (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Gespeicherte Pfade und Meldungen</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Der Dateiname: über *.dat tippen; .dat wird ergänzt, wenn es fehlt, und ein Name, der mit * beginnt, wird als Drevant.dat gespeichert. Eingabe speichert.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Das Laufwerk, auf dem gespeichert wird.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Der Ordner, in dem gespeichert wird: Doppelklick oder Eingabe öffnet einen Ordner.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Die .dat-Dateien, die schon im Ordner sind: ein Klick übernimmt den Namen.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Schreibt die Daten in die Datei und schließt den Dialog.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Schließt den Dialog ohne zu speichern.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Der Pfad jeder Speicherung und warum eine Speicherung fehlschlug.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Eine Titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Schwierigkeitsgrad wählen und &lt;b&gt;Beginnen&lt;/b&gt; drücken: eine unbekannte Probe wird erzeugt.&lt;/li&gt;&lt;li&gt;Normalität der Maßlösung und Volumen der Probe mit den Schiebereglern einstellen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Start&lt;/b&gt; drücken: der erste Punkt, ohne Maßlösung, wird eingezeichnet.&lt;/li&gt;&lt;li&gt;Die Bürette gedrückt halten: Maßlösung fließt mit 1 mL pro Sekunde, mindestens 0,1 mL pro Druck, bis 20 mL. Jedes Loslassen zeigt den Stand und zeichnet einen Punkt ein.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Daten anzeigen&lt;/b&gt; listet die Punkte, sieben pro Seite; &lt;b&gt;Daten exportieren&lt;/b&gt; speichert sie.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Tasten&lt;/h3&gt;&lt;p&gt;Tab und Umschalt+Tab wechseln zwischen den Bedienelementen; die Leertaste drückt eine Schaltfläche; Leertaste auf der Bürette halten gibt Maßlösung zu. Pfeiltasten, Bild auf/ab, Pos1 und Ende bewegen einen Schieberegler. In der Kurve gehen die Pfeiltasten von Punkt zu Punkt. Strg+Plus und Strg+Minus vergrößern und verkleinern ein Fenster, Strg+0 stellt 100 % wieder her; ein Fenster lässt sich auch in der Größe ändern oder maximieren. F1 öffnet diese Hilfe.&lt;/p&gt;&lt;h3&gt;Die Exportdatei&lt;/h3&gt;&lt;p&gt;Die Datei (name.dat) enthält die Normalität der Maßlösung, das Volumen der Probe und jeden Punkt (Volumen in Litern und pH), dazu einen Schlüssel für Ihre Lehrkraft, die die Abgabe damit prüft. Ein im Feld getippter Name ersetzt das Muster *.dat; .dat wird ergänzt, wenn es fehlt; nach dem Speichern zeigt das Meldungsfeld, wohin die Datei gespeichert wurde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Lizenziert unter der GNU General Public License, Version 3 oder später; ohne jede Gewährleistung.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

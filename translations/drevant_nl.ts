<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Einde van de gegevens</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>regelterugloop zonder regelopvoer in kolom %1 (geen regeleinde van een exportbestand)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>NUL-byte in kolom %1: het bestand is beschadigd of geen tekst</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>byte 0x%1 in kolom %2 is geen gewone ASCII-tekst: het bestand is beschadigd of niet door de simulator geschreven</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>de monstersleutel ontbreekt (de eerste regel is leeg)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>verwacht &quot;%1&quot; en %2, gevonden %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 is geen getal</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 valt buiten het bereik van de simulator, %4 tot %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>verwacht de kolomkop &quot;%1%2&quot;, gevonden %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>verwacht een volume en een pH, gevonden %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>het volume %1 is geen getal</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>de pH %1 is geen getal</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>het volume %1 L valt buiten de 0 tot %2 L van de buret</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>het volume %1 L is kleiner dan de %2 L van de regel ervoor (het logboek groeit alleen)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>de pH %1 valt buiten 0 tot %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>het bestand heeft %1 bytes, meer dan de %2 die een exportbestand kan hebben: geen exportbestand</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>de regel heeft %1 tekens, meer dan de %2 van welke regel van een exportbestand ook</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>de regel heeft geen regeleinde: het bestand is afgekapt</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>lege regel tussen de gegevensregels</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>meer dan %1 gegevensregels: geen titratie logt meer dan %1 punten</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>de monstersleutel</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>de normaliteit van de titrant</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>het monstervolume</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>de kolomkop</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>het bestand houdt op voordat %1 komt: het is afgekapt</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>een exportbestand</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>het monstervolume in liters</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>een PNG-afbeelding</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>een JPEG-afbeelding</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>een GIF-afbeelding</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>een PDF-document</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>een ZIP-archief of een kantoordocument</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16-tekst</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>een WebP-afbeelding</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>binaire gegevens</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>een CSV-tabel</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>tekst waarvan de eerste regel geen monstersleutel is</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>is %1, geen exportbestand</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>bestand bestaat niet (%1 bestaat wel: geef de naam met .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>is een map, geen bestand</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>is een map, niet %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>is geen gewoon bestand (een apparaat, pipe of socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>het bestand heeft %1 bytes, meer dan de %2 die het kan hebben</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>het bestand heeft %1 bytes, meer dan de %2 die %3 kan hebben: dus niet %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>kan niet openen: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kan niet lezen: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Opslaan mislukt: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>er is geen bestandspad opgegeven</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>het pad bevat een NUL-teken</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>het pad is relatief, er is een volledig pad nodig</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>er is geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>het bestand kon niet volledig worden geschreven</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>er is geen map opgegeven</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>de bestandsnaam bevat &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>de bestandsnaam bevat een NUL-teken</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>de map bevat een NUL-teken</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (ter plekke geschreven: het bestand is onvolledig)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>het programma is gevraagd te stoppen</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Toegevoegde titrant (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Systeem %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Sleutel %1   ·   titrant %2 N   ·   monster %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, verdacht: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (voorbij de buret van 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>ware curve</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>na de export</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>punten van de leerling</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>verdachte punten</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>equivalentievolume</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 gelogde punten</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Zuur %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>sterk (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>zwak, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Tweewaardig zuur: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>één eenwaardig zuur, sterk of zwak</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>één tweewaardig zuur</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>twee eenwaardige zuren, het tweede zwak</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>een sterk eenwaardig zuur naast een tweewaardig zuur</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>drie eenwaardige zuren, het eerste sterk, de andere twee zwak</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>zuur %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>tweewaardig zuur, 1e proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>tweewaardig zuur, 2e proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>zuur %1 (sterk)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>zuren %1 (sterk)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>geen bestand en geen monstersleutel: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Sleutel: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Systeem %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, monster %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 meetpunt</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 meetpunten</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> tot %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Equivalentievolumes (cumulatief, sterkste zuur eerst):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (voorbij de buret van 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Equivalentievolumes: geef --normality N en --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punten: %1 kloppen met de sleutel, %2 na de export, %3 verdacht</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    verdacht </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, werkelijk </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, na de export </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 tot %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>de uitvoer kan niet worden geschreven: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>de losse sleutel %1 heeft --normality N en --volume-ml V nodig voor een curve of grafiek</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>dit is een antwoordsleutel (drevant-key --csv), geen antwoordblad</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>dit is een cijferbestand (drevant-key --grade), geen antwoordblad</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>dit is een klassenoverzicht (drevant-key --grade --summary), geen antwoordblad</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>dit is een titratiecurve (drevant-key --curve), geen antwoordblad</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>dit is een afbeelding, geen antwoordblad</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>dit is een exportbestand van een titratie, geen antwoordblad</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>geen antwoordblad: de eerste regel is niet de kopregel die drevant-key --answer-sheet schrijft</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>het blad heeft meer dan %1 bytes: geen antwoordblad</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>het blad is leeg</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>het blad heeft meer dan %1 rijen; splits het per klas</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; niet beoordeeld</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>een aanhalingsteken dat op deze regel opent, wordt nooit gesloten</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 cellen, de kopregel heeft er %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>de rij heeft antwoorden maar geen bestandsnaam</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 en %2 kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 heeft een bestands- of mapnaam nodig</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 tekent geen grafieken</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 heeft een waarde nodig, niet de optie %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 neemt geen waarde</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 twee keer gegeven</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary hoort bij --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality heeft een getal van %1 tot %2 N nodig</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml heeft een getal van %1 tot %2 mL nodig</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc heeft een percentage van 0 tot 100 nodig</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka heeft een getal van 0 tot 14 nodig</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade heeft de naam van het antwoordblad nodig</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade leest de bestanden die zijn blad noemt; geef geen andere bestanden</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>de toleranties horen bij --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>geen exportbestand of monstersleutel gegeven</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality en --volume-ml horen bij elkaar</translation>
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
        <translation>Gebruik: drevant-key [OPTIES] BESTAND|SLEUTEL...
         drevant-key --answer-sheet BESTAND... &gt; answers.csv
         drevant-key --grade answers.csv &gt; grades.csv
De antwoordsleutel van Drevant-exportbestanden: het monster dat de eerste regel
van elk bestand codeert, de titrant en het monstervolume van de titratie, de
equivalentievolumes, en of de punten van de leerling bij het monster passen.

  --csv               één spreadsheetrij per invoer, met een kopregel
  --curve             de ware titratiecurve als CSV: mL titrant en pH,
                      0 tot 20 mL in stappen van 0,1 mL
  --plot BESTAND.png  de punten van de leerling over de ware curve tekenen
                      (één invoer)
  --plot-dir MAP      één grafiek per invoer in MAP tekenen (MAP/&lt;naam&gt;.png)
  --normality N       normaliteit van de titrant voor losse sleutels
                      (0,001 tot 0,5)
  --volume-ml V       monstervolume in mL voor losse sleutels (1 tot 1000)
  --answer-sheet      een leeg antwoordblad (CSV) voor de bestanden, voor de
                      leerlingen
  --grade BLAD        een ingevuld antwoordblad beoordelen aan de hand van de
                      bestanden die het noemt
  --summary           met --grade: één rij per leerling (naam, bestand, goede
                      antwoorden, antwoorden, procent) in plaats van één per
                      antwoord
  --tolerance-conc P  concentraties binnen P procent tellen als goed
                      (standaard 5)
  --tolerance-pka D   pKa-waarden binnen D tellen als goed (standaard 0,2)
  --comma             CSV met &quot;,&quot; tussen de cellen en &quot;.&quot; in getallen
  --semicolon         CSV met &quot;;&quot; tussen de cellen en &quot;,&quot; in getallen
                      (standaard: zoals de landinstelling van deze computer
                      decimalen schrijft)
  -h, --help          deze hulp tonen
      --version       de versie tonen

Een argument dat geen bestaand bestand is en geen &quot;/&quot; of &quot;.&quot; bevat, wordt als
sleutel gelezen. Namen in een antwoordblad zijn relatief aan de map van het blad.
Afsluitstatus: 0 alle invoer gelezen, 1 sommige konden niet worden gelezen of
geschreven, 2 gebruiksfout.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>het blad noemt geen bestanden</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; niet beoordeeld</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: hetzelfde bestand als regel %2; niet beoordeeld</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>standaarduitvoer is gesloten</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Probeer &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>de uitvoer kon niet worden geschreven</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>een grafiek wordt alleen geschreven naar een naam die op .png eindigt</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>is een van de invoerbestanden: er wordt geen grafiek overheen geschreven</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>kan de grafiek niet tekenen: geen grafisch toepassingsobject</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>kan de grafiek niet tekenen: de normaliteit van de titrant en het monstervolume zijn niet bekend</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>kan de grafiek niet tekenen: de afbeelding kon niet worden gecodeerd</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>de grafiek</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>is een symbolische koppeling: er wordt niets doorheen geschreven</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>is een map, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>is geen gewoon bestand (een apparaat, pipe of socket): daar wordt niets geschreven</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>kan %1 %2 niet schrijven: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>kan de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>een absolute naam; namen in het blad zijn relatief aan de map ervan</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>verlaat de map van het blad</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: een koppeling die buiten de map van het blad leidt</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>buiten de map %1 van het antwoordblad; beoordelen leest alleen bestanden daarbinnen</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot tekent één invoer; gebruik --plot-dir MAP voor %1 invoeren</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 bestand beoordeeld: %2 van %3 antwoorden goed</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 bestanden beoordeeld: %2 van %3 antwoorden goed</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 bestand onleesbaar</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 bestanden onleesbaar</translation>
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
        <translation>Monstersleutel &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>concentratie van zuur 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>constante van zuur 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>concentratie van zuur 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>constante van zuur 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>concentratie van zuur 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>constante van zuur 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>concentratie van het tweewaardige zuur</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 van het tweewaardige zuur</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 van het tweewaardige zuur</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>Monstersleutel is leeg</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>onbekende systeemletter &quot;%1&quot; (verwacht A tot E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>&quot;%1&quot; op positie %2 is geen hexadecimaal cijfer</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>een sleutel van systeem %1 heeft %2 tot %3 hexadecimale cijfers na de letter, deze heeft er %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Monstersleutel van systeem %1: het veld &quot;%2&quot; is %3, maar het programma schrijft daar alleen %4: geen sleutel van dit programma</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Monstersleutel van systeem %1: de velden van de afwezige componenten zijn geen waarden die de export schrijft: geen sleutel van dit programma</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Punt %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Geen punten getekend.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Vergrendeld tot Start.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Buret leeg na %1 mL. Begin de titratie opnieuw om hem bij te vullen.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL van 20 mL toegevoegd. Houd de spatiebalk of een muisknop ingedrukt: 1 mL per seconde, minstens 0,1 mL per druk.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punt getekend; het laatste bij %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punten getekend; het laatste bij %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Gegevens tonen</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Meer gegevens tonen</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Buret leeg, probeer opnieuw!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>WAARSCHUWING!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>U hebt het monster &gt;10% verdund</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Dit is geen goede laboratoriumpraktijk!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Buretstand (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Sterkte titrant (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Aantal meetpunten: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Druk om te titreren</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 opgeslagen in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Kies een titratie</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Eenvoudig systeem</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Gemiddeld niveau</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Complex systeem</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Moeilijkheidsgraad van het onbekende monster</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Maakt een onbekend monster van het gekozen niveau en opent het titratievenster.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Eén zuur in het onbekende monster.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Twee zuren in het onbekende monster.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Een mengsel van zuren, waarvan één sterk, in het onbekende monster.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Druk om te titreren</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normaliteit titrant</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Monstervolume (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Gegevens tonen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Gegevens exporteren</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Titratie opnieuw</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Opnieuw met een nieuwe titratie</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Buret: ingedrukt houden om titrant toe te voegen</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normaliteit van de titrant (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Beginvolume van het monster (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titratiecurve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Berekent de pH van het monster zonder titrant, tekent die als eerste punt, legt normaliteit en volume vast en ontgrendelt de buret.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Opent het venster dat de gegevens in een bestand opslaat.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Wist de curve, de gegevens en de berichten; houdt hetzelfde monster.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Sluit dit venster en gaat terug naar de keuze van een niveau voor een nieuw monster.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Ingedrukt houden om titrant te laten stromen: 1 mL per seconde, minstens 0,1 mL per druk, tot 20 mL. Vergrendeld tot Start.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normaliteit van de titrant (N), 0,001 tot 0,5: stel haar in vóór Start.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Beginvolume van het monster (mL), 1 tot 1000: stel het in vóór Start.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Berichten: de stand na elke keer loslaten, of een pagina gegevens.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Toont de meetpunten in het berichtenpaneel, zeven per pagina.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titratiecurve: pH tegen het volume titrant. Wijs een punt aan, of gebruik hier de pijltjestoetsen, om het volume en de pH af te lezen.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Druk eerst op Start.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Gegevens exporteren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Opgeslagen met .dat erbij als dat ontbreekt</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Bestanden (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Opgeslagen paden en berichten</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>De bestandsnaam: typ hem over *.dat; .dat wordt toegevoegd als het ontbreekt, en een naam die met * begint wordt opgeslagen als Drevant.dat. Enter slaat op.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Het station om op op te slaan.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>De map om in op te slaan: dubbelklik of Enter opent een map.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>De .dat-bestanden die al in de map staan: een klik neemt de naam over.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Schrijft de gegevens naar het bestand en sluit het venster.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Sluit het venster zonder op te slaan.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Het pad van elke opslag, en waarom een opslag mislukte.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant-help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Een titratie&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Kies een niveau en druk op &lt;b&gt;Beginnen&lt;/b&gt;: er wordt een onbekend monster gemaakt.&lt;/li&gt;&lt;li&gt;Stel de normaliteit van de titrant en het volume van het monster in met de schuifbalken.&lt;/li&gt;&lt;li&gt;Druk op &lt;b&gt;Start&lt;/b&gt;: het eerste punt, zonder titrant, wordt getekend.&lt;/li&gt;&lt;li&gt;Houd de buret ingedrukt: de titrant stroomt met 1 mL per seconde, minstens 0,1 mL per druk, tot 20 mL. Elke keer loslaten toont de stand en tekent een punt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Gegevens tonen&lt;/b&gt; somt de punten op, zeven per pagina; &lt;b&gt;Gegevens exporteren&lt;/b&gt; slaat ze op.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Toetsen&lt;/h3&gt;&lt;p&gt;Tab en Shift+Tab gaan van het ene bedieningselement naar het andere; de spatiebalk drukt een knop in; de spatiebalk ingedrukt houden op de buret voegt titrant toe. De pijltjestoetsen, Page Up/Down, Home en End verschuiven een schuifbalk. Op de curve gaan de pijltjes van punt naar punt. Ctrl+Plus en Ctrl+Min zoomen een venster in of uit, Ctrl+0 gaat terug naar 100 %; een venster kan ook van grootte veranderen of gemaximaliseerd worden. F1 opent deze help.&lt;/p&gt;&lt;h3&gt;Het exportbestand&lt;/h3&gt;&lt;p&gt;Het bestand (naam.dat) bevat de normaliteit van de titrant, het volume van het monster en elk punt (volume in liters en pH), met een sleutel voor je docent, die er het ingeleverde werk mee controleert. Een naam die in het vak wordt getypt, vervangt het patroon *.dat; .dat wordt toegevoegd als het ontbreekt; na het opslaan meldt het berichtenpaneel waar het bestand staat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Uitgegeven onder de GNU General Public License, versie 3 of later; zonder enige garantie.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

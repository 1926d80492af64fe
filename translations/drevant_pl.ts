<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>Objętość, mL</translation>
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
        <translation>Koniec danych</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>powrót karetki bez wysuwu wiersza w kolumnie %1 (to nie jest koniec wiersza pliku eksportu)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>bajt NUL w kolumnie %1: plik jest uszkodzony albo nie jest tekstem</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>bajt 0x%1 w kolumnie %2 nie jest zwykłym tekstem ASCII: plik jest uszkodzony albo nie zapisał go symulator</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>brak klucza próbki (pierwszy wiersz jest pusty)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>oczekiwano „%1” i %2, znaleziono %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 nie jest liczbą</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 jest poza zakresem symulatora, od %4 do %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>oczekiwano nagłówka kolumn „%1%2”, znaleziono %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>oczekiwano objętości i pH, znaleziono %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>objętość %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>pH %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>objętość %1 L jest poza zakresem biurety od 0 do %2 L</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>objętość %1 L jest mniejsza niż %2 L w poprzednim wierszu (zapis tylko rośnie)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>pH %1 jest poza zakresem od 0 do %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>plik ma %1 B, więcej niż dopuszczalne dla pliku eksportu %2 B: to nie jest plik eksportu</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>wiersz ma %1 zn., więcej niż %2 zn. dowolnego wiersza pliku eksportu</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>wiersz nie ma znaku końca wiersza: plik jest ucięty</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>pusty wiersz między wierszami danych</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>wierszy danych jest więcej niż %1: żadne miareczkowanie nie zapisuje więcej punktów niż %1</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>klucz próbki</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>normalność titranta</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>objętość próbki</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>nagłówek kolumn</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>plik kończy się, zanim pojawi się %1: jest ucięty</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>plik eksportu</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>objętość próbki w litrach</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>obraz PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>obraz JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>obraz GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>dokument PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>archiwum ZIP lub dokument biurowy</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>tekst UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>obraz WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dane binarne</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>tabela CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>tekst, którego pierwszy wiersz nie jest kluczem próbki</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>to %1, a nie plik eksportu</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>nie ma takiego pliku (istnieje %1: podaj nazwę z .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>to folder, a nie plik</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>to folder, a nie %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>to nie jest zwykły plik (urządzenie, potok lub gniazdo)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>plik ma %1 B, więcej niż dopuszczalne %2 B</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>plik ma %1 B, więcej niż dopuszczalne %2 B (typ: %3): to nie jest %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Nie można zapisać: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>nie podano ścieżki pliku</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>ścieżka zawiera znak NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>ścieżka jest względna, potrzebna jest pełna ścieżka</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>nie udało się zapisać całego pliku</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>nie podano folderu</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>nazwa pliku zawiera „/”</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>nazwa pliku zawiera znak NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>folder zawiera znak NUL</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (zapisano w miejscu: plik jest niekompletny)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>program otrzymał polecenie zakończenia</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Dodany titrant (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Układ %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Klucz %1   ·   titrant %2 N   ·   próbka %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, podejrzane: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (poza biuretą 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>prawdziwa krzywa</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>po eksporcie</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>punkty ucznia</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>punkty podejrzane</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>objętość w punkcie równoważnikowym</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   zapisane punkty: %1</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Kwas %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>mocny (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>słaby, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Kwas dwuprotonowy: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>jeden kwas jednoprotonowy, mocny lub słaby</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>jeden kwas dwuprotonowy</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>dwa kwasy jednoprotonowe, drugi słaby</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>mocny kwas jednoprotonowy obok kwasu dwuprotonowego</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>trzy kwasy jednoprotonowe, pierwszy mocny, pozostałe dwa słabe</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>kwas %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>kwas dwuprotonowy, 1. proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>kwas dwuprotonowy, 2. proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>kwas %1 (mocny)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>kwasy %1 (mocne)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>to nie plik ani klucz próbki: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Klucz: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Układ %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, próbka %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, zapisane punkty: %1</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, zapisane punkty: %1</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> do %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Objętości w punktach równoważnikowych (narastająco, najpierw najmocniejszy kwas):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (poza biuretą 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Objętości w punktach równoważnikowych: podaj --normality N i --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punkty: zgodne z kluczem %1, po eksporcie %2, podejrzane %3</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    podejrzany </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, prawdziwe </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, po eksporcie </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH od %1 do %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>nie można zapisać wyjścia: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>sam klucz %1 wymaga --normality N i --volume-ml V do krzywej lub wykresu</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>to klucz odpowiedzi (drevant-key --csv), a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>to plik ocen (drevant-key --grade), a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>to podsumowanie klasy (drevant-key --grade --summary), a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>to krzywa miareczkowania (drevant-key --curve), a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>to obraz, a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>to plik eksportu miareczkowania, a nie arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>to nie jest arkusz odpowiedzi: jego pierwszy wiersz nie jest nagłówkiem, który zapisuje drevant-key --answer-sheet</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>arkusz ma więcej niż %1 B: to nie jest arkusz odpowiedzi</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>arkusz jest pusty</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>arkusz ma więcej wierszy niż %1; podziel go na klasy</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; nie oceniono</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>cudzysłów otwarty w tym wierszu nie zostaje zamknięty</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>komórki: %1, a nagłówek ma: %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>wiersz ma odpowiedzi, ale nie ma nazwy pliku</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>opcji %1 i %2 nie można używać razem</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 wymaga nazwy pliku lub folderu</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 nie rysuje wykresów</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 wymaga wartości, a nie opcji %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 podano dwa razy</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary działa tylko z --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality wymaga liczby od %1 do %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml wymaga liczby od %1 do %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc wymaga wartości procentowej od 0 do 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka wymaga liczby od 0 do 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade wymaga nazwy arkusza odpowiedzi</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade czyta pliki wymienione w arkuszu; nie podawaj innych plików</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>tolerancje działają tylko z --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>nie podano pliku eksportu ani klucza próbki</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality i --volume-ml podaje się razem</translation>
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
        <translation>Użycie: drevant-key [OPCJE] PLIK|KLUCZ...
        drevant-key --answer-sheet PLIK... &gt; answers.csv
        drevant-key --grade answers.csv &gt; grades.csv
Klucz odpowiedzi do plików eksportu Drevant: próbka zakodowana w pierwszym
wierszu każdego pliku, titrant i objętość próbki użyte w miareczkowaniu,
objętości w punktach równoważnikowych oraz to, czy punkty ucznia pasują do próbki.

  --csv               jeden wiersz arkusza kalkulacyjnego na wejście, z wierszem
                      nagłówka
  --curve             prawdziwa krzywa miareczkowania jako CSV: mL titranta i pH,
                      od 0 do 20 mL co 0,1 mL
  --plot PLIK.png     narysuj punkty ucznia na tle prawdziwej krzywej
                      (jedno wejście)
  --plot-dir FOLDER   narysuj jeden wykres na wejście w FOLDER
                      (FOLDER/&lt;nazwa&gt;.png)
  --normality N       normalność titranta dla samych kluczy (od 0,001 do 0,5)
  --volume-ml V       objętość próbki w mL dla samych kluczy (od 1 do 1000)
  --answer-sheet      pusty arkusz odpowiedzi (CSV) do plików, dla uczniów
  --grade ARKUSZ      oceń wypełniony arkusz odpowiedzi według plików, które
                      wymienia
  --summary           z --grade: jeden wiersz na ucznia (nazwa, plik, dobre
                      odpowiedzi, odpowiedzi, procent) zamiast jednego na
                      odpowiedź
  --tolerance-conc P  stężenia w granicach P procent liczą się jako dobre
                      (domyślnie 5)
  --tolerance-pka D   wartości pKa w granicach D liczą się jako dobre
                      (domyślnie 0,2)
  --comma             CSV z „,” między komórkami i „.” w liczbach
  --semicolon         CSV z „;” między komórkami i „,” w liczbach
                      (domyślnie: tak, jak ustawienia regionalne tego komputera
                      zapisują ułamki dziesiętne)
  -h, --help          pokaż tę pomoc
      --version       pokaż wersję

Argument, który nie jest istniejącym plikiem i nie zawiera „/” ani „.”, jest
czytany jako klucz. Nazwy w arkuszu odpowiedzi są względne wobec jego folderu.
Kod wyjścia: 0 wszystkie wejścia odczytane, 1 niektórych nie udało się odczytać
lub zapisać, 2 błąd użycia.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>arkusz nie wymienia żadnych plików</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; nie oceniono</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: ten sam plik co w wierszu %2; nie oceniono</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>standardowe wyjście jest zamknięte</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Spróbuj &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>nie udało się zapisać wyjścia</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>wykres zapisuje się tylko pod nazwą kończącą się na .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>to jeden z plików wejściowych: wykres nie zostanie na nim zapisany</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>nie można narysować wykresu: brak obiektu aplikacji graficznej</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>nie można narysować wykresu: normalność titranta i objętość próbki są nieznane</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>nie można narysować wykresu: nie udało się zakodować obrazu</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>wykres</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>to dowiązanie symboliczne: nic nie jest przez nie zapisywane</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>to folder, a nie plik do zapisu</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>to nie jest zwykły plik (urządzenie, potok lub gniazdo): nic nie jest tam zapisywane</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>nie można zapisać (%1) %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>nazwa bezwzględna; nazwy w arkuszu są względne wobec jego folderu</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>wychodzi poza folder arkusza</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: dowiązanie prowadzące poza folder arkusza</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>poza folderem arkusza odpowiedzi %1; ocenianie czyta tylko pliki w nim</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot rysuje jedno wejście; dla wielu wejść (%1) użyj --plot-dir FOLDER</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>oceniono plików: %1; poprawne odpowiedzi: %2 z %3</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>oceniono plików: %1; poprawne odpowiedzi: %2 z %3</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, nieczytelne pliki: %1</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, nieczytelne pliki: %1</translation>
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
        <translation>Klucz próbki „%1”: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>stężenie kwasu 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>stała kwasu 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>stężenie kwasu 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>stała kwasu 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>stężenie kwasu 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>stała kwasu 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>stężenie kwasu dwuprotonowego</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 kwasu dwuprotonowego</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 kwasu dwuprotonowego</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>Klucz próbki jest pusty</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>nieznana litera układu „%1” (oczekiwano od A do E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>„%1” na pozycji %2 nie jest cyfrą szesnastkową</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>klucz układu %1 ma od %2 do %3 cyfr szesnastkowych po literze, ten ma %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Klucz próbki układu %1: pole „%2” ma wartość %3, ale program zapisuje tam tylko wartości %4: to nie jest klucz tego programu</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Klucz próbki układu %1: pola nieobecnych składników nie mają wartości, jakie zapisuje eksport: to nie jest klucz tego programu</translation>
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
        <translation>Brak naniesionych punktów.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Zablokowana do „Start”.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Biureta pusta po %1 mL. Zacznij miareczkowanie od nowa, aby ją napełnić.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>Dodano %1 mL z 20 mL. Przytrzymaj spację lub przycisk myszy: 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>Naniesione punkty: %1; ostatni przy %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>Naniesione punkty: %1; ostatni przy %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Pokaż dane</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Pokaż więcej danych</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Biureta pusta, spróbuj ponownie!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>UWAGA!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Próbka rozcieńczona o ponad 10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>To zła praktyka laboratoryjna!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Odczyt biurety (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Moc titranta (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Liczba punktów: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Naciśnij, aby miareczkować</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Zapisano %1 w %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Wybierz miareczkowanie</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Układ prosty</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Średnia trudność</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Układ złożony</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Poziom trudności nieznanej próbki</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Tworzy nieznaną próbkę wybranego poziomu i otwiera okno miareczkowania.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Jeden kwas w nieznanej próbce.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Dwa kwasy w nieznanej próbce.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Mieszanina kwasów, w tym jeden mocny, w nieznanej próbce.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Naciśnij, aby miareczkować</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalność titranta</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Objętość próbki (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Pokaż dane</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Zacznij miareczkowanie od nowa</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Nowe miareczkowanie od początku</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Biureta: przytrzymaj, aby dodać titrant</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalność titranta (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Początkowa objętość próbki (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Komunikaty</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Krzywa miareczkowania</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Oblicza pH próbki bez titranta, nanosi je jako pierwszy punkt, ustala normalność i objętość oraz odblokowuje biuretę.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Otwiera okno zapisu danych do pliku.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Czyści krzywą, dane i komunikaty; zachowuje tę samą próbkę.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Zamyka to okno i wraca do wyboru poziomu dla nowej próbki.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Przytrzymaj, aby titrant wypływał: 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie, do 20 mL. Zablokowana do „Start”.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalność titranta (N), od 0,001 do 0,5: ustaw przed „Start”.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Początkowa objętość próbki (mL), od 1 do 1000: ustaw przed „Start”.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Komunikaty: odczyt po każdym zwolnieniu albo strona danych.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Pokazuje zapisane punkty w polu komunikatów, po siedem na stronę.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Krzywa miareczkowania: pH w funkcji objętości titranta. Wskaż punkt albo użyj tu strzałek, aby odczytać jego objętość i pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Najpierw naciśnij „Start”.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Zapisywany z dodanym .dat, gdy go brak</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Pliki (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Zapisane ścieżki i komunikaty</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Nazwa pliku: wpisz ją w miejsce *.dat; .dat zostanie dodane, jeśli go brak, a nazwa zaczynająca się od * zostanie zapisana jako Drevant.dat. Enter zapisuje.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Dysk, na którym zapisać.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Folder, w którym zapisać: dwukrotne kliknięcie lub Enter otwiera folder.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Pliki .dat już obecne w folderze: kliknięcie kopiuje nazwę.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Zapisuje dane do pliku i zamyka okno.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Zamyka okno bez zapisywania.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Ścieżka każdego zapisu i powód nieudanego zapisu.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Pomoc programu Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Miareczkowanie&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Wybierz poziom i naciśnij &lt;b&gt;Rozpocznij&lt;/b&gt;: powstaje nieznana próbka.&lt;/li&gt;&lt;li&gt;Ustaw suwakami normalność titranta i objętość próbki.&lt;/li&gt;&lt;li&gt;Naciśnij &lt;b&gt;Start&lt;/b&gt;: zostaje naniesiony pierwszy punkt, bez titranta.&lt;/li&gt;&lt;li&gt;Przytrzymaj biuretę: titrant wypływa z szybkością 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie, do 20 mL. Każde zwolnienie pokazuje odczyt i nanosi punkt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pokaż dane&lt;/b&gt; wypisuje punkty, po siedem na stronę; &lt;b&gt;Eksportuj dane&lt;/b&gt; je zapisuje.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Klawisze&lt;/h3&gt;&lt;p&gt;Tab i Shift+Tab przechodzą między kontrolkami; spacja naciska przycisk; przytrzymanie spacji na biurecie dodaje titrant. Strzałki, Page Up/Down, Home i End przesuwają suwak. Na wykresie strzałki przechodzą od punktu do punktu. Ctrl+Plus i Ctrl+Minus powiększają lub pomniejszają okno, Ctrl+0 wraca do 100 %; okno można też zmienić rozmiarem lub zmaksymalizować. F1 otwiera tę pomoc.&lt;/p&gt;&lt;h3&gt;Plik eksportu&lt;/h3&gt;&lt;p&gt;Plik (nazwa.dat) zawiera normalność titranta, objętość próbki i każdy punkt (objętość w litrach i pH), a także klucz dla nauczyciela, który sprawdza nim oddaną pracę. Nazwa wpisana w polu zastępuje wzorzec *.dat; .dat jest dodawane, gdy go brak; po zapisie pole komunikatów podaje, gdzie trafił plik.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Na licencji GNU General Public License w wersji 3 lub późniejszej; bez żadnej gwarancji.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

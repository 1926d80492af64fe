<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Titolante (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Fine dei dati</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>ritorno a capo senza avanzamento di riga nella colonna %1 (non è una fine riga di un file di esportazione)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>byte NUL nella colonna %1: il file è danneggiato o non è testo</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>il byte 0x%1 nella colonna %2 non è testo ASCII semplice: il file è danneggiato o non è stato scritto dal simulatore</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>manca la chiave di campione (la prima riga è vuota)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>atteso «%1» e %2, trovato %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 non è un numero</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 è fuori dall&apos;intervallo del simulatore, da %4 a %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>atteso l&apos;intestazione di colonna «%1%2», trovato %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>atteso un volume e un pH, trovato %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>il volume %1 non è un numero</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>il pH %1 non è un numero</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>il volume %1 L è fuori dai 0–%2 L della buretta</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>il volume %1 L è minore dei %2 L della riga precedente (il registro può solo crescere)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>il pH %1 è fuori da 0–%2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>il file ha %1 byte, più dei %2 che può avere un file di esportazione: non è un file di esportazione</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>la riga ha %1 caratteri, più dei %2 di qualsiasi riga di un file di esportazione</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>la riga non ha fine riga: il file è troncato</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>riga vuota tra le righe di dati</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>più di %1 righe di dati: nessuna titolazione registra più di %1 punti</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>la chiave di campione</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>la normalità del titolante</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>il volume del campione</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>l&apos;intestazione di colonna</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>il file finisce prima che compaia %1: è troncato</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>un file di esportazione</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>il volume del campione in litri</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>un&apos;immagine GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>un archivio ZIP o un documento d&apos;ufficio</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>testo UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>un&apos;immagine WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dati binari</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>una tabella CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>testo la cui prima riga non è una chiave di campione</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>è %1, non un file di esportazione</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>file inesistente (%1 esiste: indicare il nome con .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>è una cartella, non %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>non è un file regolare (un dispositivo, una pipe o un socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>il file ha %1 byte, più dei %2 che può avere</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>il file ha %1 byte, più dei %2 che può avere %3: non è %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>impossibile aprire: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>impossibile leggere: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Impossibile salvare: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>non è stato indicato alcun percorso</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>il percorso contiene un carattere NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>il percorso è relativo, serve un percorso completo</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>non è stato indicato alcun nome di file</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>non è stato possibile scrivere il file per intero</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>non è stata indicata alcuna cartella</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>il nome del file contiene &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>il nome del file contiene un carattere NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>la cartella contiene un carattere NUL</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (scritto sul posto: il file è incompleto)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>al programma è stato chiesto di terminare</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Titolante aggiunto (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Sistema %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Chiave %1   ·   titolante %2 N   ·   campione %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, sospetti: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (oltre la buretta da 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>curva vera</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>dopo l&apos;esportazione</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>punti dello studente</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>punti sospetti</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>volume di equivalenza</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 punti registrati</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Acido %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>forte (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>debole, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Acido diprotico: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>un acido monoprotico, forte o debole</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>un acido diprotico</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>due acidi monoprotici, il secondo debole</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>un acido monoprotico forte insieme a un acido diprotico</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>tre acidi monoprotici, il primo forte, gli altri due deboli</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>acido %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>acido diprotico, 1° protone (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>acido diprotico, 2° protone (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>acido %1 (forte)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>acidi %1 (forti)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>non è un file né una chiave di campione: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Chiave: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Sistema %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titolante %1 N, campione %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 punto registrato</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 punti registrati</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> fino a %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Volumi di equivalenza (cumulativi, prima l&apos;acido più forte):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (oltre la buretta da 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Volumi di equivalenza: indica --normality N e --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punti: %1 coerenti con la chiave, %2 dopo l&apos;esportazione, %3 sospetti</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    sospetto </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, vero </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, dopo l&apos;esportazione </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH da %1 a %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>impossibile scrivere l&apos;output: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>la sola chiave %1 richiede --normality N e --volume-ml V per una curva o un grafico</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>questa è una chiave delle risposte (drevant-key --csv), non un foglio delle risposte</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>questo è un file dei voti (drevant-key --grade), non un foglio delle risposte</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>questo è un riepilogo della classe (drevant-key --grade --summary), non un foglio delle risposte</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>questa è una curva di titolazione (drevant-key --curve), non un foglio delle risposte</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>questa è un&apos;immagine, non un foglio delle risposte</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>questo è un file di esportazione di una titolazione, non un foglio delle risposte</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>non è un foglio delle risposte: la prima riga non è l&apos;intestazione scritta da drevant-key --answer-sheet</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>il foglio ha più di %1 byte: non è un foglio delle risposte</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>il foglio è vuoto</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>il foglio ha più di %1 righe; dividerlo per classi</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; non valutato</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>una virgoletta aperta in questa riga non viene mai chiusa</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 celle, l&apos;intestazione ne ha %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>la riga ha risposte ma nessun nome di file</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 non si possono usare insieme</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 richiede un nome di file o di cartella</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 non disegna grafici</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 richiede un valore, non l&apos;opzione %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 indicato due volte</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary va con --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality richiede un numero da %1 a %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml richiede un numero da %1 a %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc richiede una percentuale da 0 a 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka richiede un numero da 0 a 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade richiede il nome del foglio delle risposte</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade legge i file indicati dal suo foglio; non indicare altri file</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>le tolleranze vanno con --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>nessun file di esportazione o chiave di campione indicato</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality e --volume-ml vanno insieme</translation>
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
        <translation>Uso: drevant-key [OPZIONI] FILE|CHIAVE...
     drevant-key --answer-sheet FILE... &gt; answers.csv
     drevant-key --grade answers.csv &gt; grades.csv
La chiave delle risposte dei file di esportazione di Drevant: il campione che la
prima riga di ogni file codifica, il titolante e il volume del campione della
titolazione, i volumi di equivalenza e se i punti dello studente sono coerenti con
il campione.

  --csv               una riga di foglio di calcolo per input, con una riga di
                      intestazione
  --curve             la curva di titolazione vera in CSV: mL di titolante e pH,
                      da 0 a 20 mL a passi di 0,1 mL
  --plot FILE.png     disegnare i punti dello studente sulla curva vera (un input)
  --plot-dir DIR      disegnare un grafico per input in DIR (DIR/&lt;nome&gt;.png)
  --normality N       normalità del titolante per chiavi sole (da 0,001 a 0,5)
  --volume-ml V       volume del campione in mL per chiavi sole (da 1 a 1000)
  --answer-sheet      un foglio delle risposte vuoto (CSV) per i file, per gli
                      studenti
  --grade FOGLIO      valutare un foglio delle risposte compilato confrontandolo
                      con i file che indica
  --summary           con --grade: una riga per studente (nome, file, risposte
                      giuste, risposte, percentuale) invece di una per risposta
  --tolerance-conc P  le concentrazioni entro il P per cento contano come giuste
                      (predefinito 5)
  --tolerance-pka D   i valori di pKa entro D contano come giusti
                      (predefinito 0,2)
  --comma             CSV con &quot;,&quot; tra le celle e &quot;.&quot; nei numeri
  --semicolon         CSV con &quot;;&quot; tra le celle e &quot;,&quot; nei numeri
                      (predefinito: come le impostazioni locali di questo
                      computer scrivono i decimali)
  -h, --help          mostrare questo aiuto
      --version       mostrare la versione

Un argomento che non è un file esistente e non contiene &quot;/&quot; né &quot;.&quot; è letto come
chiave. I nomi in un foglio delle risposte sono relativi alla sua cartella.
Stato di uscita: 0 tutti gli input letti, 1 alcuni non sono stati letti o
scritti, 2 errore di utilizzo.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>il foglio non indica alcun file</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; non valutato</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: lo stesso file della riga %2; non valutato</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>lo standard output è chiuso</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Provare &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>impossibile scrivere l&apos;output</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>un grafico viene scritto solo in un file con nome che termina in .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>è uno dei file di input: nessun grafico viene scritto al suo posto</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>impossibile disegnare il grafico: nessun oggetto applicazione grafica</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>impossibile disegnare il grafico: la normalità del titolante e il volume del campione non sono noti</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>impossibile disegnare il grafico: l&apos;immagine non può essere codificata</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>il grafico</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>è un collegamento simbolico: non si scrive nulla attraverso di esso</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>è una cartella, non un file da scrivere</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>non è un file regolare (un dispositivo, una pipe o un socket): non vi si scrive nulla</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>impossibile scrivere %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>un nome assoluto; i nomi nel foglio sono relativi alla sua cartella</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>esce dalla cartella del foglio</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: un collegamento che porta fuori dalla cartella del foglio</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>fuori dalla cartella del foglio delle risposte %1; la valutazione legge solo i file al suo interno</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot disegna un solo input; usare --plot-dir DIR per %1 input</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 file valutato: %2 risposte giuste su %3</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 file valutati: %2 risposte giuste su %3</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 file illeggibile</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 file illeggibili</translation>
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
        <translation>Chiave di campione «%1»: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>concentrazione dell&apos;acido 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>costante dell&apos;acido 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>concentrazione dell&apos;acido 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>costante dell&apos;acido 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>concentrazione dell&apos;acido 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>costante dell&apos;acido 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>concentrazione dell&apos;acido diprotico</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 dell&apos;acido diprotico</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 dell&apos;acido diprotico</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>La chiave di campione è vuota</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>lettera di sistema sconosciuta «%1» (attesa da A a E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>«%1» alla posizione %2 non è una cifra esadecimale</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>una chiave del sistema %1 ha da %2 a %3 cifre esadecimali dopo la lettera, questa ne ha %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Chiave di campione del sistema %1: il campo «%2» vale %3, ma il programma vi scrive solo %4: non è una chiave di questo programma</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Chiave di campione del sistema %1: i campi dei componenti assenti non sono valori scritti dall&apos;esportazione: non è una chiave di questo programma</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Punto %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Nessun punto tracciato.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Bloccata fino ad «Avvia».</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Buretta vuota dopo %1 mL. Ricomincia la titolazione per riempirla.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL su 20 mL aggiunti. Tieni premuto Spazio o un tasto del mouse: 1 mL al secondo, almeno 0,1 mL per pressione.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punto tracciato; l&apos;ultimo a %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punti tracciati; l&apos;ultimo a %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Mostra dati</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Mostra altri dati</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Buretta vuota, riprova!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>ATTENZIONE!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Hai diluito il campione di &gt;10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Non è una buona pratica di laboratorio!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Lettura buretta (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Normalità titolante (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>N. di punti: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Premi per titolare</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 salvato in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Scegli una titolazione</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Sistema semplice</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Difficoltà media</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Sistema complesso</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Livello di difficoltà del campione incognito</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Crea un campione incognito del livello scelto e apre la finestra di titolazione.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Un acido nel campione incognito.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Due acidi nel campione incognito.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Una miscela di acidi, uno dei quali forte, nel campione incognito.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Premi per titolare</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalità del titolante</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Volume campione (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Mostra dati</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Ricomincia la titolazione</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Ricomincia con una nuova titolazione</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Buretta: tieni premuto per aggiungere titolante</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalità del titolante (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Volume iniziale del campione (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Curva di titolazione</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Calcola il pH del campione senza titolante, lo traccia come primo punto, fissa normalità e volume e sblocca la buretta.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Apre la finestra che salva i dati in un file.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Cancella la curva, i dati e i messaggi; mantiene lo stesso campione.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Chiude questa finestra e torna alla scelta del livello per un nuovo campione.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Tieni premuto per far scendere il titolante: 1 mL al secondo, almeno 0,1 mL per pressione, fino a 20 mL. Bloccata fino ad «Avvia».</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalità del titolante (N), da 0,001 a 0,5: impostala prima di «Avvia».</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Volume iniziale del campione (mL), da 1 a 1000: impostalo prima di «Avvia».</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Messaggi: la lettura dopo ogni rilascio, o una pagina di dati.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Mostra i punti registrati nel pannello dei messaggi, sette per pagina.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Curva di titolazione: pH in funzione del volume di titolante. Punta un indicatore, o usa qui le frecce, per leggerne volume e pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Premi prima «Avvia».</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Salvato aggiungendo .dat se manca</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>File (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Percorsi salvati e messaggi</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Il nome del file: scrivilo al posto di *.dat; .dat viene aggiunto se manca, e un nome che inizia con * viene salvato come Drevant.dat. Invio salva.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>L&apos;unità su cui salvare.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>La cartella in cui salvare: doppio clic o Invio apre una cartella.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>I file .dat già presenti nella cartella: un clic ne copia il nome.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Scrive i dati nel file e chiude la finestra.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Chiude la finestra senza salvare.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Il percorso di ogni salvataggio e il motivo di un salvataggio fallito.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Guida di Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Una titolazione&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Scegli un livello e premi &lt;b&gt;Inizia&lt;/b&gt;: viene creato un campione incognito.&lt;/li&gt;&lt;li&gt;Imposta la normalità del titolante e il volume del campione con le barre di scorrimento.&lt;/li&gt;&lt;li&gt;Premi &lt;b&gt;Avvia&lt;/b&gt;: viene tracciato il primo punto, senza titolante.&lt;/li&gt;&lt;li&gt;Tieni premuta la buretta: il titolante scende a 1 mL al secondo, almeno 0,1 mL per pressione, fino a 20 mL. Ogni rilascio mostra la lettura e traccia un punto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mostra dati&lt;/b&gt; elenca i punti, sette per pagina; &lt;b&gt;Esporta dati&lt;/b&gt; li salva.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Tasti&lt;/h3&gt;&lt;p&gt;Tab e Maiusc+Tab passano da un controllo all&apos;altro; Spazio preme un pulsante; tenere premuto Spazio sulla buretta aggiunge titolante. Le frecce, Pag su/giù, Home e Fine spostano una barra di scorrimento. Sul grafico le frecce vanno da un punto all&apos;altro. Ctrl+Più e Ctrl+Meno ingrandiscono o rimpiccioliscono una finestra, Ctrl+0 torna al 100 %; una finestra si può anche ridimensionare o ingrandire. F1 apre questa guida.&lt;/p&gt;&lt;h3&gt;Il file esportato&lt;/h3&gt;&lt;p&gt;Il file (nome.dat) contiene la normalità del titolante, il volume del campione e ogni punto (volume in litri e pH), con una chiave per il tuo insegnante, che con essa controlla il lavoro consegnato. Un nome scritto nella casella sostituisce il modello *.dat; .dat viene aggiunto se manca; dopo il salvataggio il pannello dei messaggi dice dove è finito il file.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Rilasciato con licenza GNU General Public License, versione 3 o successiva; senza alcuna garanzia.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

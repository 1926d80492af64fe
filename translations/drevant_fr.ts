<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Fin des données</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>retour chariot sans saut de ligne en colonne %1 (ce n&apos;est pas une fin de ligne de fichier d&apos;export)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>octet NUL en colonne %1 : le fichier est endommagé ou n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>l&apos;octet 0x%1 en colonne %2 n&apos;est pas du texte ASCII simple : le fichier est endommagé ou n&apos;a pas été écrit par le simulateur</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>la clé d&apos;échantillon manque (la première ligne est vide)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>attendu « %1 » et %2, trouvé %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 est hors de la plage du simulateur, %4 à %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>attendu l&apos;en-tête de colonnes « %1%2 », trouvé %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>attendu un volume et un pH, trouvé %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>le volume %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>le pH %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>le volume %1 L est hors des 0 à %2 L de la burette</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>le volume %1 L est inférieur aux %2 L de la ligne précédente (le relevé ne fait que croître)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>le pH %1 est hors de 0 à %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>le fichier a %1 octets, plus que les %2 qu&apos;un fichier d&apos;export peut avoir : ce n&apos;est pas un fichier d&apos;export</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>la ligne a %1 caractères, plus que les %2 de toute ligne d&apos;un fichier d&apos;export</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>la ligne n&apos;a pas de fin de ligne : le fichier est tronqué</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>ligne vide entre les lignes de données</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>plus de %1 lignes de données : aucun titrage ne relève plus de %1 points</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>la clé d&apos;échantillon</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>la normalité du titrant</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>le volume d&apos;échantillon</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>l&apos;en-tête de colonnes</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>le fichier s&apos;arrête avant que vienne %1 : il est tronqué</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>un fichier d&apos;export</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>le volume d&apos;échantillon en litres</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>une archive ZIP ou un document bureautique</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>du texte UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>une image WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>un tableau CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>du texte dont la première ligne n&apos;est pas une clé d&apos;échantillon</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>est %1, pas un fichier d&apos;export</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>fichier introuvable (%1 existe : donnez le nom avec .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>est un dossier, pas %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>n&apos;est pas un fichier ordinaire (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>le fichier a %1 octets, plus que les %2 qu&apos;il peut avoir</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>le fichier a %1 octets, plus que les %2 que peut avoir %3 : ce n&apos;est donc pas %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>lecture impossible : %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Enregistrement impossible : %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>aucun chemin de fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>le chemin contient un caractère NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>le chemin est relatif, un chemin complet est nécessaire</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>le fichier n&apos;a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>aucun dossier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>le nom de fichier contient « / »</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>le nom de fichier contient un caractère NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>le dossier contient un caractère NUL</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (écrit sur place : le fichier est incomplet)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>il a été demandé au programme de se terminer</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Titrant ajouté (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Système %2 : %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Clé %1   ·   titrant %2 N   ·   échantillon %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, points suspects : %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (au-delà de la burette de 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>courbe vraie</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>après l&apos;export</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>points de l&apos;élève</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>points suspects</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>volume à l&apos;équivalence</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 points relevés</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Acide %1 : %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>fort (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>faible, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Diacide : %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>un monoacide, fort ou faible</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>un diacide</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>deux monoacides, le second faible</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>un monoacide fort accompagné d&apos;un diacide</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>trois monoacides, le premier fort, les deux autres faibles</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>acide %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>diacide, 1re acidité (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>diacide, 2e acidité (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>acide %1 (fort)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>acides %1 (forts)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>ni un fichier, ni une clé d&apos;échantillon : </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Clé : %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Système %1 : %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, échantillon %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 point enregistré</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 points enregistrés</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> jusqu&apos;à %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Volumes à l&apos;équivalence (cumulés, acide le plus fort d&apos;abord) :</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (au-delà de la burette de 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Volumes à l&apos;équivalence : indiquez --normality N et --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Points : %1 conformes à la clé, %2 après l&apos;export, %3 suspects</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    suspect </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, vrai </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, après l&apos;export </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 à %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>impossible d&apos;écrire la sortie : </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>la clé seule %1 demande --normality N et --volume-ml V pour une courbe ou un graphique</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>ceci est un corrigé (drevant-key --csv), pas une feuille de réponses</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>ceci est un fichier de notes (drevant-key --grade), pas une feuille de réponses</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>ceci est un bilan de classe (drevant-key --grade --summary), pas une feuille de réponses</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>ceci est une courbe de titrage (drevant-key --curve), pas une feuille de réponses</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>ceci est une image, pas une feuille de réponses</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>ceci est un fichier d&apos;export d&apos;un titrage, pas une feuille de réponses</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>pas une feuille de réponses : sa première ligne n&apos;est pas l&apos;en-tête qu&apos;écrit drevant-key --answer-sheet</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>la feuille a plus de %1 octets : ce n&apos;est pas une feuille de réponses</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>la feuille est vide</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>la feuille a plus de %1 lignes ; divisez-la par classes</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1 ; non noté</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>un guillemet ouvert sur cette ligne n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 cellules, l&apos;en-tête en a %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>la ligne a des réponses mais pas de nom de fichier</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 demande un nom de fichier ou de dossier</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 ne trace aucun graphique</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 demande une valeur, pas l&apos;option %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 donné deux fois</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary va avec --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality demande un nombre de %1 à %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml demande un nombre de %1 à %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc demande un pourcentage de 0 à 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka demande un nombre de 0 à 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade demande le nom de la feuille de réponses</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade lit les fichiers que nomme sa feuille ; ne donnez pas d&apos;autres fichiers</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>les tolérances vont avec --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>aucun fichier d&apos;export ni clé d&apos;échantillon donné</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality et --volume-ml vont ensemble</translation>
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
        <translation>Usage : drevant-key [OPTIONS] FICHIER|CLÉ...
        drevant-key --answer-sheet FICHIER... &gt; answers.csv
        drevant-key --grade answers.csv &gt; grades.csv
Le corrigé des fichiers d&apos;export de Drevant : l&apos;échantillon que code la première
ligne de chaque fichier, le titrant et le volume d&apos;échantillon du titrage, les
volumes à l&apos;équivalence, et si les points de l&apos;élève correspondent à l&apos;échantillon.

  --csv               une ligne de tableur par entrée, avec une ligne d&apos;en-tête
  --curve             la courbe de titrage vraie en CSV : mL de titrant et pH,
                      de 0 à 20 mL par pas de 0,1 mL
  --plot FICHIER.png  tracer les points de l&apos;élève sur la courbe vraie (une entrée)
  --plot-dir DOSSIER  tracer un graphique par entrée dans DOSSIER
                      (DOSSIER/&lt;nom&gt;.png)
  --normality N       normalité du titrant pour les clés seules (0,001 à 0,5)
  --volume-ml V       volume d&apos;échantillon en mL pour les clés seules (1 à 1000)
  --answer-sheet      une feuille de réponses vide (CSV) pour les fichiers, pour
                      les élèves
  --grade FEUILLE     noter une feuille de réponses remplie d&apos;après les fichiers
                      qu&apos;elle nomme
  --summary           avec --grade : une ligne par élève (nom, fichier, réponses
                      justes, réponses, pourcentage) au lieu d&apos;une par réponse
  --tolerance-conc P  les concentrations à P pour cent près comptent comme justes
                      (5 par défaut)
  --tolerance-pka D   les pKa à D près comptent comme justes (0,2 par défaut)
  --comma             CSV avec « , » entre les cellules et « . » dans les nombres
  --semicolon         CSV avec « ; » entre les cellules et « , » dans les nombres
                      (par défaut : comme les paramètres régionaux de cet
                      ordinateur écrivent les décimales)
  -h, --help          afficher cette aide
      --version       afficher la version

Un argument qui n&apos;est pas un fichier existant et ne contient ni « / » ni « . » est
lu comme une clé. Les noms d&apos;une feuille de réponses sont relatifs à son dossier.
Code de sortie : 0 toutes les entrées lues, 1 certaines n&apos;ont pu être lues ou
écrites, 2 erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>la feuille ne nomme aucun fichier</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1 : %2 ; non noté</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1 : le même fichier qu&apos;à la ligne %2 ; non noté</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la sortie standard est fermée</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Essayez « drevant-key --help ».</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>la sortie n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>un graphique n&apos;est écrit que sous un nom se terminant par .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>est l&apos;un des fichiers d&apos;entrée : aucun graphique n&apos;est écrit par-dessus</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>impossible de tracer le graphique : pas d&apos;objet d&apos;application graphique</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>impossible de tracer le graphique : la normalité du titrant et le volume d&apos;échantillon sont inconnus</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>impossible de tracer le graphique : l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>le graphique</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>est un lien symbolique : rien n&apos;est écrit à travers lui</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>est un dossier, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>n&apos;est pas un fichier ordinaire (un périphérique, un tube ou un socket) : rien n&apos;y est écrit</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>impossible d&apos;écrire %1 %2 : %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>un nom absolu ; les noms de la feuille sont relatifs à son dossier</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>sort du dossier de la feuille</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1 : un lien qui mène hors du dossier de la feuille</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>hors du dossier de la feuille de réponses %1 ; la notation ne lit que les fichiers qu&apos;il contient</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot trace une seule entrée ; utilisez --plot-dir DOSSIER pour %1 entrées</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 fichier noté : %2 sur %3 réponses justes</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 fichiers notés : %2 sur %3 réponses justes</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 fichier illisible</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 fichiers illisibles</translation>
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
        <translation>Clé d&apos;échantillon « %1 » : %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>concentration de l&apos;acide 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>constante de l&apos;acide 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>concentration de l&apos;acide 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>constante de l&apos;acide 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>concentration de l&apos;acide 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>constante de l&apos;acide 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>concentration du diacide</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 du diacide</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 du diacide</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>La clé d&apos;échantillon est vide</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>lettre de système inconnue « %1 » (attendu A à E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>« %1 » en position %2 n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>une clé du système %1 a %2 à %3 chiffres hexadécimaux après la lettre, celle-ci en a %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Clé d&apos;échantillon du système %1 : le champ « %2 » vaut %3, mais le programme n&apos;y écrit que %4 : ce n&apos;est pas une clé de ce programme</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Clé d&apos;échantillon du système %1 : les champs des composants absents ne sont pas des valeurs qu&apos;écrit l&apos;export : ce n&apos;est pas une clé de ce programme</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Point %1 : %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Aucun point tracé.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Verrouillée jusqu&apos;à « Démarrer ».</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Burette vide après %1 mL. Recommencez le titrage pour la remplir.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL sur 20 mL versés. Maintenez Espace ou un bouton de la souris : 1 mL par seconde, au moins 0,1 mL par appui.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 point tracé ; le dernier à %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 points tracés ; le dernier à %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Afficher les données</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Afficher la suite</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Burette vide, recommencez !!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>ATTENTION !!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Vous avez dilué l&apos;échantillon de &gt;10 %</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Mauvaise pratique de laboratoire !</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Lecture burette (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Normalité titrant (N) : </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Nombre de points : </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Appuyer pour titrer</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 enregistré dans %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Choisir un titrage</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Système simple</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Difficulté moyenne</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Système complexe</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Niveau de difficulté de l&apos;échantillon inconnu</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Crée un échantillon inconnu du niveau choisi et ouvre la fenêtre de titrage.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Un seul acide dans l&apos;échantillon inconnu.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Deux acides dans l&apos;échantillon inconnu.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Un mélange d&apos;acides, dont un fort, dans l&apos;échantillon inconnu.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Appuyer pour titrer</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalité du titrant</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Volume échantillon (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Afficher les données</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Recommencer le titrage</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Recommencer avec un nouveau titrage</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Burette : maintenir appuyé pour verser le titrant</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalité du titrant (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Volume initial de l&apos;échantillon (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Courbe de titrage</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Calcule le pH de l&apos;échantillon sans titrant, le trace comme premier point, fixe la normalité et le volume et déverrouille la burette.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Ouvre la boîte de dialogue qui enregistre les données dans un fichier.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Efface la courbe, les données et les messages ; garde le même échantillon.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Ferme cette fenêtre et revient au choix du niveau pour un nouvel échantillon.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Maintenir enfoncé pour verser le titrant : 1 mL par seconde, au moins 0,1 mL par appui, jusqu&apos;à 20 mL. Verrouillée jusqu&apos;à « Démarrer ».</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalité du titrant (N), de 0,001 à 0,5 : à régler avant « Démarrer ».</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Volume initial de l&apos;échantillon (mL), de 1 à 1000 : à régler avant « Démarrer ».</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Messages : la lecture après chaque relâchement, ou une page de données.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Affiche les points enregistrés dans le panneau des messages, sept par page.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Courbe de titrage : pH en fonction du volume de titrant. Pointez un repère, ou utilisez ici les flèches, pour lire son volume et son pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Appuyez d&apos;abord sur « Démarrer ».</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Enregistré avec .dat ajouté s&apos;il manque</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Fichiers (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Chemins enregistrés et messages</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Le nom du fichier : tapez-le à la place de *.dat ; .dat est ajouté s&apos;il manque, et un nom commençant par * est enregistré sous Drevant.dat. Entrée enregistre.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Le lecteur sur lequel enregistrer.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Le dossier où enregistrer : un double-clic ou Entrée ouvre un dossier.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Les fichiers .dat déjà présents dans le dossier : un clic recopie le nom.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Écrit les données dans le fichier et ferme la boîte de dialogue.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Ferme la boîte de dialogue sans enregistrer.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Le chemin de chaque enregistrement, et la raison d&apos;un échec.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Aide de Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Un titrage&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choisissez un niveau et appuyez sur &lt;b&gt;Commencer&lt;/b&gt; : un échantillon inconnu est créé.&lt;/li&gt;&lt;li&gt;Réglez la normalité du titrant et le volume de l&apos;échantillon avec les barres de défilement.&lt;/li&gt;&lt;li&gt;Appuyez sur &lt;b&gt;Démarrer&lt;/b&gt; : le premier point, sans titrant, est tracé.&lt;/li&gt;&lt;li&gt;Maintenez la burette enfoncée : le titrant coule à 1 mL par seconde, au moins 0,1 mL par appui, jusqu&apos;à 20 mL. Chaque relâchement affiche la lecture et trace un point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Afficher les données&lt;/b&gt; liste les points, sept par page ; &lt;b&gt;Exporter les données&lt;/b&gt; les enregistre.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Touches&lt;/h3&gt;&lt;p&gt;Tab et Maj+Tab passent d&apos;une commande à l&apos;autre ; Espace appuie sur un bouton ; maintenir Espace sur la burette verse le titrant. Les flèches, Page préc./suiv., Début et Fin déplacent une barre de défilement. Sur la courbe, les flèches vont d&apos;un point à l&apos;autre. Ctrl+Plus et Ctrl+Moins agrandissent ou réduisent une fenêtre, Ctrl+0 revient à 100 % ; une fenêtre peut aussi être redimensionnée ou agrandie. F1 ouvre cette aide.&lt;/p&gt;&lt;h3&gt;Le fichier exporté&lt;/h3&gt;&lt;p&gt;Le fichier (nom.dat) contient la normalité du titrant, le volume de l&apos;échantillon et chaque point (volume en litres et pH), avec une clé pour votre enseignant, qui vérifie ainsi le travail rendu. Un nom tapé dans la zone remplace le modèle *.dat ; .dat est ajouté s&apos;il manque ; après l&apos;enregistrement, le panneau des messages indique où se trouve le fichier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Sous licence GNU General Public License, version 3 ou ultérieure ; fourni sans aucune garantie.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Titulante (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Fin de los datos</translation>
    </message>
</context>
<context>
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>retorno de carro sin salto de línea en la columna %1 (no es un fin de línea de un archivo de exportación)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>byte NUL en la columna %1: el archivo está dañado o no es texto</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>el byte 0x%1 de la columna %2 no es texto ASCII simple: el archivo está dañado o no lo escribió el simulador</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>falta la clave de muestra (la primera línea está vacía)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>se esperaba «%1» y %2, se encontró %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 no es un número</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 está fuera del rango del simulador, de %4 a %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>se esperaba el encabezado de columnas «%1%2», se encontró %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>se esperaba un volumen y un pH, se encontró %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>el volumen %1 no es un número</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>el pH %1 no es un número</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>el volumen %1 L está fuera de los 0 a %2 L de la bureta</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>el volumen %1 L es menor que los %2 L de la línea anterior (el registro solo crece)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>el pH %1 está fuera de 0 a %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>el archivo tiene %1 bytes, más que los %2 que puede tener un archivo de exportación: no es un archivo de exportación</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>la línea tiene %1 caracteres, más que los %2 de cualquier línea de un archivo de exportación</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>la línea no tiene fin de línea: el archivo está truncado</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>línea vacía entre las líneas de datos</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>más de %1 líneas de datos: ninguna titulación registra más de %1 puntos</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>la clave de muestra</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>la normalidad del titulante</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>el volumen de muestra</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>el encabezado de columnas</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>el archivo termina antes de que aparezca %1: está truncado</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>un archivo de exportación</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>el volumen de muestra en litros</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>un archivo ZIP o un documento de oficina</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>texto UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>una imagen WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>una tabla CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>texto cuya primera línea no es una clave de muestra</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>es %1, no un archivo de exportación</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>no existe el archivo (%1 existe: dé el nombre con .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>es una carpeta, no %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>el archivo tiene %1 bytes, más que los %2 que puede tener</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>el archivo tiene %1 bytes, más que los %2 que puede tener %3: no es %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>No se pudo guardar: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>no se indicó ninguna ruta de archivo</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>la ruta contiene un carácter NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>la ruta es relativa, se necesita una ruta completa</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>no se indicó ninguna carpeta</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>el nombre de archivo contiene &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>el nombre de archivo contiene un carácter NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>la carpeta contiene un carácter NUL</translation>
    </message>
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (escrito en el mismo lugar: el archivo está incompleto)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>se pidió al programa que terminara</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Titulante añadido (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Sistema %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Clave %1   ·   titulante %2 N   ·   muestra %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, sospechosos: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (más allá de la bureta de 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>curva verdadera</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>tras la exportación</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>puntos del alumno</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>puntos sospechosos</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>volumen de equivalencia</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 puntos registrados</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Ácido %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>fuerte (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>débil, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Ácido diprótico: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>un ácido monoprótico, fuerte o débil</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>un ácido diprótico</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>dos ácidos monopróticos, el segundo débil</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>un ácido monoprótico fuerte junto a un ácido diprótico</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>tres ácidos monopróticos, el primero fuerte, los otros dos débiles</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>ácido %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>ácido diprótico, 1.er protón (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>ácido diprótico, 2.º protón (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>ácido %1 (fuerte)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>ácidos %1 (fuertes)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>no es un archivo ni una clave de muestra: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Clave: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Sistema %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titulante %1 N, muestra %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 punto registrado</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 puntos registrados</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> hasta %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Volúmenes de equivalencia (acumulados, primero el ácido más fuerte):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (más allá de la bureta de 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Volúmenes de equivalencia: indique --normality N y --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Puntos: %1 coherentes con la clave, %2 tras la exportación, %3 sospechosos</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    sospechoso </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, real </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, tras la exportación </translation>
    </message>
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 a %2</translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>no se puede escribir la salida: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>la clave sola %1 necesita --normality N y --volume-ml V para una curva o un gráfico</translation>
    </message>
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>esto es una clave de respuestas (drevant-key --csv), no una hoja de respuestas</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>esto es un archivo de notas (drevant-key --grade), no una hoja de respuestas</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>esto es un resumen de la clase (drevant-key --grade --summary), no una hoja de respuestas</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>esto es una curva de titulación (drevant-key --curve), no una hoja de respuestas</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>esto es una imagen, no una hoja de respuestas</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>esto es un archivo de exportación de una titulación, no una hoja de respuestas</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>no es una hoja de respuestas: su primera línea no es el encabezado que escribe drevant-key --answer-sheet</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>la hoja tiene más de %1 bytes: no es una hoja de respuestas</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>la hoja está vacía</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>la hoja tiene más de %1 filas; divídala por clases</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; sin calificar</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>unas comillas abiertas en esta línea no se cierran nunca</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 celdas, el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>la fila tiene respuestas pero no nombre de archivo</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 y %2 no se pueden usar juntos</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 necesita un nombre de archivo o de carpeta</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 no dibuja gráficos</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 necesita un valor, no la opción %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite valor</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 dado dos veces</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary va con --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality necesita un número de %1 a %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml necesita un número de %1 a %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc necesita un porcentaje de 0 a 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka necesita un número de 0 a 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade necesita el nombre de la hoja de respuestas</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade lee los archivos que nombra su hoja; no dé otros archivos</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>las tolerancias van con --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>no se dio ningún archivo de exportación ni clave de muestra</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality y --volume-ml van juntos</translation>
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
        <translation>Uso: drevant-key [OPCIONES] ARCHIVO|CLAVE...
     drevant-key --answer-sheet ARCHIVO... &gt; answers.csv
     drevant-key --grade answers.csv &gt; grades.csv
La clave de respuestas de los archivos de exportación de Drevant: la muestra que
codifica la primera línea de cada archivo, el titulante y el volumen de muestra de
la titulación, los volúmenes de equivalencia y si los puntos del alumno
concuerdan con la muestra.

  --csv               una fila de hoja de cálculo por entrada, con una fila de
                      encabezado
  --curve             la curva de titulación verdadera en CSV: mL de titulante y
                      pH, de 0 a 20 mL en pasos de 0,1 mL
  --plot ARCHIVO.png  dibujar los puntos del alumno sobre la curva verdadera
                      (una entrada)
  --plot-dir CARPETA  dibujar un gráfico por entrada en CARPETA
                      (CARPETA/&lt;nombre&gt;.png)
  --normality N       normalidad del titulante para claves solas (0,001 a 0,5)
  --volume-ml V       volumen de muestra en mL para claves solas (1 a 1000)
  --answer-sheet      una hoja de respuestas vacía (CSV) de los archivos, para
                      los alumnos
  --grade HOJA        calificar una hoja de respuestas rellena con los archivos
                      que nombra
  --summary           con --grade: una fila por alumno (nombre, archivo,
                      respuestas correctas, respuestas, porcentaje) en vez de
                      una por respuesta
  --tolerance-conc P  las concentraciones dentro de un P por ciento cuentan como
                      correctas (5 por defecto)
  --tolerance-pka D   los pKa dentro de D cuentan como correctos (0,2 por defecto)
  --comma             CSV con «,» entre celdas y «.» en los números
  --semicolon         CSV con «;» entre celdas y «,» en los números
                      (por defecto: como escribe los decimales la configuración
                      regional de este equipo)
  -h, --help          mostrar esta ayuda
      --version       mostrar la versión

Un argumento que no es un archivo existente y no tiene «/» ni «.» se lee como una
clave. Los nombres de una hoja de respuestas son relativos a su carpeta.
Estado de salida: 0 todas las entradas leídas, 1 algunas no se pudieron leer o
escribir, 2 error de uso.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>la hoja no nombra ningún archivo</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; sin calificar</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: el mismo archivo que en la línea %2; sin calificar</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la salida estándar está cerrada</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Pruebe &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>no se pudo escribir la salida</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>un gráfico solo se escribe con un nombre que termine en .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>es uno de los archivos de entrada: no se escribe ningún gráfico encima</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>no se puede dibujar el gráfico: no hay objeto de aplicación gráfica</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>no se puede dibujar el gráfico: no se conocen la normalidad del titulante ni el volumen de muestra</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>no se puede dibujar el gráfico: no se pudo codificar la imagen</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>el gráfico</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>es un enlace simbólico: no se escribe nada a través de él</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>es una carpeta, no un archivo para escribir</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket): no se escribe nada allí</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>no se puede escribir %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>un nombre absoluto; los nombres de la hoja son relativos a su carpeta</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>sale de la carpeta de la hoja</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: un enlace que lleva fuera de la carpeta de la hoja</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>fuera de la carpeta de la hoja de respuestas %1; la calificación solo lee archivos dentro de ella</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot dibuja una sola entrada; use --plot-dir CARPETA para %1 entradas</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 archivo calificado: %2 de %3 respuestas correctas</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 archivos calificados: %2 de %3 respuestas correctas</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 archivo ilegible</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 archivos ilegibles</translation>
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
        <translation>Clave de muestra «%1»: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>concentración del ácido 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>constante del ácido 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>concentración del ácido 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>constante del ácido 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>concentración del ácido 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>constante del ácido 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>concentración del ácido diprótico</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 del ácido diprótico</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 del ácido diprótico</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>La clave de muestra está vacía</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>letra de sistema desconocida «%1» (se esperaba de A a E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>«%1» en la posición %2 no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>una clave del sistema %1 tiene de %2 a %3 dígitos hexadecimales tras la letra, esta tiene %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Clave de muestra del sistema %1: el campo «%2» vale %3, pero el programa solo escribe ahí %4: no es una clave de este programa</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Clave de muestra del sistema %1: los campos de los componentes ausentes no son valores que escriba la exportación: no es una clave de este programa</translation>
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
        <translation>No hay puntos trazados.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Bloqueada hasta «Iniciar».</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Bureta vacía tras %1 mL. Reinicie la titulación para volver a llenarla.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL de 20 mL añadidos. Mantenga pulsada la barra espaciadora o un botón del ratón: 1 mL por segundo, al menos 0,1 mL por pulsación.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punto trazado; el último en %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 puntos trazados; el último en %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Mostrar datos</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Mostrar más datos</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>¡¡Bureta vacía, inténtelo de nuevo!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>¡¡ADVERTENCIA!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Ha diluido la muestra más de un 10 %</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>¡No es buena práctica de laboratorio!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Lectura de bureta (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Normalidad titulante (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>N.º de puntos: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Pulse para titular</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 guardado en %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Elija una titulación</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Sistema simple</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Dificultad media</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Sistema complejo</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Comenzar</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Nivel de dificultad de la muestra desconocida</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Genera una muestra desconocida del nivel elegido y abre la ventana de titulación.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Un ácido en la muestra desconocida.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Dos ácidos en la muestra desconocida.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Una mezcla de ácidos, uno de ellos fuerte, en la muestra desconocida.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Pulse para titular</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalidad del titulante</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Volumen de muestra (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Mostrar datos</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Reiniciar la titulación</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Empezar de nuevo con otra titulación</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Bureta: mantenga pulsado para añadir titulante</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalidad del titulante (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Volumen inicial de la muestra (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Curva de titulación</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Calcula el pH de la muestra sin titulante, lo traza como primer punto, fija la normalidad y el volumen y desbloquea la bureta.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Abre el diálogo que guarda los datos en un archivo.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Borra la curva, los datos y los mensajes; conserva la misma muestra.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Cierra esta ventana y vuelve a la elección del nivel para una nueva muestra.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Mantenga pulsado para que fluya el titulante: 1 mL por segundo, al menos 0,1 mL por pulsación, hasta 20 mL. Bloqueada hasta «Iniciar».</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalidad del titulante (N), de 0,001 a 0,5: fíjela antes de «Iniciar».</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Volumen inicial de la muestra (mL), de 1 a 1000: fíjelo antes de «Iniciar».</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Mensajes: la lectura tras cada liberación, o una página de datos.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Muestra los puntos registrados en el panel de mensajes, siete por página.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Curva de titulación: pH frente al volumen de titulante. Señale un punto, o use aquí las flechas, para leer su volumen y su pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Pulse primero «Iniciar».</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Se guarda añadiendo .dat si falta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Archivos (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Rutas guardadas y mensajes</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>El nombre del archivo: escríbalo sobre *.dat; se añade .dat si falta, y un nombre que empieza por * se guarda como Drevant.dat. Intro guarda.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>La unidad donde guardar.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>La carpeta donde guardar: doble clic o Intro abre una carpeta.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Los archivos .dat que ya están en la carpeta: un clic copia el nombre.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Escribe los datos en el archivo y cierra el diálogo.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Cierra el diálogo sin guardar.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>La ruta de cada guardado y por qué falló un guardado.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Ayuda de Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Una titulación&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Elija un nivel y pulse &lt;b&gt;Comenzar&lt;/b&gt;: se genera una muestra desconocida.&lt;/li&gt;&lt;li&gt;Fije la normalidad del titulante y el volumen de la muestra con las barras de desplazamiento.&lt;/li&gt;&lt;li&gt;Pulse &lt;b&gt;Iniciar&lt;/b&gt;: se traza el primer punto, sin titulante.&lt;/li&gt;&lt;li&gt;Mantenga pulsada la bureta: el titulante fluye a 1 mL por segundo, al menos 0,1 mL por pulsación, hasta 20 mL. Cada vez que la suelta se muestra la lectura y se traza un punto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mostrar datos&lt;/b&gt; lista los puntos, siete por página; &lt;b&gt;Exportar datos&lt;/b&gt; los guarda.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Teclas&lt;/h3&gt;&lt;p&gt;Tab y Mayús+Tab pasan de un control a otro; Espacio pulsa un botón; mantener Espacio sobre la bureta añade titulante. Las flechas, Re Pág/Av Pág, Inicio y Fin mueven una barra de desplazamiento. En la curva, las flechas van de punto en punto. Ctrl+Más y Ctrl+Menos amplían o reducen una ventana, Ctrl+0 vuelve al 100 %; una ventana también se puede redimensionar o maximizar. F1 abre esta ayuda.&lt;/p&gt;&lt;h3&gt;El archivo exportado&lt;/h3&gt;&lt;p&gt;El archivo (nombre.dat) contiene la normalidad del titulante, el volumen de la muestra y cada punto (volumen en litros y pH), con una clave para su profesor, que comprueba con ella el trabajo entregado. Un nombre escrito en el cuadro sustituye al patrón *.dat; se añade .dat si falta; tras guardar, el panel de mensajes indica dónde quedó el archivo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Con licencia GNU General Public License, versión 3 o posterior; se ofrece sin ninguna garantía.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

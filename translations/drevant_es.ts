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
        <source> to </source>
        <translation> a </translation>
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
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
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
</context>
</TS>

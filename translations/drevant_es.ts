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

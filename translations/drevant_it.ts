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

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
    <message>
        <source> to </source>
        <translation> a </translation>
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
        <source>cannot create the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
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
</context>
</TS>

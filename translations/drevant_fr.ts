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

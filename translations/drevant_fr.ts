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
    <message>
        <source> to </source>
        <translation> à </translation>
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
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
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
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Einde van de gegevens</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Opslaan mislukt: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>er is geen bestandspad opgegeven</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>het pad bevat een NUL-teken</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>het pad is relatief, er is een volledig pad nodig</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>er is geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>het bestand kon niet volledig worden geschreven</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>er is geen map opgegeven</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>de bestandsnaam bevat &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>de bestandsnaam bevat een NUL-teken</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>de map bevat een NUL-teken</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Zuur %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>sterk (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>zwak, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Tweewaardig zuur: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>één eenwaardig zuur, sterk of zwak</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>één tweewaardig zuur</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>twee eenwaardige zuren, het tweede zwak</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>een sterk eenwaardig zuur naast een tweewaardig zuur</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>drie eenwaardige zuren, het eerste sterk, de andere twee zwak</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>zuur %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>tweewaardig zuur, 1e proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>tweewaardig zuur, 2e proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>zuur %1 (sterk)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>zuren %1 (sterk)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>geen bestand en geen monstersleutel: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Sleutel: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Systeem %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, monster %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 meetpunt</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 meetpunten</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> tot %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Equivalentievolumes (cumulatief, sterkste zuur eerst):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (voorbij de buret van 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Equivalentievolumes: geef --normality N en --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punten: %1 kloppen met de sleutel, %2 na de export, %3 verdacht</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    verdacht </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, werkelijk </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, na de export </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>de uitvoer kan niet worden geschreven: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>de losse sleutel %1 heeft --normality N en --volume-ml V nodig voor een curve of grafiek</translation>
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
        <translation>Punt %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Geen punten getekend.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Vergrendeld tot Start.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Buret leeg na %1 mL. Begin de titratie opnieuw om hem bij te vullen.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL van 20 mL toegevoegd. Houd de spatiebalk of een muisknop ingedrukt: 1 mL per seconde, minstens 0,1 mL per druk.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punt getekend; het laatste bij %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 punten getekend; het laatste bij %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Gegevens tonen</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Meer gegevens tonen</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Buret leeg, probeer opnieuw!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>WAARSCHUWING!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>U hebt het monster &gt;10% verdund</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Dit is geen goede laboratoriumpraktijk!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Buretstand (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Sterkte titrant (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Aantal meetpunten: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Druk om te titreren</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 opgeslagen in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Kies een titratie</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Eenvoudig systeem</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Gemiddeld niveau</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Complex systeem</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Moeilijkheidsgraad van het onbekende monster</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Maakt een onbekend monster van het gekozen niveau en opent het titratievenster.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Eén zuur in het onbekende monster.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Twee zuren in het onbekende monster.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Een mengsel van zuren, waarvan één sterk, in het onbekende monster.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Druk om te titreren</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normaliteit titrant</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Monstervolume (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Gegevens tonen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Gegevens exporteren</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Titratie opnieuw</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Opnieuw met een nieuwe titratie</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Buret: ingedrukt houden om titrant toe te voegen</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normaliteit van de titrant (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Beginvolume van het monster (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titratiecurve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Berekent de pH van het monster zonder titrant, tekent die als eerste punt, legt normaliteit en volume vast en ontgrendelt de buret.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Opent het venster dat de gegevens in een bestand opslaat.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Wist de curve, de gegevens en de berichten; houdt hetzelfde monster.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Sluit dit venster en gaat terug naar de keuze van een niveau voor een nieuw monster.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Ingedrukt houden om titrant te laten stromen: 1 mL per seconde, minstens 0,1 mL per druk, tot 20 mL. Vergrendeld tot Start.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normaliteit van de titrant (N), 0,001 tot 0,5: stel haar in vóór Start.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Beginvolume van het monster (mL), 1 tot 1000: stel het in vóór Start.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Berichten: de stand na elke keer loslaten, of een pagina gegevens.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Toont de meetpunten in het berichtenpaneel, zeven per pagina.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titratiecurve: pH tegen het volume titrant. Wijs een punt aan, of gebruik hier de pijltjestoetsen, om het volume en de pH af te lezen.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Druk eerst op Start.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Gegevens exporteren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Opgeslagen met .dat erbij als dat ontbreekt</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Bestanden (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Opgeslagen paden en berichten</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>De bestandsnaam: typ hem over *.dat; .dat wordt toegevoegd als het ontbreekt, en een naam die met * begint wordt opgeslagen als Drevant.dat. Enter slaat op.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Het station om op op te slaan.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>De map om in op te slaan: dubbelklik of Enter opent een map.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>De .dat-bestanden die al in de map staan: een klik neemt de naam over.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Schrijft de gegevens naar het bestand en sluit het venster.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Sluit het venster zonder op te slaan.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Het pad van elke opslag, en waarom een opslag mislukte.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant-help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Een titratie&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Kies een niveau en druk op &lt;b&gt;Beginnen&lt;/b&gt;: er wordt een onbekend monster gemaakt.&lt;/li&gt;&lt;li&gt;Stel de normaliteit van de titrant en het volume van het monster in met de schuifbalken.&lt;/li&gt;&lt;li&gt;Druk op &lt;b&gt;Start&lt;/b&gt;: het eerste punt, zonder titrant, wordt getekend.&lt;/li&gt;&lt;li&gt;Houd de buret ingedrukt: de titrant stroomt met 1 mL per seconde, minstens 0,1 mL per druk, tot 20 mL. Elke keer loslaten toont de stand en tekent een punt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Gegevens tonen&lt;/b&gt; somt de punten op, zeven per pagina; &lt;b&gt;Gegevens exporteren&lt;/b&gt; slaat ze op.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Toetsen&lt;/h3&gt;&lt;p&gt;Tab en Shift+Tab gaan van het ene bedieningselement naar het andere; de spatiebalk drukt een knop in; de spatiebalk ingedrukt houden op de buret voegt titrant toe. De pijltjestoetsen, Page Up/Down, Home en End verschuiven een schuifbalk. Op de curve gaan de pijltjes van punt naar punt. Ctrl+Plus en Ctrl+Min zoomen een venster in of uit, Ctrl+0 gaat terug naar 100 %; een venster kan ook van grootte veranderen of gemaximaliseerd worden. F1 opent deze help.&lt;/p&gt;&lt;h3&gt;Het exportbestand&lt;/h3&gt;&lt;p&gt;Het bestand (naam.dat) bevat de normaliteit van de titrant, het volume van het monster en elk punt (volume in liters en pH), met een sleutel voor je docent, die er het ingeleverde werk mee controleert. Een naam die in het vak wordt getypt, vervangt het patroon *.dat; .dat wordt toegevoegd als het ontbreekt; na het opslaan meldt het berichtenpaneel waar het bestand staat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Uitgegeven onder de GNU General Public License, versie 3 of later; zonder enige garantie.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

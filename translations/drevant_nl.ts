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
    <message>
        <source> to </source>
        <translation> tot </translation>
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
    <message>
        <source>cannot create the folder %1</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
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
</context>
</TS>

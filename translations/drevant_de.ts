<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Maßlösung (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Ende der Daten</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>kein Dateipfad angegeben</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>der Pfad enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>der Pfad ist relativ, ein vollständiger Pfad ist nötig</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>der Dateiname enthält „/“</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>der Dateiname enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>der Ordner enthält ein NUL-Zeichen</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Säure %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>stark (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>schwach, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Zweiprotonige Säure: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>eine einprotonige Säure, stark oder schwach</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>eine zweiprotonige Säure</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>zwei einprotonige Säuren, die zweite schwach</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>eine starke einprotonige Säure neben einer zweiprotonigen Säure</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>drei einprotonige Säuren, die erste stark, die beiden anderen schwach</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>Säure %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>zweiprotonige Säure, 1. Proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>zweiprotonige Säure, 2. Proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>Säure %1 (stark)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>Säuren %1 (stark)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>keine Datei und kein Probenschlüssel: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Schlüssel: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  System %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Maßlösung %1 N, Probe %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 Messpunkt</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 Messpunkte</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> bis %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Äquivalenzvolumina (kumuliert, stärkste Säure zuerst):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (jenseits der 20-mL-Bürette)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Äquivalenzvolumina: --normality N und --volume-ml V angeben</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punkte: %1 passend zum Schlüssel, %2 nach dem Export, %3 verdächtig</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    verdächtig </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, wahr </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, nach dem Export </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>die Ausgabe kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>der bloße Schlüssel %1 braucht --normality N und --volume-ml V für eine Kurve oder einen Plot</translation>
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
        <translation>Punkt %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Keine Punkte eingezeichnet.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Gesperrt bis „Start“.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Bürette leer nach %1 mL. Titration neu beginnen, um sie wieder zu füllen.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL von 20 mL zugegeben. Leertaste oder Maustaste halten: 1 mL pro Sekunde, mindestens 0,1 mL pro Druck.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 Punkt eingezeichnet; der letzte bei %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 Punkte eingezeichnet; der letzte bei %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Daten anzeigen</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Weitere Daten anzeigen</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Bürette leer, neu beginnen!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>ACHTUNG!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Sie haben die Probe um &gt;10% verdünnt</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Das ist keine gute Laborpraxis!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Bürettenstand (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Maßlösung (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Anzahl Messpunkte: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Drücken zum Titrieren</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 gespeichert in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Titration wählen</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Einfaches System</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Mittlere Schwierigkeit</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Komplexes System</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Schwierigkeitsgrad der unbekannten Probe</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Erzeugt eine unbekannte Probe des gewählten Schwierigkeitsgrads und öffnet das Titrationsfenster.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Eine Säure in der unbekannten Probe.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Zwei Säuren in der unbekannten Probe.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Ein Gemisch von Säuren, darunter eine starke, in der unbekannten Probe.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Drücken zum Titrieren</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalität der Maßlösung</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Probenvolumen (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Daten anzeigen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Titration neu beginnen</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Neue Titration beginnen</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Bürette: gedrückt halten, um Maßlösung zuzugeben</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalität der Maßlösung (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Anfangsvolumen der Probe (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titrationskurve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Berechnet den pH-Wert der Probe ohne Maßlösung, zeichnet ihn als ersten Punkt ein, legt Normalität und Volumen fest und gibt die Bürette frei.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Öffnet den Dialog, der die Daten in einer Datei speichert.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Löscht Kurve, Daten und Meldungen; die Probe bleibt dieselbe.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Schließt dieses Fenster und kehrt zur Wahl des Schwierigkeitsgrads für eine neue Probe zurück.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Gedrückt halten, damit Maßlösung fließt: 1 mL pro Sekunde, mindestens 0,1 mL pro Druck, bis 20 mL. Gesperrt bis „Start“.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalität der Maßlösung (N), 0,001 bis 0,5: vor „Start“ einstellen.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Anfangsvolumen der Probe (mL), 1 bis 1000: vor „Start“ einstellen.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Meldungen: der Stand nach jedem Loslassen oder eine Seite Daten.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Zeigt die Messpunkte im Meldungsfeld, sieben pro Seite.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titrationskurve: pH gegen das Volumen der Maßlösung. Auf einen Punkt zeigen oder hier die Pfeiltasten benutzen, um Volumen und pH abzulesen.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Zuerst „Start“ drücken.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Gespeichert mit angehängtem .dat, wenn es fehlt</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Dateien (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Gespeicherte Pfade und Meldungen</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Der Dateiname: über *.dat tippen; .dat wird ergänzt, wenn es fehlt, und ein Name, der mit * beginnt, wird als Drevant.dat gespeichert. Eingabe speichert.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Das Laufwerk, auf dem gespeichert wird.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Der Ordner, in dem gespeichert wird: Doppelklick oder Eingabe öffnet einen Ordner.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Die .dat-Dateien, die schon im Ordner sind: ein Klick übernimmt den Namen.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Schreibt die Daten in die Datei und schließt den Dialog.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Schließt den Dialog ohne zu speichern.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Der Pfad jeder Speicherung und warum eine Speicherung fehlschlug.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Eine Titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Schwierigkeitsgrad wählen und &lt;b&gt;Beginnen&lt;/b&gt; drücken: eine unbekannte Probe wird erzeugt.&lt;/li&gt;&lt;li&gt;Normalität der Maßlösung und Volumen der Probe mit den Schiebereglern einstellen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Start&lt;/b&gt; drücken: der erste Punkt, ohne Maßlösung, wird eingezeichnet.&lt;/li&gt;&lt;li&gt;Die Bürette gedrückt halten: Maßlösung fließt mit 1 mL pro Sekunde, mindestens 0,1 mL pro Druck, bis 20 mL. Jedes Loslassen zeigt den Stand und zeichnet einen Punkt ein.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Daten anzeigen&lt;/b&gt; listet die Punkte, sieben pro Seite; &lt;b&gt;Daten exportieren&lt;/b&gt; speichert sie.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Tasten&lt;/h3&gt;&lt;p&gt;Tab und Umschalt+Tab wechseln zwischen den Bedienelementen; die Leertaste drückt eine Schaltfläche; Leertaste auf der Bürette halten gibt Maßlösung zu. Pfeiltasten, Bild auf/ab, Pos1 und Ende bewegen einen Schieberegler. In der Kurve gehen die Pfeiltasten von Punkt zu Punkt. Strg+Plus und Strg+Minus vergrößern und verkleinern ein Fenster, Strg+0 stellt 100 % wieder her; ein Fenster lässt sich auch in der Größe ändern oder maximieren. F1 öffnet diese Hilfe.&lt;/p&gt;&lt;h3&gt;Die Exportdatei&lt;/h3&gt;&lt;p&gt;Die Datei (name.dat) enthält die Normalität der Maßlösung, das Volumen der Probe und jeden Punkt (Volumen in Litern und pH), dazu einen Schlüssel für Ihre Lehrkraft, die die Abgabe damit prüft. Ein im Feld getippter Name ersetzt das Muster *.dat; .dat wird ergänzt, wenn es fehlt; nach dem Speichern zeigt das Meldungsfeld, wohin die Datei gespeichert wurde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Lizenziert unter der GNU General Public License, Version 3 oder später; ohne jede Gewährleistung.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

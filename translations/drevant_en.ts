<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>End of data</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>no file path was given</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>the path contains a NUL character</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>the path is relative, a full path is needed</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>the file could not be written completely</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>no folder was given</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>the file name contains &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>the file name contains a NUL character</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>the folder contains a NUL character</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Acid %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>strong (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>weak, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>one monoprotic acid, strong or weak</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>one diprotic acid</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>two monoprotic acids, the second weak</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>a strong monoprotic acid beside a diprotic acid</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>three monoprotic acids, the first strong, the other two weak</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>acid %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>diprotic acid, 1st proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>diprotic acid, 2nd proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>acid %1 (strong)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>acids %1 (strong)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>not a file, and not a sample key: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Key: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  System %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, sample %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 logged point</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 logged points</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> up to %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Equivalence volumes (cumulative, strongest acid first):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (beyond the 20 mL burette)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Equivalence volumes: give --normality N and --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Points: %1 consistent with the key, %2 after the export, %3 suspect</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    suspect </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, true </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, after the export </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>cannot write the output: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>QT_LAYOUT_DIRECTION</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Point %1: %2 mL, pH %3</source>
        <translation>Point %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>No points plotted.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Locked until Start.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Burette empty after %1 mL. Start the titration over to refill it.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 point plotted; the last at %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 points plotted; the last at %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Show Data</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Show More Data</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Burette Empty, Try Again!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>WARNING!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>You have diluted your sample &gt;10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>This is not good laboratory practice!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Current Burrette Value (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Titrant Strength (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation># Data Points: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Press to Drevant</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Saved %1 in %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Choose a titration</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Simple System</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Medium Difficulty</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Complex System</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Level of difficulty of the unknown sample</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Makes up an unknown sample of the chosen level and opens the titration window.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>One acid in the unknown sample.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Two acids in the unknown sample.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>A mixture of acids, one of them strong, in the unknown sample.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Press to Drevant</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Titrant Normality</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Initial Sample Volume (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Show Data</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Start Titration Over</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Begin Again With New Titration</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Burette: hold to add titrant</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Titrant normality (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Initial sample volume (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Titration curve</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Opens the dialog that saves the data to a file.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Clears the curve, the data and the messages; keeps the same sample.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Closes this window and goes back to choosing a level for a new sample.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Titrant normality (N), 0.001 to 0.5: set it before Start.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Initial sample volume (mL), 1 to 1000: set it before Start.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Messages: the reading after each release, or a page of data.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Shows the logged points in the message panel, seven a page.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Press Start first.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Saved with .dat added when missing</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Files (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Saved paths and messages</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>The drive to save on.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>The folder to save in: double-click or Enter opens a folder.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>The .dat files already in the folder: a click copies a name.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Writes the data to the file and closes the dialog.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Closes the dialog without saving.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>The path of each save, and why a save failed.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant Help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>Objętość, mL</translation>
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
        <translation>Koniec danych</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Nie można zapisać: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>nie podano ścieżki pliku</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>ścieżka zawiera znak NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>ścieżka jest względna, potrzebna jest pełna ścieżka</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>nie udało się zapisać całego pliku</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>nie podano folderu</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>nazwa pliku zawiera „/”</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>nazwa pliku zawiera znak NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>folder zawiera znak NUL</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>Kwas %1: %2 ± %3 mol/L, </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>mocny (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>słaby, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Kwas dwuprotonowy: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>jeden kwas jednoprotonowy, mocny lub słaby</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>jeden kwas dwuprotonowy</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>dwa kwasy jednoprotonowe, drugi słaby</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>mocny kwas jednoprotonowy obok kwasu dwuprotonowego</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>trzy kwasy jednoprotonowe, pierwszy mocny, pozostałe dwa słabe</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>kwas %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>kwas dwuprotonowy, 1. proton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>kwas dwuprotonowy, 2. proton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>kwas %1 (mocny)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>kwasy %1 (mocne)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>to nie plik ani klucz próbki: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Klucz: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Układ %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titrant %1 N, próbka %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, zapisane punkty: %1</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, zapisane punkty: %1</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> do %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Objętości w punktach równoważnikowych (narastająco, najpierw najmocniejszy kwas):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (poza biuretą 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Objętości w punktach równoważnikowych: podaj --normality N i --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Punkty: zgodne z kluczem %1, po eksporcie %2, podejrzane %3</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    podejrzany </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, prawdziwe </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, po eksporcie </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>nie można zapisać wyjścia: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>sam klucz %1 wymaga --normality N i --volume-ml V do krzywej lub wykresu</translation>
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
        <translation>Brak naniesionych punktów.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Zablokowana do „Start”.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Biureta pusta po %1 mL. Zacznij miareczkowanie od nowa, aby ją napełnić.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>Dodano %1 mL z 20 mL. Przytrzymaj spację lub przycisk myszy: 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>Naniesione punkty: %1; ostatni przy %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>Naniesione punkty: %1; ostatni przy %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Pokaż dane</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Pokaż więcej danych</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Biureta pusta, spróbuj ponownie!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>UWAGA!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Próbka rozcieńczona o ponad 10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>To zła praktyka laboratoryjna!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Odczyt biurety (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Moc titranta (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Liczba punktów: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Naciśnij, aby miareczkować</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Zapisano %1 w %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Wybierz miareczkowanie</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Układ prosty</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Średnia trudność</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Układ złożony</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Poziom trudności nieznanej próbki</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Tworzy nieznaną próbkę wybranego poziomu i otwiera okno miareczkowania.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Jeden kwas w nieznanej próbce.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Dwa kwasy w nieznanej próbce.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Mieszanina kwasów, w tym jeden mocny, w nieznanej próbce.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Naciśnij, aby miareczkować</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalność titranta</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Objętość próbki (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Pokaż dane</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Zacznij miareczkowanie od nowa</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Nowe miareczkowanie od początku</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Biureta: przytrzymaj, aby dodać titrant</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalność titranta (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Początkowa objętość próbki (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Komunikaty</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Krzywa miareczkowania</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Oblicza pH próbki bez titranta, nanosi je jako pierwszy punkt, ustala normalność i objętość oraz odblokowuje biuretę.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Otwiera okno zapisu danych do pliku.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Czyści krzywą, dane i komunikaty; zachowuje tę samą próbkę.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Zamyka to okno i wraca do wyboru poziomu dla nowej próbki.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Przytrzymaj, aby titrant wypływał: 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie, do 20 mL. Zablokowana do „Start”.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalność titranta (N), od 0,001 do 0,5: ustaw przed „Start”.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Początkowa objętość próbki (mL), od 1 do 1000: ustaw przed „Start”.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Komunikaty: odczyt po każdym zwolnieniu albo strona danych.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Pokazuje zapisane punkty w polu komunikatów, po siedem na stronę.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Krzywa miareczkowania: pH w funkcji objętości titranta. Wskaż punkt albo użyj tu strzałek, aby odczytać jego objętość i pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Najpierw naciśnij „Start”.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Zapisywany z dodanym .dat, gdy go brak</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Pliki (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Zapisane ścieżki i komunikaty</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>Nazwa pliku: wpisz ją w miejsce *.dat; .dat zostanie dodane, jeśli go brak, a nazwa zaczynająca się od * zostanie zapisana jako Drevant.dat. Enter zapisuje.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>Dysk, na którym zapisać.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>Folder, w którym zapisać: dwukrotne kliknięcie lub Enter otwiera folder.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Pliki .dat już obecne w folderze: kliknięcie kopiuje nazwę.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Zapisuje dane do pliku i zamyka okno.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Zamyka okno bez zapisywania.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>Ścieżka każdego zapisu i powód nieudanego zapisu.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Pomoc programu Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Miareczkowanie&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Wybierz poziom i naciśnij &lt;b&gt;Rozpocznij&lt;/b&gt;: powstaje nieznana próbka.&lt;/li&gt;&lt;li&gt;Ustaw suwakami normalność titranta i objętość próbki.&lt;/li&gt;&lt;li&gt;Naciśnij &lt;b&gt;Start&lt;/b&gt;: zostaje naniesiony pierwszy punkt, bez titranta.&lt;/li&gt;&lt;li&gt;Przytrzymaj biuretę: titrant wypływa z szybkością 1 mL na sekundę, co najmniej 0,1 mL na naciśnięcie, do 20 mL. Każde zwolnienie pokazuje odczyt i nanosi punkt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pokaż dane&lt;/b&gt; wypisuje punkty, po siedem na stronę; &lt;b&gt;Eksportuj dane&lt;/b&gt; je zapisuje.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Klawisze&lt;/h3&gt;&lt;p&gt;Tab i Shift+Tab przechodzą między kontrolkami; spacja naciska przycisk; przytrzymanie spacji na biurecie dodaje titrant. Strzałki, Page Up/Down, Home i End przesuwają suwak. Na wykresie strzałki przechodzą od punktu do punktu. Ctrl+Plus i Ctrl+Minus powiększają lub pomniejszają okno, Ctrl+0 wraca do 100 %; okno można też zmienić rozmiarem lub zmaksymalizować. F1 otwiera tę pomoc.&lt;/p&gt;&lt;h3&gt;Plik eksportu&lt;/h3&gt;&lt;p&gt;Plik (nazwa.dat) zawiera normalność titranta, objętość próbki i każdy punkt (objętość w litrach i pH), a także klucz dla nauczyciela, który sprawdza nim oddaną pracę. Nazwa wpisana w polu zastępuje wzorzec *.dat; .dat jest dodawane, gdy go brak; po zapisie pole komunikatów podaje, gdzie trafił plik.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Na licencji GNU General Public License w wersji 3 lub późniejszej; bez żadnej gwarancji.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

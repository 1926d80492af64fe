<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Titulante (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>Fim dos dados</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>Não foi possível salvar: %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>nenhum caminho de arquivo foi informado</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>o caminho contém um caractere NUL</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>o caminho é relativo, é preciso um caminho completo</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>não foi possível gravar o arquivo por completo</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>nenhuma pasta foi informada</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>o nome do arquivo contém &quot;/&quot;</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>o nome do arquivo contém um caractere NUL</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>a pasta contém um caractere NUL</translation>
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
        <translation>forte (%1, Ka %2)</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>fraco, %1 (Ka %2)</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>Ácido diprótico: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>um ácido monoprótico, forte ou fraco</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>um ácido diprótico</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>dois ácidos monopróticos, o segundo fraco</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>um ácido monoprótico forte junto a um ácido diprótico</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>três ácidos monopróticos, o primeiro forte, os outros dois fracos</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>ácido %1 (pKa %2)</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>ácido diprótico, 1º próton (pK1 %1)</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>ácido diprótico, 2º próton (pK2 %1)</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>ácido %1 (forte)</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>ácidos %1 (fortes)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>não é um arquivo nem uma chave de amostra: </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  Chave: %1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  Sistema %1: %2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  Titulante %1 N, amostra %2 L (%3 mL)</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>, %1 ponto registrado</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>, %1 pontos registrados</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> até %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  Volumes de equivalência (acumulados, primeiro o ácido mais forte):</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  (além da bureta de 20 mL)</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  Volumes de equivalência: informe --normality N e --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  Pontos: %1 coerentes com a chave, %2 após a exportação, %3 suspeitos</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    suspeito </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>, real </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>, após a exportação </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>não é possível gravar a saída: </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>a chave isolada %1 precisa de --normality N e --volume-ml V para uma curva ou um gráfico</translation>
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
        <translation>Ponto %1: %2 mL, pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>Nenhum ponto marcado.</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>Bloqueada até &quot;Iniciar&quot;.</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>Bureta vazia após %1 mL. Recomece a titulação para enchê-la de novo.</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>%1 mL de 20 mL adicionados. Segure Espaço ou um botão do mouse: 1 mL por segundo, no mínimo 0,1 mL por toque.</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 ponto marcado; o último em %2 mL, pH %3.</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>%1 pontos marcados; o último em %2 mL, pH %3.</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>Mostrar dados</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>Mostrar mais dados</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>Bureta vazia, tente de novo!!</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>ATENÇÃO!!</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>Você diluiu a amostra em &gt;10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>Isso não é boa prática de laboratório!</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>Leitura da bureta (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>Normalidade titulante (N): </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>Nº de pontos: </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Pressione para titular</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 salvo em %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>Escolha uma titulação</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>Sistema simples</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>Dificuldade média</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>Sistema complexo</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>Nível de dificuldade da amostra desconhecida</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>Gera uma amostra desconhecida do nível escolhido e abre a janela de titulação.</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>Um ácido na amostra desconhecida.</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>Dois ácidos na amostra desconhecida.</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>Uma mistura de ácidos, um deles forte, na amostra desconhecida.</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>Pressione para titular</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>Normalidade do titulante</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>Volume da amostra (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Mostrar dados</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>Recomeçar a titulação</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>Começar de novo com nova titulação</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>Bureta: segure para adicionar titulante</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>Normalidade do titulante (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>Volume inicial da amostra (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>Curva de titulação</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>Calcula o pH da amostra sem titulante, marca-o como primeiro ponto, fixa a normalidade e o volume e libera a bureta.</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>Abre a caixa de diálogo que salva os dados em um arquivo.</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>Apaga a curva, os dados e as mensagens; mantém a mesma amostra.</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>Fecha esta janela e volta à escolha do nível para uma nova amostra.</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>Segure para o titulante escorrer: 1 mL por segundo, no mínimo 0,1 mL por toque, até 20 mL. Bloqueada até &quot;Iniciar&quot;.</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>Normalidade do titulante (N), de 0,001 a 0,5: defina antes de &quot;Iniciar&quot;.</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>Volume inicial da amostra (mL), de 1 a 1000: defina antes de &quot;Iniciar&quot;.</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>Mensagens: a leitura após cada soltura, ou uma página de dados.</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>Mostra os pontos registrados no painel de mensagens, sete por página.</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>Curva de titulação: pH em função do volume de titulante. Aponte para um marcador, ou use aqui as setas, para ler seu volume e pH.</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>Pressione &quot;Iniciar&quot; primeiro.</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>Salvo com .dat acrescentado se faltar</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>Arquivos (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>Caminhos salvos e mensagens</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>O nome do arquivo: digite-o sobre *.dat; .dat é acrescentado se faltar, e um nome que começa com * é salvo como Drevant.dat. Enter salva.</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>A unidade onde salvar.</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>A pasta onde salvar: clique duplo ou Enter abre uma pasta.</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>Os arquivos .dat já presentes na pasta: um clique copia o nome.</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>Grava os dados no arquivo e fecha a caixa de diálogo.</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>Fecha a caixa de diálogo sem salvar.</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>O caminho de cada gravação e por que uma gravação falhou.</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Ajuda do Drevant</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Uma titulação&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Escolha um nível e pressione &lt;b&gt;Começar&lt;/b&gt;: uma amostra desconhecida é gerada.&lt;/li&gt;&lt;li&gt;Defina a normalidade do titulante e o volume da amostra com as barras de rolagem.&lt;/li&gt;&lt;li&gt;Pressione &lt;b&gt;Iniciar&lt;/b&gt;: o primeiro ponto, sem titulante, é marcado.&lt;/li&gt;&lt;li&gt;Segure a bureta: o titulante escorre a 1 mL por segundo, no mínimo 0,1 mL por toque, até 20 mL. Cada soltura mostra a leitura e marca um ponto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mostrar dados&lt;/b&gt; lista os pontos, sete por página; &lt;b&gt;Exportar dados&lt;/b&gt; os salva.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Teclas&lt;/h3&gt;&lt;p&gt;Tab e Shift+Tab passam de um controle a outro; Espaço pressiona um botão; segurar Espaço na bureta adiciona titulante. As setas, Page Up/Down, Home e End movem uma barra de rolagem. No gráfico, as setas vão de ponto em ponto. Ctrl+Mais e Ctrl+Menos ampliam ou reduzem uma janela, Ctrl+0 volta a 100 %; uma janela também pode ser redimensionada ou maximizada. F1 abre esta ajuda.&lt;/p&gt;&lt;h3&gt;O arquivo exportado&lt;/h3&gt;&lt;p&gt;O arquivo (nome.dat) traz a normalidade do titulante, o volume da amostra e cada ponto (volume em litros e pH), com uma chave para o seu professor, que confere o trabalho entregue com ela. Um nome digitado na caixa substitui o padrão *.dat; .dat é acrescentado se faltar; depois de salvar, o painel de mensagens mostra onde o arquivo ficou.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1. Licenciado sob a GNU General Public License, versão 3 ou posterior; não tem nenhuma garantia.&lt;/p&gt;</translation>
    </message>
</context>
</TS>

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
    <name>ExportFileReader</name>
    <message>
        <source>carriage return without line feed in column %1 (not an export file&apos;s line end)</source>
        <translation>retorno de carro sem avanço de linha na coluna %1 (não é um fim de linha de arquivo de exportação)</translation>
    </message>
    <message>
        <source>NUL byte in column %1: the file is damaged or not text</source>
        <translation>byte NUL na coluna %1: o arquivo está danificado ou não é texto</translation>
    </message>
    <message>
        <source>byte 0x%1 in column %2 is not plain ASCII text: the file is damaged or was not written by the simulator</source>
        <translation>o byte 0x%1 na coluna %2 não é texto ASCII simples: o arquivo está danificado ou não foi gravado pelo simulador</translation>
    </message>
    <message>
        <source>the sample key is missing (the first line is empty)</source>
        <translation>falta a chave de amostra (a primeira linha está vazia)</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; and %2, found %3</source>
        <translation>esperado &quot;%1&quot; e %2, encontrado %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a number</source>
        <translation>%1 %2 não é um número</translation>
    </message>
    <message>
        <source>%1 %2 %3 is outside the simulator&apos;s range, %4 to %5 %3</source>
        <translation>%1 %2 %3 está fora da faixa do simulador, de %4 a %5 %3</translation>
    </message>
    <message>
        <source>expected the column header &quot;%1%2&quot;, found %3</source>
        <translation>esperado o cabeçalho de colunas &quot;%1%2&quot;, encontrado %3</translation>
    </message>
    <message>
        <source>expected a volume and a pH, found %1</source>
        <translation>esperado um volume e um pH, encontrado %1</translation>
    </message>
    <message>
        <source>the volume %1 is not a number</source>
        <translation>o volume %1 não é um número</translation>
    </message>
    <message>
        <source>the pH %1 is not a number</source>
        <translation>o pH %1 não é um número</translation>
    </message>
    <message>
        <source>the volume %1 L is outside the burette&apos;s 0 to %2 L</source>
        <translation>o volume %1 L está fora dos 0 a %2 L da bureta</translation>
    </message>
    <message>
        <source>the volume %1 L is less than the %2 L of the line before (the log only grows)</source>
        <translation>o volume %1 L é menor que os %2 L da linha anterior (o registro só cresce)</translation>
    </message>
    <message>
        <source>the pH %1 is outside 0 to %2</source>
        <translation>o pH %1 está fora de 0 a %2</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 an export file can have: not an export file</source>
        <translation>o arquivo tem %1 bytes, mais que os %2 que um arquivo de exportação pode ter: não é um arquivo de exportação</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the line has %1 characters, more than the %2 any line of an export file has</source>
        <translation>a linha tem %1 caracteres, mais que os %2 de qualquer linha de um arquivo de exportação</translation>
    </message>
    <message>
        <source>the line has no line end: the file is truncated</source>
        <translation>a linha não tem fim de linha: o arquivo está truncado</translation>
    </message>
    <message>
        <source>empty line between the data lines</source>
        <translation>linha vazia entre as linhas de dados</translation>
    </message>
    <message>
        <source>more than %1 data lines: no titration logs more than %1 points</source>
        <translation>mais de %1 linhas de dados: nenhuma titulação registra mais de %1 pontos</translation>
    </message>
    <message>
        <source>the sample key</source>
        <translation>a chave de amostra</translation>
    </message>
    <message>
        <source>the titrant normality</source>
        <translation>a normalidade do titulante</translation>
    </message>
    <message>
        <source>the sample volume</source>
        <translation>o volume da amostra</translation>
    </message>
    <message>
        <source>the column header</source>
        <translation>o cabeçalho de colunas</translation>
    </message>
    <message>
        <source>the file ends before %1: it is truncated</source>
        <translation>o arquivo termina antes que apareça %1: está truncado</translation>
    </message>
    <message>
        <source>an export file</source>
        <translation>um arquivo de exportação</translation>
    </message>
    <message>
        <source>the sample volume in litres</source>
        <translation>o volume da amostra em litros</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>uma imagem PNG</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>uma imagem JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>uma imagem GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>um documento PDF</translation>
    </message>
    <message>
        <source>a ZIP archive or an office document</source>
        <translation>um arquivo ZIP ou um documento de escritório</translation>
    </message>
    <message>
        <source>UTF-16 text</source>
        <translation>texto UTF-16</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>uma imagem WebP</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dados binários</translation>
    </message>
    <message>
        <source>a CSV table</source>
        <translation>uma tabela CSV</translation>
    </message>
    <message>
        <source>text whose first line is not a sample key</source>
        <translation>texto cuja primeira linha não é uma chave de amostra</translation>
    </message>
    <message>
        <source>is %1, not an export file</source>
        <translation>é %1, não um arquivo de exportação</translation>
    </message>
    <message>
        <source>no such file (%1 exists: give the name with .dat)</source>
        <translation>arquivo não encontrado (%1 existe: informe o nome com .dat)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>is a folder, not %1</source>
        <translation>é uma pasta, não %1</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket)</source>
        <translation>não é um arquivo comum (um dispositivo, pipe ou socket)</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 it can have</source>
        <translation>o arquivo tem %1 bytes, mais que os %2 que pode ter</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than the %2 %3 can have: not %3</source>
        <translation>o arquivo tem %1 bytes, mais que os %2 que %3 pode ter: não é %3</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>não é possível abrir: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>não é possível ler: %1</translation>
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
    <message>
        <source> (written in place: the file is incomplete)</source>
        <translation> (gravado no próprio lugar: o arquivo está incompleto)</translation>
    </message>
    <message>
        <source>the program was asked to end</source>
        <translation>foi pedido ao programa que encerrasse</translation>
    </message>
</context>
<context>
    <name>KeyPlot</name>
    <message>
        <source>Titrant added (mL)</source>
        <translation>Titulante adicionado (mL)</translation>
    </message>
    <message>
        <source>%1 — System %2: %3</source>
        <translation>%1 — Sistema %2: %3</translation>
    </message>
    <message>
        <source>Key %1   ·   titrant %2 N   ·   sample %3 mL</source>
        <translation>Chave %1   ·   titulante %2 N   ·   amostra %3 mL</translation>
    </message>
    <message>
        <source>, %1 suspect</source>
        <translation>, suspeitos: %1</translation>
    </message>
    <message>
        <source> (beyond the 20 mL burette) →</source>
        <translation> (além da bureta de 20 mL) →</translation>
    </message>
    <message>
        <source>true curve</source>
        <translation>curva verdadeira</translation>
    </message>
    <message>
        <source>after the export</source>
        <translation>após a exportação</translation>
    </message>
    <message>
        <source>student&apos;s points</source>
        <translation>pontos do aluno</translation>
    </message>
    <message>
        <source>suspect points</source>
        <translation>pontos suspeitos</translation>
    </message>
    <message>
        <source>equivalence volume</source>
        <translation>volume de equivalência</translation>
    </message>
    <message>
        <source>   ·   %1 logged points</source>
        <translation>   ·   %1 pontos registrados</translation>
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
    <message>
        <source>pH %1 to %2</source>
        <translation>pH %1 a %2</translation>
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
    <message>
        <source>this is an answer key (drevant-key --csv), not an answer sheet</source>
        <translation>isto é um gabarito (drevant-key --csv), não uma folha de respostas</translation>
    </message>
    <message>
        <source>this is a grades file (drevant-key --grade), not an answer sheet</source>
        <translation>isto é um arquivo de notas (drevant-key --grade), não uma folha de respostas</translation>
    </message>
    <message>
        <source>this is a class summary (drevant-key --grade --summary), not an answer sheet</source>
        <translation>isto é um resumo da turma (drevant-key --grade --summary), não uma folha de respostas</translation>
    </message>
    <message>
        <source>this is a titration curve (drevant-key --curve), not an answer sheet</source>
        <translation>isto é uma curva de titulação (drevant-key --curve), não uma folha de respostas</translation>
    </message>
    <message>
        <source>this is a picture, not an answer sheet</source>
        <translation>isto é uma imagem, não uma folha de respostas</translation>
    </message>
    <message>
        <source>this is an export file of a titration, not an answer sheet</source>
        <translation>isto é um arquivo de exportação de uma titulação, não uma folha de respostas</translation>
    </message>
    <message>
        <source>not an answer sheet: its first line is not the header that drevant-key --answer-sheet writes</source>
        <translation>não é uma folha de respostas: a primeira linha não é o cabeçalho que drevant-key --answer-sheet grava</translation>
    </message>
    <message>
        <source>the sheet has more than %1 bytes: not an answer sheet</source>
        <translation>a folha tem mais de %1 bytes: não é uma folha de respostas</translation>
    </message>
    <message>
        <source>the sheet is empty</source>
        <translation>a folha está vazia</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows; split it into classes</source>
        <translation>a folha tem mais de %1 linhas; divida-a por turmas</translation>
    </message>
    <message>
        <source>%1; not graded</source>
        <translation>%1; não corrigido</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>aspas abertas nesta linha nunca são fechadas</translation>
    </message>
    <message>
        <source>%1 cells, the header has %2</source>
        <translation>%1 células, o cabeçalho tem %2</translation>
    </message>
    <message>
        <source>the row has answers but no file name</source>
        <translation>a linha tem respostas mas nenhum nome de arquivo</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 não podem ser usados juntos</translation>
    </message>
    <message>
        <source>%1 needs a file or folder name</source>
        <translation>%1 precisa de um nome de arquivo ou de pasta</translation>
    </message>
    <message>
        <source>%1 draws no plots</source>
        <translation>%1 não desenha gráficos</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2</source>
        <translation>%1 precisa de um valor, não da opção %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 informado duas vezes</translation>
    </message>
    <message>
        <source>--summary goes with --grade</source>
        <translation>--summary acompanha --grade</translation>
    </message>
    <message>
        <source>--normality needs a number from %1 to %2 N</source>
        <translation>--normality precisa de um número de %1 a %2 N</translation>
    </message>
    <message>
        <source>--volume-ml needs a number from %1 to %2 mL</source>
        <translation>--volume-ml precisa de um número de %1 a %2 mL</translation>
    </message>
    <message>
        <source>--tolerance-conc needs a percentage from 0 to 100</source>
        <translation>--tolerance-conc precisa de uma porcentagem de 0 a 100</translation>
    </message>
    <message>
        <source>--tolerance-pka needs a number from 0 to 14</source>
        <translation>--tolerance-pka precisa de um número de 0 a 14</translation>
    </message>
    <message>
        <source>--grade needs the answer sheet&apos;s name</source>
        <translation>--grade precisa do nome da folha de respostas</translation>
    </message>
    <message>
        <source>--grade reads the files its sheet names; give no other files</source>
        <translation>--grade lê os arquivos que sua folha nomeia; não informe outros arquivos</translation>
    </message>
    <message>
        <source>the tolerances go with --grade</source>
        <translation>as tolerâncias acompanham --grade</translation>
    </message>
    <message>
        <source>no export file or sample key given</source>
        <translation>nenhum arquivo de exportação ou chave de amostra informado</translation>
    </message>
    <message>
        <source>--normality and --volume-ml go together</source>
        <translation>--normality e --volume-ml andam juntos</translation>
    </message>
    <message>
        <source>Usage: drevant-key [OPTIONS] FILE|KEY...
       drevant-key --answer-sheet FILE... &gt; answers.csv
       drevant-key --grade answers.csv &gt; grades.csv
The answer key of Drevant export files: the sample each file&apos;s first line encodes,
the titrant and sample volume it was titrated with, the equivalence volumes, and
whether the student&apos;s points fit the sample.

  --csv               one spreadsheet row per input, with a header row
  --curve             the true titration curve as CSV: titrant mL and pH,
                      0 to 20 mL in 0.1 mL steps
  --plot FILE.png     draw the student&apos;s points over the true curve (one input)
  --plot-dir DIR      draw one plot per input into DIR (DIR/&lt;name&gt;.png)
  --normality N       titrant normality for bare keys (0.001 to 0.5)
  --volume-ml V       sample volume in mL for bare keys (1 to 1000)
  --answer-sheet      an empty answer sheet (CSV) for the files, for the students
  --grade SHEET       grade a filled answer sheet against the files it names
  --summary           with --grade: one row per student (name, file, items right,
                      items, percent) instead of one per item
  --tolerance-conc P  concentrations within P percent count as right (default 5)
  --tolerance-pka D   pKa values within D count as right (default 0.2)
  --comma             CSV with &quot;,&quot; between cells and &quot;.&quot; in numbers
  --semicolon         CSV with &quot;;&quot; between cells and &quot;,&quot; in numbers
                      (default: as this computer&apos;s locale writes decimals)
  -h, --help          show this help
      --version       show the version

An argument that is not an existing file and has no &quot;/&quot; or &quot;.&quot; is read as a key.
Names in an answer sheet are relative to the sheet&apos;s folder.
Exit status: 0 all inputs read, 1 some could not be read or written, 2 usage error.
</source>
        <translation>Uso: drevant-key [OPÇÕES] ARQUIVO|CHAVE...
     drevant-key --answer-sheet ARQUIVO... &gt; answers.csv
     drevant-key --grade answers.csv &gt; grades.csv
O gabarito dos arquivos de exportação do Drevant: a amostra que a primeira linha
de cada arquivo codifica, o titulante e o volume da amostra da titulação, os
volumes de equivalência e se os pontos do aluno condizem com a amostra.

  --csv               uma linha de planilha por entrada, com uma linha de
                      cabeçalho
  --curve             a curva de titulação verdadeira em CSV: mL de titulante e
                      pH, de 0 a 20 mL em passos de 0,1 mL
  --plot ARQUIVO.png  desenhar os pontos do aluno sobre a curva verdadeira
                      (uma entrada)
  --plot-dir PASTA    desenhar um gráfico por entrada em PASTA (PASTA/&lt;nome&gt;.png)
  --normality N       normalidade do titulante para chaves isoladas (0,001 a 0,5)
  --volume-ml V       volume da amostra em mL para chaves isoladas (1 a 1000)
  --answer-sheet      uma folha de respostas vazia (CSV) dos arquivos, para os
                      alunos
  --grade FOLHA       corrigir uma folha de respostas preenchida com os arquivos
                      que ela nomeia
  --summary           com --grade: uma linha por aluno (nome, arquivo, respostas
                      certas, respostas, porcentagem) em vez de uma por resposta
  --tolerance-conc P  concentrações dentro de P por cento contam como certas
                      (padrão 5)
  --tolerance-pka D   valores de pKa dentro de D contam como certos (padrão 0,2)
  --comma             CSV com &quot;,&quot; entre as células e &quot;.&quot; nos números
  --semicolon         CSV com &quot;;&quot; entre as células e &quot;,&quot; nos números
                      (padrão: como a configuração regional deste computador
                      escreve decimais)
  -h, --help          mostrar esta ajuda
      --version       mostrar a versão

Um argumento que não é um arquivo existente e não tem &quot;/&quot; nem &quot;.&quot; é lido como uma
chave. Os nomes de uma folha de respostas são relativos à pasta dela.
Status de saída: 0 todas as entradas lidas, 1 algumas não puderam ser lidas ou
gravadas, 2 erro de uso.
</translation>
    </message>
    <message>
        <source> (%1 %)</source>
        <translation> (%1 %)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the sheet names no files</source>
        <translation>a folha não nomeia nenhum arquivo</translation>
    </message>
    <message>
        <source>%1: %2; not graded</source>
        <translation>%1: %2; não corrigido</translation>
    </message>
    <message>
        <source>%1: the same file as line %2; not graded</source>
        <translation>%1: o mesmo arquivo da linha %2; não corrigido</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>a saída padrão está fechada</translation>
    </message>
    <message>
        <source>Try &apos;drevant-key --help&apos;.</source>
        <translation>Experimente &apos;drevant-key --help&apos;.</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>não foi possível gravar a saída</translation>
    </message>
    <message>
        <source>a plot is written only to a name ending in .png</source>
        <translation>um gráfico só é gravado com um nome terminado em .png</translation>
    </message>
    <message>
        <source>is one of the input files: no plot is written over it</source>
        <translation>é um dos arquivos de entrada: nenhum gráfico é gravado por cima dele</translation>
    </message>
    <message>
        <source>cannot draw the plot: no graphical application object</source>
        <translation>não é possível desenhar o gráfico: não há objeto de aplicação gráfica</translation>
    </message>
    <message>
        <source>cannot draw the plot: the titrant normality and sample volume are not known</source>
        <translation>não é possível desenhar o gráfico: a normalidade do titulante e o volume da amostra não são conhecidos</translation>
    </message>
    <message>
        <source>cannot draw the plot: the picture could not be encoded</source>
        <translation>não é possível desenhar o gráfico: a imagem não pôde ser codificada</translation>
    </message>
    <message>
        <source>the plot</source>
        <translation>o gráfico</translation>
    </message>
    <message>
        <source>is a symbolic link: nothing is written through it</source>
        <translation>é um link simbólico: nada é gravado através dele</translation>
    </message>
    <message>
        <source>is a folder, not a file to write</source>
        <translation>é uma pasta, não um arquivo para gravar</translation>
    </message>
    <message>
        <source>is not a regular file (a device, pipe or socket): nothing is written there</source>
        <translation>não é um arquivo comum (um dispositivo, pipe ou socket): nada é gravado ali</translation>
    </message>
    <message>
        <source>cannot write %1 %2: %3</source>
        <translation>não é possível gravar %1 %2: %3</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>an absolute name; names in the sheet are relative to its folder</source>
        <translation>um nome absoluto; os nomes da folha são relativos à pasta dela</translation>
    </message>
    <message>
        <source>leaves the sheet&apos;s folder</source>
        <translation>sai da pasta da folha</translation>
    </message>
    <message>
        <source>%1: a link leading out of the sheet&apos;s folder</source>
        <translation>%1: um link que leva para fora da pasta da folha</translation>
    </message>
    <message>
        <source>outside the answer sheet&apos;s folder %1; grading reads only files inside it</source>
        <translation>fora da pasta da folha de respostas %1; a correção só lê arquivos dentro dela</translation>
    </message>
    <message>
        <source>--plot draws one input; use --plot-dir DIR for %1 inputs</source>
        <translation>--plot desenha uma só entrada; use --plot-dir PASTA para %1 entradas</translation>
    </message>
    <message>
        <source>graded %1 file: %2 of %3 items ok</source>
        <translation>%1 arquivo corrigido: %2 de %3 respostas certas</translation>
    </message>
    <message>
        <source>graded %1 files: %2 of %3 items ok</source>
        <translation>%1 arquivos corrigidos: %2 de %3 respostas certas</translation>
    </message>
    <message>
        <source>, %1 file unreadable</source>
        <translation>, %1 arquivo ilegível</translation>
    </message>
    <message>
        <source>, %1 files unreadable</source>
        <translation>, %1 arquivos ilegíveis</translation>
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
    <name>SampleKey</name>
    <message>
        <source>Sample key &quot;%1&quot;: %2</source>
        <translation>Chave de amostra &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>acid 1 concentration</source>
        <translation>concentração do ácido 1</translation>
    </message>
    <message>
        <source>acid 1 constant</source>
        <translation>constante do ácido 1</translation>
    </message>
    <message>
        <source>acid 2 concentration</source>
        <translation>concentração do ácido 2</translation>
    </message>
    <message>
        <source>acid 2 constant</source>
        <translation>constante do ácido 2</translation>
    </message>
    <message>
        <source>acid 3 concentration</source>
        <translation>concentração do ácido 3</translation>
    </message>
    <message>
        <source>acid 3 constant</source>
        <translation>constante do ácido 3</translation>
    </message>
    <message>
        <source>diprotic concentration</source>
        <translation>concentração do ácido diprótico</translation>
    </message>
    <message>
        <source>diprotic K1</source>
        <translation>K1 do ácido diprótico</translation>
    </message>
    <message>
        <source>diprotic K2</source>
        <translation>K2 do ácido diprótico</translation>
    </message>
    <message>
        <source>Sample key is empty</source>
        <translation>A chave de amostra está vazia</translation>
    </message>
    <message>
        <source>unknown system letter &quot;%1&quot; (expected A to E)</source>
        <translation>letra de sistema desconhecida &quot;%1&quot; (esperado de A a E)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit</source>
        <translation>&quot;%1&quot; na posição %2 não é um dígito hexadecimal</translation>
    </message>
    <message>
        <source>a key of system %1 has %2 to %3 hex digits after the letter, this one has %4</source>
        <translation>uma chave do sistema %1 tem de %2 a %3 dígitos hexadecimais após a letra, esta tem %4</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Sample key of system %1: the %2 field is %3, but the program writes only %4 there: not a key of this program</source>
        <translation>Chave de amostra do sistema %1: o campo &quot;%2&quot; vale %3, mas o programa só grava ali %4: não é uma chave deste programa</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Sample key of system %1: the fields of the absent components are not values the export writes: not a key of this program</source>
        <translation>Chave de amostra do sistema %1: os campos dos componentes ausentes não são valores que a exportação grava: não é uma chave deste programa</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CurvePlot</name>
    <message>
        <source>pH 7</source>
        <translation>pH 7</translation>
    </message>
    <message>
        <source>Volume, mL</source>
        <translation>体积, mL</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>Titrant (mL)</source>
        <translation>滴定剂 (mL)</translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>End of data</source>
        <translation>数据结束</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Could not save: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>no file path was given</source>
        <translation>未给出文件路径</translation>
    </message>
    <message>
        <source>the path contains a NUL character</source>
        <translation>路径含有 NUL 字符</translation>
    </message>
    <message>
        <source>the path is relative, a full path is needed</source>
        <translation>路径是相对路径，需要完整路径</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>文件未能完整写入</translation>
    </message>
    <message>
        <source>no folder was given</source>
        <translation>未给出文件夹</translation>
    </message>
    <message>
        <source>the file name contains &quot;/&quot;</source>
        <translation>文件名含有“/”</translation>
    </message>
    <message>
        <source>the file name contains a NUL character</source>
        <translation>文件名含有 NUL 字符</translation>
    </message>
    <message>
        <source>the folder contains a NUL character</source>
        <translation>文件夹含有 NUL 字符</translation>
    </message>
</context>
<context>
    <name>KeyReport</name>
    <message>
        <source>Acid %1: %2 ± %3 mol/L, </source>
        <translation>酸 %1：%2 ± %3 mol/L， </translation>
    </message>
    <message>
        <source>strong (%1, Ka %2)</source>
        <translation>强酸（%1，Ka %2）</translation>
    </message>
    <message>
        <source>weak, %1 (Ka %2)</source>
        <translation>弱酸，%1（Ka %2）</translation>
    </message>
    <message>
        <source>Diprotic acid: %1 ± %2 mol/L, pK1 %3 ± %4 (K1 %5), pK2 %6 ± %7 (K2 %8)</source>
        <translation>二元酸：%1 ± %2 mol/L，pK1 %3 ± %4（K1 %5），pK2 %6 ± %7（K2 %8）</translation>
    </message>
    <message>
        <source>one monoprotic acid, strong or weak</source>
        <translation>一种一元酸，强酸或弱酸</translation>
    </message>
    <message>
        <source>one diprotic acid</source>
        <translation>一种二元酸</translation>
    </message>
    <message>
        <source>two monoprotic acids, the second weak</source>
        <translation>两种一元酸，第二种为弱酸</translation>
    </message>
    <message>
        <source>a strong monoprotic acid beside a diprotic acid</source>
        <translation>一种强一元酸与一种二元酸共存</translation>
    </message>
    <message>
        <source>three monoprotic acids, the first strong, the other two weak</source>
        <translation>三种一元酸，第一种为强酸，其余两种为弱酸</translation>
    </message>
    <message>
        <source>acid %1 (pKa %2)</source>
        <translation>酸 %1（pKa %2）</translation>
    </message>
    <message>
        <source>diprotic acid, 1st proton (pK1 %1)</source>
        <translation>二元酸，第一个质子（pK1 %1）</translation>
    </message>
    <message>
        <source>diprotic acid, 2nd proton (pK2 %1)</source>
        <translation>二元酸，第二个质子（pK2 %1）</translation>
    </message>
    <message>
        <source>acid %1 (strong)</source>
        <translation>酸 %1（强酸）</translation>
    </message>
    <message>
        <source>acids %1 (strong)</source>
        <translation>酸 %1（强酸）</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>not a file, and not a sample key: </source>
        <translation>既不是文件，也不是样品密钥： </translation>
    </message>
    <message>
        <source>  Key: %1</source>
        <translation>  密钥：%1</translation>
    </message>
    <message>
        <source>  System %1: %2</source>
        <translation>  体系 %1：%2</translation>
    </message>
    <message>
        <source>  Titrant %1 N, sample %2 L (%3 mL)</source>
        <translation>  滴定剂 %1 N，样品 %2 L（%3 mL）</translation>
    </message>
    <message>
        <source>, %1 logged point</source>
        <translation>，已记录 %1 个点</translation>
    </message>
    <message>
        <source>, %1 logged points</source>
        <translation>，已记录 %1 个点</translation>
    </message>
    <message>
        <source> up to %1 mL</source>
        <translation> 直至 %1 mL</translation>
    </message>
    <message>
        <source>  Equivalence volumes (cumulative, strongest acid first):</source>
        <translation>  化学计量点体积（累计，最强的酸在前）：</translation>
    </message>
    <message>
        <source>  (beyond the 20 mL burette)</source>
        <translation>  （超出 20 mL 滴定管）</translation>
    </message>
    <message>
        <source>  Equivalence volumes: give --normality N and --volume-ml V</source>
        <translation>  化学计量点体积：请给出 --normality N 和 --volume-ml V</translation>
    </message>
    <message>
        <source>  Points: %1 consistent with the key, %2 after the export, %3 suspect</source>
        <translation>  数据点：%1 个与密钥相符，%2 个在导出之后，%3 个可疑</translation>
    </message>
    <message>
        <source>    suspect </source>
        <translation>    可疑 </translation>
    </message>
    <message>
        <source>, true </source>
        <translation>，真实 </translation>
    </message>
    <message>
        <source>, after the export </source>
        <translation>，导出后 </translation>
    </message>
</context>
<context>
    <name>KeyTool</name>
    <message>
        <source>cannot write the output: </source>
        <translation>无法写入输出： </translation>
    </message>
    <message>
        <source>the bare key %1 needs --normality N and --volume-ml V for a curve or plot</source>
        <translation>单独的密钥 %1 需要 --normality N 和 --volume-ml V 才能生成曲线或图</translation>
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
        <translation>第 %1 点：%2 mL，pH %3</translation>
    </message>
    <message>
        <source>No points plotted.</source>
        <translation>尚未绘制任何点。</translation>
    </message>
    <message>
        <source>Locked until Start.</source>
        <translation>点“启动”前锁定。</translation>
    </message>
    <message>
        <source>Burette empty after %1 mL. Start the titration over to refill it.</source>
        <translation>滴定管在 %1 mL 后已空。重新开始滴定即可重新装满。</translation>
    </message>
    <message>
        <source>%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per second, at least 0.1 mL a press.</source>
        <translation>已加入 %1 mL（共 20 mL）。按住空格键或鼠标键：每秒 1 mL，每次至少 0.1 mL。</translation>
    </message>
    <message>
        <source>%1 point plotted; the last at %2 mL, pH %3.</source>
        <translation>已绘制 %1 个点；最后一个在 %2 mL，pH %3。</translation>
    </message>
    <message>
        <source>%1 points plotted; the last at %2 mL, pH %3.</source>
        <translation>已绘制 %1 个点；最后一个在 %2 mL，pH %3。</translation>
    </message>
</context>
<context>
    <name>TitrationBench</name>
    <message>
        <source>Show Data</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>Show More Data</source>
        <translation>显示更多数据</translation>
    </message>
    <message>
        <source>Burette Empty, Try Again!!</source>
        <translation>滴定管已空，请重试！！</translation>
    </message>
    <message>
        <source>WARNING!!</source>
        <translation>警告！！</translation>
    </message>
    <message>
        <source>You have diluted your sample &gt;10%</source>
        <translation>样品已被稀释超过 10%</translation>
    </message>
    <message>
        <source>This is not good laboratory practice!</source>
        <translation>这不是良好的实验室操作！</translation>
    </message>
    <message>
        <source>Current Burrette Value (mL) </source>
        <translation>滴定管读数 (mL) </translation>
    </message>
    <message>
        <source>pH </source>
        <translation>pH </translation>
    </message>
    <message>
        <source>Titrant Strength (N): </source>
        <translation>滴定剂当量浓度 (N)： </translation>
    </message>
    <message>
        <source># Data Points: </source>
        <translation>数据点数： </translation>
    </message>
</context>
<context>
    <name>drevant::BuretteButton</name>
    <message>
        <source>Press to Drevant</source>
        <translation>按下滴定</translation>
    </message>
</context>
<context>
    <name>drevant::ExportDialog</name>
    <message>
        <source>Saved %1 in %2</source>
        <translation>已将 %1 保存到 %2</translation>
    </message>
</context>
<context>
    <name>drevant::Form1</name>
    <message>
        <source>Choose a titration</source>
        <translation>选择滴定</translation>
    </message>
    <message>
        <source>Simple System</source>
        <translation>简单体系</translation>
    </message>
    <message>
        <source>Medium Difficulty</source>
        <translation>中等难度</translation>
    </message>
    <message>
        <source>Complex System</source>
        <translation>复杂体系</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Level of difficulty of the unknown sample</source>
        <translation>未知样品的难度等级</translation>
    </message>
    <message>
        <source>Makes up an unknown sample of the chosen level and opens the titration window.</source>
        <translation>按所选难度生成未知样品，并打开滴定窗口。</translation>
    </message>
    <message>
        <source>One acid in the unknown sample.</source>
        <translation>未知样品中含一种酸。</translation>
    </message>
    <message>
        <source>Two acids in the unknown sample.</source>
        <translation>未知样品中含两种酸。</translation>
    </message>
    <message>
        <source>A mixture of acids, one of them strong, in the unknown sample.</source>
        <translation>未知样品中含多种酸，其中一种为强酸。</translation>
    </message>
</context>
<context>
    <name>drevant::Form2</name>
    <message>
        <source>Press to Drevant</source>
        <translation>按下滴定</translation>
    </message>
    <message>
        <source>Titrant Normality</source>
        <translation>滴定剂当量浓度</translation>
    </message>
    <message>
        <source>Initial Sample Volume (mL)</source>
        <translation>样品初始体积 (mL)</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Start Titration Over</source>
        <translation>重新开始滴定</translation>
    </message>
    <message>
        <source>Begin Again With New Titration</source>
        <translation>换新样品重新开始</translation>
    </message>
    <message>
        <source>Burette: hold to add titrant</source>
        <translation>滴定管：按住以加入滴定剂</translation>
    </message>
    <message>
        <source>Titrant normality (N)</source>
        <translation>滴定剂当量浓度 (N)</translation>
    </message>
    <message>
        <source>Initial sample volume (mL)</source>
        <translation>样品初始体积 (mL)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <translation>滴定曲线</translation>
    </message>
    <message>
        <source>Computes the pH of the sample with no titrant, plots it as the first point, fixes normality and volume and unlocks the burette.</source>
        <translation>计算未加滴定剂时样品的 pH，将其绘为第一个点，固定当量浓度和体积，并解锁滴定管。</translation>
    </message>
    <message>
        <source>Opens the dialog that saves the data to a file.</source>
        <translation>打开将数据保存到文件的对话框。</translation>
    </message>
    <message>
        <source>Clears the curve, the data and the messages; keeps the same sample.</source>
        <translation>清除曲线、数据和消息；保留同一样品。</translation>
    </message>
    <message>
        <source>Closes this window and goes back to choosing a level for a new sample.</source>
        <translation>关闭此窗口，返回为新样品选择难度。</translation>
    </message>
    <message>
        <source>Hold down to let titrant flow: 1 mL per second, at least 0.1 mL a press, up to 20 mL. Locked until Start.</source>
        <translation>按住让滴定剂流出：每秒 1 mL，每次至少 0.1 mL，最多 20 mL。点“启动”前锁定。</translation>
    </message>
    <message>
        <source>Titrant normality (N), 0.001 to 0.5: set it before Start.</source>
        <translation>滴定剂当量浓度 (N)，0.001 至 0.5：请在“启动”前设定。</translation>
    </message>
    <message>
        <source>Initial sample volume (mL), 1 to 1000: set it before Start.</source>
        <translation>样品初始体积 (mL)，1 至 1000：请在“启动”前设定。</translation>
    </message>
    <message>
        <source>Messages: the reading after each release, or a page of data.</source>
        <translation>消息：每次松开后的读数，或一页数据。</translation>
    </message>
    <message>
        <source>Shows the logged points in the message panel, seven a page.</source>
        <translation>在消息面板中显示已记录的点，每页七个。</translation>
    </message>
    <message>
        <source>Titration curve: pH against the volume of titrant. Point at a marker, or use the arrows here, to read its volume and pH.</source>
        <translation>滴定曲线：pH 随滴定剂体积的变化。指向某个标记，或在此使用方向键，即可读出其体积和 pH。</translation>
    </message>
    <message>
        <source>Press Start first.</source>
        <translation>请先点“启动”。</translation>
    </message>
</context>
<context>
    <name>drevant::Form3</name>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Saved with .dat added when missing</source>
        <translation>如缺少则自动添加 .dat 后保存</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files (*.dat)</source>
        <translation>文件 (*.dat)</translation>
    </message>
    <message>
        <source>Saved paths and messages</source>
        <translation>已保存的路径和消息</translation>
    </message>
    <message>
        <source>The file&apos;s name: type it over *.dat; .dat is added when missing, and a name starting with * is saved as Drevant.dat. Enter saves.</source>
        <translation>文件名：覆盖 *.dat 输入；缺少时自动添加 .dat，以 * 开头的名称保存为 Drevant.dat。按 Enter 保存。</translation>
    </message>
    <message>
        <source>The drive to save on.</source>
        <translation>要保存到的驱动器。</translation>
    </message>
    <message>
        <source>The folder to save in: double-click or Enter opens a folder.</source>
        <translation>要保存到的文件夹：双击或按 Enter 打开文件夹。</translation>
    </message>
    <message>
        <source>The .dat files already in the folder: a click copies a name.</source>
        <translation>文件夹中已有的 .dat 文件：单击即复制文件名。</translation>
    </message>
    <message>
        <source>Writes the data to the file and closes the dialog.</source>
        <translation>将数据写入文件并关闭对话框。</translation>
    </message>
    <message>
        <source>Closes the dialog without saving.</source>
        <translation>关闭对话框，不保存。</translation>
    </message>
    <message>
        <source>The path of each save, and why a save failed.</source>
        <translation>每次保存的路径，以及保存失败的原因。</translation>
    </message>
</context>
<context>
    <name>drevant::HelpWindow</name>
    <message>
        <source>Drevant Help</source>
        <translation>Drevant 帮助</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A titration&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Choose a level and press &lt;b&gt;Begin&lt;/b&gt;: an unknown sample is made up.&lt;/li&gt;&lt;li&gt;Set the titrant&apos;s normality and the sample&apos;s volume with the scroll bars.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Start&lt;/b&gt;: the first point, with no titrant, is plotted.&lt;/li&gt;&lt;li&gt;Hold the burette down: titrant flows at 1 mL per second, at least 0.1 mL a press, up to 20 mL. Each release prints the reading and plots a point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Show Data&lt;/b&gt; lists the points, seven a page; &lt;b&gt;Export Data&lt;/b&gt; saves them.&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move between controls; Space presses a button; hold Space on the burette to add titrant. The arrows, Page Up/Down, Home and End move a scroll bar. On the graph the arrows go from point to point. Ctrl+Plus and Ctrl+Minus zoom a window, Ctrl+0 goes back to 100 %; a window can also be resized or maximised. F1 opens this help.&lt;/p&gt;&lt;h3&gt;The export file&lt;/h3&gt;&lt;p&gt;The file (name.dat) holds the titrant&apos;s normality, the sample&apos;s volume and every point (volume in litres and pH), with a key for your teacher, who checks the hand-in with it. A name typed in the box replaces the pattern *.dat; .dat is added when missing; after the save the message panel says where the file went.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;一次滴定&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;选择难度并点&lt;b&gt;开始&lt;/b&gt;：生成一个未知样品。&lt;/li&gt;&lt;li&gt;用滚动条设定滴定剂的当量浓度和样品体积。&lt;/li&gt;&lt;li&gt;点&lt;b&gt;启动&lt;/b&gt;：绘出第一个点（未加滴定剂）。&lt;/li&gt;&lt;li&gt;按住滴定管：滴定剂以每秒 1 mL 流出，每次至少 0.1 mL，最多 20 mL。每次松开都会显示读数并绘出一个点。&lt;/li&gt;&lt;li&gt;&lt;b&gt;显示数据&lt;/b&gt;列出各点，每页七个；&lt;b&gt;导出数据&lt;/b&gt;将其保存。&lt;/li&gt;&lt;/ol&gt;&lt;h3&gt;按键&lt;/h3&gt;&lt;p&gt;Tab 和 Shift+Tab 在控件间切换；空格键按下按钮；在滴定管上按住空格键即加入滴定剂。方向键、Page Up/Down、Home 和 End 移动滚动条。在曲线上，方向键逐点移动。Ctrl+加号和 Ctrl+减号放大或缩小窗口，Ctrl+0 恢复到 100%；窗口也可以调整大小或最大化。F1 打开本帮助。&lt;/p&gt;&lt;h3&gt;导出文件&lt;/h3&gt;&lt;p&gt;文件（名称.dat）包含滴定剂的当量浓度、样品体积和每个点（以升为单位的体积和 pH），并附有供教师核对作业的密钥。在输入框中键入的名称会替换 *.dat 模式；缺少时自动添加 .dat；保存后，消息面板会显示文件的保存位置。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;hr&gt;&lt;p&gt;Drevant %1. Licensed under the GNU General Public License, version 3 or later; it comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;hr&gt;&lt;p&gt;Drevant %1。依据 GNU 通用公共许可证第 3 版或更高版本授权；不提供任何担保。&lt;/p&gt;</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>关于 Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) 版本 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>Marbix 开发者，2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>（未完待续……）</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>暗红色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>即将落下的%1球</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>已选中的%1球</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1球</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>第 %1 列，第 %2 行：%3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>用法：marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>在 9 x 9 的棋盘上把彩球连成五个一行。</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>按键：方向键和空格或回车操作棋盘，F2 开始，
F3 停止，Backspace 悔棋，F4 跳过，F5 暂停，F1 关于。</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>未知选项</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>多余的参数</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>缺少参数值：</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>详情请运行“marbix --help”。</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>观看录制的游戏（可用 marbix-headless --verify FILE 检验）</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+加号和 Ctrl+减号，或在棋盘上按住 Ctrl 滚动鼠标滚轮，
可以缩放棋盘；Ctrl+0 恢复原始大小。</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>请先停止当前游戏，再观看录制的游戏。</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>排行榜的这一行没有录制的游戏。</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>无法保存游戏：%1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>将这局游戏另存为</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>录制的游戏 (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>观看这局游戏</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>将这局游戏另存为…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>游戏时间：%1 小时 %2 分 %3 秒</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - 已暂停</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>游戏已暂停，请按 OK 继续游戏</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Marbix 玩法</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please, enter your name :</source>
        <translation>请输入你的名字：</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>请输入不超过 %1 个字符。</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - 登记</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>无法将你的成绩保存到排行榜：%1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>悔棋</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>已暂停……</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>最佳玩家：</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>本步剩余时间</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>最佳玩家</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>无法观看此文件：%1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>无名玩家</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>这局游戏没有重现录制的得分（%1 分）。按 Escape 或“开始”结束观看。</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>%1 的游戏结束，%2 分。按左方向键后退一步，按 Escape 或“开始”结束观看。</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>已暂停：%1 的游戏，%2 分。按空格继续，按左右方向键逐步查看，按 Escape 或“开始”结束观看。</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>正在观看 %1 的游戏，%2 分，速度 %3 %。按空格暂停，按左右方向键逐步查看，按 + 和 - 调整速度，按 Escape 或“开始”结束观看。</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>开始	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>停止	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>悔棋	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>经典模式</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>进阶模式(&amp;A)</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>非圆形的球</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>退出时保存选项(&amp;O)</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>关于 Marbix...	F1</translation>
    </message>
</context>
<context>
    <name>rules</name>
    <message>
        <source>    The main idea of the game is to move away as many balls as you can
( each ball adds 2 to your score ). Balls of equal color disappear as you
build a line of them - with a minimum of 5 balls in a line ( two such lines
of the same color may cross and then disappear simultaneously ).
    You can move a ball by selecting it with your mouse ( then it smiles, but
turns sad as you choose another ) and clicking a field where it must go to -
it will, if the field is accessible ( i.e. there is a path of horzontal and/or
vertical free cells ). After each movement new three balls are thrown in.
    When using advanced game style, you can undo the last movement, and
see where the next balls will fall, but you&apos;re limited with 30 seconds per a move.</source>
        <translation>    游戏的目标是从棋盘上消去尽可能多的球（每个球得 2 分）。同色的球
连成一条线时就会消失——一条线至少 5 个球（两条同色的线可以交叉，
交叉时会同时消失）。
    用鼠标选中一个球（它会微笑，但你改选别的球时它会变得难过），
再点击它要去的格子，就能移动它——只要有一条由横向和/或纵向空格
组成的路径通往那里，它就会过去。每走一步，都会落下三个新球。
    在进阶模式中，你可以撤销上一步，还能看到下一批球落在哪里，
但每一步只有 30 秒。</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix 永远……</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>游戏时间： 0 小时 00 分 00 秒</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>别担心，开心点！！！</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>开始新游戏
开始</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>停止当前游戏
停止</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤销上一步
悔棋</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>跳过这一步——什么也不做
跳过</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>暂停游戏
暂停</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>强制使用经典模式：没有新玩具</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>开启所有这些新功能</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>开启或关闭游戏声音</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>开启或关闭保存</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>把“球”画成不同形状（适合黑白显示器）</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>显示游戏规则</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>退出程序
退出</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>慢工出细活。</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>千里之行，
始于足下。</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>五球成行，行即消散：
棋盘如此，晨光亦然。
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>忍耐是苦的，但它的果实是甜的。</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>每个球都有它的位置，
每个位置都有它的球。</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>良好的开端是成功的一半。</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>棋盘虽小，时光漫长，
微笑的球儿把歌唱。
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>天助勇者。</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>三思而后行。</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>人多好办事，
但移动球的只有一只鼠标。
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>静水流深。</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>有路就有办法。</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>蓝配蓝，红配红；
其余的球等着下一轮。</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>欲速则不达。</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>难过的球，只是还没被选中的球。</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>明天又是新的一天。</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>最好的一步，永远是下一步。</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>玩得开心吗？</translation>
    </message>
</context>
</TS>

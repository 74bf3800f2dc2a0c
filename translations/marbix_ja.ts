<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Marbix について</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) バージョン 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>Marbix 開発者一同、2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>（つづく……）</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>暗い赤</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>次に来る%1のボール</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>選択中の%1のボール</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1のボール</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>%1 列目、%2 行目：%3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>使い方：marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>9 x 9 の盤面で色つきのボールを 5 個ずつ並べて消すパズルです。</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了します</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョンを表示して終了します</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>キー：矢印キーと Space または Enter で盤面を操作、F2 開始、
F3 中止、Backspace 取り消し、F4 パス、F5 一時停止、F1 バージョン情報。</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>不明なオプション</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>予期しない引数</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>値が指定されていません：</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>詳しくは「marbix --help」を実行してください。</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>記録されたゲームを再生します（marbix-headless --verify FILE で検証できます）</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+プラスと Ctrl+マイナス、または盤面の上で Ctrl を押しながらマウスホイールで
盤面を拡大・縮小します。Ctrl+0 で元の大きさに戻ります。</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>記録されたゲームを見るには、プレイ中のゲームを中止してください。</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>ハイスコアのこの行には記録されたゲームがありません。</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>ゲームを保存できませんでした：%1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>このゲームに名前を付けて保存</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>記録されたゲーム (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>このゲームを見る</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>このゲームに名前を付けて保存…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>プレイ時間：%1時間%2分%3秒</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - 一時停止中</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>OK を押すとゲームを再開します</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Marbix の遊び方</translation>
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
        <translation>名前を入力してください：</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - 名前の登録</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>成績をハイスコアに保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>一時停止中…</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>ハイスコア：</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>得点：</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>この手の残り時間</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>ハイスコア</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>このファイルは再生できません：%1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>名前のないプレイヤー</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>このゲームは記録された得点（%1 点）を再現しません。Escape または「開始」で再生を終了します。</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>%1 のゲームの終わり、%2 点。左キーで 1 手戻り、Escape または「開始」で再生を終了します。</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>一時停止中：%1 のゲーム、%2 点。Space で再開、左右キーで 1 手ずつ、Escape または「開始」で再生を終了します。</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>%1 のゲームを再生中、%2 点、速さ %3 %。Space で一時停止、左右キーで 1 手ずつ、+ と - で速さを変更、Escape または「開始」で再生を終了します。</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>開始	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>中止	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>取り消し	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>クラシック スタイル</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>アドバンス スタイル(&amp;A)</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>丸くないボール</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>終了時にオプションを保存(&amp;O)</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Marbix について...	F1</translation>
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
        <translation>    このゲームの目的は、できるだけ多くのボールを盤面から消すことです
（ボール 1 個につき 2 点）。同じ色のボールを 5 個以上一列に並べると
消えます（同じ色の列が 2 本交差していれば、両方同時に消えます）。
    ボールを動かすには、マウスでボールを選び（選ばれたボールは笑顔に
なりますが、ほかのボールを選ぶと悲しい顔になります）、移動先のマスを
クリックします。移動先まで空きマスが縦横につながっていれば、ボールは
そこへ移動します。1 手ごとに新しいボールが 3 個落ちてきます。
    アドバンス スタイルでは、直前の手を取り消したり、次のボールが落ちる
場所を見たりできますが、1 手の持ち時間は 30 秒です。</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix よ永遠に……</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>プレイ時間： 0時間00分00秒</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>くよくよしないで、楽しくいこう！！！</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>新しいゲームを開始します
開始</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>プレイ中のゲームを中止します
中止</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>直前の手を取り消します
取り消し</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>この手をパスします（何もしません）
パス</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>ゲームを一時停止します
一時停止</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>クラシック スタイルにします：新しいおもちゃはなし</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>新しい機能をすべて有効にします</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>ゲームのサウンドをオン/オフします</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>設定の保存をオン/オフします</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>「ボール」をいろいろな形で描きます（白黒モニター向け）</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>ゲームのルールを表示します</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します
バージョン情報</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>アプリケーションを終了します
終了</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>急がば回れ。</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>千里の道も
一歩から。</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>5 つ並べば列は消える：
盤は進み、夜は明ける。
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>忍耐は苦いが、その実は甘い。</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>どのボールにも居場所があり、
どの場所にもボールがある。</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>始めが肝心。</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>盤は小さく、時は長い、
笑うボールは今日も歌う。
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>幸運は勇者に味方する。</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>石橋をたたいて渡れ。</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>人手が多ければ仕事は軽い、
でもボールを動かすのはマウスひとつ。
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>静かな川は深い。</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>道があれば、行く手がある。</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>青は青へ、赤は赤へ。
ほかの色は次の番を待つ。</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>せいては事をし損じる。</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>悲しいボールは、まだ選ばれていないだけ。</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>明日は明日の風が吹く。</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>最善の一手は、いつも次の一手。</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>楽しんでる？</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Sobre o Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) versão 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>pela equipe do Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( continua ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>bordô</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelha</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarela</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>próxima bola %1</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>bola %1 selecionada</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>bola %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Coluna %1, linha %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Uso: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Alinhe bolas coloridas de cinco em cinco num tabuleiro de 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Teclas: as setas e Espaço ou Enter jogam no tabuleiro, F2 começa,
F3 para, Backspace desfaz, F4 passa, F5 pausa, F1 sobre.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>opção desconhecida</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argumento inesperado</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>falta um valor depois de</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Tente &apos;marbix --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>mostra uma partida gravada (marbix-headless --verify FILE a verifica)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+mais e Ctrl+menos, ou Ctrl e a roda do mouse sobre o tabuleiro,
ampliam ou reduzem o tabuleiro; Ctrl+0 o mostra no tamanho original.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Pare a partida para assistir a uma gravada.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Não há partida gravada para esta linha do quadro de honra.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Não foi possível salvar a partida: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Salvar esta partida como</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Partidas gravadas (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Assistir a esta partida</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Salvar esta partida como…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Tempo de jogo:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - em pausa</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Pressione OK para continuar a partida</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Como jogar Marbix</translation>
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
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - registro</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Não foi possível salvar seu resultado no quadro de honra: %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>Pausado...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Os melhores jogadores:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Tempo restante para esta jogada</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Os melhores jogadores</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Não é possível assistir a este arquivo: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>um jogador sem nome</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Esta partida não chega à pontuação gravada de %1 pontos. Escape ou Começar encerra o replay.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Fim da partida de %1, %2 pontos. Esquerda volta um passo, Escape ou Começar encerra o replay.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Em pausa: a partida de %1, %2 pontos. Espaço continua, Esquerda e Direita andam passo a passo, Escape ou Começar encerra o replay.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Replay da partida de %1, %2 pontos, a %3 %. Espaço pausa, Esquerda e Direita andam passo a passo, + e - mudam a velocidade, Escape ou Começar encerra o replay.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Começar	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Parar	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Desfazer	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Estilo clássico</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>Estilo &amp;avançado</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Bolas não redondas</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>Salvar &amp;opções ao sair</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Sobre o Marbix...	F1</translation>
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
        <translation>    A ideia do jogo é tirar do tabuleiro o maior número possível de bolas
( cada bola vale 2 pontos ). Bolas da mesma cor somem quando você forma
uma linha com elas - de no mínimo 5 bolas ( duas linhas assim da mesma
cor podem se cruzar e então somem ao mesmo tempo ).
    Para mover uma bola, selecione-a com o mouse ( aí ela sorri, mas fica
triste se você escolher outra ) e clique na casa para onde ela deve ir -
ela vai, se a casa for alcançável ( isto é, se houver um caminho de casas
livres na horizontal e/ou vertical ). Depois de cada jogada caem três
bolas novas.
    No estilo avançado você pode desfazer a última jogada e ver onde
cairão as próximas bolas, mas só tem 30 segundos por jogada.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix para sempre ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Tempo de jogo: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Não se preocupe, seja feliz!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Começar uma nova partida
Começar</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Parar a partida em andamento
Parar</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Desfazer a última jogada
Desfazer</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Passar a vez - não fazer nada
Passar</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Pausar a partida
Pausa</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Forçar o estilo clássico: sem brinquedos novos</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Ativar todas estas novidades</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Ativar ou desativar os sons do jogo</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Ativar ou desativar o salvamento</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Usar “bolas” de formas diferentes - para monitores preto e branco</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Mostrar as regras do jogo</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar informações do programa, número da versão e copyright
Sobre</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Sair do programa
Sair</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Devagar se vai ao longe.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Uma viagem de mil milhas
começa com um único passo.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Cinco em fila, e a fila se vai:
assim vai o tabuleiro, assim a aurora cai.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>A paciência é amarga, mas seu fruto é doce.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Cada bola tem seu lugar,
e cada lugar sua bola.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Começo bem feito é meio caminho andado.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>O tabuleiro é pequeno, as horas são longas,
as bolas sorridentes cantam suas canções.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>A sorte favorece os audazes.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Olhe bem antes de pular.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Muitas mãos aliviam o trabalho,
mas um só mouse move as bolas.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Águas paradas são profundas.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Onde há um caminho, há uma saída.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Azul com azul, e o vermelho com seu par;
as outras esperam a vez de jogar.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>A pressa é inimiga da perfeição.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Bola triste é bola ainda não escolhida.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Amanhã é outro dia.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>A melhor jogada é sempre a próxima.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Está se divertindo?</translation>
    </message>
</context>
</TS>

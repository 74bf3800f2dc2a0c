<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Acerca de Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) versión 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>por el equipo de Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( continuará ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>granate</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>próxima bola %1</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>bola %1 seleccionada</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>bola %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Columna %1, fila %2: %3</translation>
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
        <translation>Alinea bolas de colores de cinco en cinco en un tablero de 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y termina</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y termina</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Teclas: las flechas y Espacio o Intro juegan en el tablero, F2 empieza,
F3 para, Retroceso deshace, F4 pasa, F5 pausa, F1 acerca de.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>opción desconocida</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argumento inesperado</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>falta un valor tras</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Prueba &apos;marbix --help&apos; para más información.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>muestra una partida grabada (marbix-headless --verify FILE la comprueba)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+más y Ctrl+menos, o Ctrl y la rueda del ratón sobre el tablero,
amplían o reducen el tablero; Ctrl+0 lo muestra a su tamaño original.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Para la partida para ver una grabada.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>No hay ninguna partida grabada para esta línea del cuadro de honor.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>No se pudo guardar la partida: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Guardar esta partida como</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Partidas grabadas (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Ver esta partida</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Guardar esta partida como…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Tiempo de juego:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - en pausa</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Pulsa OK para seguir jugando</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Cómo jugar a Marbix</translation>
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
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escribe como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - registro</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>No se pudo guardar tu resultado en el cuadro de honor: %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>En pausa...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Los mejores jugadores:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Tiempo que queda para esta jugada</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Los mejores jugadores</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Este archivo no se puede ver: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>un jugador sin nombre</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Esta partida no llega a su puntuación grabada de %1 puntos. Escape o Empezar termina la repetición.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Fin de la partida de %1, %2 puntos. Izquierda retrocede, Escape o Empezar termina la repetición.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>En pausa: la partida de %1, %2 puntos. Espacio sigue, Izquierda y Derecha van paso a paso, Escape o Empezar termina la repetición.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Repetición de la partida de %1, %2 puntos, al %3 %. Espacio pausa, Izquierda y Derecha van paso a paso, + y - cambian la velocidad, Escape o Empezar termina la repetición.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Empezar	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Parar	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Deshacer	Retroceso</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Estilo clásico</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>Estilo &amp;avanzado</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Bolas no redondas</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>&amp;Guardar opciones al salir</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Acerca de Marbix...	F1</translation>
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
        <translation>    La idea del juego es retirar del tablero tantas bolas como puedas
( cada bola suma 2 puntos ). Las bolas del mismo color desaparecen al
formar una línea con ellas - de 5 bolas como mínimo ( dos líneas así del
mismo color pueden cruzarse y entonces desaparecen a la vez ).
    Para mover una bola, selecciónala con el ratón ( entonces sonríe, pero
se pone triste si eliges otra ) y haz clic en la casilla adonde debe ir -
irá si la casilla es accesible ( es decir, si hay un camino de casillas
libres en horizontal y/o vertical ). Tras cada jugada caen tres bolas nuevas.
    En el estilo avanzado puedes deshacer la última jugada y ver dónde
caerán las próximas bolas, pero solo tienes 30 segundos por jugada.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix para siempre ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Tiempo de juego: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>¡¡¡No te preocupes, sé feliz!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Empezar una partida nueva
Empezar</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Parar la partida en curso
Parar</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshacer la última jugada
Deshacer</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Pasar el turno - no hacer nada
Pasar</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Pausar la partida
Pausa</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Forzar el estilo clásico: sin juguetes nuevos</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Activar todas estas novedades</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Activar o desactivar los sonidos del juego</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Activar o desactivar el guardado</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Usar «bolas» de distintas formas - para monitores en blanco y negro</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Mostrar las reglas del juego</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Salir del programa
Salir</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Despacio y buena letra.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Un viaje de mil millas
empieza con un solo paso.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Cinco en fila, y la fila se va:
así pasa el tablero, así el alba vendrá.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>La paciencia es amarga, pero su fruto es dulce.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Cada bola tiene su sitio,
y cada sitio su bola.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Obra empezada, medio acabada.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>El tablero es pequeño y la tarde larga,
las bolas sonríen y nadie se amarga.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>La fortuna sonríe a los audaces.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Mira bien antes de saltar.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Muchas manos aligeran el trabajo,
pero un solo ratón mueve las bolas.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Aguas tranquilas, aguas profundas.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Donde hay un camino, hay una salida.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>El azul con el azul y el rojo con el rojo;
los demás esperan su turno sin enojo.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Vísteme despacio, que tengo prisa.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Una bola triste es una bola aún no elegida.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Mañana será otro día.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>La mejor jugada es siempre la siguiente.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>¿Te diviertes?</translation>
    </message>
</context>
</TS>

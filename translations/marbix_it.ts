<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Informazioni su Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) versione 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>dagli sviluppatori di Marbix, 2025</translation>
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
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gialla</translation>
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
        <translation>blu</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>prossima pallina %1</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>pallina %1 selezionata</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>pallina %1</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Colonna %1, riga %2: %3</translation>
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
        <translation>Allinea palline colorate a gruppi di cinque su un tavoliere 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Tasti: le frecce e Spazio o Invio giocano sul tavoliere, F2 inizia,
F3 ferma, Backspace annulla, F4 salta, F5 pausa, F1 informazioni.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>opzione sconosciuta</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argomento inatteso</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>manca un valore dopo</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Prova &apos;marbix --help&apos; per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>mostra una partita registrata (marbix-headless --verify FILE la verifica)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+più e Ctrl+meno, o Ctrl e la rotellina del mouse sul tavoliere,
ingrandiscono o riducono il tavoliere; Ctrl+0 lo riporta alle sue dimensioni.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Ferma la partita per guardarne una registrata.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Non c&apos;è nessuna partita registrata per questa riga dell&apos;albo d&apos;oro.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Impossibile salvare la partita: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Salva questa partita come</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Partite registrate (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Guarda questa partita</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Salva questa partita come…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Tempo di gioco:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - in pausa</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Premi OK per continuare la partita</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Come si gioca a Marbix</translation>
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
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - registrazione</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Non è stato possibile salvare il tuo risultato nell&apos;albo d&apos;oro: %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>In pausa...</translation>
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
        <translation>I migliori giocatori:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Tempo rimasto per questa mossa</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>I migliori giocatori</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Impossibile guardare questo file: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>un giocatore senza nome</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Questa partita non arriva al punteggio registrato di %1 punti. Esc o Inizia termina il replay.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Fine della partita di %1, %2 punti. Sinistra torna indietro, Esc o Inizia termina il replay.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>In pausa: la partita di %1, %2 punti. Spazio riprende, Sinistra e Destra vanno passo passo, Esc o Inizia termina il replay.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Replay della partita di %1, %2 punti, al %3 %. Spazio mette in pausa, Sinistra e Destra vanno passo passo, + e - cambiano la velocità, Esc o Inizia termina il replay.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Inizia	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Ferma	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Annulla	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Stile classico</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>Stile &amp;avanzato</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Palline non rotonde</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>Salva le &amp;opzioni all&apos;uscita</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Informazioni su Marbix...	F1</translation>
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
        <translation>    Lo scopo del gioco è togliere dal tavoliere più palline che puoi
( ogni pallina vale 2 punti ). Le palline dello stesso colore spariscono
quando ne formi una fila - di almeno 5 palline ( due file così dello
stesso colore possono incrociarsi e allora spariscono insieme ).
    Per muovere una pallina selezionala con il mouse ( allora sorride, ma
diventa triste se ne scegli un&apos;altra ) e fai clic sulla casella dove deve
andare - ci andrà, se la casella è raggiungibile ( cioè se c&apos;è un percorso
di caselle libere in orizzontale e/o verticale ). Dopo ogni mossa
arrivano tre palline nuove.
    Nello stile avanzato puoi annullare l&apos;ultima mossa e vedere dove
cadranno le prossime palline, ma hai solo 30 secondi per ogni mossa.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix per sempre ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Tempo di gioco: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Non preoccuparti, sii felice!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Inizia una nuova partita
Inizia</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Ferma la partita in corso
Ferma</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annulla l&apos;ultima mossa
Annulla</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Salta la mossa - non fa niente
Salta</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Mette in pausa la partita
Pausa</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Forza lo stile classico: niente giocattoli nuovi</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Attiva tutte queste novità</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Attiva o disattiva i suoni del gioco</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Attiva o disattiva il salvataggio</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Usa «palline» di forme diverse - per monitor in bianco e nero</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Mostra le regole del gioco</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright
Informazioni</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Esce dal programma
Esci</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Chi va piano va sano e va lontano.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Un viaggio di mille miglia
comincia con un solo passo.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Cinque in fila, e la fila se ne va:
così va il tavoliere, così l&apos;alba verrà.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>La pazienza è amara, ma il suo frutto è dolce.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Ogni pallina ha il suo posto,
e ogni posto la sua pallina.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Chi ben comincia è a metà dell&apos;opera.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Il tavoliere è piccolo, le ore sono lunghe,
le palline sorridenti cantano le loro fughe.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>La fortuna aiuta gli audaci.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Guarda bene prima di saltare.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Molte mani fanno il lavoro leggero,
ma un solo mouse muove le palline.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Acqua cheta rompe i ponti.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Dove c&apos;è un percorso, c&apos;è una via.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Il blu va col blu, e il rosso col rosso;
le altre aspettano il turno senza fare un passo.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>La fretta è cattiva consigliera.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Una pallina triste non è ancora stata scelta.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Domani è un altro giorno.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>La mossa migliore è sempre la prossima.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Ti diverti?</translation>
    </message>
</context>
</TS>

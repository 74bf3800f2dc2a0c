<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Über Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) Version 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>von den Marbix-Machern, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( Fortsetzung folgt ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>dunkelrote</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magentafarbene</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rote</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelbe</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grüne</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyanfarbene</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blaue</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Spalte %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>angekündigte %1 Kugel</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>ausgewählte %1 Kugel</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 Kugel</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Aufruf: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Bunte Kugeln auf einem 9 x 9-Brett zu Fünferreihen schieben.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Tasten: Pfeile und Leertaste oder Eingabe spielen auf dem Brett, F2 startet,
F3 bricht ab, Rücktaste nimmt zurück, F4 setzt aus, F5 hält an, F1 Über.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>unbekannte Option</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>unerwartetes Argument</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>fehlender Wert nach</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Mehr Informationen mit &apos;marbix --help&apos;.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>ein aufgezeichnetes Spiel ansehen (marbix-headless --verify FILE prüft es)</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Beenden Sie das Spiel, um ein aufgezeichnetes anzusehen.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Zu dieser Zeile der Bestenliste gibt es kein aufgezeichnetes Spiel.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Dieses Spiel speichern unter</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Aufgezeichnete Spiele (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Dieses Spiel ansehen</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Dieses Spiel speichern unter …</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Spielzeit:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - Pause</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Drücken Sie OK, um das Spiel fortzusetzen</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>So spielt man Marbix</translation>
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
        <translation>Bitte Namen eingeben:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - Bestenliste</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Ihr Ergebnis konnte nicht in der Bestenliste gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Aussetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>Pause...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Die besten Spieler bisher:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Verbleibende Zeit für diesen Zug</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Die besten Spieler bisher</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Diese Datei kann nicht angesehen werden: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>einem namenlosen Spieler</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Dieses Spiel erreicht seine aufgezeichneten %1 Punkte nicht. Escape oder Starten beendet das Ansehen.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Ende des Spiels von %1, %2 Punkte. Links geht einen Schritt zurück, Escape oder Starten beendet das Ansehen.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Angehalten: das Spiel von %1, %2 Punkte. Leertaste spielt weiter, Links und Rechts gehen schrittweise, Escape oder Starten beendet das Ansehen.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Das Spiel von %1, %2 Punkte, mit %3 %. Leertaste hält an, Links und Rechts gehen schrittweise, + und - ändern das Tempo, Escape oder Starten beendet das Ansehen.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Starten	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Abbrechen	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Rückgängig	Rücktaste</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Aussetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Klassischer Stil</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>&amp;Erweiterter Stil</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Kugeln nach Form unterscheiden</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>&amp;Optionen beim Beenden speichern</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Über Marbix...	F1</translation>
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
        <translation>    Ziel des Spiels ist es, so viele Kugeln wie möglich vom Brett zu räumen
( jede Kugel bringt 2 Punkte ). Kugeln gleicher Farbe verschwinden, sobald
sie eine Reihe bilden - mindestens 5 Kugeln in einer Linie ( zwei solche
Reihen derselben Farbe dürfen sich kreuzen und verschwinden dann zugleich ).
    Eine Kugel bewegen Sie, indem Sie sie mit der Maus auswählen ( dann
lacht sie, wird aber traurig, wenn Sie eine andere wählen ) und das Feld
anklicken, auf das sie soll - sie geht hin, wenn das Feld erreichbar ist
( d. h. ein Weg aus waagerecht und/oder senkrecht benachbarten freien Feldern
führt dorthin ). Nach jedem Zug kommen drei neue Kugeln hinzu.
    Im erweiterten Stil können Sie den letzten Zug zurücknehmen und sehen,
wo die nächsten Kugeln fallen, haben aber nur 30 Sekunden für jeden Zug.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix für immer ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Spielzeit: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Keine Sorge, sei fröhlich!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Beginnt ein neues Spiel
Starten</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Bricht das laufende Spiel ab
Abbrechen</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Nimmt den letzten Zug zurück
Rückgängig</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Setzt diesen Zug aus - tut nichts
Aussetzen</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Hält das Spiel an
Pause</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Erzwingt den klassischen Stil: kein neues Spielzeug</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Schaltet all die neuen Möglichkeiten ein</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Schaltet die Spielklänge ein/aus</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Schaltet das Speichern ein/aus</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>„Kugeln“ können verschiedene Formen haben - für S/W-Bildschirme</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Zeigt die Spielregeln</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright
Über</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Beendet das Programm
Beenden</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Langsam, aber sicher kommt man ans Ziel.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Auch eine Reise von tausend Meilen
beginnt mit dem ersten Schritt.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Fünf in der Reihe, und fort ist die Reih:
so geht das Brett, so bricht der Tag herbei.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Geduld ist bitter, doch ihre Frucht ist süß.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Jede Kugel hat ihren Platz,
und jeder Platz seine Kugel.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Gut begonnen ist halb gewonnen.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Das Brett ist klein, die Stunden sind lang,
die Kugeln lächeln und singen ihren Sang.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Dem Mutigen gehört die Welt.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Erst wägen, dann wagen.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Viele Hände, schnelles Ende,
doch nur eine Maus bewegt die Kugeln.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Stille Wasser sind tief.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Wo ein Pfad ist, ist auch ein Weg.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Blau zu Blau und Rot zu Rot,
die andern warten ohne Not.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Eile mit Weile.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Eine traurige Kugel ist nur noch nicht gewählt.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Morgen ist auch noch ein Tag.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Der beste Zug ist immer der nächste.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Macht&apos;s Spaß?</translation>
    </message>
</context>
</TS>

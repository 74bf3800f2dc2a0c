<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Over Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) versie 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>door de makers van Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( wordt vervolgd ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>donkerrode</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rode</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gele</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groene</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>volgende %1 bal</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>geselecteerde %1 bal</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 bal</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Kolom %1, rij %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Gebruik: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Zet gekleurde ballen op een rij van vijf op een bord van 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulp tonen en stoppen</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de versie tonen en stoppen</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Toetsen: pijltjes en Spatie of Enter spelen op het bord, F2 start,
F3 stopt, Backspace maakt ongedaan, F4 slaat over, F5 pauzeert, F1 over.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>onbekende optie</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>onverwacht argument</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>waarde ontbreekt na</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Probeer &apos;marbix --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>een opgenomen spel bekijken (marbix-headless --verify FILE controleert er een)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+plus en Ctrl+min, of Ctrl en het muiswiel boven het bord,
zoomen het bord in of uit; Ctrl+0 toont het op ware grootte.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Stop het spel om een opgenomen spel te bekijken.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Bij deze regel van de erelijst hoort geen opgenomen spel.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Het spel kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Dit spel opslaan als</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Opgenomen spellen (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Dit spel bekijken</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Dit spel opslaan als…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Speeltijd:%1 u %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - gepauzeerd</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Druk op OK om verder te spelen</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Zo speel je Marbix</translation>
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
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Gebruik niet meer dan %1 tekens.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - registratie</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Je resultaat kon niet op de erelijst worden opgeslagen: %1</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>Pauze...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>De beste spelers:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Resterende tijd voor deze zet</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>De beste spelers</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Dit bestand kan niet worden bekeken: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>een naamloze speler</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Dit spel haalt zijn opgenomen score van %1 punten niet. Escape of Starten stopt het kijken.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Einde van het spel van %1, %2 punten. Links gaat een stap terug, Escape of Starten stopt het kijken.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Gepauzeerd: het spel van %1, %2 punten. Spatie gaat verder, Links en Rechts gaan stap voor stap, Escape of Starten stopt het kijken.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Het spel van %1, %2 punten, op %3 %. Spatie pauzeert, Links en Rechts gaan stap voor stap, + en - veranderen de snelheid, Escape of Starten stopt het kijken.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Starten	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Stoppen	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Ongedaan maken	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Klassieke stijl</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>&amp;Geavanceerde stijl</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Niet-ronde ballen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>Gelu&amp;id</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>&amp;Opties opslaan bij afsluiten</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Over Marbix...	F1</translation>
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
        <translation>    Het doel van het spel is zoveel mogelijk ballen van het bord te halen
( elke bal levert 2 punten op ). Ballen van dezelfde kleur verdwijnen
zodra je er een rij van maakt - van minstens 5 ballen ( twee zulke rijen
van dezelfde kleur mogen elkaar kruisen en verdwijnen dan tegelijk ).
    Een bal verplaats je door hem met de muis te selecteren ( dan lacht
hij, maar hij wordt verdrietig als je een andere kiest ) en op het vakje
te klikken waar hij heen moet - hij gaat, als het vakje bereikbaar is
( dus als er een pad van vrije vakjes horizontaal en/of verticaal
naartoe loopt ). Na elke zet komen er drie nieuwe ballen bij.
    In de geavanceerde stijl kun je de laatste zet ongedaan maken en zien
waar de volgende ballen vallen, maar je hebt maar 30 seconden per zet.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix voor altijd ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Speeltijd: 0 u 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Maak je geen zorgen, wees blij!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Een nieuw spel starten
Starten</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Het lopende spel stoppen
Stoppen</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>De laatste zet ongedaan maken
Ongedaan maken</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>De zet overslaan - niets doen
Overslaan</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Het spel pauzeren
Pauzeren</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>De klassieke stijl afdwingen: geen nieuw speelgoed</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Al deze nieuwe mogelijkheden inschakelen</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>De spelgeluiden in- of uitschakelen</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Het opslaan in- of uitschakelen</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>„Ballen” van verschillende vorm gebruiken - voor zwart-witschermen</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>De spelregels tonen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programma-informatie, versienummer en copyright tonen
Over</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Het programma afsluiten
Afsluiten</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Langzaam maar zeker.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Een reis van duizend mijl
begint met één enkele stap.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Vijf op een rij, en de rij is voorbij:
zo gaat het bord, zo gaat de dag erbij.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Geduld is bitter, maar de vrucht is zoet.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Elke bal heeft zijn plek,
en elke plek zijn bal.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Een goed begin is het halve werk.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Het bord is klein, de uren zijn lang,
de lachende ballen zingen hun zang.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Wie waagt, die wint.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Bezint eer ge begint.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Vele handen maken licht werk,
maar één muis verplaatst de ballen.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Stille wateren hebben diepe gronden.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Waar een pad is, is een weg.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Blauw bij blauw en rood bij rood;
de rest wacht geduldig, zonder nood.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Haastige spoed is zelden goed.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Een droeve bal is gewoon nog niet gekozen.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Morgen is er weer een dag.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>De beste zet is altijd de volgende.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Heb je plezier?</translation>
    </message>
</context>
</TS>

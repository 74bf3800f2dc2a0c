<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>O programu Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) verze 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>autoři Marbixu, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( pokračování příště ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>tmavě červená</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>red</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>azurová</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>příští %1 kulička</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>vybraná %1 kulička</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 kulička</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Sloupec %1, řádek %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Použití: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Skládej barevné kuličky do řad po pěti na hrací ploše 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>zobrazí tuto nápovědu a skončí</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>zobrazí verzi a skončí</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Klávesy: šipky a Mezerník nebo Enter hrají na ploše, F2 začne,
F3 ukončí, Backspace vrátí tah, F4 vynechá, F5 pozastaví, F1 o programu.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>neznámý přepínač</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>neočekávaný argument</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>chybí hodnota za</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Více informací získáš příkazem &apos;marbix --help&apos;.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>přehraje zaznamenanou hru (marbix-headless --verify FILE ji zkontroluje)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+plus a Ctrl+minus nebo Ctrl a kolečko myši nad plochou
plochu zvětší či zmenší; Ctrl+0 ji vrátí na původní velikost.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Chceš-li sledovat zaznamenanou hru, nejdřív ukonči tu rozehranou.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>K tomuto řádku síně slávy není žádná zaznamenaná hra.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Hru nelze uložit: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Uložit tuto hru jako</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Zaznamenané hry (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Sledovat tuto hru</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Uložit tuto hru jako…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Čas hry:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix – pauza</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Stiskni OK a pokračuj ve hře</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Jak hrát Marbix</translation>
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
        <translation>Zadej své jméno:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Zadej nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix – zápis</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Tvůj výsledek se nepodařilo zapsat do síně slávy: %1</translation>
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
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Vynechat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>Pauza...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Nejlepší hráči:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Skóre:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Zbývající čas na tento tah</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Nejlepší hráči</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Tento soubor nelze sledovat: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>hráč beze jména</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Tato hra nedosahuje zaznamenaného skóre (body: %1). Escape nebo Nová hra ukončí sledování.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Konec hry (%1), body: %2. Šipka vlevo vrátí krok, Escape nebo Nová hra ukončí sledování.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Pozastaveno: hra (%1), body: %2. Mezerník pokračuje, šipky vlevo a vpravo krokují, Escape nebo Nová hra ukončí sledování.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Sledování hry (%1), body: %2, rychlost %3 %. Mezerník pozastaví, šipky vlevo a vpravo krokují, + a - mění rychlost, Escape nebo Nová hra ukončí sledování.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Nová hra	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Ukončit hru	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Vrátit tah	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Vynechat tah</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Klasický styl</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>&amp;Pokročilý styl</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Nekulaté kuličky</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Zvuk</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>&amp;Ukládat nastavení při ukončení</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>O programu Marbix...	F1</translation>
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
        <translation>    Cílem hry je odstranit z plochy co nejvíc kuliček ( každá kulička
ti přidá 2 body ). Kuličky stejné barvy zmizí, jakmile z nich složíš
řadu – nejméně 5 kuliček v jedné linii ( dvě takové řady stejné barvy
se mohou křížit a pak zmizí obě zároveň ).
    Kuličku posuneš tak, že ji vybereš myší ( pak se usmívá, ale
posmutní, když vybereš jinou ) a klepneš na pole, kam má jít – půjde
tam, pokud je pole dosažitelné ( tj. vede k němu cesta volných polí
vodorovně a/nebo svisle ). Po každém tahu přibudou tři nové kuličky.
    V pokročilém stylu můžeš vrátit poslední tah a vidíš, kam dopadnou
další kuličky, ale na každý tah máš jen 30 sekund.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix navždy ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Čas hry: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Nic si z toho nedělej, buď šťastný!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Začne novou hru
Nová hra</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Ukončí rozehranou hru
Ukončit hru</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Vrátí poslední tah
Vrátit tah</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Vynechá tah – nic neudělá
Vynechat tah</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Pozastaví hru
Pozastavit</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Vynutí klasický styl: žádné nové hračky</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Zapne všechny tyto novinky</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Zapne nebo vypne zvuky hry</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Zapne nebo vypne ukládání</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Použije „kuličky“ různých tvarů – pro černobílé monitory</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Zobrazí pravidla hry</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zobrazí informace o programu, číslo verze a copyright
O programu</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Ukončí program
Konec</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Pomalu, ale jistě.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>I cesta dlouhá tisíc mil
začíná prvním krokem.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Pět v řadě a řada je pryč:
tak jde hra, tak svítá – to je klíč.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Trpělivost je hořká, ale její plod je sladký.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Každá kulička má své místo
a každé místo svou kuličku.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Dobrý začátek je polovina díla.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Plocha je malá, hodiny se vlečou,
usměvavé kuličky si písničky pletou.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Odvážnému štěstí přeje.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Dvakrát měř, jednou řež.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Víc rukou víc zmůže,
ale kuličky posouvá jen jedna myš.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Tichá voda břehy mele.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Kde je stezka, tam je cesta.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Modrá k modré, červená k červené;
ostatní čekají na tahy své.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Spěchej pomalu.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Smutná kulička jen ještě nebyla vybrána.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Zítra je taky den.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Nejlepší tah je vždycky ten příští.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Bavíš se?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>O programie Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) wersja 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>twórcy Marbiksa, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( c.d.n. ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>ciemnoczerwona</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółta</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielona</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>błękitna</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieska</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>następna %1 kulka</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>wybrana %1 kulka</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 kulka</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Kolumna %1, wiersz %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Użycie: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Układaj kolorowe kulki w rzędy po pięć na planszy 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>wyświetla tę pomoc i kończy działanie</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>wyświetla wersję i kończy działanie</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Klawisze: strzałki oraz Spacja lub Enter grają na planszy, F2 zaczyna,
F3 przerywa, Backspace cofa, F4 pomija, F5 wstrzymuje, F1 o programie.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>nieznana opcja</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>nieoczekiwany argument</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>brak wartości po</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Więcej informacji: &apos;marbix --help&apos;.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>odtwarza nagraną grę (marbix-headless --verify FILE ją sprawdza)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+plus i Ctrl+minus albo Ctrl i kółko myszy nad planszą
powiększają lub zmniejszają planszę; Ctrl+0 przywraca jej pierwotny rozmiar.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Przerwij grę, aby obejrzeć nagraną.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Dla tego wiersza listy najlepszych nie ma nagranej gry.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Nie udało się zapisać gry: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Zapisz tę grę jako</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Nagrane gry (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Obejrzyj tę grę</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Zapisz tę grę jako…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Czas gry:%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix – pauza</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Kliknij OK, aby wrócić do gry</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Jak grać w Marbiksa</translation>
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
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Wpisz najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix – rejestracja</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Nie udało się zapisać wyniku na liście najlepszych: %1</translation>
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
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
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
        <translation>Czas:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Najlepsi gracze:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Czas pozostały na ten ruch</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Najlepsi gracze</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Tego pliku nie można obejrzeć: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>gracz bez imienia</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Ta gra nie odtwarza nagranego wyniku (punkty: %1). Escape lub Nowa gra kończy oglądanie.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Koniec gry (%1), punkty: %2. Strzałka w lewo cofa o krok, Escape lub Nowa gra kończy oglądanie.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Pauza: gra (%1), punkty: %2. Spacja wznawia, strzałki w lewo i w prawo idą krok po kroku, Escape lub Nowa gra kończy oglądanie.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Oglądanie gry (%1), punkty: %2, tempo %3 %. Spacja wstrzymuje, strzałki w lewo i w prawo idą krok po kroku, + i - zmieniają tempo, Escape lub Nowa gra kończy oglądanie.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Nowa gra	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Przerwij	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Cofnij	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń ruch</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Styl klasyczny</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>Styl &amp;zaawansowany</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Kulki nieokrągłe</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>Zapisz &amp;opcje przy wyjściu</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>O programie Marbix...	F1</translation>
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
        <translation>    Celem gry jest zdjęcie z planszy jak największej liczby kulek
( każda kulka to 2 punkty ). Kulki jednego koloru znikają, gdy ułożysz
z nich rząd – co najmniej 5 kulek w linii ( dwa takie rzędy tego samego
koloru mogą się przecinać i wtedy znikają jednocześnie ).
    Kulkę przesuwasz, zaznaczając ją myszą ( wtedy się uśmiecha, ale
smutnieje, gdy wybierzesz inną ) i klikając pole, na które ma trafić –
przejdzie tam, jeśli pole jest osiągalne ( tzn. prowadzi do niego droga
z wolnych pól w poziomie i/lub pionie ). Po każdym ruchu na planszę
spadają trzy nowe kulki.
    W stylu zaawansowanym możesz cofnąć ostatni ruch i widzisz, gdzie
spadną następne kulki, ale na każdy ruch masz tylko 30 sekund.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix na zawsze ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Czas gry: 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Nie martw się, bądź szczęśliwy!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Rozpoczyna nową grę
Nowa gra</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Przerywa trwającą grę
Przerwij</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Cofa ostatni ruch
Cofnij</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Pomija ruch – nic nie robi
Pomiń</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Wstrzymuje grę
Pauza</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Wymusza styl klasyczny: bez nowych zabawek</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Włącza wszystkie te nowości</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Włącza lub wyłącza dźwięki gry</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Włącza lub wyłącza zapisywanie</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Używa „kulek” różnych kształtów – dla monitorów czarno-białych</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Wyświetla zasady gry</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Zamyka program
Zakończ</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Powoli, a do celu.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Podróż tysiąca mil
zaczyna się od pierwszego kroku.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Pięć w rzędzie i rzędu już brak:
tak mija plansza, tak świta, o tak.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Cierpliwość jest gorzka, lecz jej owoc słodki.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Każda kulka ma swoje miejsce,
a każde miejsce swoją kulkę.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Dobry początek to połowa sukcesu.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Plansza jest mała, godziny się dłużą,
uśmiechnięte kulki piosenką nam służą.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Śmiałym szczęście sprzyja.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Przezorny zawsze ubezpieczony.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Wiele rąk lekką pracę czyni,
ale kulki przesuwa jedna mysz.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Cicha woda brzegi rwie.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Gdzie jest ścieżka, tam jest droga.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Niebieska z niebieską, z czerwoną czerwona;
reszta czeka na ruch, spokojna, zadowolona.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Co nagle, to po diable.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Smutna kulka to kulka jeszcze niewybrana.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Jutro też jest dzień.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Najlepszy ruch to zawsze następny.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Dobrze się bawisz?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>О программе Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) версия 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>разработчики Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( продолжение следует ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>тёмно-красный</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>следующий %1 шар</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>выбранный %1 шар</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 шар</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Столбец %1, строка %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Использование: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Собирайте цветные шары в линии по пять на поле 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Клавиши: стрелки и Пробел или Enter играют на поле, F2 — начать,
F3 — прервать, Backspace — отменить, F4 — пропустить, F5 — пауза, F1 — о программе.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>неизвестный параметр</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>лишний аргумент</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>не хватает значения после</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Подробности: «marbix --help».</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>посмотреть записанную игру (marbix-headless --verify FILE её проверяет)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+плюс и Ctrl+минус или Ctrl и колёсико мыши над полем
меняют масштаб поля; Ctrl+0 возвращает его исходный размер.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Прервите игру, чтобы посмотреть записанную.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Для этой строки таблицы рекордов нет записанной игры.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Не удалось сохранить игру: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Сохранить эту игру как</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Записанные игры (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Посмотреть эту игру</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Сохранить эту игру как…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Время игры:%1 ч %2 мин %3 с</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix — пауза</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Нажмите OK, чтобы продолжить игру</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Как играть в Marbix</translation>
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
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix — запись</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Не удалось сохранить ваш результат в таблице рекордов: %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>Пауза...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Лучшие игроки:</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Время, оставшееся на этот ход</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Лучшие игроки</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Этот файл нельзя посмотреть: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>игрок без имени</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Эта игра не воспроизводит записанный счёт (очков: %1). Escape или «Начать» завершает просмотр.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Конец игры (%1), очков: %2. Влево — шаг назад, Escape или «Начать» завершает просмотр.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Пауза: игра (%1), очков: %2. Пробел — продолжить, Влево и Вправо — по шагам, Escape или «Начать» завершает просмотр.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Просмотр игры (%1), очков: %2, скорость %3 %. Пробел — пауза, Влево и Вправо — по шагам, + и - меняют скорость, Escape или «Начать» завершает просмотр.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Начать	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Прервать	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Отменить ход	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить ход</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Классический стиль</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>&amp;Расширенный стиль</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Некруглые шары</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>&amp;Сохранять параметры при выходе</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>О программе Marbix...	F1</translation>
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
        <translation>    Цель игры — убрать с поля как можно больше шаров ( каждый шар
приносит 2 очка ). Шары одного цвета исчезают, когда вы выстраиваете
их в линию — не меньше 5 шаров в ряд ( две такие линии одного цвета
могут пересекаться и тогда исчезают одновременно ).
    Чтобы передвинуть шар, выберите его мышью ( тогда он улыбается, но
грустнеет, если вы выберете другой ) и щёлкните по клетке, куда он
должен пойти — он пойдёт, если клетка достижима ( т. е. к ней ведёт путь
из свободных клеток по горизонтали и/или вертикали ). После каждого
хода на поле падают три новых шара.
    В расширенном стиле можно отменить последний ход и видно, куда
упадут следующие шары, но на каждый ход даётся только 30 секунд.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix навсегда ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Время игры: 0 ч 00 мин 00 с</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Не волнуйтесь, будьте счастливы!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Начать новую игру
Начать</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Прервать текущую игру
Прервать</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Отменить последний ход
Отменить ход</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Пропустить ход — ничего не делать
Пропустить ход</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Приостановить игру
Пауза</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Включить классический стиль: никаких новых игрушек</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Включить все эти новинки</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Включить или выключить звуки игры</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Включить или выключить сохранение</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Рисовать «шары» разной формы — для чёрно-белых мониторов</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Показать правила игры</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показать сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Выйти из программы
Выход</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Тише едешь — дальше будешь.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Путь в тысячу ли
начинается с первого шага.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Пять в ряд — и ряда нет:
так уходит поле, так встаёт рассвет.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Терпение горько, но плод его сладок.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>У каждого шара своё место,
и у каждого места свой шар.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Хорошее начало — половина дела.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Поле невелико, а часы длинны,
улыбчивые шары песни петь вольны.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Смелость города берёт.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Не зная броду, не суйся в воду.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Много рук — работа легче,
но шары двигает одна мышь.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>В тихом омуте черти водятся.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Где есть тропа, там есть и путь.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Синий к синему, красный к красному;
остальные ждут хода по-разному.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Поспешишь — людей насмешишь.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Грустный шар — просто ещё не выбранный.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Завтра будет новый день.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Лучший ход — всегда следующий.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Нравится игра?</translation>
    </message>
</context>
</TS>

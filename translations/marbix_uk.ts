<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>Про Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) версія 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>розробники Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( далі буде ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>темно-червона</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурова</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червона</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синя</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>наступна %1 кулька</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>вибрана %1 кулька</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>%1 кулька</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Стовпець %1, рядок %2: %3</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Використання: marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Складайте кольорові кульки в лінії по п’ять на полі 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показати цю довідку і вийти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показати версію і вийти</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Клавіші: стрілки і Пробіл або Enter грають на полі, F2 — почати,
F3 — перервати, Backspace — скасувати, F4 — пропустити, F5 — пауза, F1 — про програму.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>невідомий параметр</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>зайвий аргумент</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>бракує значення після</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Докладніше: «marbix --help».</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>переглянути записану гру (marbix-headless --verify FILE її перевіряє)</translation>
    </message>
    <message>
        <source>Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size.</source>
        <translation>Ctrl+плюс і Ctrl+мінус або Ctrl і коліщатко миші над полем
змінюють масштаб поля; Ctrl+0 повертає його початковий розмір.</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Перервіть гру, щоб переглянути записану.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Для цього рядка таблиці рекордів немає записаної гри.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>Не вдалося зберегти гру: %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Зберегти цю гру як</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Записані ігри (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Переглянути цю гру</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Зберегти цю гру як…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Час гри:%1 год %2 хв %3 с</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix — пауза</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Натисніть OK, щоб продовжити гру</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Як грати в Marbix</translation>
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
        <translation>Введіть своє ім’я:</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введіть не більше %1 символів.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix — запис</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Не вдалося зберегти ваш результат у таблиці рекордів: %1</translation>
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
        <translation>Назад</translation>
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
        <translation>Час:</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Найкращі гравці:</translation>
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
        <translation>Час, що залишився на цей хід</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Найкращі гравці</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Цей файл не можна переглянути: %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>гравець без імені</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Ця гра не відтворює записаний рахунок (очки: %1). Escape або «Почати» завершує перегляд.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Кінець гри (%1), очки: %2. Ліворуч — крок назад, Escape або «Почати» завершує перегляд.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>Пауза: гра (%1), очки: %2. Пробіл — далі, Ліворуч і Праворуч — покроково, Escape або «Почати» завершує перегляд.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>Перегляд гри (%1), очки: %2, швидкість %3 %. Пробіл — пауза, Ліворуч і Праворуч — покроково, + і - змінюють швидкість, Escape або «Почати» завершує перегляд.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Почати	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Перервати	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Скасувати хід	Backspace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити хід</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Класичний стиль</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>&amp;Розширений стиль</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Некруглі кульки</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>Зберігати &amp;параметри при виході</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>Про Marbix...	F1</translation>
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
        <translation>    Мета гри — прибрати з поля якомога більше кульок ( кожна кулька
додає 2 очки ). Кульки одного кольору зникають, щойно ви складете
з них лінію — щонайменше 5 кульок у ряд ( дві такі лінії одного
кольору можуть перетинатися, і тоді зникають разом ).
    Щоб пересунути кульку, виберіть її мишею ( тоді вона усміхається,
але сумнішає, якщо ви виберете іншу ) і клацніть клітинку, куди вона
має піти — вона піде, якщо клітинка досяжна ( тобто до неї веде шлях
із вільних клітинок по горизонталі та/або вертикалі ). Після кожного
ходу на поле падають три нові кульки.
    У розширеному стилі можна скасувати останній хід і видно, куди
впадуть наступні кульки, але на кожен хід є лише 30 секунд.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix назавжди ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Час гри: 0 год 00 хв 00 с</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Не хвилюйтеся, будьте щасливі!!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Почати нову гру
Почати</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Перервати поточну гру
Перервати</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Скасувати останній хід
Скасувати хід</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Пропустити хід — нічого не робити
Пропустити хід</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Призупинити гру
Пауза</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Увімкнути класичний стиль: жодних нових іграшок</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Увімкнути всі ці новинки</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Увімкнути або вимкнути звуки гри</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Увімкнути або вимкнути збереження</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Малювати «кульки» різної форми — для чорно-білих моніторів</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Показати правила гри</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показати відомості про програму, номер версії та авторські права
Про програму</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Вийти з програми
Вихід</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Тихіше їдеш — далі будеш.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Подорож у тисячу миль
починається з першого кроку.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>П’ять у ряд — і ряду нема:
так минає гра, так минає зима.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>Терпіння гірке, але плід його солодкий.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Кожна кулька має своє місце,
і кожне місце — свою кульку.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Добрий початок — половина справи.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Поле невелике, а години довгі,
усміхнені кульки співають пісні свої.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>Сміливим щастить.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Не знаючи броду, не лізь у воду.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>Гуртом і роботу легше робити,
але кульки рухає одна миша.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>У тихому болоті чорти водяться.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Де є стежка, там є й дорога.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Синя до синьої, червона до червоної,
а решта спокійно чекає своєї черги.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Поспішиш — людей насмішиш.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Сумна кулька — це кулька, яку ще не вибрали.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Завтра буде новий день.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Найкращий хід — завжди наступний.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Подобається гра?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Отразить</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ничего</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Рыба</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Слон</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Краб</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Птица</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Панда</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пустая клетка</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Пламя</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Мешок денег</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Падающая гиря</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Бомба</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Горизонтальная лестница</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Вертикальная лестница</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Самоцвет</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Для испытания дня часы компьютера должны показывать день между 1970 и 9999 годами.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Вы уже сыграли испытание дня.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Файл ваших испытаний занят другой программой. Попробуйте ещё раз чуть позже.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Покинуть испытание?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Испытание закончится сейчас с %1 очками, и сыграть его снова будет нельзя.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Покинуть испытание</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Продолжить игру</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Это испытание дня. Его можно будет посмотреть, когда вы его сыграете.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Ваше испытание играется в другом окне Varn, поэтому это окно начинает новую игру.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Испытание от %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Место среди ваших испытаний</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Копировать результат</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Копировать код игры</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Результат скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Код игры скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Пар</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>вычисляется…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Разбор</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Посмотреть &amp;пар</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Испытания</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Дней подряд: %1</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Пар</translation>
    </message>
</context>
<context>
    <name>varn::CodeControl</name>
    <message>
        <source>Copy game code</source>
        <translation>Копировать код игры</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>У этой игры нет кода: она началась не со своей раздачи, или её сохранила более старая версия Varn. У следующей новой игры он будет.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Посмотреть код игры</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Это не код игры Varn. Код игры начинается с «varn».</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Этот код игры создан более новой версией Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Этот код игры повреждён: символ пропущен или изменён.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Код испытания появляется, когда оно закончено.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Записать результат</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Отразить</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Рекорд: %1 очко</numerusform>
            <numerusform>Рекорд: %1 очка</numerusform>
            <numerusform>Рекорд: %1 очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Счёт: %1 очко</numerusform>
            <numerusform>Счёт: %1 очка</numerusform>
            <numerusform>Счёт: %1 очков</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Продолжить последнюю игру</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Номер игры…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Осталось ходов:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Испытание дня</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Копировать код игры</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Посмотреть код игры…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Разбор игры</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Номер игры</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Эта игра</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Другая игра</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Номер игры — целое число от 1 до %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>испытание дня, будет видно после окончания</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Это испытание дня. Сыграйте его через «Испытание дня» в меню «Игра».</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Добро пожаловать в Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn нарисовала, озвучила и запрограммировала команда Varn для всех, кто любит быстро сыграть партию-другую.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Ваша цель — убирать за раз не меньше трёх одинаковых картинок. Берегите полезных джокеров! Лестницы и бомбы иногда выручат вас. Соединяйте самоцветы, чтобы получить дополнительные очки: по 10 очков за каждый. Поле можно в любой момент повернуть или отразить. Чем больше картинок вы уберёте, тем лучше играете!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Удачи и приятной игры!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Стрелки</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Перемещать курсор по игровому полю</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Сыграть фишку под курсором</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Переходить между полем и кнопками под ним</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Закрыть диалог или справку</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Крестовина или левый стик: перемещать курсор по полю или между пунктами меню или диалога</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Открыть меню «Игра»; в диалоге — нажать его главную кнопку</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Назад: закрыть меню, диалог или справку</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>В диалоге: нажать выбранный элемент или открыть экранную клавиатуру для текстового поля</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>В диалоге: переключать страницы</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Подсказка, испытание дня и коды игр</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>«Подсказка» обводит группу, по которой стоит щёлкнуть дальше; она найдена игрой на несколько действий вперёд с фишками, которые эта игра действительно выдаст.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>«Испытание дня» раздаёт всем игрокам в мире в один день одну и ту же игру: 50 ходов, играется один раз, без отмены и подсказки. Результатом можно поделиться, не раскрывая игру.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>У каждой игры есть номер, который задаёт все её фишки. «Копировать код игры» помещает в буфер обмена номер игры и ваши действия одной строкой, которую можно без опаски вставить в чат; «Посмотреть код игры…» воспроизводит такую строку.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Подсказка: нажмите эту кнопку</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Подсказка: группа из %n фишки</numerusform>
            <numerusform>Подсказка: группа из %n фишек</numerusform>
            <numerusform>Подсказка: группа из %n фишек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>сейчас %n очко</numerusform>
            <numerusform>сейчас %n очка</numerusform>
            <numerusform>сейчас %n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The two parts of what a screen reader reads of the cell that the hint suggests, e.g. &quot;Hint: a group of 5 pieces, 50 points now&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>varn::MissPlot</name>
    <message>
        <source>Points missed along the game</source>
        <translation>Упущенные очки по ходу игры</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Ни одно действие не упустило очков.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 из %2 действий упустили очки; больше всего, %3, на действии %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Ваш результат %1 занимает %2-е место среди лучших игр.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Ваше &amp;имя</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Новая лучшая игра</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Имя, использованное раньше</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Клавиатура</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Раньше</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Экранная клавиатура</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>ЙЦУКЕНГШЩЗХЪ ФЫВАПРОЛДЖЭ ЯЧСМИТЬБЮЁ QWERTYUIOP ASDFGHJKL ZXCVBNM</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Заглавная буква</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Дефис</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Апостроф</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Сыграть</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Ввести</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Разбор игры</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>У этой игры нет кода, а значит, и разбора: она началась не со своей раздачи, или её сохранила более старая версия Varn.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Разбор игры %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Упущено</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Разбор игры %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Точность %1 %: набрано %2 очков, упущено %3</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Самые большие ошибки</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Действие %1: упущено %2 очков; лучше: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Ни одно действие не упустило очков.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Ещё не записано ни одного результата.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>С %1 по %2: наименьший %3, наибольший %4, последний %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Последние результаты: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Лучшие игры</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Сыграть эту игру</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Лучшие игры</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Сыграно игр</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Записано результатов</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Лучший результат</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Средний результат</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Испытания</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Смо&amp;треть</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Разбор</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Посмотреть код игры</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Код игры:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Смо&amp;треть</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Разбор</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Быстрее</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Закончить просмотр</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Игра %1: ход %2 из %3, скорость %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Игра %1: конец, очки %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(пауза)</translation>
    </message>
</context>
</TS>

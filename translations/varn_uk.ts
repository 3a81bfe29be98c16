<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Ряд %1, стовпець %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Віддзеркалити</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернути праворуч</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Нічого</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Риба</translation>
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
        <translation>Птах</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Панда</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Подарунок</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожня клітинка</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Полум’я</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Мішок грошей</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Гиря</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Бомба</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Горизонтальна драбина</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Вертикальна драбина</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Самоцвіт</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, рядок %2, стовпець %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Для виклику дня годинник комп’ютера має показувати день між 1970 і 9999 роками.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Ви вже зіграли виклик дня.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Файл ваших викликів використовує інша програма. Спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Покинути виклик?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Виклик завершиться зараз із %1 очками, і зіграти його знову буде не можна.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Покинути виклик</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Грати далі</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Це виклик дня. Його можна буде переглянути, коли ви його зіграєте.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Ваш виклик грається в іншому вікні Varn, тому це вікно починає нову гру.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Виклик від %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Місце серед ваших викликів</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Копіювати результат</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Копіювати код гри</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Результат скопійовано в буфер обміну.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Код гри скопійовано в буфер обміну.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Пар</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>обчислюється…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Розбір</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Переглянути &amp;пар</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Виклики</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Днів поспіль: %1</translation>
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
        <translation>Копіювати код гри</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Ця гра не має коду: вона почалася не зі своєї роздачі, або її зберегла старіша версія Varn. Наступна нова гра його матиме.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Переглянути код гри</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Це не код гри Varn. Код гри починається з «varn».</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Цей код гри створено новішою версією Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Цей код гри пошкоджено: символ пропущено або змінено.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Код виклику з’являється, коли він завершений.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
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
        <translation>Записати результат</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Віддзеркалити</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернути ліворуч</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернути праворуч</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Рекорд: %1 очко</numerusform>
            <numerusform>Рекорд: %1 очки</numerusform>
            <numerusform>Рекорд: %1 очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Рахунок: %1 очко</numerusform>
            <numerusform>Рахунок: %1 очки</numerusform>
            <numerusform>Рахунок: %1 очок</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Справжній розмір</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Продовжити останню гру</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Номер гри…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Залишилось ходів:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Виклик дня</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Копіювати код гри</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Переглянути код гри…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Розбір гри</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Керування</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Номер гри</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Ця гра</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Інша гра</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Номер гри — ціле число від 1 до %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Грати</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>виклик дня, буде видно після завершення</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Це виклик дня. Зіграйте його через «Виклик дня» в меню «Гра».</translation>
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
        <translation>Ласкаво просимо до Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn намалювала, озвучила й запрограмувала команда Varn для всіх, хто любить швидко зіграти партію-другу.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Ваша мета — прибирати за раз щонайменше три однакові картинки. Бережіть корисних джокерів! Драбини й бомби часом стануть у пригоді. З’єднуйте самоцвіти, щоб отримати додаткові очки: по 10 очок за кожен. Поле можна будь-коли повернути чи віддзеркалити. Що більше картинок ви приберете, то краще граєте!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Щасти вам і приємної гри!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Стрілки</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Переміщувати курсор ігровим полем</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Зіграти фішку під курсором</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Переходити між полем і кнопками під ним</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Закрити діалог або довідку</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Хрестовина або лівий стік: переміщувати курсор полем або між пунктами меню чи діалогу</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Відкрити меню «Гра»; у діалозі — натиснути його головну кнопку</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Назад: закрити меню, діалог або довідку</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>У діалозі: натиснути вибраний елемент або відкрити екранну клавіатуру для текстового поля</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>У діалозі: перемикати сторінки</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Підказка, виклик дня і коди ігор</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>«Підказка» обводить групу, яку варто клацнути далі; її знайдено грою на кілька дій наперед із фішками, які ця гра справді видасть.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>«Виклик дня» роздає всім гравцям у світі того самого дня ту саму гру: 50 ходів, грається один раз, без скасування й підказки. Результатом можна поділитися, не розкриваючи гру.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Кожна гра має номер, який задає всі її фішки. «Копіювати код гри» кладе в буфер обміну номер гри та ваші дії одним рядком, який можна безпечно вставити в чат; «Переглянути код гри…» відтворює такий рядок.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Підказка: натисніть цю кнопку</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Підказка: група з %n фішки</numerusform>
            <numerusform>Підказка: група з %n фішок</numerusform>
            <numerusform>Підказка: група з %n фішок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>зараз %n очко</numerusform>
            <numerusform>зараз %n очка</numerusform>
            <numerusform>зараз %n очок</numerusform>
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
        <translation>Втрачені очки протягом гри</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Жодна дія не втратила очок.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 з %2 дій втратили очки; найбільше, %3, на дії %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Ваш результат %1 посідає %2-е місце серед найкращих ігор.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Ваше &amp;ім’я</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Нова найкраща гра</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Ім’я, використане раніше</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Клавіатура</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Раніше</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Екранна клавіатура</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>ЙЦУКЕНГШЩЗХЇ ФІВАПРОЛДЖЄ ЯЧСМИТЬБЮҐ QWERTYUIOP ASDFGHJKL ZXCVBNM</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Велика літера</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Дефіс</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Апостроф</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Крапка</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стерти</translation>
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
        <translation>Зіграти</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Повернути</translation>
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
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Розбір гри</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>У цієї гри немає коду, а отже, і розбору: вона почалася не зі своєї роздачі, або її зберегла старіша версія Varn.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Розбір гри %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Зіграно</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Найкраща</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Втрачено</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Дії</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Розбір гри %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Точність %1 %: набрано %2 очок, втрачено %3</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Найбільші помилки</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Дія %1: втрачено %2 очок; краще: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Жодна дія не втратила очок.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Ще не записано жодного результату.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>З %1 по %2: найменший %3, найбільший %4, останній %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Останні результати: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Найкращі ігри</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Зіграти цю гру</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Найкращі ігри</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Зіграно ігор</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Записано результатів</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Найкращий результат</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Середній результат</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Виклики</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Підказки</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Дивитися</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Розбір</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Переглянути код гри</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Код гри:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Дивитися</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Розбір</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Крок</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Швидше</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Завершити перегляд</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Гра %1: хід %2 з %3, швидкість %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Гра %1: кінець, очки %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(пауза)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
</context>
</TS>

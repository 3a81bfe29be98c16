<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Geschenkpaket</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Flammen</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Geldsack</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Fallendes Gewicht</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Reihenleiter</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Spaltenleiter</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, Reihe %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Punkte eintragen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Rekord: %1 Punkt</numerusform>
            <numerusform>Rekord: %1 Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Punktestand: %1 Punkt</numerusform>
            <numerusform>Punktestand: %1 Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Willkommen bei Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn wurde vom Varn-Team gezeichnet, vertont und programmiert – für alle, die gern mal schnell eine Runde spielen.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Entferne immer mindestens drei gleiche Bilder auf einmal. Heb dir die praktischen Joker gut auf! Leitern und Bomben helfen dir manchmal aus der Klemme. Verbinde Edelsteine für Extrapunkte: 10 Punkte pro Stein. Du kannst das Spielfeld jederzeit drehen und spiegeln. Je mehr Bilder du abräumst, desto besser bist du!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Viel Glück und viel Spaß!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>

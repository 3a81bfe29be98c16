<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pájaro</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Caja de regalo</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Llamas</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Bolsa de dinero</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Pesa que cae</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Escalera de fila</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Escalera de columna</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Gema</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Guardar puntuación</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Récord: %1 punto</numerusform>
            <numerusform>Récord: %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Puntuación: %1 punto</numerusform>
            <numerusform>Puntuación: %1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Continuar la última partida</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>¡Bienvenido a Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn ha sido dibujado, compuesto y programado por el equipo de Varn para todos los que disfrutan de una partida rápida.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Tu objetivo: quitar de una vez al menos tres imágenes iguales. ¡Guarda bien tus comodines! Las escaleras y las bombas te echarán una mano de vez en cuando. Une las gemas para ganar puntos extra: 10 puntos por gema. Puedes girar el tablero y darle la vuelta cuando quieras. ¡Cuantas más imágenes quites, mejor jugador serás!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>¡Buena suerte y a divertirse!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>

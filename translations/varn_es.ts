<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Fila %1, columna %2</translation>
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
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
</context>
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
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>El reto del día necesita que el reloj del ordenador marque un día entre los años 1970 y 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Ya has jugado el reto del día.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Otro programa está usando el archivo de tus retos. Vuelve a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>¿Abandonar el reto?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>El reto termina ahora con %1 puntos y no se podrá volver a jugar.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Abandonar el reto</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Seguir jugando</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Es el reto del día. Podrás verlo cuando lo hayas jugado.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Otra ventana de Varn está jugando tu reto, así que esta empieza una partida nueva.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Reto del %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Puesto entre tus retos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copiar código de la partida</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>El resultado está en el portapapeles.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>El código de partida está en el portapapeles.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>calculándose…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Ver el &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Retos</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Días seguidos: %1</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
</context>
<context>
    <name>varn::CodeControl</name>
    <message>
        <source>Copy game code</source>
        <translation>Copiar código de la partida</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Esta partida no tiene código: no empezó con su propio reparto, o la guardó un Varn más antiguo. La próxima partida nueva tendrá uno.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Ver un código de partida</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Esto no es un código de partida de Varn. Un código de partida empieza por «varn».</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Este código de partida viene de una versión más reciente de Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Este código de partida está dañado: falta o ha cambiado un carácter.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Un reto tiene su código cuando ha terminado.</translation>
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
    <message>
        <source>Game number…</source>
        <translation>Número de partida…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Jugadas restantes:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Reto del día</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copiar código de la partida</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Ver un código de partida…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analizar la partida</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Esta partida</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Otra partida</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Un número de partida es un número entero del 1 al %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>reto del día, se muestra cuando termine</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Es el reto del día. Juégalo con «Reto del día» en el menú Juego.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
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
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Mover el cursor por el tablero</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Jugar la pieza bajo el cursor</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Recorrer el tablero y los botones de debajo</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Cerrar un diálogo o la ayuda</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>La cruceta o el stick izquierdo: mover el cursor por el tablero o entre los elementos de un menú o un diálogo</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Abrir el menú Juego; en un diálogo, pulsar su botón principal</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Volver: cerrar un menú, un diálogo o la ayuda</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>En un diálogo: pulsar el control seleccionado o abrir un teclado en pantalla para un campo de texto</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>En un diálogo: pasar de página</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Pista, reto del día y códigos de partida</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>«Pista» marca el grupo que conviene pulsar a continuación, encontrado jugando varias acciones por adelantado con las piezas que esta partida repartirá de verdad.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>«Reto del día» reparte la misma partida a todos los jugadores del mundo el mismo día: 50 movimientos, una sola vez, sin Deshacer ni Pista. Su resultado se puede compartir sin desvelar la partida.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Cada partida tiene un número que fija todas sus piezas. «Copiar código de la partida» pone en el portapapeles el número de la partida y lo que hiciste, en una línea que se puede pegar sin problemas en un chat; «Ver un código de partida…» vuelve a jugar esa línea.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Pista: pulsa este botón</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Pista: un grupo de %n pieza</numerusform>
            <numerusform>Pista: un grupo de %n piezas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>%n punto ahora</numerusform>
            <numerusform>%n puntos ahora</numerusform>
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
        <translation>Puntos perdidos a lo largo de la partida</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Ninguna acción perdió un punto.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 de %2 acciones perdieron puntos; la que más, %3, en la acción %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Tu puntuación de %1 ocupa el puesto %2 entre las mejores partidas.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Tu &amp;nombre</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nueva mejor partida</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Un nombre ya usado</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Ya usados</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKLÑ ZXCVBNM ÁÉÍÓÚÜ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Guion</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apóstrofo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analizar la partida</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Esta partida no tiene código, así que no tiene análisis: no empezó con su propio reparto, o la guardó un Varn más antiguo.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analizando la partida %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Análisis de la partida %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Precisión del %1 %: %2 puntos logrados, %3 perdidos</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Mayores fallos</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Acción %1: %2 puntos perdidos; mejor: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Ninguna acción perdió un punto.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Todavía no se ha guardado ninguna puntuación.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Del %1 al %2: la más baja %3, la más alta %4, la última %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Últimas puntuaciones: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Mejores partidas</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Jugar esta partida</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Mejores partidas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Puntuaciones guardadas</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Retos</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizar</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Ver un código de partida</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Código de la partida:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizar</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Viendo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Dejar de ver</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Partida %1: acción %2 de %3, velocidad %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Partida %1: final, puntuación %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(en pausa)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Granchio</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Uccello</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Pacco regalo</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Fiamme</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Sacco di soldi</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Peso che cade</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Scala di riga</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Scala di colonna</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Gemma</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>La sfida del giorno richiede che l’orologio del computer segni un giorno tra gli anni 1970 e 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Hai già giocato la sfida del giorno.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Un altro programma sta usando il file delle tue sfide. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Lasciare la sfida?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>La sfida finisce ora con %1 punti e non si potrà rigiocare.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Lascia la sfida</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Continua a giocare</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>È la sfida del giorno. Potrai vederla dopo averla giocata.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Un’altra finestra di Varn sta giocando la tua sfida, quindi questa inizia una nuova partita.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Sfida del %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Posto tra le tue sfide</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copia risultato</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copia codice partita</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Il risultato è negli appunti.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Il codice partita è negli appunti.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>in calcolo…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizza</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Guarda il &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Sfide</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Giorni di fila: %1</translation>
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
        <translation>Copia codice partita</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Questa partita non ha un codice: non è iniziata con la propria distribuzione, oppure l’ha salvata un Varn più vecchio. La prossima nuova partita ne avrà uno.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Guarda un codice partita</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Questo non è un codice partita di Varn. Un codice partita inizia con «varn».</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Questo codice partita viene da una versione più recente di Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Questo codice partita è danneggiato: un carattere manca o è cambiato.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Una sfida ha il suo codice solo quando è finita.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Salva punteggio</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Record: %1 punto</numerusform>
            <numerusform>Record: %1 punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Punteggio: %1 punto</numerusform>
            <numerusform>Punteggio: %1 punti</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Continua l&apos;ultima partita</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Numero di partita…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Mosse rimaste:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Sfida del giorno</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copia codice partita</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Guarda un codice partita…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analizza la partita</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Numero di partita</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Questa partita</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Altra partita</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Un numero di partita è un numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>sfida del giorno, visibile quando è finita</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>È la sfida del giorno. Giocala con «Sfida del giorno» nel menu Gioco.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Benvenuto in Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn è stato disegnato, musicato e programmato dal team di Varn per chiunque ami una partita al volo.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Lo scopo è eliminare almeno tre immagini uguali alla volta. Tieni da parte i tuoi preziosi jolly! Le scale e le bombe a volte ti daranno una mano. Collega le gemme per guadagnare punti extra: 10 punti per gemma. Puoi ruotare e capovolgere il tabellone quando vuoi. Più immagini elimini, più sei bravo!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Buona fortuna e buon divertimento!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Tasti freccia</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Spostare il cursore sul tabellone</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Giocare il pezzo sotto il cursore</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Passare dal tabellone ai pulsanti sottostanti e viceversa</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Chiudere una finestra di dialogo o l’aiuto</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>La croce direzionale o la levetta sinistra: spostare il cursore sul tabellone o tra le voci di un menu o di una finestra di dialogo</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Aprire il menu Gioco; in una finestra di dialogo, premere il suo pulsante principale</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Indietro: chiudere un menu, una finestra di dialogo o l’aiuto</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>In una finestra di dialogo: premere il controllo selezionato o aprire una tastiera su schermo per un campo di testo</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>In una finestra di dialogo: cambiare pagina</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Suggerimento, sfida del giorno e codici partita</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>«Suggerimento» contorna il gruppo da cliccare dopo, trovato giocando diverse azioni in anticipo con i pezzi che questa partita distribuirà davvero.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>«Sfida del giorno» distribuisce la stessa partita a tutti i giocatori del mondo nello stesso giorno: 50 mosse, giocate una volta sola, senza Annulla né Suggerimento. Il risultato si può condividere senza svelare la partita.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Ogni partita ha un numero che ne fissa tutti i pezzi. «Copia codice partita» mette negli appunti il numero della partita e ciò che hai fatto, in una riga che si può incollare senza problemi in una chat; «Guarda un codice partita…» rigioca una riga così.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Suggerimento: premi questo pulsante</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Suggerimento: un gruppo di %n pezzo</numerusform>
            <numerusform>Suggerimento: un gruppo di %n pezzi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>%n punto ora</numerusform>
            <numerusform>%n punti ora</numerusform>
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
        <translation>Punti mancati nel corso della partita</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nessuna azione ha mancato un punto.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 azioni su %2 hanno mancato punti; il massimo, %3, all’azione %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Il tuo punteggio di %1 è al posto %2 tra le migliori partite.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Il tuo &amp;nome</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nuova migliore partita</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Un nome già usato</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastiera</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Già usati</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Tastiera su schermo</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKL ZXCVBNM ÀÈÉÌÒÙ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Trattino</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrofo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analizza la partita</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Questa partita non ha un codice, e quindi nessuna analisi: non è cominciata con la propria distribuzione, oppure l’ha salvata un Varn più vecchio.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analisi della partita %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocata</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Mancati</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Analisi della partita %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Precisione %1 %: %2 punti fatti, %3 mancati</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Errori più grandi</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Azione %1: %2 punti mancati; meglio: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nessuna azione ha mancato un punto.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Nessun punteggio è stato ancora salvato.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Dal %1 al %2: il più basso %3, il più alto %4, l’ultimo %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Ultimi punteggi: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Migliori partite</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Gioca questa partita</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Migliori partite</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Punteggi salvati</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Miglior punteggio</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Sfide</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Gu&amp;arda</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizza</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Guarda un codice partita</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Codice partita:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Gu&amp;arda</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizza</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Visione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Smetti di guardare</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Partita %1: azione %2 di %3, velocità %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Partita %1: fine, punteggio %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(in pausa)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Redak %1, stupac %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Zrcali</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Okreni ulijevo</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Okreni udesno</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ništa</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Riba</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Slon</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Rak</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ptica</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Poklon</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prazno polje</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Plamen</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Vreća novca</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Uteg koji pada</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Vodoravne ljestve</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Okomite ljestve</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Dragulj</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, redak %2, stupac %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Izazov dana traži da sat računala pokazuje dan između godina 1970. i 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Izazov dana već si odigrao.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Drugi program koristi datoteku tvojih izazova. Pokušaj ponovno za trenutak.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Napustiti izazov?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Izazov sada završava s %1 bodova i ne može se ponovno igrati.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Napusti izazov</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Nastavi igrati</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Ovo je izazov dana. Moći ćeš ga vidjeti kad ga odigraš.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Drugi prozor Varna igra tvoj izazov, pa ovaj počinje novu igru.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Izazov od %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Mjesto među tvojim izazovima</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ishod</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Kopiraj ishod</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopiraj kôd igre</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Ishod je u međuspremniku.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Kôd igre je u međuspremniku.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>računa se…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analiziraj</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Gledaj &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Mjesto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Izazovi</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Dana zaredom: %1</translation>
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
        <translation>Kopiraj kôd igre</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Ova igra nema kôd: nije počela vlastitim dijeljenjem ili ju je spremio stariji Varn. Sljedeća nova igra imat će ga.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Gledaj kôd igre</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Ovo nije kôd igre Varn. Kôd igre počinje s „varn”.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Ovaj kôd igre dolazi iz novije inačice Varna.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Ovaj kôd igre je oštećen: neki znak nedostaje ili je promijenjen.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Izazov dobiva svoj kôd tek kad završi.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ploča</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Bodovi:</translation>
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
        <translation>Upiši rezultat</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Zrcali</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Okreni ulijevo</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Okreni udesno</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Rekord: %1 bod</numerusform>
            <numerusform>Rekord: %1 boda</numerusform>
            <numerusform>Rekord: %1 bodova</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Rezultat: %1 bod</numerusform>
            <numerusform>Rezultat: %1 boda</numerusform>
            <numerusform>Rezultat: %1 bodova</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Prikaz</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Povećaj</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Smanji</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Stvarna veličina</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Cijeli zaslon</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponovi</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Nastavi posljednju igru</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Broj igre…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Preostali potezi:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Izazov dana</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Savjet</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopiraj kôd igre</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Gledaj kôd igre…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analiziraj igru</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrole</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Broj igre</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Ova igra</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Druga igra</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Broj igre je cijeli broj od 1 do %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Igraj</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>izazov dana, vidi se kad završi</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Ovo je izazov dana. Igraj ga preko „Izazov dana” u izborniku Igra.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Dobro došli u Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn je nacrtao, ozvučio i programirao tim Varn za sve koji vole brzu partiju.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Cilj je ukloniti barem tri jednake sličice odjednom. Čuvajte svoje korisne džokere! Ljestve i bombe ponekad će vas izvući iz škripca. Spajajte dragulje za dodatne bodove: 10 bodova po dragulju. Ploču možete okretati i zrcaliti kad god želite. Što više sličica uklonite, to ste bolji igrač!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Sretno i dobro se zabavite!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Strelice</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Pomicanje pokazivača po ploči</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Igranje pločice ispod pokazivača</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Kretanje između ploče i gumba ispod nje</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Zatvaranje dijaloga ili pomoći</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Križna tipka ili lijeva palica: pomicanje pokazivača po ploči ili između stavki izbornika ili dijaloga</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Otvaranje izbornika Igra; u dijalogu pritisak njegova glavnog gumba</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Natrag: zatvaranje izbornika, dijaloga ili pomoći</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>U dijalogu: pritisak odabranog elementa ili otvaranje zaslonske tipkovnice za tekstno polje</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>U dijalogu: promjena stranice</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tipkovnica</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Savjet, izazov dana i kôdovi igara</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>„Savjet” obrubljuje skupinu koju treba kliknuti sljedeću, pronađenu igranjem nekoliko poteza unaprijed s pločicama koje će ova igra zaista podijeliti.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>„Izazov dana” dijeli istu igru svim igračima na svijetu istoga dana: 50 poteza, igra se jednom, bez Poništi i Savjeta. Rezultat možeš podijeliti bez odavanja igre.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Svaka igra ima broj koji određuje sve njezine pločice. „Kopiraj kôd igre” stavlja u međuspremnik broj igre i ono što si učinio, kao jedan redak koji se sigurno može zalijepiti u chat; „Gledaj kôd igre…” ponovno igra takav redak.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Savjet: pritisnite ovaj gumb</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Savjet: skupina od %n komada</numerusform>
            <numerusform>Savjet: skupina od %n komada</numerusform>
            <numerusform>Savjet: skupina od %n komada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>sada %n bod</numerusform>
            <numerusform>sada %n boda</numerusform>
            <numerusform>sada %n bodova</numerusform>
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
        <translation>Propušteni bodovi tijekom igre</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nijedan potez nije propustio bod.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 od %2 poteza propustilo je bodove; najviše, %3, u potezu %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Tvoj rezultat %1 je na %2. mjestu među najboljim igrama.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Tvoje &amp;ime</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nova najbolja igra</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Ranije korišteno ime</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tipkovnica</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Ranije korištena</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Zaslonska tipkovnica</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTZUIOP ASDFGHJKL YXCVBNM ČĆĐŠŽ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Veliko slovo</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Spojnica</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrof</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Razmak</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Točka</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Igraj</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Okreni</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Izbornik</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Upiši</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analiziraj igru</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Ova igra nema kôd, pa ni analizu: nije počela vlastitom podjelom ili ju je spremio stariji Varn.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analizira se igra %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Potez</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Odigrano</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najbolji</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Propušteno</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Potezi</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Analiza igre %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Točnost %1 %: %2 bodova osvojeno, %3 propušteno</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Najveći promašaji</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Potez %1: propušteno %2 bodova; bolje: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nijedan potez nije propustio bod.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Još nije upisan nijedan rezultat.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Od %1 do %2: najniži %3, najviši %4, zadnji %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Nedavni rezultati: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Najbolje igre</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Igraj ovu igru</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Mjesto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Najbolje igre</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Odigrane igre</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Upisani rezultati</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Najbolji rezultat</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Prosječni rezultat</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>Iza&amp;zovi</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Savjeti</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Gledaj</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analiziraj</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Gledaj kôd igre</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Kôd igre:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Gledaj</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analiziraj</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Gledanje</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Stanka</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Korak</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Brže</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Prestani gledati</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Igra %1: potez %2 od %3, brzina %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Igra %1: kraj, bodovi %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(zaustavljeno)</translation>
    </message>
</context>
</TS>

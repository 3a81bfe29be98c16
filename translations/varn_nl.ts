<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Olifant</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
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
        <translation>Cadeaudoos</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Vlammen</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Geldzak</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Vallend gewicht</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bom</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Rijladder</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Kolomladder</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Edelsteen</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Voor de uitdaging van de dag moet de klok van de computer op een dag tussen de jaren 1970 en 9999 staan.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Je hebt de uitdaging van de dag al gespeeld.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Een ander programma gebruikt het bestand van je uitdagingen. Probeer het zo nog eens.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>De uitdaging verlaten?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>De uitdaging eindigt nu met %1 punten en kan niet opnieuw worden gespeeld.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>Uitdaging &amp;verlaten</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Doorspelen</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Dit is de uitdaging van de dag. Je kunt hem bekijken zodra je hem hebt gespeeld.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Een ander Varn-venster speelt je uitdaging, dus dit venster begint een nieuw spel.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Uitdaging van %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Plaats onder je uitdagingen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Spelcode kopiëren</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Het resultaat staat op het klembord.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>De spelcode staat op het klembord.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>wordt berekend…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Beoordelen</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>&amp;Par bekijken</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Uitdagingen</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Dagen op rij: %1</translation>
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
        <translation>Spelcode kopiëren</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Dit spel heeft geen code: het begon niet met zijn eigen verdeling, of een oudere Varn heeft het opgeslagen. Het volgende nieuwe spel krijgt er een.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Een spelcode bekijken</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Dit is geen Varn-spelcode. Een spelcode begint met ‘varn’.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Deze spelcode komt van een nieuwere versie van Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Deze spelcode is beschadigd: er ontbreekt een teken of er is een veranderd.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Een uitdaging heeft pas een code als hij voorbij is.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score:</translation>
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
        <translation>Score opslaan</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Record: %1 punt</numerusform>
            <numerusform>Record: %1 punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Score: %1 punt</numerusform>
            <numerusform>Score: %1 punten</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Ware grootte</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Laatste spel voortzetten</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Spelnummer…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Zetten over:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Uitdaging van de dag</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Spelcode kopiëren</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Een spelcode bekijken…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Spel beoordelen</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Besturing</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Dit spel</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Ander spel</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Een spelnummer is een geheel getal van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pelen</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>uitdaging van de dag, te zien als hij voorbij is</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Dit is de uitdaging van de dag. Speel hem met ‘Uitdaging van de dag’ in het menu Spel.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Welkom bij Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn is getekend, op muziek gezet en geprogrammeerd door het Varn-team, voor iedereen die van een snel spelletje houdt.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Het doel: haal telkens minstens drie dezelfde plaatjes tegelijk weg. Bewaar je handige jokers goed! De ladders en een bom helpen je soms een handje. Verbind de edelstenen voor extra punten: 10 punten per steen. Je kunt het bord altijd draaien en spiegelen. Hoe meer plaatjes je weghaalt, hoe beter je speelt!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Veel succes en veel plezier!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pijltjestoetsen</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>De cursor over het speelbord bewegen</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Het stuk onder de cursor spelen</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Rondgaan langs het speelbord en de knoppen eronder</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Een dialoogvenster of de help sluiten</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>De kruistoets of de linkerstick: de cursor over het speelbord bewegen, of tussen de onderdelen van een menu of dialoogvenster</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Het menu Spel openen; in een dialoogvenster op de hoofdknop drukken</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Terug: een menu, dialoogvenster of de help sluiten</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>In een dialoogvenster: het geselecteerde onderdeel indrukken, of een schermtoetsenbord openen voor een tekstveld</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>In een dialoogvenster: van pagina wisselen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Hint, uitdaging van de dag en spelcodes</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>‘Hint’ omlijnt de groep om hierna aan te klikken, gevonden door enkele acties vooruit te spelen met de stukken die dit spel echt zal delen.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>‘Uitdaging van de dag’ deelt iedere speler ter wereld op dezelfde dag hetzelfde spel: 50 zetten, één keer gespeeld, zonder Ongedaan maken of Hint. De uitslag kun je delen zonder het spel te verklappen.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Elk spel heeft een nummer dat al zijn stukken vastlegt. ‘Spelcode kopiëren’ zet het nummer van het spel en wat je deed op het klembord, één regel die je veilig in een chat plakt; ‘Een spelcode bekijken…’ speelt zo’n regel opnieuw af.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Hint: druk op deze knop</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Hint: een groep van %n stuk</numerusform>
            <numerusform>Hint: een groep van %n stukken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>nu %n punt</numerusform>
            <numerusform>nu %n punten</numerusform>
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
        <translation>Gemiste punten in de loop van het spel</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Geen enkele actie miste een punt.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 van %2 acties misten punten; het meest, %3, bij actie %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Je score van %1 staat op plaats %2 van de beste spellen.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Je &amp;naam</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nieuw beste spel</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Een eerder gebruikte naam</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Toetsenbord</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Eerder gebruikt</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Schermtoetsenbord</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKL ZXCVBNM ÉËÏÖÜ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Hoofdletter</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Koppelteken</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrof</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Punt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Spel beoordelen</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Dit spel heeft geen code en dus geen beoordeling: het begon niet met zijn eigen deling, of een oudere Varn heeft het bewaard.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Spel %1 wordt beoordeeld…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Gemist</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acties</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Beoordeling van spel %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Nauwkeurigheid %1 %: %2 punten gehaald, %3 gemist</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Grootste missers</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Actie %1: %2 punten gemist; beter: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Geen enkele actie miste een punt.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Er is nog geen score opgeslagen.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Van %1 tot %2: laagste %3, hoogste %4, laatste %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Recente scores: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Beste spellen</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>Dit spel s&amp;pelen</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Beste spellen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Opgeslagen scores</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Uitdagingen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Be&amp;kijken</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Beoordelen</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Een spelcode bekijken</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Spelcode:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>Be&amp;kijken</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Beoordelen</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Kijken</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Stoppen met kijken</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Spel %1: zet %2 van %3, snelheid %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Spel %1: einde, score %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(gepauzeerd)</translation>
    </message>
</context>
</TS>

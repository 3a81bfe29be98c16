<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Reihe %1, Spalte %2</translation>
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
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
</context>
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
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Für die Herausforderung des Tages muss die Uhr des Computers auf einen Tag zwischen den Jahren 1970 und 9999 gestellt sein.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Du hast die Herausforderung des Tages schon gespielt.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Ein anderes Programm benutzt gerade die Datei deiner Herausforderungen. Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Herausforderung verlassen?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Die Herausforderung endet jetzt mit %1 Punkten und kann nicht noch einmal gespielt werden.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>Herausforderung &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Das ist die Herausforderung des Tages. Du kannst sie ansehen, sobald du sie gespielt hast.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Ein anderes Varn-Fenster spielt gerade deine Herausforderung, daher beginnt dieses ein neues Spiel.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Herausforderung vom %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Platz unter deinen Herausforderungen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Spielcode kopieren</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Das Ergebnis ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Der Spielcode ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>wird berechnet …</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Auswerten</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>&amp;Par ansehen</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Herausforderungen</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Tage in Folge: %1</translation>
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
        <translation>Spielcode kopieren</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Dieses Spiel hat keinen Code: Es begann nicht mit seiner eigenen Verteilung, oder ein älteres Varn hat es gespeichert. Das nächste neue Spiel hat einen.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Spielcode ansehen</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Das ist kein Varn-Spielcode. Ein Spielcode beginnt mit „varn“.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Dieser Spielcode stammt von einer neueren Version von Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Dieser Spielcode ist beschädigt: Ein Zeichen fehlt oder wurde geändert.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Eine Herausforderung hat ihren Code erst, wenn sie vorbei ist.</translation>
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
    <message>
        <source>Game number…</source>
        <translation>Spielnummer…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Züge übrig:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Herausforderung des Tages</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Spielcode kopieren</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Spielcode ansehen…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Spiel auswerten</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Dieses Spiel</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Anderes Spiel</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Eine Spielnummer ist eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>Herausforderung des Tages, zu sehen, wenn sie vorbei ist</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Das ist die Herausforderung des Tages. Spiele sie mit „Herausforderung des Tages“ im Menü „Spiel“.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
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
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Den Cursor auf dem Spielfeld bewegen</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Den Stein unter dem Cursor spielen</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Reihum durch das Spielfeld und die Knöpfe darunter</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Einen Dialog oder die Hilfe schließen</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Steuerkreuz oder linker Stick: den Cursor auf dem Spielfeld bewegen oder zwischen den Einträgen eines Menüs oder Dialogs wechseln</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Das Menü „Spiel“ öffnen; in einem Dialog dessen Hauptknopf drücken</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Zurück: ein Menü, einen Dialog oder die Hilfe schließen</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>In einem Dialog: das gewählte Element betätigen oder für ein Textfeld eine Bildschirmtastatur öffnen</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>In einem Dialog: die Seiten wechseln</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Tipp, Herausforderung des Tages und Spielcodes</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>„Tipp“ umrandet die Gruppe, die du als Nächstes anklicken solltest – gefunden, indem mehrere Züge im Voraus mit den Steinen gespielt werden, die dieses Spiel wirklich austeilen wird.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>„Herausforderung des Tages“ teilt allen Spielern auf der Welt am selben Tag dasselbe Spiel aus: 50 Züge, einmal gespielt, ohne Rückgängig und Tipp. Das Ergebnis kannst du teilen, ohne das Spiel zu verraten.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Jedes Spiel hat eine Nummer, die alle seine Steine festlegt. „Spielcode kopieren“ legt die Nummer des Spiels und alles, was du getan hast, als eine Zeile in die Zwischenablage, die sich gefahrlos in einen Chat einfügen lässt; „Spielcode ansehen…“ spielt eine solche Zeile noch einmal ab.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Tipp: diese Schaltfläche drücken</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Tipp: eine Gruppe aus %n Teil</numerusform>
            <numerusform>Tipp: eine Gruppe aus %n Teilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>jetzt %n Punkt</numerusform>
            <numerusform>jetzt %n Punkte</numerusform>
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
        <translation>Verpasste Punkte im Lauf des Spiels</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Kein Zug hat einen Punkt verpasst.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 von %2 Zügen haben Punkte verpasst; die meisten, %3, bei Zug %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Dein Ergebnis von %1 steht auf Platz %2 der Bestenliste.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Dein &amp;Name</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Neu in der Bestenliste</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Ein schon benutzter Name</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Schon benutzt</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTZUIOPÜ ASDFGHJKLÖÄ YXCVBNMß</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Spiel auswerten</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Dieses Spiel hat keinen Code und darum keine Auswertung: Es begann nicht mit seiner eigenen Verteilung, oder ein älteres Varn hat es gespeichert.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Spiel %1 wird ausgewertet …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Auswertung von Spiel %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Genauigkeit %1 %: %2 Punkte gemacht, %3 verpasst</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Größte Fehler</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Zug %1: %2 Punkte verpasst; besser: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Kein Zug hat einen Punkt verpasst.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Noch kein Ergebnis eingetragen.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Vom %1 bis %2: niedrigstes %3, höchstes %4, letztes %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Letzte Ergebnisse: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Beste Spiele</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Beste Spiele</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Eingetragene Spiele</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Bestes Ergebnis</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Herausforderungen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Auswerten</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Spielcode ansehen</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Spielcode:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Auswerten</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Zuschauen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Zuschauen beenden</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Spiel %1: Zug %2 von %3, Tempo %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Spiel %1: Ende, Punkte %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(angehalten)</translation>
    </message>
</context>
</TS>

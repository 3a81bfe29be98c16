<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij lustrzanie</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Słoń</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ptak</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Prezent</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Puste pole</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Płomienie</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Worek pieniędzy</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Spadający ciężarek</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Drabinka pozioma</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Drabinka pionowa</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Klejnot</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Wyzwanie dnia wymaga, by zegar komputera wskazywał dzień między rokiem 1970 a 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Wyzwanie dnia zostało już przez ciebie rozegrane.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Inny program używa pliku twoich wyzwań. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Porzucić wyzwanie?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Wyzwanie kończy się teraz z wynikiem %1 pkt i nie można go zagrać ponownie.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Porzuć wyzwanie</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Graj dalej</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>To jest wyzwanie dnia. Zobaczysz je, gdy już je rozegrasz.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Inne okno Varn rozgrywa twoje wyzwanie, więc to rozpoczyna nową grę.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Wyzwanie z %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Miejsce wśród twoich wyzwań</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Kopiuj rezultat</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopiuj kod gry</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Rezultat jest w schowku.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Kod gry jest w schowku.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>trwa obliczanie…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizuj</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Obejrzyj &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Wyzwania</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Dni z rzędu: %1</translation>
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
        <translation>Kopiuj kod gry</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Ta gra nie ma kodu: nie zaczęła się od własnego rozdania albo zapisał ją starszy Varn. Następna nowa gra będzie go miała.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Obejrzyj kod gry</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>To nie jest kod gry Varn. Kod gry zaczyna się od „varn”.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Ten kod gry pochodzi z nowszej wersji Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Ten kod gry jest uszkodzony: brakuje znaku lub został zmieniony.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Wyzwanie ma swój kod dopiero po zakończeniu.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
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
        <translation>Zapisz wynik</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij lustrzanie</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Rekord: %1 punkt</numerusform>
            <numerusform>Rekord: %1 punkty</numerusform>
            <numerusform>Rekord: %1 punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Wynik: %1 punkt</numerusform>
            <numerusform>Wynik: %1 punkty</numerusform>
            <numerusform>Wynik: %1 punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Kontynuuj ostatnią grę</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Numer gry…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Pozostałe ruchy:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Wyzwanie dnia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopiuj kod gry</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Obejrzyj kod gry…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analizuj grę</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Numer gry</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Ta gra</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Inna gra</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Numer gry to liczba całkowita od 1 do %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Zagraj</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>wyzwanie dnia, widoczne po zakończeniu</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>To jest wyzwanie dnia. Zagraj w nie przez „Wyzwanie dnia” w menu Gra.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Witaj w grze Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn narysował, udźwiękowił i zaprogramował zespół Varn dla wszystkich, którzy lubią szybką partyjkę.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Twoim celem jest usuwanie naraz co najmniej trzech takich samych obrazków. Oszczędzaj pomocne jokery! Drabinki i bomby czasem wyciągną cię z opresji. Łącz klejnoty, a zdobędziesz dodatkowe punkty: 10 za każdy klejnot. Planszę możesz w każdej chwili obracać i odbijać. Im więcej obrazków zbierzesz, tym lepszy z ciebie gracz!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Powodzenia i dobrej zabawy!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Strzałki</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Przesuwanie kursora po planszy</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Zagranie elementu pod kursorem</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Przechodzenie między planszą a przyciskami pod nią</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Zamknięcie okna dialogowego lub pomocy</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Krzyżak lub lewa gałka: przesuwanie kursora po planszy albo między pozycjami menu lub okna dialogowego</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Otwarcie menu Gra; w oknie dialogowym naciśnięcie jego głównego przycisku</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Wstecz: zamknięcie menu, okna dialogowego lub pomocy</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>W oknie dialogowym: naciśnięcie zaznaczonego elementu albo otwarcie klawiatury ekranowej dla pola tekstowego</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>W oknie dialogowym: zmiana strony</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Podpowiedź, wyzwanie dnia i kody gry</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>„Podpowiedź” obrysowuje grupę do kliknięcia w następnej kolejności, znalezioną przez rozegranie kilku ruchów naprzód z elementami, które ta gra naprawdę rozda.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>„Wyzwanie dnia” rozdaje tę samą grę wszystkim graczom na świecie tego samego dnia: 50 ruchów, rozgrywanych raz, bez Cofnij i Podpowiedzi. Wynikiem można się podzielić, nie zdradzając gry.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Każda gra ma numer, który wyznacza wszystkie jej elementy. „Kopiuj kod gry” umieszcza w schowku numer gry i to, co zrobiłeś, w jednym wierszu, który można bezpiecznie wkleić na czacie; „Obejrzyj kod gry…” odtwarza taki wiersz.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Podpowiedź: naciśnij ten przycisk</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Podpowiedź: grupa – %n element</numerusform>
            <numerusform>Podpowiedź: grupa – %n elementy</numerusform>
            <numerusform>Podpowiedź: grupa – %n elementów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>teraz %n punkt</numerusform>
            <numerusform>teraz %n punkty</numerusform>
            <numerusform>teraz %n punktów</numerusform>
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
        <translation>Punkty stracone w trakcie gry</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Żaden ruch nie stracił punktu.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 z %2 ruchów straciło punkty; najwięcej, %3, w ruchu %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Twój wynik %1 zajmuje miejsce %2 wśród najlepszych gier.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Twoje &amp;imię</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nowa najlepsza gra</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Imię użyte wcześniej</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Klawiatura</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Użyte wcześniej</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Klawiatura ekranowa</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKL ZXCVBNM ĄĆĘŁŃÓŚŹŻ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Wielka litera</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Łącznik</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrof</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Kropka</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Zagraj</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Obróć</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Wpisz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analizuj grę</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Ta gra nie ma kodu, więc nie ma analizy: nie zaczęła się od własnego rozdania albo zapisał ją starszy Varn.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analiza gry %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Zagrany</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Stracone</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Analiza gry %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Dokładność %1 %: %2 pkt zdobyte, %3 stracone</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Największe błędy</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Ruch %1: %2 pkt straconych; lepiej: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Żaden ruch nie stracił punktu.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Nie zapisano jeszcze żadnego wyniku.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Od %1 do %2: najniższy %3, najwyższy %4, ostatni %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Ostatnie wyniki: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Najlepsze gry</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Zagraj w tę grę</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Najlepsze gry</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Zapisane wyniki</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Średni wynik</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Wyzwania</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizuj</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Obejrzyj kod gry</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Kod gry:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analizuj</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Oglądanie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Szybciej</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Zakończ oglądanie</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Gra %1: ruch %2 z %3, tempo %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Gra %1: koniec, wynik %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(wstrzymano)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Zrcadlit</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Otočit doleva</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Otočit doprava</translation>
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
        <translation>Slon</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pták</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Dárek</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prázdné pole</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Plameny</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Pytel peněz</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Padající závaží</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Vodorovný žebřík</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Svislý žebřík</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Drahokam</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, řádek %2, sloupec %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Výzva dne potřebuje, aby hodiny počítače ukazovaly den mezi roky 1970 a 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Výzvu dne už jsi hrál.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Soubor tvých výzev právě používá jiný program. Zkus to za chvíli znovu.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Opustit výzvu?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Výzva teď skončí s %1 body a nepůjde hrát znovu.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Opustit výzvu</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Hrát dál</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Tohle je výzva dne. Uvidíš ji, až ji odehraješ.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Tvou výzvu hraje jiné okno Varn, proto toto začíná novou hru.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Výzva z %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Pořadí mezi tvými výzvami</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Kopírovat výsledek</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopírovat kód hry</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Výsledek je ve schránce.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Kód hry je ve schránce.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>počítá se…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rozebrat</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Přehrát &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Pořadí</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Výzvy</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Dní v řadě: %1</translation>
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
        <translation>Kopírovat kód hry</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Tato hra nemá kód: nezačala vlastním rozdáním, nebo ji uložil starší Varn. Příští nová hra ho mít bude.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Přehrát kód hry</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Toto není kód hry Varn. Kód hry začíná slovem „varn“.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Tento kód hry pochází z novější verze hry Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Tento kód hry je poškozený: nějaký znak chybí nebo je změněný.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Výzva má svůj kód, až když skončí.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Skóre:</translation>
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
        <translation>Zapsat skóre</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Zrcadlit</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Otočit doleva</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Otočit doprava</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Rekord: %1 bod</numerusform>
            <numerusform>Rekord: %1 body</numerusform>
            <numerusform>Rekord: %1 bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Skóre: %1 bod</numerusform>
            <numerusform>Skóre: %1 body</numerusform>
            <numerusform>Skóre: %1 bodů</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Skutečná velikost</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Pokračovat v poslední hře</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Číslo hry…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Zbývá tahů:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Výzva dne</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Kopírovat kód hry</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Přehrát kód hry…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Rozebrat hru</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Ovládání</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Číslo hry</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Tato hra</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Jiná hra</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Číslo hry je celé číslo od 1 do %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Hrát</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>výzva dne, ukáže se po jejím konci</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Tohle je výzva dne. Hraj ji přes „Výzva dne“ v nabídce Hra.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Vítej ve hře Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn nakreslil, ozvučil a naprogramoval tým Varn pro všechny, kdo si rádi dají rychlou hru.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Tvým cílem je odstranit najednou aspoň tři stejné obrázky. Šetři si užitečné žolíky! Žebříky a bomby ti občas pomohou z nouze. Spojuj drahokamy a získáš body navíc: 10 bodů za každý drahokam. Hrací plochu můžeš kdykoli otočit nebo zrcadlit. Čím víc obrázků odstraníš, tím lepší jsi hráč!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Hodně štěstí a dobrou zábavu!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Šipky</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Pohyb kurzoru po hrací ploše</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Zahrání dílku pod kurzorem</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Přechod mezi hrací plochou a tlačítky pod ní</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Zavření dialogu nebo nápovědy</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Směrový kříž nebo levá páčka: pohyb kurzoru po hrací ploše nebo mezi položkami nabídky či dialogu</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Otevření nabídky Hra; v dialogu stisk jeho hlavního tlačítka</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Zpět: zavření nabídky, dialogu nebo nápovědy</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>V dialogu: stisk vybraného prvku nebo otevření klávesnice na obrazovce pro textové pole</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>V dialogu: přepnutí stránky</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Ovladač</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Rada, výzva dne a kódy her</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>„Rada“ orámuje skupinu, na kterou kliknout příště; najde ji tak, že zahraje několik akcí dopředu s dílky, které tato hra opravdu rozdá.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>„Výzva dne“ rozdá stejnou hru všem hráčům na světě ve stejný den: 50 tahů, hraných jednou, bez Zpět a Rady. Výsledek můžeš sdílet, aniž bys hru prozradil.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Každá hra má číslo, které určuje všechny její dílky. „Kopírovat kód hry“ vloží do schránky číslo hry a to, co jsi udělal, jako jeden řádek, který lze bez obav vložit do chatu; „Přehrát kód hry…“ takový řádek znovu přehraje.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Rada: stiskněte toto tlačítko</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Rada: skupina – %n dílek</numerusform>
            <numerusform>Rada: skupina – %n dílky</numerusform>
            <numerusform>Rada: skupina – %n dílků</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>nyní %n bod</numerusform>
            <numerusform>nyní %n body</numerusform>
            <numerusform>nyní %n bodů</numerusform>
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
        <translation>Ztracené body v průběhu hry</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Žádný tah neztratil ani bod.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 z %2 tahů ztratilo body; nejvíc, %3, v tahu %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Vaše skóre %1 je na %2. místě mezi nejlepšími hrami.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Vaše &amp;jméno</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nová nejlepší hra</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Dříve použité jméno</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Klávesnice</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Dříve použitá</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Klávesnice na obrazovce</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTZUIOP ASDFGHJKL YXCVBNM ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Velké písmeno</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Spojovník</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrof</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Tečka</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Hrát</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Otočit</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Nabídka</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Napsat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Rozebrat hru</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Tato hra nemá kód, a tedy ani rozbor: nezačala vlastním rozdáním, nebo ji uložil starší Varn.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Rozebírá se hra %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Tah</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Zahráno</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Nejlepší</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Ztraceno</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Tahy</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Rozbor hry %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Přesnost %1 %: %2 bodů získáno, %3 ztraceno</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Největší chyby</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Tah %1: ztraceno %2 bodů; lépe: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Žádný tah neztratil ani bod.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Zatím nebylo zapsáno žádné skóre.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Od %1 do %2: nejnižší %3, nejvyšší %4, poslední %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Poslední skóre: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Nejlepší hry</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Hrát tuto hru</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Pořadí</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Nejlepší hry</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Odehrané hry</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Zapsaná skóre</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Nejlepší skóre</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Průměrné skóre</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Výzvy</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Rady</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rozebrat</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Přehrát kód hry</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Kód hry:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rozebrat</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Přehrávání</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Rychleji</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Ukončit přehrávání</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Hra %1: tah %2 z %3, rychlost %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Hra %1: konec, skóre %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(pozastaveno)</translation>
    </message>
</context>
</TS>

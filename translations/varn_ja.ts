<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>%1行 %2列</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左に回す</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右に回す</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ゾウ</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>カニ</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>鳥</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>パンダ</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>プレゼント箱</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空きマス</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>炎</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>お金の袋</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>落ちるおもり</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>爆弾</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>横のはしご</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>縦のはしご</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>宝石</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1、%2行目、%3列目</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>今日のチャレンジには、コンピューターの時計が1970年から9999年までの日付に合っている必要があります。</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>今日のチャレンジはもうプレイしました。</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>別のプログラムがチャレンジのファイルを使っています。少し待ってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>チャレンジをやめますか？</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>チャレンジは%1点で今終わり、もう一度プレイすることはできません。</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>チャレンジをやめる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>プレイを続ける(&amp;K)</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>これは今日のチャレンジです。プレイした後に見ることができます。</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>別のVarnのウィンドウがチャレンジをプレイ中のため、このウィンドウでは新しいゲームを始めます。</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>%1 のチャレンジ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>あなたのチャレンジ中の順位</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>結果をコピー</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>ゲームコードをコピー</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>結果をクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>ゲームコードをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>パー</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>計算中…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>振り返り(&amp;R)</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>パーを観る(&amp;P)</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>チャレンジ</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>連続日数: %1</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>パー</translation>
    </message>
</context>
<context>
    <name>varn::CodeControl</name>
    <message>
        <source>Copy game code</source>
        <translation>ゲームコードをコピー</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>このゲームにはコードがありません: 最初の配置から始まっていないか、古い Varn が保存しました。次の新しいゲームにはコードがあります。</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>ゲームコードを観る</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>これは Varn のゲームコードではありません。ゲームコードは「varn」で始まります。</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>このゲームコードは新しいバージョンの Varn のものです。</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>このゲームコードは壊れています: 文字が欠けているか変わっています。</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>チャレンジのコードは終わってから使えます。</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得点：</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>最高点：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>得点を記録</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左に回す</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右に回す</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>最高点：%1点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>得点：%1点</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>前回のゲームを続ける</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>ゲーム番号…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>残り手数:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>今日のチャレンジ</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>ゲームコードをコピー</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>ゲームコードを観る…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>ゲームを振り返る</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作方法</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>このゲーム(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>別のゲーム(&amp;O)</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>ゲーム番号は1から%1までの整数です。</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>プレイ(&amp;P)</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>今日のチャレンジ（終わると表示されます）</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>これは今日のチャレンジです。「ゲーム」メニューの「今日のチャレンジ」でプレイしてください。</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Varn へようこそ！</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn の絵と音とプログラムは、ちょっとした息抜きを楽しみたいみなさんのために Varn チームが作りました。</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>同じ絵が3つ以上つながったところを消していきましょう。頼れるジョーカーは大事に取っておいてね。はしごや爆弾が助けてくれることもあります。宝石をつなげるとボーナス点、宝石1つにつき10点です。盤面はいつでも回したり反転したりできます。たくさん消せるほど腕前アップ！</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>幸運を祈ります。楽しんでね！</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>矢印キー</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>盤面のカーソルを動かす</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>カーソル位置の駒をプレイ</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>盤面と下のボタンを順に移動</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>ダイアログやヘルプを閉じる</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>十字キーまたは左スティック：盤面のカーソル、またはメニューやダイアログの項目を移動</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>「ゲーム」メニューを開く。ダイアログではその主なボタンを押す</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>戻る：メニュー、ダイアログ、ヘルプを閉じる</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>ダイアログ：選択中の項目を押す。入力欄ではスクリーンキーボードを開く</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>ダイアログ：ページを切り替える</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>ヒント、今日のチャレンジ、ゲームコード</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>「ヒント」は次にクリックするグループを囲みます。このゲームで実際に配られる駒を使い、数手先まで試して見つけます。</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>「今日のチャレンジ」は、同じ日に世界中のすべてのプレイヤーへ同じゲームを配ります。50手、1回限り、「元に戻す」と「ヒント」は使えません。結果はゲームの中身を明かさずに共有できます。</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>どのゲームにも、すべての駒を決める番号があります。「ゲームコードをコピー」は、ゲームの番号とあなたの操作を、チャットに安心して貼れる1行としてクリップボードに入れます。「ゲームコードを観る…」はその行を再生します。</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>ヒント: このボタンを押してください</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>ヒント: %n 個のグループ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>今 %n 点</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The two parts of what a screen reader reads of the cell that the hint suggests, e.g. &quot;Hint: a group of 5 pieces, 50 points now&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>varn::MissPlot</name>
    <message>
        <source>Points missed along the game</source>
        <translation>ゲームを通して逃した点</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>点を逃した手はありません。</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%2手のうち%1手で点を逃しました。最大は%4手目の%3点です。</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>あなたの得点%1はベストゲームの%2位です。</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>新しいベストゲーム</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>以前に使った名前</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>キーボード(&amp;K)</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>以前の名前</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>スクリーンキーボード</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKL ZXCVBNM</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>ハイフン</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>アポストロフィ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>ピリオド</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>ゲームを振り返る</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>このゲームにはコードがないため、振り返りもできません。自身の配りから始まっていないか、古いVarnが保存したゲームです。</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>ゲーム%1を振り返っています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>手</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>実際の手</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最善手</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>逃した点</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>手</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>ゲーム%1の振り返り</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>精度 %1 %：獲得 %2 点、逃した点 %3</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>大きな見逃し</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>%1手目：%2点を逃しました。より良い手：%3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>点を逃した手はありません。</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>まだ得点が記録されていません。</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>%1から%2まで：最低%3、最高%4、最新%5。</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>最近の得点：%1件</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>ベストゲーム(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>このゲームをプレイ(&amp;P)</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>ベストゲーム</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>プレイしたゲーム</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>記録した回数</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>最高得点</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>平均得点</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>チャレンジ(&amp;C)</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>観る(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>振り返り(&amp;R)</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>ゲームコードを観る</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>ゲームコード(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>観る(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>振り返り(&amp;R)</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>観戦中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>1手進める</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>観戦をやめる</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>ゲーム %1: %3 手中 %2 手目、速度 %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>ゲーム %1: 終了、スコア %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(一時停止中)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>第%1行，第%2列</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>上下翻转</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>向左转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右转</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>鱼</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>大象</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>小鸟</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>熊猫</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>礼盒</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>火焰</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>钱袋</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>下落的秤砣</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>炸弹</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>横向梯子</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>纵向梯子</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>宝石</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1，第%2行，第%3列</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>今日挑战需要把电脑时钟设在1970年到9999年之间的某一天。</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>你已经玩过今日挑战。</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>另一个程序正在使用你的挑战文件。请稍后再试。</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>离开挑战吗？</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>挑战将以%1分立即结束，并且不能再玩。</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>离开挑战(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>继续玩(&amp;K)</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>这是今日挑战。你玩过之后才能查看。</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>另一个Varn窗口正在玩你的挑战，因此这个窗口开始一局新游戏。</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>%1 的挑战</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>在你的挑战中的名次</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>复制结果</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>复制游戏代码</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>结果已复制到剪贴板。</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>游戏代码已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>标准分</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>正在计算…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>复盘(&amp;R)</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>观看标准分对局(&amp;P)</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>挑战</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>连续天数：%1</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>标准分</translation>
    </message>
</context>
<context>
    <name>varn::CodeControl</name>
    <message>
        <source>Copy game code</source>
        <translation>复制游戏代码</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>这局游戏没有代码：它不是从自己的初始局面开始的，或是由旧版 Varn 保存的。下一局新游戏会有代码。</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>观看游戏代码</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>这不是 Varn 游戏代码。游戏代码以“varn”开头。</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>这个游戏代码来自更新版本的 Varn。</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>这个游戏代码已损坏：有字符缺失或被改动。</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>挑战结束后才有代码。</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>最高分：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>记录得分</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>上下翻转</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>向左转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右转</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>最高分：%1分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>得分：%1分</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>继续上一局游戏</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>游戏编号…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>得分榜</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>剩余步数：</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>今日挑战</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>复制游戏代码</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>观看游戏代码…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>复盘本局</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作说明</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>游戏编号</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>本局(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>其他游戏(&amp;O)</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>游戏编号是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>开始(&amp;P)</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>今日挑战，结束后显示</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>这是今日挑战。请通过“游戏”菜单中的“今日挑战”来玩。</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>欢迎来到 Varn！</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn 的画面、音乐和程序均由 Varn 团队打造，献给所有喜欢来上一局的玩家。</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>你的目标是一次消除至少三个相同的图案。好好留着你的万能礼盒吧！梯子和炸弹有时能帮你大忙。连起宝石可以获得额外加分：每颗宝石10分。你随时可以旋转或翻转棋盘。消除的图案越多，你就越厉害！</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>祝你好运，玩得开心！</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>在棋盘上移动光标</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>点击光标处的方块</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>在棋盘和下方按钮之间切换</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>关闭对话框或帮助</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>十字键或左摇杆：在棋盘上移动光标，或在菜单和对话框的项目之间移动</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>打开“游戏”菜单；在对话框中按下其主按钮</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>返回：关闭菜单、对话框或帮助</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>在对话框中：按下选中的控件，或为文本框打开屏幕键盘</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>在对话框中：切换页面</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>手柄</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>提示、今日挑战和游戏代码</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>“提示”会圈出下一步该点击的方块组，它是用本局真正会发出的方块向前试玩几步后找到的。</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>“今日挑战”在同一天向全世界的玩家发出同一局游戏：50 步，只能玩一次，不能撤销，也不能提示。成绩可以分享，而不会泄露这局游戏。</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>每局游戏都有一个编号，决定了它的所有方块。“复制游戏代码”会把游戏编号和你的操作作为一行放到剪贴板，可以放心地粘贴到聊天中；“观看游戏代码…”会重新播放这样的一行。</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>提示：按下此按钮</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>提示：一组 %n 块</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>现在 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The two parts of what a screen reader reads of the cell that the hint suggests, e.g. &quot;Hint: a group of 5 pieces, 50 points now&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>varn::MissPlot</name>
    <message>
        <source>Points missed along the game</source>
        <translation>整局错失的分数</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>没有哪一步错失分数。</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%2步中有%1步错失分数；最多的一步是第%4步，错失%3分。</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>你的得分 %1 在最佳游戏中排第 %2 名。</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>你的名字(&amp;N)</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>新的最佳游戏</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>以前用过的名字</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>键盘(&amp;K)</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>用过的名字</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>屏幕键盘</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKL ZXCVBNM</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>连字符</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>撇号</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>句号</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>点击</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>复盘本局</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>这局游戏没有代码，因此无法复盘：它不是从自己的发牌开始的，或者是旧版Varn保存的。</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>正在复盘第%1局…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>步</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>所走</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>错失</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>第%1局复盘</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>准确率 %1 %：得 %2 分，错失 %3 分</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>最大失误</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>第%1步：错失%2分；更好：%3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>没有哪一步错失分数。</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>尚未记录任何得分。</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>从 %1 到 %2：最低 %3，最高 %4，最近 %5。</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>最近得分：%1 次</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>得分榜</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>最佳游戏(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>玩这局游戏(&amp;P)</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>最佳游戏</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>已玩局数</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>已记录次数</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>最高得分</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>平均得分</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>挑战(&amp;C)</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>观看(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>复盘(&amp;R)</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>观看游戏代码</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>游戏代码(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>观看(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>复盘(&amp;R)</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>观看中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>加快</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>停止观看</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>游戏 %1：第 %2 步，共 %3 步，速度 %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>游戏 %1：结束，得分 %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>（已暂停）</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
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
        <translation>Peixe</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pássaro</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Caixa de presente</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Chamas</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Saco de dinheiro</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Peso caindo</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Escada de linha</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Escada de coluna</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Joia</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>O desafio do dia precisa que o relógio do computador esteja num dia entre os anos 1970 e 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Você já jogou o desafio do dia.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Outro programa está usando o arquivo dos seus desafios. Tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Sair do desafio?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>O desafio termina agora com %1 pontos e não poderá ser jogado de novo.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Sair do desafio</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Continuar jogando</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>Este é o desafio do dia. Você poderá vê-lo depois de jogá-lo.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Outra janela do Varn está jogando o seu desafio, por isso esta começa um jogo novo.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Desafio de %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Posição entre seus desafios</translation>
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
        <translation>Copiar código do jogo</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>O resultado está na área de transferência.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>O código de jogo está na área de transferência.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>sendo calculado…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Assistir ao &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Desafios</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Dias seguidos: %1</translation>
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
        <translation>Copiar código do jogo</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Este jogo não tem código: ele não começou com a própria distribuição, ou um Varn mais antigo o salvou. O próximo jogo novo terá um.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Assistir a um código de jogo</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Isto não é um código de jogo do Varn. Um código de jogo começa com “varn”.</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Este código de jogo vem de uma versão mais nova do Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Este código de jogo está danificado: falta um caractere ou ele foi alterado.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Um desafio só tem código depois de terminado.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Recorde:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Salvar pontuação</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Recorde: %1 ponto</numerusform>
            <numerusform>Recorde: %1 pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Pontuação: %1 ponto</numerusform>
            <numerusform>Pontuação: %1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Continuar o último jogo</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Número do jogo…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Jogadas restantes:</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Desafio do dia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copiar código do jogo</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Assistir a um código de jogo…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analisar o jogo</translation>
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
        <translation>Número do jogo</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Este jogo</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Outro jogo</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Um número de jogo é um número inteiro de 1 a %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>desafio do dia, mostrado quando terminar</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>Este é o desafio do dia. Jogue-o com “Desafio do dia” no menu Jogo.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Bem-vindo ao Varn!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn foi desenhado, musicado e programado pela equipe do Varn para todo mundo que curte uma partidinha rápida.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Seu objetivo é tirar pelo menos três figuras iguais de uma vez. Guarde bem seus curingas! As escadas e as bombas às vezes dão uma ajudinha. Junte as joias para ganhar pontos extras: 10 pontos por joia. Você pode girar e espelhar o tabuleiro quando quiser. Quanto mais figuras você tirar, melhor você joga!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Boa sorte e divirta-se!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Setas do teclado</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Mover o cursor no tabuleiro</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Jogar a peça sob o cursor</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Percorrer o tabuleiro e os botões abaixo dele</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Fechar uma caixa de diálogo ou a ajuda</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>O direcional ou a alavanca esquerda: mover o cursor no tabuleiro ou entre os itens de um menu ou de uma caixa de diálogo</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Abrir o menu Jogo; numa caixa de diálogo, apertar o botão principal</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Voltar: fechar um menu, uma caixa de diálogo ou a ajuda</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>Numa caixa de diálogo: apertar o controle selecionado ou abrir um teclado na tela para um campo de texto</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>Numa caixa de diálogo: trocar de página</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Dica, desafio do dia e códigos de jogo</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>“Dica” contorna o grupo a clicar em seguida, encontrado jogando várias ações à frente com as peças que este jogo vai mesmo distribuir.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>“Desafio do dia” distribui o mesmo jogo para todos os jogadores do mundo no mesmo dia: 50 jogadas, uma só vez, sem Desfazer nem Dica. O resultado pode ser compartilhado sem entregar o jogo.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Cada jogo tem um número que define todas as suas peças. “Copiar código do jogo” coloca na área de transferência o número do jogo e o que você fez, numa linha que pode ser colada sem problemas num chat; “Assistir a um código de jogo…” joga de novo uma linha dessas.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Dica: pressione este botão</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Dica: um grupo de %n peça</numerusform>
            <numerusform>Dica: um grupo de %n peças</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>%n ponto agora</numerusform>
            <numerusform>%n pontos agora</numerusform>
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
        <translation>Pontos perdidos ao longo do jogo</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nenhuma ação perdeu um ponto.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 de %2 ações perderam pontos; o máximo, %3, na ação %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Sua pontuação de %1 está na posição %2 entre os melhores jogos.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Seu &amp;nome</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Novo melhor jogo</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Um nome já usado</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Já usados</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Teclado na tela</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>QWERTYUIOP ASDFGHJKLÇ ZXCVBNM ÁÂÃÀÉÊÍÓÔÕÚ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Hífen</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apóstrofo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Ponto final</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Digitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analisar o jogo</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Este jogo não tem código, e portanto não tem análise: não começou com sua própria distribuição, ou um Varn mais antigo o salvou.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analisando o jogo %1…</translation>
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
        <translation>Ação</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdidos</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Análise do jogo %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Precisão de %1 %: %2 pontos feitos, %3 perdidos</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Maiores erros</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Ação %1: %2 pontos perdidos; melhor: %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Nenhuma ação perdeu um ponto.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Nenhuma pontuação foi salva ainda.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>De %1 a %2: a menor %3, a maior %4, a última %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Últimas pontuações: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>varn::ScoresDialog</name>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Melhores jogos</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Jogar este jogo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Melhores jogos</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Jogos jogados</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Pontuações salvas</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Pontuação média</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Desafios</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Assistir</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analisar</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Assistir a um código de jogo</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Código do jogo:</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Assistir</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Analisar</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Assistindo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Parar de assistir</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Jogo %1: ação %2 de %3, velocidade %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Jogo %1: fim, pontuação %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(pausado)</translation>
    </message>
</context>
</TS>

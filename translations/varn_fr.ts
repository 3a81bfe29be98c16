<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>varn</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A click on the board in a game&apos;s review, its row and column counted from 1.</extracomment>
        <translation>Rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
</context>
<context>
    <name>varn::CellName</name>
    <message>
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Oiseau</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Gift box</source>
        <translation>Paquet cadeau</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Flammes</translation>
    </message>
    <message>
        <source>Money bag</source>
        <translation>Sac d’or</translation>
    </message>
    <message>
        <source>Falling weight</source>
        <translation>Poids qui tombe</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Row ladder</source>
        <translation>Échelle de ligne</translation>
    </message>
    <message>
        <source>Column ladder</source>
        <translation>Échelle de colonne</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Gemme</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>A board cell as a screen reader reads it: the piece, then its row and column from 1.</extracomment>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeControl</name>
    <message>
        <source>Today&apos;s challenge needs the computer&apos;s clock set to a day from the year 1970 to 9999.</source>
        <translation>Le défi du jour demande que l’horloge de l’ordinateur soit réglée sur un jour entre les années 1970 et 9999.</translation>
    </message>
    <message>
        <source>You have played today&apos;s challenge.</source>
        <translation>Vous avez déjà joué le défi du jour.</translation>
    </message>
    <message>
        <source>Another program is using the file of your challenges. Try again in a moment.</source>
        <translation>Un autre programme utilise le fichier de vos défis. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Leave the challenge?</source>
        <translation>Quitter le défi ?</translation>
    </message>
    <message>
        <source>The challenge ends now with %1 points, and cannot be played again.</source>
        <translation>Le défi se termine maintenant avec %1 points et ne pourra pas être rejoué.</translation>
    </message>
    <message>
        <source>&amp;Leave the challenge</source>
        <translation>&amp;Quitter le défi</translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Continuer à jouer</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. It can be seen once you have played it.</source>
        <translation>C’est le défi du jour. Vous pourrez le voir une fois que vous l’aurez joué.</translation>
    </message>
    <message>
        <source>Another Varn window is playing your challenge, so this one begins a new game.</source>
        <translation>Une autre fenêtre de Varn joue votre défi ; celle-ci commence donc une nouvelle partie.</translation>
    </message>
</context>
<context>
    <name>varn::ChallengeEndDialog</name>
    <message>
        <source>Challenge of %1</source>
        <translation>Défi du %1</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Rank among your challenges</source>
        <translation>Rang parmi vos défis</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copier le code de la partie</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <translation>Le résultat est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The game code is on the clipboard.</source>
        <translation>Le code de partie est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>being worked out…</source>
        <translation>en cours de calcul…</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>A&amp;nalyser</translation>
    </message>
    <message>
        <source>Watch &amp;par</source>
        <translation>Regarder le &amp;par</translation>
    </message>
</context>
<context>
    <name>varn::ChallengesPage</name>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Défis</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Jours d’affilée : %1</translation>
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
        <translation>Copier le code de la partie</translation>
    </message>
    <message>
        <source>This game has no code: it did not begin with its own deal, or an older Varn saved it. The next new game will have one.</source>
        <translation>Cette partie n’a pas de code : elle n’a pas commencé par sa propre donne, ou une version plus ancienne de Varn l’a enregistrée. La prochaine nouvelle partie en aura un.</translation>
    </message>
    <message>
        <source>Watch a game code</source>
        <translation>Regarder un code de partie</translation>
    </message>
    <message>
        <source>This is no Varn game code. A game code starts with &quot;varn&quot;.</source>
        <translation>Ce n’est pas un code de partie Varn. Un code de partie commence par « varn ».</translation>
    </message>
    <message>
        <source>This game code comes from a newer version of Varn.</source>
        <translation>Ce code de partie vient d’une version plus récente de Varn.</translation>
    </message>
    <message>
        <source>This game code is damaged: a character is missing or changed.</source>
        <translation>Ce code de partie est abîmé : un caractère manque ou a été changé.</translation>
    </message>
    <message>
        <source>A challenge has its code once it is over.</source>
        <translation>Un défi n’a son code qu’une fois terminé.</translation>
    </message>
</context>
<context>
    <name>varn::Form1</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
    <message>
        <source>Hiscore:</source>
        <translation>Record&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter score</source>
        <translation>Enregistrer le score</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message numerus="yes">
        <source>High score %1</source>
        <translation>
            <numerusform>Record&#xa0;: %1 point</numerusform>
            <numerusform>Record&#xa0;: %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1</source>
        <translation>
            <numerusform>Score&#xa0;: %1 point</numerusform>
            <numerusform>Score&#xa0;: %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Continue the last game</source>
        <translation>Continuer la dernière partie</translation>
    </message>
    <message>
        <source>Game number…</source>
        <translation>Numéro de partie…</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Moves left:</source>
        <translation>Coups restants :</translation>
    </message>
    <message>
        <source>Today&apos;s challenge</source>
        <translation>Défi du jour</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Copy game code</source>
        <translation>Copier le code de la partie</translation>
    </message>
    <message>
        <source>Watch a game code…</source>
        <translation>Regarder un code de partie…</translation>
    </message>
    <message>
        <source>Review game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
</context>
<context>
    <name>varn::GameNumberDialog</name>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>&amp;This game</source>
        <translation>&amp;Cette partie</translation>
    </message>
    <message>
        <source>&amp;Other game</source>
        <translation>&amp;Autre partie</translation>
    </message>
    <message>
        <source>A game number is a whole number from 1 to %1.</source>
        <translation>Un numéro de partie est un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>today&apos;s challenge, shown once it is over</source>
        <translation>défi du jour, affiché une fois terminé</translation>
    </message>
    <message>
        <source>This is today&apos;s challenge. Play it with &quot;Today&apos;s challenge&quot; in the Game menu.</source>
        <translation>C’est le défi du jour. Jouez-le avec « Défi du jour » dans le menu Jeu.</translation>
    </message>
</context>
<context>
    <name>varn::HelpPanel</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>varn::HelpText</name>
    <message>
        <source>Welcome to Varn,</source>
        <translation>Bienvenue dans Varn&#xa0;!</translation>
    </message>
    <message>
        <source>Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick game.</source>
        <translation>Varn a été dessiné, mis en musique et programmé par l’équipe Varn pour tous ceux qui aiment les parties rapides.</translation>
    </message>
    <message>
        <source>Your goal is to remove at least the three same images. Keep your helpful jokers. The ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 points per a gem. You can freely rotate and use mirror at any time. The more images you have the better player you are.</source>
        <translation>Le but&#xa0;: faire disparaître d’un coup au moins trois images identiques. Gardez bien vos jokers, ils sont précieux&#xa0;! Les échelles et les bombes vous donneront parfois un coup de main. Reliez les gemmes pour gagner des points en plus&#xa0;: 10 points par gemme. Vous pouvez tourner le plateau ou le retourner à tout moment. Plus vous enlevez d’images, meilleur vous êtes&#xa0;!</translation>
    </message>
    <message>
        <source>Good luck. Have a fun.</source>
        <translation>Bonne chance et amusez-vous bien&#xa0;!</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The credit and the rules run on in one paragraph; a language that sets no space between sentences leaves it out.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Move the cursor on the board</source>
        <translation>Déplacer le curseur sur le plateau</translation>
    </message>
    <message>
        <source>Play the piece under the cursor</source>
        <translation>Jouer la pièce sous le curseur</translation>
    </message>
    <message>
        <source>Go round the board and the buttons under it</source>
        <translation>Passer du plateau aux boutons en dessous, et ainsi de suite</translation>
    </message>
    <message>
        <source>Close a dialog or the help</source>
        <translation>Fermer une boîte de dialogue ou l’aide</translation>
    </message>
    <message>
        <source>The d-pad or the left stick: move the cursor on the board, or between the items of a menu or a dialog</source>
        <translation>Croix directionnelle ou stick gauche : déplacer le curseur sur le plateau, ou passer d’un élément à l’autre d’un menu ou d’une boîte de dialogue</translation>
    </message>
    <message>
        <source>Open the Game menu; in a dialog, press its main button</source>
        <translation>Ouvrir le menu Jeu ; dans une boîte de dialogue, appuyer sur son bouton principal</translation>
    </message>
    <message>
        <source>Go back: close a menu, a dialog or the help</source>
        <translation>Retour : fermer un menu, une boîte de dialogue ou l’aide</translation>
    </message>
    <message>
        <source>In a dialog: press the control that has the focus, or open a keyboard on the screen for a text field</source>
        <translation>Dans une boîte de dialogue : activer l’élément sélectionné, ou ouvrir un clavier à l’écran pour un champ de texte</translation>
    </message>
    <message>
        <source>In a dialog: turn its pages</source>
        <translation>Dans une boîte de dialogue : changer de page</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Hint, today&apos;s challenge and game codes</source>
        <translation>Indice, défi du jour et codes de partie</translation>
    </message>
    <message>
        <source>&quot;Hint&quot; outlines the group to click next, found by playing several actions ahead with the pieces that this game will really deal.</source>
        <translation>« Indice » entoure le groupe à cliquer ensuite, trouvé en jouant plusieurs actions à l’avance avec les pièces que cette partie distribuera vraiment.</translation>
    </message>
    <message>
        <source>&quot;Today&apos;s challenge&quot; deals the same game to every player in the world on the same day: 50 moves, played once, without Undo or Hint. Its result can be shared without giving the game away.</source>
        <translation>« Défi du jour » distribue la même partie à tous les joueurs du monde le même jour : 50 coups, joués une seule fois, sans Annuler ni Indice. Son résultat se partage sans rien dévoiler de la partie.</translation>
    </message>
    <message>
        <source>Every game has a number that fixes all of its pieces. &quot;Copy game code&quot; puts the game&apos;s number and what you did on the clipboard, one line safe to paste in a chat; &quot;Watch a game code…&quot; plays such a line again.</source>
        <translation>Chaque partie a un numéro qui fixe toutes ses pièces. « Copier le code de la partie » place le numéro de la partie et ce que vous avez fait dans le presse-papiers, en une ligne à coller sans risque dans une discussion ; « Regarder un code de partie… » rejoue une telle ligne.</translation>
    </message>
</context>
<context>
    <name>varn::HintView</name>
    <message>
        <source>Hint: press this button</source>
        <extracomment>What a screen reader reads of the picture button that the hint suggests.</extracomment>
        <translation>Indice : appuyez sur ce bouton</translation>
    </message>
    <message numerus="yes">
        <source>Hint: a group of %n pieces</source>
        <extracomment>A group has two pieces or more; a bomb or a ladder counts the pieces it removes.</extracomment>
        <translation>
            <numerusform>Indice : un groupe de %n pièce</numerusform>
            <numerusform>Indice : un groupe de %n pièces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points now</source>
        <extracomment>What the group scores now: 0 for a bomb or a ladder, else three or more.</extracomment>
        <translation>
            <numerusform>%n point maintenant</numerusform>
            <numerusform>%n points maintenant</numerusform>
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
        <translation>Points manqués au fil de la partie</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Aucune action n’a manqué de point.</translation>
    </message>
    <message>
        <source>%1 of %2 actions missed points; the most, %3, at action %4.</source>
        <translation>%1 actions sur %2 ont manqué des points ; le plus, %3, à l’action %4.</translation>
    </message>
</context>
<context>
    <name>varn::NameDialog</name>
    <message>
        <source>Your score of %1 is number %2 in the table of the best games.</source>
        <translation>Votre score de %1 est au rang %2 des meilleures parties.</translation>
    </message>
    <message>
        <source>Your &amp;name</source>
        <translation>Votre &amp;nom</translation>
    </message>
    <message>
        <source>New best game</source>
        <translation>Nouvelle meilleure partie</translation>
    </message>
    <message>
        <source>A name used before</source>
        <extracomment>Said of a button that puts a name used before in the name&apos;s field.</extracomment>
        <translation>Un nom déjà utilisé</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>Used before</source>
        <translation>Déjà utilisés</translation>
    </message>
</context>
<context>
    <name>varn::OnScreenKeyboard</name>
    <message>
        <source>On-screen keyboard</source>
        <translation>Clavier à l’écran</translation>
    </message>
    <message>
        <source>QWERTYUIOP ASDFGHJKL ZXCVBNM</source>
        <extracomment>The letters of the on-screen keyboard, a row of keys for each word, in capitals, as this language&apos;s keyboards set them out; a last row may hold more letters that names need.</extracomment>
        <translation>AZERTYUIOP QSDFGHJKLM WXCVBN ÉÈÊÀÂÇÎÏÔÙ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Majuscule</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Trait d’union</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostrophe</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Full stop</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>varn::PadHints</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Taper</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>varn::ReviewControl</name>
    <message>
        <source>Review game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>This game has no code, and so no review: it did not begin with its own deal, or an older Varn saved it.</source>
        <translation>Cette partie n’a pas de code, donc pas d’analyse : elle n’a pas commencé par sa propre donne, ou une version plus ancienne de Varn l’a enregistrée.</translation>
    </message>
    <message>
        <source>Reviewing game %1…</source>
        <translation>Analyse de la partie %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>varn::ReviewPanel</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouée</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqués</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Analyse de la partie %1</translation>
    </message>
    <message>
        <source>Accuracy %1 %: %2 points made, %3 missed</source>
        <translation>Précision %1 % : %2 points marqués, %3 manqués</translation>
    </message>
    <message>
        <source>Largest misses</source>
        <translation>Plus grosses erreurs</translation>
    </message>
    <message>
        <source>Action %1: %2 points missed; better: %3</source>
        <translation>Action %1 : %2 points manqués ; mieux : %3</translation>
    </message>
    <message>
        <source>No action missed a point.</source>
        <translation>Aucune action n’a manqué de point.</translation>
    </message>
</context>
<context>
    <name>varn::ScorePlot</name>
    <message>
        <source>No score has been entered yet.</source>
        <translation>Aucun score n’a encore été enregistré.</translation>
    </message>
    <message>
        <source>From %1 to %2: lowest %3, highest %4, last %5.</source>
        <translation>Du %1 au %2&#xa0;: le plus bas %3, le plus haut %4, le dernier %5.</translation>
    </message>
    <message>
        <source>Recent scores: %1</source>
        <translation>Derniers scores&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
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
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Best games</source>
        <translation>&amp;Meilleures parties</translation>
    </message>
    <message>
        <source>&amp;Play this game</source>
        <translation>&amp;Jouer cette partie</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Meilleures parties</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games entered</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>&amp;Challenges</source>
        <translation>&amp;Défis</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>A&amp;nalyser</translation>
    </message>
</context>
<context>
    <name>varn::WatchCodeDialog</name>
    <message>
        <source>Watch a game code</source>
        <translation>Regarder un code de partie</translation>
    </message>
    <message>
        <source>&amp;Game code:</source>
        <translation>&amp;Code de la partie :</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>A&amp;nalyser</translation>
    </message>
</context>
<context>
    <name>varn::WatchPlayer</name>
    <message>
        <source>Watching</source>
        <translation>Visionnage</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Arrêter de regarder</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Game %1: action %2 of %3, speed %4×</source>
        <translation>Partie %1 : action %2 sur %3, vitesse %4×</translation>
    </message>
    <message>
        <source>Game %1: the end, score %2</source>
        <translation>Partie %1 : fin, score %2</translation>
    </message>
    <message>
        <source>(paused)</source>
        <translation>(en pause)</translation>
    </message>
</context>
</TS>

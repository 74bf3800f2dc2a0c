<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Marbix</source>
        <translation>À propos de Marbix</translation>
    </message>
    <message>
        <source>Marbix  -  (Windows) version 1.2</source>
        <translation>Marbix  -  (Windows) version 1.2</translation>
    </message>
    <message>
        <source>by the Marbix developers, 2025</source>
        <translation>par l&apos;équipe de Marbix, 2025</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>( to be continued ... )</source>
        <translation>( à suivre ... )</translation>
    </message>
</context>
<context>
    <name>CCellAccessible</name>
    <message>
        <source>dark red</source>
        <translation>rouge foncé</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <translation>Colonne %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>announced %1 ball</source>
        <translation>boule %1 annoncée</translation>
    </message>
    <message>
        <source>selected %1 ball</source>
        <translation>boule %1 sélectionnée</translation>
    </message>
    <message>
        <source>%1 ball</source>
        <translation>boule %1</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Usage: marbix [--help | --version]</source>
        <translation>Utilisation : marbix [--help | --version]</translation>
    </message>
    <message>
        <source>Move coloured balls into rows of five on a 9 x 9 board.</source>
        <translation>Alignez des boules de couleur par cinq sur un plateau de 9 x 9.</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.</source>
        <translation>Touches : flèches et Espace ou Entrée jouent sur le plateau, F2 commence,
F3 arrête, Retour arrière annule, F4 passe, F5 met en pause, F1 à propos.</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>option inconnue</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argument inattendu</translation>
    </message>
    <message>
        <source>missing value after</source>
        <translation>valeur manquante après</translation>
    </message>
    <message>
        <source>Try &apos;marbix --help&apos; for more information.</source>
        <translation>Essayez &apos;marbix --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>watch a recorded game (marbix-headless --verify FILE checks one)</source>
        <translation>regarder une partie enregistrée (marbix-headless --verify FILE la vérifie)</translation>
    </message>
</context>
<context>
    <name>CHallWatching</name>
    <message>
        <source>Stop the game to watch a recorded one.</source>
        <translation>Arrêtez la partie pour en regarder une enregistrée.</translation>
    </message>
    <message>
        <source>There is no recorded game for this line of the hall of fame.</source>
        <translation>Aucune partie enregistrée pour cette ligne du tableau d'honneur.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>La partie n'a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>Save this game as</source>
        <translation>Enregistrer cette partie sous</translation>
    </message>
    <message>
        <source>Recorded games (*%1)</source>
        <translation>Parties enregistrées (*%1)</translation>
    </message>
    <message>
        <source>Watch this game</source>
        <translation>Regarder cette partie</translation>
    </message>
    <message>
        <source>Save this game as…</source>
        <translation>Enregistrer cette partie sous…</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>You have been playing for :%1 h %2 m %3 s</source>
        <translation>Temps de jeu :%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>Marbix - paused</source>
        <translation>Marbix - en pause</translation>
    </message>
    <message>
        <source>Press OK to continue the game</source>
        <translation>Appuyez sur OK pour reprendre la partie</translation>
    </message>
    <message>
        <source>How to play Marbix</source>
        <translation>Comment jouer à Marbix</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please, enter your name :</source>
        <translation>Entrez votre nom :</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Marbix registration</source>
        <translation>Marbix - inscription</translation>
    </message>
    <message>
        <source>Your result could not be saved in the hall of fame: %1</source>
        <translation>Votre résultat n&apos;a pas pu être enregistré dans le palmarès : %1</translation>
    </message>
</context>
<context>
    <name>CPictureWords</name>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused...</source>
        <translation>En pause...</translation>
    </message>
</context>
<context>
    <name>CScoreBar</name>
    <message>
        <source>Time :</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>The best players known :</source>
        <translation>Les meilleurs joueurs connus :</translation>
    </message>
    <message>
        <source>Score :</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time left for this move</source>
        <translation>Temps restant pour ce coup</translation>
    </message>
    <message>
        <source>The best players known</source>
        <translation>Les meilleurs joueurs connus</translation>
    </message>
</context>
<context>
    <name>CWatcher</name>
    <message>
        <source>This file cannot be watched: %1</source>
        <translation>Ce fichier ne peut pas être regardé : %1</translation>
    </message>
    <message>
        <source>an unnamed player</source>
        <translation>un joueur sans nom</translation>
    </message>
    <message>
        <source>This game does not reproduce its recorded score of %1 points. Escape or Start ends the watching.</source>
        <translation>Cette partie ne retrouve pas son score enregistré de %1 points. Échap ou Commencer met fin au visionnage.</translation>
    </message>
    <message>
        <source>End of the game of %1, %2 points. Left steps back, Escape or Start ends the watching.</source>
        <translation>Fin de la partie de %1, %2 points. Gauche revient d'un pas, Échap ou Commencer met fin au visionnage.</translation>
    </message>
    <message>
        <source>Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape or Start ends the watching.</source>
        <translation>En pause : la partie de %1, %2 points. Espace reprend, Gauche et Droite avancent pas à pas, Échap ou Commencer met fin au visionnage.</translation>
    </message>
    <message>
        <source>Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right step, + and - change the speed, Escape or Start ends the watching.</source>
        <translation>La partie de %1, %2 points, à %3 %. Espace met en pause, Gauche et Droite avancent pas à pas, + et - changent la vitesse, Échap ou Commencer met fin au visionnage.</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Start	F2</source>
        <translation>Commencer	F2</translation>
    </message>
    <message>
        <source>Stop	F3</source>
        <translation>Arrêter	F3</translation>
    </message>
    <message>
        <source>Undo	BckSpc</source>
        <translation>Annuler	Retour arrière</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Classical style</source>
        <translation>Style classique</translation>
    </message>
    <message>
        <source>&amp;Advanced style</source>
        <translation>Style &amp;avancé</translation>
    </message>
    <message>
        <source>Non-round balls</source>
        <translation>Boules de formes différentes</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Save &amp;options on exit</source>
        <translation>Enregistrer les &amp;options en quittant</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>About Marbix...	F1</source>
        <translation>À propos de Marbix...	F1</translation>
    </message>
</context>
<context>
    <name>rules</name>
    <message>
        <source>    The main idea of the game is to move away as many balls as you can
( each ball adds 2 to your score ). Balls of equal color disappear as you
build a line of them - with a minimum of 5 balls in a line ( two such lines
of the same color may cross and then disappear simultaneously ).
    You can move a ball by selecting it with your mouse ( then it smiles, but
turns sad as you choose another ) and clicking a field where it must go to -
it will, if the field is accessible ( i.e. there is a path of horzontal and/or
vertical free cells ). After each movement new three balls are thrown in.
    When using advanced game style, you can undo the last movement, and
see where the next balls will fall, but you&apos;re limited with 30 seconds per a move.</source>
        <translation>    Le but du jeu est de retirer autant de boules que possible
( chaque boule rapporte 2 points ). Les boules de même couleur disparaissent
dès qu&apos;elles forment une ligne d&apos;au moins 5 boules ( deux lignes de même
couleur peuvent se croiser et disparaissent alors ensemble ).
    Pour déplacer une boule, sélectionnez-la avec la souris ( elle sourit
alors, mais devient triste si vous en choisissez une autre ) puis cliquez sur
la case où elle doit aller : elle s&apos;y rend si la case est accessible ( c&apos;est-à-dire
si un chemin de cases libres, horizontal et/ou vertical, y mène ). Après chaque
déplacement, trois nouvelles boules arrivent.
    En style avancé, vous pouvez annuler le dernier coup et voir où tomberont
les prochaines boules, mais chaque coup est limité à 30 secondes.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Marbix forever ...</source>
        <translation>Marbix pour toujours ...</translation>
    </message>
    <message>
        <source>You have been playing for : 0 h 00 m 00 s</source>
        <translation>Temps de jeu : 0 h 00 min 00 s</translation>
    </message>
    <message>
        <source>Marbix</source>
        <translation>Marbix</translation>
    </message>
    <message>
        <source>Don&apos;t worry, be happy !!!</source>
        <translation>Ne t&apos;en fais pas, sois heureux !!!</translation>
    </message>
    <message>
        <source>Start a new game
Start</source>
        <translation>Commence une nouvelle partie
Commencer</translation>
    </message>
    <message>
        <source>Stop the currently playing game
Stop</source>
        <translation>Arrête la partie en cours
Arrêter</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annule la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Skip the move - do nothing
Skip</source>
        <translation>Passe ce coup - ne fait rien
Passer</translation>
    </message>
    <message>
        <source>Pause the game
Pause</source>
        <translation>Met la partie en pause
Pause</translation>
    </message>
    <message>
        <source>Forces classical game style : no new toys</source>
        <translation>Force le style classique : pas de nouveaux jouets</translation>
    </message>
    <message>
        <source>Turns on all these new features</source>
        <translation>Active toutes ces nouveautés</translation>
    </message>
    <message>
        <source>Enables/Disables game sounds</source>
        <translation>Active/désactive les sons du jeu</translation>
    </message>
    <message>
        <source>Switches saving on/off</source>
        <translation>Active/désactive l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&quot;Balls&quot; can be of different shape - for B/W monitors</source>
        <translation>Les « boules » peuvent avoir des formes différentes - pour écrans N/B</translation>
    </message>
    <message>
        <source>Display game rules</source>
        <translation>Affiche les règles du jeu</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Affiche les informations sur le programme, sa version et son copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Quitte l&apos;application
Quitter</translation>
    </message>
    <message>
        <source>Slow and steady wins the race.</source>
        <translation>Rien ne sert de courir, il faut partir à point.</translation>
    </message>
    <message>
        <source>A journey of a thousand miles
begins with a single step.</source>
        <translation>Un voyage de mille lieues
commence toujours par un premier pas.</translation>
    </message>
    <message>
        <source>Five in a row, and the row is gone:
so goes the board, so goes the dawn.
</source>
        <translation>Cinq en ligne, et la ligne s&apos;en va :
ainsi va le plateau, ainsi vient le jour.
</translation>
    </message>
    <message>
        <source>Patience is bitter, but its fruit is sweet.</source>
        <translation>La patience est amère, mais son fruit est doux.</translation>
    </message>
    <message>
        <source>Every ball has its place,
and every place its ball.</source>
        <translation>Chaque boule a sa place,
et chaque place sa boule.</translation>
    </message>
    <message>
        <source>Well begun is half done.</source>
        <translation>Bien commencé est à moitié fait.</translation>
    </message>
    <message>
        <source>The board is small, the hours are long,
the smiling balls still sing their song.
</source>
        <translation>Le plateau est petit, les heures sont longues,
les boules sourient et chantent en chœur.
</translation>
    </message>
    <message>
        <source>Fortune favours the bold.</source>
        <translation>La fortune sourit aux audacieux.</translation>
    </message>
    <message>
        <source>Look before you leap.</source>
        <translation>Réfléchis avant d&apos;agir.</translation>
    </message>
    <message>
        <source>Many hands make light work,
but one mouse moves the balls.
</source>
        <translation>L&apos;union fait la force,
mais une seule souris déplace les boules.
</translation>
    </message>
    <message>
        <source>Still waters run deep.</source>
        <translation>Il n&apos;est pire eau que l&apos;eau qui dort.</translation>
    </message>
    <message>
        <source>Where there is a path, there is a way.</source>
        <translation>Là où il y a un chemin, il y a un passage.</translation>
    </message>
    <message>
        <source>Blue goes with blue, and red with red;
the others wait for the turn ahead.</source>
        <translation>Le bleu au bleu, le rouge au rouge ;
les autres attendent que leur tour bouge.</translation>
    </message>
    <message>
        <source>Haste makes waste.</source>
        <translation>Hâte-toi lentement.</translation>
    </message>
    <message>
        <source>A sad ball is a ball not chosen yet.</source>
        <translation>Une boule triste n&apos;a pas encore été choisie.</translation>
    </message>
    <message>
        <source>Tomorrow is another day.</source>
        <translation>Demain est un autre jour.</translation>
    </message>
    <message>
        <source>The best move is always the next one.</source>
        <translation>Le meilleur coup est toujours le prochain.</translation>
    </message>
    <message>
        <source>Enjoying yourself ?</source>
        <translation>Vous vous amusez ?</translation>
    </message>
</context>
</TS>

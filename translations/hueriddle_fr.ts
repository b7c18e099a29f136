<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/board/BoardWindow.cpp" line="+95"/>
        <source>Answer row</source>
        <extracomment>Read by screen readers: the row below the board where the secret shows at the end of a game.</extracomment>
        <translation>Rangée de la solution</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Answer, position %1</source>
        <extracomment>Read by screen readers before a peg of the answer row; %1 is its position, 1 to 4 from the left.</extracomment>
        <translation>Solution, position %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Answer</source>
        <extracomment>Title of the box around the answer row.</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Rows and scores</source>
        <extracomment>Read by screen readers: the board&apos;s eight rows with the score beside each.</extracomment>
        <translation>Rangées et marques</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="+295"/>
        <source>Row %1</source>
        <extracomment>Read by screen readers before the score of a row; %1 is the row&apos;s number, 1 at the top.</extracomment>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Row %1, position %2</source>
        <extracomment>Read by screen readers before a peg of the board; %1 is the row, 1 at the top, %2 the position, 1 to 4 from the left.</extracomment>
        <translation>Rangée %1, position %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+32"/>
        <source>Board</source>
        <extracomment>Title of the box around the eight rows of the board.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Board and answer</source>
        <extracomment>Read by screen readers: the board window&apos;s content.</extracomment>
        <translation>Plateau et solution</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Board: %1 secrets still possible</source>
        <extracomment>The board box&apos;s title while the preference &quot;Show how many secrets are still possible&quot; is on; %1 is the number of secrets that agree with every scored row.</extracomment>
        <translation>Plateau&#xa0;: encore %1 codes possibles</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Main menu</source>
        <extracomment>Read by screen readers: the menu bar of the board window.</extracomment>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../src/app/dialogs/InfoPanel.cpp" line="+19"/>
        <source>Hueriddle</source>
        <extracomment>The board window&apos;s title before a game starts: the program&apos;s name.
----------
The program&apos;s name, shown large in the about window.</extracomment>
        <translation>Hueriddle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hueriddle board</source>
        <extracomment>Read by screen readers: the name of the board window.</extracomment>
        <translation>Plateau de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/board/PaletteWindow.cpp" line="+33"/>
        <source>Colors</source>
        <extracomment>Read by screen readers: the six colour pegs of the palette.</extracomment>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Palette</source>
        <comment>label of a colour peg</comment>
        <extracomment>Read by screen readers before a palette colour&apos;s name (&quot;Palette: red&quot;). The same word as the window&apos;s title, but it may need another form before a colour&apos;s name.</extracomment>
        <translation>Palette</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Key %1: %2</source>
        <extracomment>Tool tip of a palette colour; %1 is the key that places it, %2 the colour&apos;s name (&quot;Key 1: red&quot;).</extracomment>
        <translation>Touche %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A %1 peg, key %2</source>
        <extracomment>Read by screen readers for a palette colour; %1 is the colour&apos;s name (translated alone), %2 the digit key that places it.</extracomment>
        <translation>Un pion %1, touche %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+107"/>
        <location line="+9"/>
        <source>Palette</source>
        <extracomment>Title of the small window holding the six colours; the help names it (&quot;the Palette window&quot;).</extracomment>
        <translation>Palette</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hueriddle palette</source>
        <extracomment>Read by screen readers: the name of the palette window.</extracomment>
        <translation>Palette de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-67"/>
        <source>Hueriddle Help</source>
        <extracomment>Title of the help window.</extracomment>
        <translation>Aide de Hueriddle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help text</source>
        <extracomment>Read by screen readers: the help window&apos;s text.</extracomment>
        <translation>Texte de l’aide</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Nouvelle partie avec remise</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Nouvelle partie sans remise</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Valider la rangée active</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Masquer les deux fenêtres</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show the help window</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Afficher la fenêtre d’aide</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+76"/>
        <source>blue</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: blue&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>bleu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>green</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: green&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>vert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cyan</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: cyan&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>cyan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: red&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>magenta</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: magenta&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yellow</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: yellow&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>jaune</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Placer un pion %1 dans le premier emplacement libre de la rangée active</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Retirer le pion le plus à droite de la rangée active</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+34"/>
        <source>How to play Hueriddle</source>
        <extracomment>The help&apos;s main heading.</extracomment>
        <translation>Comment jouer à Hueriddle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <extracomment>The help&apos;s first paragraph. The colours are listed in their codes&apos; order; a guess is one row the player commits.</extracomment>
        <translation>L’ordinateur cache un code secret de quatre couleurs parmi six&#xa0;: bleu, vert, cyan, rouge, magenta et jaune. Trouvez-le en huit essais au plus.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <extracomment>%1 is the palette window&apos;s title, %2 the menu path of the Commit command (&quot;Game &gt; Commit&quot;), both in bold. The &quot;pegs&quot; of the active row are its four places; &quot;second frame&quot;: the active row&apos;s places are drawn with a second ring.</extracomment>
        <translation>On commence par la rangée du haut du plateau et on descend&#xa0;; les emplacements de la rangée active ont un second cadre. Faites glisser une couleur de la fenêtre %1 sur chacun de ses quatre emplacements, et déposez une autre couleur sur un pion pour le changer. Quand la rangée est pleine, choisissez %2.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+36"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+6"/>
        <location line="+39"/>
        <location line="+13"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="-86"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-51"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+11"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <extracomment>How a row is scored; key pegs are the small black and white pegs beside each row.</extracomment>
        <translation>Chaque rangée validée reçoit sa marque à côté d’elle&#xa0;: une fiche noire pour chaque pion de la bonne couleur bien placé, une fiche blanche pour chaque autre couleur présente ailleurs dans le code secret. Quatre fiches noires, et c’est gagné&#xa0;; si la huitième rangée ne trouve pas le code, la partie est perdue. Dans les deux cas, le code secret apparaît alors dans la rangée de la solution, sous le plateau.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Two variants</source>
        <extracomment>A heading of the help.</extracomment>
        <translation>Deux variantes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <extracomment>%1 is the menu item &quot;With replacement&quot;, in bold.</extracomment>
        <translation>%1&#xa0;: une couleur peut apparaître plusieurs fois dans le code secret et dans un essai.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+2"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="-228"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Avec remise</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <extracomment>%1 is the menu item &quot;Without replacement&quot;, in bold.</extracomment>
        <translation>%1&#xa0;: le code secret a quatre couleurs différentes, et un essai qui répète une couleur est refusé.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="+0"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Sans remise</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+5"/>
        <source>Start a game of either kind from %1.</source>
        <extracomment>%1 is the menu path &quot;Game &gt; New game&quot;, in bold.</extracomment>
        <translation>Lancez une partie de l’une ou l’autre variante depuis %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+97"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+4"/>
        <source>Let the computer move</source>
        <extracomment>A heading of the help, about the Move command.</extracomment>
        <translation>Laisser jouer l’ordinateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <extracomment>%1 is the menu path of the Move command (&quot;Game &gt; Move&quot;), in bold.</extracomment>
        <translation>%1 joue la rangée active à votre place&#xa0;: l’ordinateur y place la première combinaison, dans un ordre fixe, qui s’accorde avec toutes les marques obtenues jusque-là, et la valide. Vous et l’ordinateur pouvez jouer à tour de rôle dans une même partie.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Coup</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+4"/>
        <source>Preferences</source>
        <extracomment>A heading of the help, about the preferences window.</extracomment>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 has the options below. They apply at once and are kept for the next start.</source>
        <extracomment>%1 is the menu path &quot;Info &gt; Preferences...&quot;, in bold.</extracomment>
        <translation>%1 propose les options ci-dessous. Elles s’appliquent aussitôt et sont gardées pour le prochain lancement.</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="+25"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <extracomment>%1 is the check box &quot;Color marks&quot; of the preferences, in bold.</extracomment>
        <translation>%1&#xa0;: chaque pion de couleur porte un symbole noir ou blanc dont la forme indique sa couleur, pour qui distingue mal certaines couleurs. Le rouge a un triangle pointe en haut, le vert une croix, le jaune un triangle pointe en bas, le bleu deux barres horizontales, le magenta un anneau et le cyan deux barres verticales.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Color marks</source>
        <extracomment>A check box: a black or white symbol on each coloured peg tells its colour by shape. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>&amp;Symboles de couleur</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <extracomment>%1 is the check box &quot;Outlined key pegs&quot; of the preferences, in bold.</extracomment>
        <translation>%1&#xa0;: chaque fiche blanche reçoit un contour sombre, pour se détacher d’un emplacement vide.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Outlined key pegs</source>
        <extracomment>A check box: the white key pegs of the scores get a dark outline. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>Fiches &amp;cerclées</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: during a game, the title of the board&apos;s box tells how many secrets still agree with every scored row.</source>
        <extracomment>%1 is the check box &quot;Show how many secrets are still possible&quot;, in bold.</extracomment>
        <translation>%1&#xa0;: pendant une partie, le titre du plateau indique combien de possibilités il reste pour le code secret, d’après toutes les rangées marquées.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Show how many secrets are still possible</source>
        <extracomment>A preference, off by default; the count shows in the title of the board&apos;s box.</extracomment>
        <translation>&amp;Afficher le nombre de codes encore possibles</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1: a game left unfinished when the program ends, even by a logout or a crash, comes back as it was at the next start. This option alone is on at first.</source>
        <extracomment>%1 is the check box &quot;Resume an unfinished game&quot; of the preferences, in bold.</extracomment>
        <translation>%1&#xa0;: une partie laissée inachevée à la fermeture du programme, même par une déconnexion ou un plantage, revient telle quelle au démarrage suivant. Seule cette option est activée au départ.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+13"/>
        <source>Statistics</source>
        <extracomment>A heading of the help, about the statistics window.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every game that ends is kept in the history of your games. %1 shows, for each variant, the games played, won, lost and abandoned, the win rate, the winning streaks, the average rows of a win and the wins without Move, with a chart of wins by the number of rows beside the losses; and it looks back at the last game row by row. Reset statistics moves the history aside into a file of its own; nothing is deleted.</source>
        <extracomment>%1 is the menu path &quot;Info &gt; Statistics...&quot;, in bold.</extracomment>
        <translation>Chaque partie terminée est gardée dans l’historique de vos parties. %1 montre, pour chaque variante, les parties jouées, gagnées, perdues et abandonnées, le taux de victoire, les séries de victoires, le nombre moyen de rangées d’une victoire et les victoires sans Coup, avec un graphique des victoires selon le nombre de rangées à côté des défaites&#xa0;; et il revient sur la dernière partie rangée par rangée. Réinitialiser les statistiques met l’historique de côté dans un fichier à part&#xa0;; rien n’est effacé.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Once a game is over, each score&apos;s tooltip tells how many secrets were still possible before and after its row, and whether the row&apos;s guess could have been the secret.</source>
        <extracomment>Help text on the tooltips of the scores once a game is over.</extracomment>
        <translation>Une fois la partie finie, l’infobulle de chaque marque indique combien de possibilités il restait pour le code secret avant et après sa rangée, et si l’essai de la rangée pouvait être le code secret.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keys</source>
        <extracomment>A heading of the help, over the table of keys.</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The keys work whichever of the two windows is active.</source>
        <extracomment>The two windows: the board and the palette.</extracomment>
        <translation>Les touches fonctionnent quelle que soit la fenêtre active.</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/InfoPanel.cpp" line="-5"/>
        <source>Info Panel</source>
        <extracomment>Title of the about window, opened from Info &gt; Info Panel...</extracomment>
        <translation>Panneau d’informations</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <extracomment>The about window&apos;s one-line description of the game; the desktop entry&apos;s GenericName says the same (&quot;Code-Breaking Game&quot;).</extracomment>
        <translation>Un jeu de déchiffrement de code&#xa0;: trouvez quatre couleurs cachées parmi six.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-34"/>
        <location line="+20"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the statistics, the preferences and the help.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Panneau d’informations...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+1"/>
        <source>Statistics...</source>
        <extracomment>Menu item under Info: opens the statistics of the games played.</extracomment>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-20"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Préférences...</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation>Aide...</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Hide</source>
        <extracomment>Item of the menu bar: minimises both windows.</extracomment>
        <translation>Masquer</translation>
    </message>
    <message>
        <location filename="../src/game/Controller.cpp" line="+274"/>
        <source>Hueriddle (without replacement)</source>
        <extracomment>The board window&apos;s title during a game of four different colours.</extracomment>
        <translation>Hueriddle (sans remise)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (avec remise)</translation>
    </message>
    <message>
        <location line="-199"/>
        <location line="+9"/>
        <source>Alert</source>
        <extracomment>Title of a notice about a row that cannot be committed; its message says why. A gentle notice, not a warning of danger.</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <extracomment>Message of a notice: Commit was chosen before the four pegs of the active row had a colour.</extracomment>
        <translation>Les quatre couleurs doivent être placées.</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>OK</source>
        <extracomment>The one button of every alert.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>No double colors, please.</source>
        <extracomment>Message of a notice: a game without replacement refuses a row that has a colour twice.</extracomment>
        <translation>Pas de couleur en double, s’il vous plaît.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Congratulations!</source>
        <extracomment>Title of the alert that ends a won game.</extracomment>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You win.</source>
        <extracomment>Message of the alert that ends a won game.</extracomment>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over.</source>
        <extracomment>Title of the alert that ends a game lost after the eighth row.</extracomment>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lose.</source>
        <extracomment>Message of the alert that ends a lost game.</extracomment>
        <translation>Vous avez perdu.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+35"/>
        <source>empty</source>
        <extracomment>Read by screen readers after a peg&apos;s label for a hole with no colour (&quot;Row 1, position 2: empty&quot;).</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>black</source>
        <extracomment>Read by screen readers: the colour of a peg that is black.</extracomment>
        <translation>noir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>white</source>
        <extracomment>Read by screen readers: the colour of a peg that is white.</extracomment>
        <translation>blanc</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>color %1</source>
        <extracomment>Read by screen readers for a colour that has no name; %1 is its hex code, such as #ff808080.</extracomment>
        <translation>couleur %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+30"/>
        <source>%1: %2</source>
        <extracomment>Read by screen readers: a peg&apos;s label, then its colour or a score (&quot;Row 1, position 2: red&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+18"/>
        <source>A %1 peg</source>
        <extracomment>Read by screen readers; %1 is a colour&apos;s name, translated alone (&quot;A red peg&quot;).</extracomment>
        <translation>Un pion %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>An empty hole</source>
        <extracomment>Read by screen readers for a place of the board with no peg in it.</extracomment>
        <translation>Un emplacement vide</translation>
    </message>
    <message>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="-33"/>
        <source>Games played</source>
        <extracomment>Statistics: games played (won, lost or abandoned).</extracomment>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Won</source>
        <extracomment>Statistics: games won.</extracomment>
        <translation>Gagnées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost</source>
        <extracomment>Statistics: games lost (eight rows without finding the secret).</extracomment>
        <translation>Perdues</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Abandoned</source>
        <extracomment>Statistics: games given up by starting a new game.</extracomment>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Win rate</source>
        <extracomment>Statistics: won games out of those played, in percent.</extracomment>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak</source>
        <extracomment>Statistics: wins in a row up to the last game.</extracomment>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Best winning streak</source>
        <extracomment>Statistics: the most wins in a row.</extracomment>
        <translation>Meilleure série de victoires</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average rows of a win</source>
        <extracomment>Statistics: the mean number of rows of a won game.</extracomment>
        <translation>Rangées par victoire en moyenne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins without Move</source>
        <extracomment>Statistics: games won without using the &quot;Move&quot; command.</extracomment>
        <translation>Victoires sans Coup</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hueriddle Statistics</source>
        <extracomment>The title of the statistics window.</extracomment>
        <translation>Statistiques de Hueriddle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Last game</source>
        <extracomment>The box that looks back at the last game, row by row.</extracomment>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Guess</source>
        <extracomment>Column of the last game&apos;s table: the colors of a row&apos;s guess.</extracomment>
        <translation>Essai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score</source>
        <extracomment>Column of the last game&apos;s table: the row&apos;s score.</extracomment>
        <translation>Marque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible before</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible before the row.</extracomment>
        <translation>Possibles avant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible after</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible after the row.</extracomment>
        <translation>Possibles après</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could win</source>
        <extracomment>Column of the last game&apos;s table: whether the guess could have been the secret.</extracomment>
        <translation>Pouvait gagner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the last game</source>
        <extracomment>The accessible name of the table that looks back at the last game.</extracomment>
        <translation>Rangées de la dernière partie</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Reset statistics...</source>
        <extracomment>Button of the statistics window; it asks before moving the history aside.</extracomment>
        <translation>&amp;Réinitialiser les statistiques...</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>%1 %</source>
        <extracomment>A win rate; %1 is the percentage, written with the locale&apos;s digits.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 damaged or unknown lines of the history were skipped; the file keeps them.</source>
        <extracomment>%1 is a number of lines of the history file that could not be read.</extracomment>
        <translation>%1 lignes abîmées ou inconnues de l’historique ont été ignorées&#xa0;; le fichier les garde.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 games of a later version of Hueriddle are kept but not counted.</source>
        <extracomment>%1 is a number of games written by a newer version of the program.</extracomment>
        <translation>%1 parties d’une version plus récente de Hueriddle sont gardées mais pas comptées.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No game has ended yet.</source>
        <extracomment>Shown in the &quot;Last game&quot; box before any game has ended.</extracomment>
        <translation>Aucune partie n’est encore terminée.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Won on row %1.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows it took.</extracomment>
        <translation>Gagnée à la rangée %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost.</source>
        <translation>Perdue.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Abandoned after %1 rows.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows committed before a new game.</extracomment>
        <translation>Abandonnée après %1 rangées.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2. %3 The secret: %4.</source>
        <extracomment>The last game in a sentence: %1 the variant, %2 the date and time, %3 its result, %4 the secret&apos;s colors.</extracomment>
        <translation>%1, %2. %3 Le code secret&#xa0;: %4.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (Move)</source>
        <extracomment>A guess the computer played; %1 lists its colors.</extracomment>
        <translation>%1 (Coup)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/views/Result.cpp" line="+54"/>
        <source>%1 black, %2 white</source>
        <extracomment>Read by screen readers after a row&apos;s label: what its score shows, %1 black key pegs (right colour, right place), %2 white ones (right colour, other place).</extracomment>
        <translation>noires&#xa0;: %1, blanches&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset statistics</source>
        <extracomment>Title of the question asked before the statistics are reset.</extracomment>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start the statistics afresh? The history of your games is kept in a file of its own, not deleted.</source>
        <extracomment>The question asked before the statistics are reset.</extracomment>
        <translation>Recommencer les statistiques&#xa0;? L’historique de vos parties est gardé dans un fichier à part, pas effacé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <extracomment>The button that confirms the reset of the statistics.</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+8"/>
        <source>%1 in the right place, %2 in another place</source>
        <extracomment>A row&apos;s score explained for screen readers: %1 pegs of the right colour in the right place, %2 of a right colour in another place.</extracomment>
        <translation>bien placées&#xa0;: %1, mal placées&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferencesWindow.cpp" line="+38"/>
        <source>Hueriddle Preferences</source>
        <extracomment>Title of the preferences window.</extracomment>
        <translation>Préférences de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="-48"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <extracomment>The explanation under the check box &quot;Color marks&quot;.</extracomment>
        <translation>Chaque pion de couleur porte un symbole noir ou blanc dont la seule forme indique sa couleur.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <extracomment>The explanation under the check box &quot;Outlined key pegs&quot;; an empty place is a hole of the board with no peg.</extracomment>
        <translation>Les fiches blanches reçoivent un contour sombre, pour se détacher des emplacements vides.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>During a game, the board&apos;s title tells how many secrets still agree with every scored row.</source>
        <extracomment>Explains the preference &quot;Show how many secrets are still possible&quot;.</extracomment>
        <translation>Pendant une partie, le titre du plateau indique combien de possibilités il reste pour le code secret, d’après toutes les rangées marquées.</translation>
    </message>
    <message>
        <location filename="../src/app/board/Hindsight.cpp" line="+28"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could have been the secret.</source>
        <translation>Avant cette rangée, il restait %1 possibilités pour le code secret, après elle %2. Cet essai pouvait être le code secret.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could no longer be the secret.</source>
        <extracomment>As above, for a guess that no longer agreed with the earlier rows.</extracomment>
        <translation>Avant cette rangée, il restait %1 possibilités pour le code secret, après elle %2. Cet essai ne pouvait plus être le code secret.</translation>
    </message>
    <message>
        <location filename="../src/app/statistics/WinsChart.cpp" line="+25"/>
        <source>Wins by rows</source>
        <extracomment>The name of the chart of wins by rows, for screen readers.</extracomment>
        <translation>Victoires par rangées</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 rows: %2</source>
        <extracomment>One entry of the chart&apos;s text: %1 rows played, %2 games won with that many.</extracomment>
        <translation>%1 rangées&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins by the number of rows: %1. Lost: %2.</source>
        <extracomment>The chart of wins by rows as text for screen readers; %1 lists &quot;rows: wins&quot; entries, %2 is the number of games lost.</extracomment>
        <translation>Victoires selon le nombre de rangées&#xa0;: %1. Perdues&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>lost</source>
        <extracomment>Label under the bar of lost games in the chart of wins by rows; keep it short.</extracomment>
        <translation>perd.</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="+11"/>
        <source>&amp;Resume an unfinished game</source>
        <extracomment>A preference, on by default: the game left unfinished comes back at the next start.</extracomment>
        <translation>&amp;Reprendre une partie inachevée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game left unfinished when the program ends comes back as it was at the next start; otherwise every start begins a new game.</source>
        <extracomment>Explains the preference &quot;Resume an unfinished game&quot;.</extracomment>
        <translation>Une partie laissée inachevée à la fermeture du programme revient telle quelle au démarrage suivant&#xa0;; sinon, chaque démarrage commence une nouvelle partie.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-58"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>La fenêtre %1 s’ouvre à côté du plateau et reste au-dessus de lui. Déplacez l’une ou l’autre fenêtre où vous voulez&#xa0;: les deux s’ouvriront de nouveau à cet endroit au prochain lancement.</translation>
    </message>
</context>
</TS>

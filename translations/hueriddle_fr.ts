<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation>Rangée de la solution</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation>Solution, position %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation>Solution</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation>Rangées et marques</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+296"/>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation>Rangée %1, position %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+31"/>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Board and answer</source>
        <translation>Plateau et solution</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Board: %1 secrets still possible</source>
        <extracomment>The board box&apos;s title while the preference &quot;Show how many secrets are still possible&quot; is on; %1 is the number of secrets that agree with every scored row.</extracomment>
        <translation>Plateau&#xa0;: encore %1 codes possibles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/InfoPanel.cpp" line="+17"/>
        <source>Hueriddle</source>
        <translation>Hueriddle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle board</source>
        <translation>Plateau de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation>Touche %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation>Un pion %1, touche %2</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+94"/>
        <location filename="../src/app/PaletteWindow.cpp" line="-20"/>
        <location line="+14"/>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="-13"/>
        <source>Hueriddle palette</source>
        <translation>Palette de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-48"/>
        <source>Hueriddle Help</source>
        <translation>Aide de Hueriddle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
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
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Afficher cette aide</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+74"/>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Placer un pion %1 dans le premier trou libre de la rangée active</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation>Comment jouer à Hueriddle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation>L&apos;ordinateur cache un code secret de quatre couleurs parmi six&#xa0;: bleu, vert, cyan, rouge, magenta et jaune. Trouvez-le en huit essais au plus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation>On commence par la rangée du haut du plateau et on descend&#xa0;; les trous de la rangée active ont un second cadre. Faites glisser une couleur de la fenêtre %1 sur chacun de ses quatre trous, et déposez une autre couleur sur un pion pour le changer. Quand la rangée est pleine, choisissez %2.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+43"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+22"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="-86"/>
        <location filename="../src/app/HelpWindow.cpp" line="-31"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <translation>Chaque rangée validée reçoit sa marque à côté d&apos;elle&#xa0;: une fiche noire pour chaque pion de la bonne couleur bien placé, une fiche blanche pour chaque autre couleur présente dans le code secret mais à une autre place. Quatre fiches noires, et c&apos;est gagné&#xa0;; si la huitième rangée ne trouve pas le code, la partie est perdue. Dans les deux cas, le code secret apparaît alors dans la rangée de la solution, sous le plateau.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation>Deux variantes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation>%1&#xa0;: une couleur peut apparaître plusieurs fois dans le code secret et dans un essai.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="-230"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Avec remise</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation>%1&#xa0;: le code secret a quatre couleurs différentes, et un essai qui répète une couleur est refusé.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+0"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Sans remise</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation>Lancez une partie de l’une ou l’autre variante depuis %1.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+97"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation>Laisser jouer l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation>%1 joue la rangée active à votre place&#xa0;: l&apos;ordinateur y place la première combinaison, dans un ordre fixe, qui s&apos;accorde avec toutes les marques obtenues jusque-là, et la valide. Vous et l&apos;ordinateur pouvez jouer à tour de rôle dans une même partie.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Coup</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has three options, all off at first. They apply at once and are kept for the next start.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Preferences...</extracomment>
        <translation>%1 propose trois options, toutes désactivées au départ. Elles s’appliquent aussitôt et sont gardées pour le prochain lancement.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation>%1&#xa0;: chaque pion de couleur porte une marque noire ou blanche dont la forme indique sa couleur, pour qui distingue mal certaines des couleurs. Le rouge a un triangle pointe en haut, le vert une croix, le jaune un triangle pointe en bas, le bleu deux barres horizontales, le magenta un anneau et le cyan deux barres verticales.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation>&amp;Marques de couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation>%1&#xa0;: chaque fiche blanche reçoit un contour sombre, pour se détacher d’une place vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation>Fiches &amp;cerclées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: during a game, the title of the board&apos;s box tells how many secrets still agree with every scored row.</source>
        <extracomment>Help text; %1 is the name of the preference.</extracomment>
        <translation>%1&#xa0;: pendant une partie, le titre du plateau indique combien de codes secrets concordent encore avec toutes les rangées marquées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+6"/>
        <source>&amp;Show how many secrets are still possible</source>
        <extracomment>A preference, off by default; the count shows in the title of the board&apos;s box.</extracomment>
        <translation>&amp;Afficher le nombre de codes encore possibles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Statistics</source>
        <extracomment>Help heading of the part on the statistics window.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every game that ends is kept in the history of your games. %1 shows, for each variant, the games played, won, lost and abandoned, the win rate, the winning streaks, the average rows of a win and the wins without Move, with a chart of wins by the number of rows beside the losses; and it looks back at the last game row by row. Reset statistics moves the history aside into a file of its own; nothing is deleted.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Statistics...</extracomment>
        <translation>Chaque partie terminée est gardée dans l’historique de vos parties. %1 montre, pour chaque variante, les parties jouées, gagnées, perdues et abandonnées, le taux de victoire, les séries de victoires, le nombre moyen de rangées d’une victoire et les victoires sans Coup, avec un graphique des victoires selon le nombre de rangées à côté des défaites&#xa0;; et il revient sur la dernière partie rangée par rangée. Réinitialiser les statistiques met l’historique de côté dans un fichier à part&#xa0;; rien n’est effacé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Once a game is over, each score&apos;s tooltip tells how many secrets were still possible before and after its row, and whether the row&apos;s guess could have been the secret.</source>
        <extracomment>Help text on the tooltips of the scores once a game is over.</extracomment>
        <translation>Une fois la partie finie, l’infobulle de chaque marque indique combien de codes secrets étaient encore possibles avant et après sa rangée, et si l’essai de la rangée pouvait être le code secret.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation>Les touches fonctionnent quelle que soit la fenêtre active.</translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="-4"/>
        <source>Info Panel</source>
        <translation>Panneau d&apos;informations</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation>Un jeu de déchiffrage de code&#xa0;: trouvez quatre couleurs cachées parmi six.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/HelpWindow.cpp" line="-43"/>
        <location line="+33"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the statistics, the preferences and the help.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Panneau d&apos;informations...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Retirer le pion placé le plus à droite de la rangée active</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Statistics...</source>
        <extracomment>Menu item under Info: opens the statistics of the games played.</extracomment>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/HelpWindow.cpp" line="-33"/>
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
        <location filename="../src/game/Controller.cpp" line="+56"/>
        <source>Hueriddle (without replacement)</source>
        <translation>Hueriddle (sans remise)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (avec remise)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation>Les quatre couleurs doivent être placées.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-105"/>
        <source>No double colors, please.</source>
        <translation>Pas de couleur en double, s’il vous plaît.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation>Vous avez perdu.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation>couleur %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation>Un pion %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation>Un trou vide</translation>
    </message>
    <message>
        <location filename="../src/app/StatisticsWindow.cpp" line="-33"/>
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
        <location line="+10"/>
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
        <location line="+6"/>
        <source>%1, %2. %3 The secret: %4.</source>
        <extracomment>The last game in a sentence: %1 the variant, %2 the date and time, %3 its result, %4 the secret&apos;s colors.</extracomment>
        <translation>%1, %2. %3 Le code secret&#xa0;: %4.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (Move)</source>
        <extracomment>A guess the computer played; %1 lists its colors.</extracomment>
        <translation>%1 (Coup)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/views/Result.cpp" line="+51"/>
        <source>%1 black, %2 white</source>
        <translation>noires&#xa0;: %1, blanches&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+21"/>
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
        <location filename="../src/views/Result.cpp" line="+6"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>bien placées&#xa0;: %1, mal placées&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-16"/>
        <source>Hueriddle Preferences</source>
        <translation>Préférences de Hueriddle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation>Chaque pion de couleur porte une marque noire ou blanche dont la forme seule indique sa couleur.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation>Les fiches blanches reçoivent un contour sombre, pour se détacher des places vides.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>During a game, the board&apos;s title tells how many secrets still agree with every scored row.</source>
        <extracomment>Explains the preference &quot;Show how many secrets are still possible&quot;.</extracomment>
        <translation>Pendant une partie, le titre du plateau indique combien de codes secrets concordent encore avec toutes les rangées marquées.</translation>
    </message>
    <message>
        <location filename="../src/app/Hindsight.cpp" line="+39"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could have been the secret.</source>
        <translation>Avant cette rangée, %1 codes secrets étaient encore possibles, après elle %2. Cet essai pouvait être le code secret.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could no longer be the secret.</source>
        <extracomment>As above, for a guess that no longer agreed with the earlier rows.</extracomment>
        <translation>Avant cette rangée, %1 codes secrets étaient encore possibles, après elle %2. Cet essai ne pouvait plus être le code secret.</translation>
    </message>
    <message>
        <location filename="../src/app/WinsChart.cpp" line="+25"/>
        <source>Wins by rows</source>
        <extracomment>The name of the chart of wins by rows, for screen readers.</extracomment>
        <translation>Victoires par rangées</translation>
    </message>
    <message>
        <location line="+20"/>
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
</context>
</TS>

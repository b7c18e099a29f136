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
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Board and answer</source>
        <translation>Plateau et solution</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="-68"/>
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
        <location line="+9"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="-57"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+38"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+29"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/HelpWindow.cpp" line="-38"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+9"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+92"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="-34"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>La fenêtre %1 s&apos;ouvre à côté du plateau et reste au-dessus de lui. Déplacez l&apos;une ou l&apos;autre fenêtre où vous voulez&#xa0;: les deux s&apos;ouvriront de nouveau à cet endroit au prochain lancement.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <translation>%1 propose deux options, toutes deux désactivées au départ. Elles s’appliquent aussitôt et sont conservées pour le prochain lancement.</translation>
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
        <location filename="../src/app/HelpWindow.cpp" line="-18"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the preferences and the help.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <location line="-23"/>
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
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Préférences...</translation>
    </message>
    <message>
        <location line="-38"/>
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
        <location filename="../src/game/Controller.cpp" line="+52"/>
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
        <location line="+108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>No double colors, please.</source>
        <translation>Pas de couleur en double, s’il vous plaît.</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location filename="../src/views/Result.cpp" line="+40"/>
        <source>%1 black, %2 white</source>
        <translation>noires&#xa0;: %1, blanches&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>bien placées&#xa0;: %1, mal placées&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-10"/>
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
</context>
</TS>

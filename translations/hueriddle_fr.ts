<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+84"/>
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
        <source>Board</source>
        <extracomment>Title of the box around the eight rows of the board.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Board and answer</source>
        <extracomment>Read by screen readers: the board window&apos;s content.</extracomment>
        <translation>Plateau et solution</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Main menu</source>
        <extracomment>Read by screen readers: the menu bar of the board window.</extracomment>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="-82"/>
        <location filename="../src/app/InfoPanel.cpp" line="+19"/>
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
        <location filename="../src/app/PaletteWindow.cpp" line="+33"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="+106"/>
        <location line="+9"/>
        <location filename="../src/app/PaletteWindow.cpp" line="-29"/>
        <source>Palette</source>
        <extracomment>Title of the small window holding the six colours; the help names it (&quot;the Palette window&quot;).</extracomment>
        <translation>Palette</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+2"/>
        <source>Hueriddle palette</source>
        <extracomment>Read by screen readers: the name of the palette window.</extracomment>
        <translation>Palette de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-67"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="+34"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+31"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+39"/>
        <location line="+13"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/HelpWindow.cpp" line="-51"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+11"/>
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
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Avec remise</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <extracomment>%1 is the menu item &quot;Without replacement&quot;, in bold.</extracomment>
        <translation>%1&#xa0;: le code secret a quatre couleurs différentes, et un essai qui répète une couleur est refusé.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Sans remise</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Start a game of either kind from %1.</source>
        <extracomment>%1 is the menu path &quot;Game &gt; New game&quot;, in bold.</extracomment>
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
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
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
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Coup</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-47"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>La fenêtre %1 s’ouvre à côté du plateau et reste au-dessus de lui. Déplacez l’une ou l’autre fenêtre où vous voulez&#xa0;: les deux s’ouvriront de nouveau à cet endroit au prochain lancement.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Preferences</source>
        <extracomment>A heading of the help, about the preferences window.</extracomment>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <extracomment>%1 is the menu path &quot;Info &gt; Preferences...&quot;, in bold.</extracomment>
        <translation>%1 propose deux options, toutes deux désactivées au départ. Elles s’appliquent aussitôt et sont conservées pour le prochain lancement.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <extracomment>%1 is the check box &quot;Color marks&quot; of the preferences, in bold.</extracomment>
        <translation>%1&#xa0;: chaque pion de couleur porte un symbole noir ou blanc dont la forme indique sa couleur, pour qui distingue mal certaines couleurs. Le rouge a un triangle pointe en haut, le vert une croix, le jaune un triangle pointe en bas, le bleu deux barres horizontales, le magenta un anneau et le cyan deux barres verticales.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+46"/>
        <source>&amp;Color marks</source>
        <extracomment>A check box: a black or white symbol on each coloured peg tells its colour by shape. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>&amp;Symboles de couleur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <extracomment>%1 is the check box &quot;Outlined key pegs&quot; of the preferences, in bold.</extracomment>
        <translation>%1&#xa0;: chaque fiche blanche reçoit un contour sombre, pour se détacher d’un emplacement vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+8"/>
        <source>&amp;Outlined key pegs</source>
        <extracomment>A check box: the white key pegs of the scores get a dark outline. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>Fiches &amp;cerclées</translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location filename="../src/app/InfoPanel.cpp" line="-5"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/HelpWindow.cpp" line="-24"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the preferences and the help.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Panneau d’informations...</translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location filename="../src/game/Controller.cpp" line="+53"/>
        <source>Hueriddle (without replacement)</source>
        <extracomment>The board window&apos;s title during a game of four different colours.</extracomment>
        <translation>Hueriddle (sans remise)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hueriddle (with replacement)</source>
        <extracomment>The board window&apos;s title during a game where colours may repeat.</extracomment>
        <translation>Hueriddle (avec remise)</translation>
    </message>
    <message>
        <location line="+32"/>
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
        <location line="+121"/>
        <source>OK</source>
        <extracomment>The one button of every alert.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>No double colors, please.</source>
        <extracomment>Message of a notice: a game without replacement refuses a row that has a colour twice.</extracomment>
        <translation>Pas de couleur en double, s’il vous plaît.</translation>
    </message>
    <message>
        <location line="+21"/>
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
        <location filename="../src/views/Result.cpp" line="+43"/>
        <source>%1 black, %2 white</source>
        <extracomment>Read by screen readers after a row&apos;s label: what its score shows, %1 black key pegs (right colour, right place), %2 white ones (right colour, other place).</extracomment>
        <translation>noires&#xa0;: %1, blanches&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 in the right place, %2 in another place</source>
        <extracomment>A row&apos;s score explained for screen readers: %1 pegs of the right colour in the right place, %2 of a right colour in another place.</extracomment>
        <translation>bien placées&#xa0;: %1, mal placées&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-17"/>
        <source>Hueriddle Preferences</source>
        <extracomment>Title of the preferences window.</extracomment>
        <translation>Préférences de Hueriddle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <extracomment>The explanation under the check box &quot;Color marks&quot;.</extracomment>
        <translation>Chaque pion de couleur porte un symbole noir ou blanc dont la seule forme indique sa couleur.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <extracomment>The explanation under the check box &quot;Outlined key pegs&quot;; an empty place is a hole of the board with no peg.</extracomment>
        <translation>Les fiches blanches reçoivent un contour sombre, pour se détacher des emplacements vides.</translation>
    </message>
</context>
</TS>

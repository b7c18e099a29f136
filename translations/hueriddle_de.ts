<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation>Lösungsreihe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation>Lösung, Position %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation>Reihen und Wertungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation>Reihe %1, Position %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Board and answer</source>
        <translation>Spielbrett und Lösung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
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
        <translation>Hueriddle-Spielbrett</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation>Taste %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation>Ein Stecker in %1, Taste %2</translation>
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
        <translation>Hueriddle-Palette</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-57"/>
        <source>Hueriddle Help</source>
        <translation>Hueriddle-Hilfe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Neues Spiel mit Zurücklegen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Neues Spiel ohne Zurücklegen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Die aktive Reihe abgeben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Beide Fenster ausblenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Diese Hilfe anzeigen</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+74"/>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Einen Stecker in %1 auf den ersten freien Platz der aktiven Reihe setzen</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation>So wird Hueriddle gespielt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation>Der Computer versteckt einen Geheimcode aus vier von sechs Farben: Blau, Grün, Cyan, Rot, Magenta und Gelb. Knacke ihn mit höchstens acht Tipps.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation>Gespielt wird von der obersten Reihe des Spielbretts nach unten; die Plätze der aktiven Reihe haben einen zweiten Rahmen. Zieh eine Farbe aus dem Fenster %1 auf jeden ihrer vier Plätze; um einen Stecker zu ändern, lass eine andere Farbe darauf fallen. Ist die Reihe voll, wähle %2.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+38"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+29"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/HelpWindow.cpp" line="-38"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Abgeben</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+9"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <translation>Jede abgegebene Reihe bekommt daneben ihre Wertung: einen schwarzen Wertungsstecker für jeden Stecker der richtigen Farbe an der richtigen Stelle, einen weißen Wertungsstecker für jede weitere Farbe, die im Geheimcode an einer anderen Stelle vorkommt. Vier schwarze Wertungsstecker gewinnen; trifft auch die achte Reihe nicht, ist das Spiel verloren. In beiden Fällen erscheint der Geheimcode dann in der Lösungsreihe unter dem Spielbrett.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation>Zwei Varianten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation>%1: Farben dürfen sich im Geheimcode und in einem Tipp wiederholen.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Mit Zurücklegen</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation>%1: Der Geheimcode hat vier verschiedene Farben, und ein Tipp mit einer doppelten Farbe wird abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Ohne Zurücklegen</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation>Ein Spiel jeder Art startest du über %1.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+92"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation>Den Computer ziehen lassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation>%1 spielt die aktive Reihe für dich: Der Computer setzt die erste Kombination in einer festen Reihenfolge ein, die zu allen bisherigen Wertungen passt, und gibt sie ab. Du und der Computer könnt euch in einem Spiel abwechseln.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Zug</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-34"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>Das Fenster %1 öffnet sich neben dem Spielbrett und bleibt über ihm. Verschieb die Fenster, wohin du willst: Beim nächsten Start öffnen sich beide wieder dort.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <translation>%1 bietet zwei Optionen, anfangs beide aus. Sie wirken sofort und bleiben für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation>%1: Jeder farbige Stecker trägt ein schwarzes oder weißes Zeichen, dessen Form seine Farbe verrät, für alle, die manche der Farben schlecht unterscheiden. Rot hat ein Dreieck mit der Spitze nach oben, Grün ein Kreuz, Gelb ein Dreieck mit der Spitze nach unten, Blau zwei waagrechte Balken, Magenta einen Ring und Cyan zwei senkrechte Balken.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation>&amp;Farbzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation>%1: Jeder weiße Wertungsstecker bekommt einen dunklen Rand, damit er sich von einem leeren Platz abhebt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation>&amp;Umrandete Wertungsstecker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation>Die Tasten wirken in beiden Fenstern, egal welches aktiv ist.</translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="-4"/>
        <source>Info Panel</source>
        <translation>Info-Fenster</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation>Ein Codeknacker-Spiel: Finde vier versteckte Farben aus sechs möglichen.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/HelpWindow.cpp" line="-18"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the preferences and the help.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Info-Fenster...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Den am weitesten rechts gesetzten Stecker der aktiven Reihe entfernen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Hide</source>
        <extracomment>Item of the menu bar: minimises both windows.</extracomment>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location filename="../src/game/Controller.cpp" line="+52"/>
        <source>Hueriddle (without replacement)</source>
        <translation>Hueriddle (ohne Zurücklegen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (mit Zurücklegen)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation>Alle vier Farben müssen gesetzt sein.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>No double colors, please.</source>
        <translation>Bitte keine doppelten Farben.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation>Du hast gewonnen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation>Du hast verloren.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation>Ein Stecker in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation>Ein leerer Platz</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+40"/>
        <source>%1 black, %2 white</source>
        <translation>%1 schwarz, %2 weiß</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>%1 an der richtigen Stelle, %2 an einer anderen Stelle</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-10"/>
        <source>Hueriddle Preferences</source>
        <translation>Hueriddle-Einstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation>Jeder farbige Stecker trägt ein schwarzes oder weißes Zeichen, dessen Form allein seine Farbe verrät.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation>Weiße Wertungsstecker bekommen einen dunklen Rand, damit sie sich von leeren Plätzen abheben.</translation>
    </message>
</context>
</TS>

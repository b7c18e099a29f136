<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/board/BoardWindow.cpp" line="+95"/>
        <source>Answer row</source>
        <extracomment>Read by screen readers: the row below the board where the secret shows at the end of a game.</extracomment>
        <translation>Lösungsreihe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Answer, position %1</source>
        <extracomment>Read by screen readers before a peg of the answer row; %1 is its position, 1 to 4 from the left.</extracomment>
        <translation>Lösung, Position %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Answer</source>
        <extracomment>Title of the box around the answer row.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Rows and scores</source>
        <extracomment>Read by screen readers: the board&apos;s eight rows with the score beside each.</extracomment>
        <translation>Reihen und Wertungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="+295"/>
        <source>Row %1</source>
        <extracomment>Read by screen readers before the score of a row; %1 is the row&apos;s number, 1 at the top.</extracomment>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Row %1, position %2</source>
        <extracomment>Read by screen readers before a peg of the board; %1 is the row, 1 at the top, %2 the position, 1 to 4 from the left.</extracomment>
        <translation>Reihe %1, Position %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+32"/>
        <source>Board</source>
        <extracomment>Title of the box around the eight rows of the board.</extracomment>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Board and answer</source>
        <extracomment>Read by screen readers: the board window&apos;s content.</extracomment>
        <translation>Spielbrett und Lösung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Board: %1 secrets still possible</source>
        <extracomment>The board box&apos;s title while the preference &quot;Show how many secrets are still possible&quot; is on; %1 is the number of secrets that agree with every scored row.</extracomment>
        <translation>Spielbrett: noch %1 Geheimcodes möglich</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Main menu</source>
        <extracomment>Read by screen readers: the menu bar of the board window.</extracomment>
        <translation>Hauptmenü</translation>
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
        <translation>Hueriddle-Spielbrett</translation>
    </message>
    <message>
        <location filename="../src/app/board/PaletteWindow.cpp" line="+33"/>
        <source>Colors</source>
        <extracomment>Read by screen readers: the six colour pegs of the palette.</extracomment>
        <translation>Farben</translation>
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
        <translation>Taste %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A %1 peg, key %2</source>
        <extracomment>Read by screen readers for a palette colour; %1 is the colour&apos;s name (translated alone), %2 the digit key that places it.</extracomment>
        <translation>Ein Stecker in %1, Taste %2</translation>
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
        <translation>Hueriddle-Palette</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-67"/>
        <source>Hueriddle Help</source>
        <extracomment>Title of the help window.</extracomment>
        <translation>Hueriddle-Hilfe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help text</source>
        <extracomment>Read by screen readers: the help window&apos;s text.</extracomment>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+26"/>
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
        <source>Show the help window</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Das Hilfefenster anzeigen</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+76"/>
        <source>blue</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: blue&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>green</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: green&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cyan</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: cyan&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: red&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>magenta</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: magenta&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yellow</source>
        <extracomment>A colour&apos;s name, alone after a label (&quot;Palette: yellow&quot;) and put into sentences (&quot;A %1 peg&quot;); see translations/README.md.</extracomment>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Einen Stecker in %1 auf den ersten freien Platz der aktiven Reihe setzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Den am weitesten rechts stehenden Stecker der aktiven Reihe entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+34"/>
        <source>How to play Hueriddle</source>
        <extracomment>The help&apos;s main heading.</extracomment>
        <translation>So wird Hueriddle gespielt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <extracomment>The help&apos;s first paragraph. The colours are listed in their codes&apos; order; a guess is one row the player commits.</extracomment>
        <translation>Der Computer versteckt einen Geheimcode aus vier von sechs Farben: Blau, Grün, Cyan, Rot, Magenta und Gelb. Knacken Sie ihn mit höchstens acht Tipps.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <extracomment>%1 is the palette window&apos;s title, %2 the menu path of the Commit command (&quot;Game &gt; Commit&quot;), both in bold. The &quot;pegs&quot; of the active row are its four places; &quot;second frame&quot;: the active row&apos;s places are drawn with a second ring.</extracomment>
        <translation>Gespielt wird von der obersten Reihe des Spielbretts nach unten; die Plätze der aktiven Reihe haben einen zweiten Rahmen. Ziehen Sie eine Farbe aus dem Fenster %1 auf jeden ihrer vier Plätze; um einen Stecker zu ändern, lassen Sie eine andere Farbe darauf fallen. Ist die Reihe voll, wählen Sie %2.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+36"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+6"/>
        <location line="+39"/>
        <location line="+13"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <location line="-86"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-51"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Abgeben</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+11"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <extracomment>How a row is scored; key pegs are the small black and white pegs beside each row.</extracomment>
        <translation>Jede abgegebene Reihe bekommt daneben ihre Wertung: einen schwarzen Wertungsstecker für jeden Stecker der richtigen Farbe an der richtigen Stelle, einen weißen Wertungsstecker für jede weitere Farbe, die im Geheimcode an einer anderen Stelle vorkommt. Mit vier schwarzen Wertungssteckern haben Sie gewonnen; trifft auch die achte Reihe nicht, ist das Spiel verloren. In beiden Fällen erscheint der Geheimcode dann in der Lösungsreihe unter dem Spielbrett.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Two variants</source>
        <extracomment>A heading of the help.</extracomment>
        <translation>Zwei Varianten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <extracomment>%1 is the menu item &quot;With replacement&quot;, in bold.</extracomment>
        <translation>%1: Farben dürfen sich im Geheimcode und in einem Tipp wiederholen.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+2"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="-228"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Mit Zurücklegen</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <extracomment>%1 is the menu item &quot;Without replacement&quot;, in bold.</extracomment>
        <translation>%1: Der Geheimcode hat vier verschiedene Farben, und ein Tipp mit einer doppelten Farbe wird abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="+0"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Ohne Zurücklegen</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+5"/>
        <source>Start a game of either kind from %1.</source>
        <extracomment>%1 is the menu path &quot;Game &gt; New game&quot;, in bold.</extracomment>
        <translation>Ein Spiel jeder Art starten Sie über %1.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+97"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+4"/>
        <source>Let the computer move</source>
        <extracomment>A heading of the help, about the Move command.</extracomment>
        <translation>Den Computer ziehen lassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <extracomment>%1 is the menu path of the Move command (&quot;Game &gt; Move&quot;), in bold.</extracomment>
        <translation>%1 spielt die aktive Reihe für Sie: Der Computer geht die Kombinationen in einer festen Reihenfolge durch, setzt die erste ein, die zu allen bisherigen Wertungen passt, und gibt sie ab. Sie und der Computer können sich in einem Spiel abwechseln.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Zug</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+4"/>
        <source>Preferences</source>
        <extracomment>A heading of the help, about the preferences window.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 has the options below. They apply at once and are kept for the next start.</source>
        <extracomment>%1 is the menu path &quot;Info &gt; Preferences...&quot;, in bold.</extracomment>
        <translation>%1 bietet die folgenden Optionen. Sie wirken sofort und bleiben für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="+25"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <extracomment>%1 is the check box &quot;Color marks&quot; of the preferences, in bold.</extracomment>
        <translation>%1: Jeder farbige Stecker trägt ein schwarzes oder weißes Zeichen, dessen Form seine Farbe verrät, für alle, die manche der Farben schlecht unterscheiden. Rot hat ein Dreieck mit der Spitze nach oben, Grün ein Kreuz, Gelb ein Dreieck mit der Spitze nach unten, Blau zwei waagrechte Balken, Magenta einen Ring und Cyan zwei senkrechte Balken.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Color marks</source>
        <extracomment>A check box: a black or white symbol on each coloured peg tells its colour by shape. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>&amp;Farbzeichen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <extracomment>%1 is the check box &quot;Outlined key pegs&quot; of the preferences, in bold.</extracomment>
        <translation>%1: Jeder weiße Wertungsstecker bekommt einen dunklen Rand, damit er sich von einem leeren Platz abhebt.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Outlined key pegs</source>
        <extracomment>A check box: the white key pegs of the scores get a dark outline. &quot;&amp;&quot; marks the mnemonic letter.</extracomment>
        <translation>&amp;Umrandete Wertungsstecker</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: during a game, the title of the board&apos;s box tells how many secrets still agree with every scored row.</source>
        <extracomment>%1 is the check box &quot;Show how many secrets are still possible&quot;, in bold.</extracomment>
        <translation>%1: Während eines Spiels nennt der Titel des Spielbretts, wie viele Geheimcodes noch zu allen bewerteten Reihen passen.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>&amp;Show how many secrets are still possible</source>
        <extracomment>A preference, off by default; the count shows in the title of the board&apos;s box.</extracomment>
        <translation>&amp;Anzahl noch möglicher Geheimcodes zeigen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1: a game left unfinished when the program ends, even by a logout or a crash, comes back as it was at the next start. This option alone is on at first.</source>
        <extracomment>%1 is the check box &quot;Resume an unfinished game&quot; of the preferences, in bold.</extracomment>
        <translation>%1: Ein Spiel, das beim Beenden des Programms nicht zu Ende gespielt war, auch bei einer Abmeldung oder einem Absturz, kommt beim nächsten Start so zurück, wie es war. Nur diese Option ist anfangs eingeschaltet.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+13"/>
        <source>Statistics</source>
        <extracomment>A heading of the help, about the statistics window.</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every game that ends is kept in the history of your games. %1 shows, for each variant, the games played, won, lost and abandoned, the win rate, the winning streaks, the average rows of a win and the wins without Move, with a chart of wins by the number of rows beside the losses; and it looks back at the last game row by row. Reset statistics moves the history aside into a file of its own; nothing is deleted.</source>
        <extracomment>%1 is the menu path &quot;Info &gt; Statistics...&quot;, in bold.</extracomment>
        <translation>Jedes beendete Spiel wird im Verlauf Ihrer Spiele festgehalten. %1 zeigt für jede Variante die gespielten, gewonnenen, verlorenen und abgebrochenen Spiele, die Gewinnquote, die Siegesserien, die durchschnittlichen Reihen eines Siegs und die Siege ohne Zug, mit einem Diagramm der Siege nach Anzahl der Reihen neben den Niederlagen; und es blickt Reihe für Reihe auf das letzte Spiel zurück. Statistik zurücksetzen legt den Verlauf in einer eigenen Datei beiseite; nichts wird gelöscht.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Once a game is over, each score&apos;s tooltip tells how many secrets were still possible before and after its row, and whether the row&apos;s guess could have been the secret.</source>
        <extracomment>Help text on the tooltips of the scores once a game is over.</extracomment>
        <translation>Nach dem Ende eines Spiels nennt die Kurzinfo jeder Wertung, wie viele Geheimcodes vor und nach ihrer Reihe noch möglich waren und ob der Tipp der Reihe der Geheimcode hätte sein können.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Keys</source>
        <extracomment>A heading of the help, over the table of keys.</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The keys work whichever of the two windows is active.</source>
        <extracomment>The two windows: the board and the palette.</extracomment>
        <translation>Die Tasten wirken in beiden Fenstern, gleich welches gerade aktiv ist.</translation>
    </message>
    <message>
        <location filename="../src/app/dialogs/InfoPanel.cpp" line="-5"/>
        <source>Info Panel</source>
        <extracomment>Title of the about window, opened from Info &gt; Info Panel...</extracomment>
        <translation>Info-Fenster</translation>
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
        <translation>Ein Codeknacker-Spiel: Finden Sie vier versteckte Farben aus sechs möglichen.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-34"/>
        <location line="+20"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the statistics, the preferences and the help.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Info-Fenster...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="+1"/>
        <source>Statistics...</source>
        <extracomment>Menu item under Info: opens the statistics of the games played.</extracomment>
        <translation>Statistik...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-20"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <location line="-43"/>
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
        <location filename="../src/game/Controller.cpp" line="+274"/>
        <source>Hueriddle (without replacement)</source>
        <extracomment>The board window&apos;s title during a game of four different colours.</extracomment>
        <translation>Hueriddle (ohne Zurücklegen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (mit Zurücklegen)</translation>
    </message>
    <message>
        <location line="-199"/>
        <location line="+9"/>
        <source>Alert</source>
        <extracomment>Title of a notice about a row that cannot be committed; its message says why. A gentle notice, not a warning of danger.</extracomment>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <extracomment>Message of a notice: Commit was chosen before the four pegs of the active row had a colour.</extracomment>
        <translation>Alle vier Farben müssen gesetzt sein.</translation>
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
        <translation>Bitte keine doppelten Farben.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Congratulations!</source>
        <extracomment>Title of the alert that ends a won game.</extracomment>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You win.</source>
        <extracomment>Message of the alert that ends a won game.</extracomment>
        <translation>Sie haben gewonnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over.</source>
        <extracomment>Title of the alert that ends a game lost after the eighth row.</extracomment>
        <translation>Spiel beendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lose.</source>
        <extracomment>Message of the alert that ends a lost game.</extracomment>
        <translation>Sie haben verloren.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+35"/>
        <source>empty</source>
        <extracomment>Read by screen readers after a peg&apos;s label for a hole with no colour (&quot;Row 1, position 2: empty&quot;).</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>black</source>
        <extracomment>Read by screen readers: the colour of a peg that is black.</extracomment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>white</source>
        <extracomment>Read by screen readers: the colour of a peg that is white.</extracomment>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>color %1</source>
        <extracomment>Read by screen readers for a colour that has no name; %1 is its hex code, such as #ff808080.</extracomment>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+30"/>
        <source>%1: %2</source>
        <extracomment>Read by screen readers: a peg&apos;s label, then its colour or a score (&quot;Row 1, position 2: red&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+18"/>
        <source>A %1 peg</source>
        <extracomment>Read by screen readers; %1 is a colour&apos;s name, translated alone (&quot;A red peg&quot;).</extracomment>
        <translation>Ein Stecker in %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>An empty hole</source>
        <extracomment>Read by screen readers for a place of the board with no peg in it.</extracomment>
        <translation>Ein leerer Platz</translation>
    </message>
    <message>
        <location filename="../src/app/statistics/StatisticsWindow.cpp" line="-33"/>
        <source>Games played</source>
        <extracomment>Statistics: games played (won, lost or abandoned).</extracomment>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Won</source>
        <extracomment>Statistics: games won.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost</source>
        <extracomment>Statistics: games lost (eight rows without finding the secret).</extracomment>
        <translation>Verloren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Abandoned</source>
        <extracomment>Statistics: games given up by starting a new game.</extracomment>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Win rate</source>
        <extracomment>Statistics: won games out of those played, in percent.</extracomment>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak</source>
        <extracomment>Statistics: wins in a row up to the last game.</extracomment>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Best winning streak</source>
        <extracomment>Statistics: the most wins in a row.</extracomment>
        <translation>Beste Siegesserie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average rows of a win</source>
        <extracomment>Statistics: the mean number of rows of a won game.</extracomment>
        <translation>Reihen pro Sieg im Schnitt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins without Move</source>
        <extracomment>Statistics: games won without using the &quot;Move&quot; command.</extracomment>
        <translation>Siege ohne Zug</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hueriddle Statistics</source>
        <extracomment>The title of the statistics window.</extracomment>
        <translation>Hueriddle-Statistik</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Last game</source>
        <extracomment>The box that looks back at the last game, row by row.</extracomment>
        <translation>Letztes Spiel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Guess</source>
        <extracomment>Column of the last game&apos;s table: the colors of a row&apos;s guess.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score</source>
        <extracomment>Column of the last game&apos;s table: the row&apos;s score.</extracomment>
        <translation>Wertung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible before</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible before the row.</extracomment>
        <translation>Möglich davor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible after</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible after the row.</extracomment>
        <translation>Möglich danach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could win</source>
        <extracomment>Column of the last game&apos;s table: whether the guess could have been the secret.</extracomment>
        <translation>Hätte gewinnen können</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the last game</source>
        <extracomment>The accessible name of the table that looks back at the last game.</extracomment>
        <translation>Reihen des letzten Spiels</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Reset statistics...</source>
        <extracomment>Button of the statistics window; it asks before moving the history aside.</extracomment>
        <translation>Statistik &amp;zurücksetzen...</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>%1 %</source>
        <extracomment>A win rate; %1 is the percentage, written with the locale&apos;s digits.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 damaged or unknown lines of the history were skipped; the file keeps them.</source>
        <extracomment>%1 is a number of lines of the history file that could not be read.</extracomment>
        <translation>%1 beschädigte oder unbekannte Zeilen des Verlaufs wurden übersprungen; die Datei behält sie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 games of a later version of Hueriddle are kept but not counted.</source>
        <extracomment>%1 is a number of games written by a newer version of the program.</extracomment>
        <translation>%1 Spiele einer neueren Version von Hueriddle bleiben erhalten, werden aber nicht gezählt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No game has ended yet.</source>
        <extracomment>Shown in the &quot;Last game&quot; box before any game has ended.</extracomment>
        <translation>Noch kein Spiel ist zu Ende.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Won on row %1.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows it took.</extracomment>
        <translation>Gewonnen in Reihe %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost.</source>
        <translation>Verloren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Abandoned after %1 rows.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows committed before a new game.</extracomment>
        <translation>Abgebrochen nach %1 Reihen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2. %3 The secret: %4.</source>
        <extracomment>The last game in a sentence: %1 the variant, %2 the date and time, %3 its result, %4 the secret&apos;s colors.</extracomment>
        <translation>%1, %2. %3 Der Geheimcode: %4.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (Move)</source>
        <extracomment>A guess the computer played; %1 lists its colors.</extracomment>
        <translation>%1 (Zug)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/views/Result.cpp" line="+54"/>
        <source>%1 black, %2 white</source>
        <extracomment>Read by screen readers after a row&apos;s label: what its score shows, %1 black key pegs (right colour, right place), %2 white ones (right colour, other place).</extracomment>
        <translation>Schwarz: %1, Weiß: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset statistics</source>
        <extracomment>Title of the question asked before the statistics are reset.</extracomment>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start the statistics afresh? The history of your games is kept in a file of its own, not deleted.</source>
        <extracomment>The question asked before the statistics are reset.</extracomment>
        <translation>Die Statistik neu beginnen? Der Verlauf Ihrer Spiele wird in einer eigenen Datei aufbewahrt, nicht gelöscht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <extracomment>The button that confirms the reset of the statistics.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+8"/>
        <source>%1 in the right place, %2 in another place</source>
        <extracomment>A row&apos;s score explained for screen readers: %1 pegs of the right colour in the right place, %2 of a right colour in another place.</extracomment>
        <translation>%1 an der richtigen Stelle, %2 an einer anderen Stelle</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferencesWindow.cpp" line="+38"/>
        <source>Hueriddle Preferences</source>
        <extracomment>Title of the preferences window.</extracomment>
        <translation>Hueriddle-Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="-48"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <extracomment>The explanation under the check box &quot;Color marks&quot;.</extracomment>
        <translation>Jeder farbige Stecker trägt ein schwarzes oder weißes Zeichen, dessen Form allein seine Farbe verrät.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <extracomment>The explanation under the check box &quot;Outlined key pegs&quot;; an empty place is a hole of the board with no peg.</extracomment>
        <translation>Weiße Wertungsstecker bekommen einen dunklen Rand, damit sie sich von leeren Plätzen abheben.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>During a game, the board&apos;s title tells how many secrets still agree with every scored row.</source>
        <extracomment>Explains the preference &quot;Show how many secrets are still possible&quot;.</extracomment>
        <translation>Während eines Spiels nennt der Titel des Spielbretts, wie viele Geheimcodes noch zu allen bewerteten Reihen passen.</translation>
    </message>
    <message>
        <location filename="../src/app/board/Hindsight.cpp" line="+28"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could have been the secret.</source>
        <translation>Vor dieser Reihe waren noch %1 Geheimcodes möglich, danach %2. Dieser Tipp hätte der Geheimcode sein können.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could no longer be the secret.</source>
        <extracomment>As above, for a guess that no longer agreed with the earlier rows.</extracomment>
        <translation>Vor dieser Reihe waren noch %1 Geheimcodes möglich, danach %2. Dieser Tipp konnte nicht mehr der Geheimcode sein.</translation>
    </message>
    <message>
        <location filename="../src/app/statistics/WinsChart.cpp" line="+25"/>
        <source>Wins by rows</source>
        <extracomment>The name of the chart of wins by rows, for screen readers.</extracomment>
        <translation>Siege nach Reihen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 rows: %2</source>
        <extracomment>One entry of the chart&apos;s text: %1 rows played, %2 games won with that many.</extracomment>
        <translation>%1 Reihen: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins by the number of rows: %1. Lost: %2.</source>
        <extracomment>The chart of wins by rows as text for screen readers; %1 lists &quot;rows: wins&quot; entries, %2 is the number of games lost.</extracomment>
        <translation>Siege nach Anzahl der Reihen: %1. Verloren: %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>lost</source>
        <extracomment>Label under the bar of lost games in the chart of wins by rows; keep it short.</extracomment>
        <translation>verl.</translation>
    </message>
    <message>
        <location filename="../src/app/preferences/PreferenceTable.cpp" line="+11"/>
        <source>&amp;Resume an unfinished game</source>
        <extracomment>A preference, on by default: the game left unfinished comes back at the next start.</extracomment>
        <translation>&amp;Unbeendetes Spiel fortsetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game left unfinished when the program ends comes back as it was at the next start; otherwise every start begins a new game.</source>
        <extracomment>Explains the preference &quot;Resume an unfinished game&quot;.</extracomment>
        <translation>Ein Spiel, das beim Beenden des Programms nicht zu Ende gespielt war, kommt beim nächsten Start so zurück, wie es war; sonst beginnt jeder Start ein neues Spiel.</translation>
    </message>
    <message>
        <location filename="../src/app/commands/HelpWindow.cpp" line="-58"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>Das Fenster %1 öffnet sich neben dem Spielbrett und bleibt über ihm. Verschieben Sie die Fenster, wohin Sie möchten: Beim nächsten Start öffnen sich beide wieder dort.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+46"/>
        <source>Hueriddle Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+74"/>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+296"/>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+31"/>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Board and answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Board: %1 secrets still possible</source>
        <extracomment>The board box&apos;s title while the preference &quot;Show how many secrets are still possible&quot; is on; %1 is the number of secrets that agree with every scored row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-80"/>
        <source>Hueriddle board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <location filename="../src/app/PaletteWindow.cpp" line="-20"/>
        <location line="+14"/>
        <source>Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="-13"/>
        <source>Hueriddle palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+43"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <location line="+22"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-86"/>
        <location filename="../src/app/HelpWindow.cpp" line="-31"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="-230"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+0"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+97"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has three options, all off at first. They apply at once and are kept for the next start.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Preferences...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: during a game, the title of the board&apos;s box tells how many secrets still agree with every scored row.</source>
        <extracomment>Help text; %1 is the name of the preference.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+6"/>
        <source>&amp;Show how many secrets are still possible</source>
        <extracomment>A preference, off by default; the count shows in the title of the board&apos;s box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Statistics</source>
        <extracomment>Help heading of the part on the statistics window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every game that ends is kept in the history of your games. %1 shows, for each variant, the games played, won, lost and abandoned, the win rate, the winning streaks, the average rows of a win and the wins without Move, with a chart of wins by the number of rows beside the losses; and it looks back at the last game row by row. Reset statistics moves the history aside into a file of its own; nothing is deleted.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Statistics...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Once a game is over, each score&apos;s tooltip tells how many secrets were still possible before and after its row, and whether the row&apos;s guess could have been the secret.</source>
        <extracomment>Help text on the tooltips of the scores once a game is over.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="+13"/>
        <source>Info Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="-1"/>
        <location filename="../src/app/InfoPanel.cpp" line="+4"/>
        <source>Hueriddle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="+7"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/HelpWindow.cpp" line="-43"/>
        <location line="+33"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the statistics, the preferences and the help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Statistics...</source>
        <extracomment>Menu item under Info: opens the statistics of the games played.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/HelpWindow.cpp" line="-33"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Hide</source>
        <extracomment>Item of the menu bar: minimises both windows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/game/Controller.cpp" line="+56"/>
        <source>Hueriddle (without replacement)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-105"/>
        <source>No double colors, please.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StatisticsWindow.cpp" line="-33"/>
        <source>Games played</source>
        <extracomment>Statistics: games played (won, lost or abandoned).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Won</source>
        <extracomment>Statistics: games won.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost</source>
        <extracomment>Statistics: games lost (eight rows without finding the secret).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Abandoned</source>
        <extracomment>Statistics: games given up by starting a new game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Win rate</source>
        <extracomment>Statistics: won games out of those played, in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak</source>
        <extracomment>Statistics: wins in a row up to the last game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Best winning streak</source>
        <extracomment>Statistics: the most wins in a row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average rows of a win</source>
        <extracomment>Statistics: the mean number of rows of a won game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins without Move</source>
        <extracomment>Statistics: games won without using the &quot;Move&quot; command.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hueriddle Statistics</source>
        <extracomment>The title of the statistics window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Last game</source>
        <extracomment>The box that looks back at the last game, row by row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Guess</source>
        <extracomment>Column of the last game&apos;s table: the colors of a row&apos;s guess.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score</source>
        <extracomment>Column of the last game&apos;s table: the row&apos;s score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible before</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible before the row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible after</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible after the row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could win</source>
        <extracomment>Column of the last game&apos;s table: whether the guess could have been the secret.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the last game</source>
        <extracomment>The accessible name of the table that looks back at the last game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Reset statistics...</source>
        <extracomment>Button of the statistics window; it asks before moving the history aside.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>%1 %</source>
        <extracomment>A win rate; %1 is the percentage, written with the locale&apos;s digits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 damaged or unknown lines of the history were skipped; the file keeps them.</source>
        <extracomment>%1 is a number of lines of the history file that could not be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 games of a later version of Hueriddle are kept but not counted.</source>
        <extracomment>%1 is a number of games written by a newer version of the program.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No game has ended yet.</source>
        <extracomment>Shown in the &quot;Last game&quot; box before any game has ended.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Won on row %1.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows it took.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Abandoned after %1 rows.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows committed before a new game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, %2. %3 The secret: %4.</source>
        <extracomment>The last game in a sentence: %1 the variant, %2 the date and time, %3 its result, %4 the secret&apos;s colors.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (Move)</source>
        <extracomment>A guess the computer played; %1 lists its colors.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/views/Result.cpp" line="+51"/>
        <source>%1 black, %2 white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reset statistics</source>
        <extracomment>Title of the question asked before the statistics are reset.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start the statistics afresh? The history of your games is kept in a file of its own, not deleted.</source>
        <extracomment>The question asked before the statistics are reset.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <extracomment>The button that confirms the reset of the statistics.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+6"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-16"/>
        <source>Hueriddle Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>During a game, the board&apos;s title tells how many secrets still agree with every scored row.</source>
        <extracomment>Explains the preference &quot;Show how many secrets are still possible&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Hindsight.cpp" line="+39"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could have been the secret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could no longer be the secret.</source>
        <extracomment>As above, for a guess that no longer agreed with the earlier rows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WinsChart.cpp" line="+25"/>
        <source>Wins by rows</source>
        <extracomment>The name of the chart of wins by rows, for screen readers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 rows: %2</source>
        <extracomment>One entry of the chart&apos;s text: %1 rows played, %2 games won with that many.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins by the number of rows: %1. Lost: %2.</source>
        <extracomment>The chart of wins by rows as text for screen readers; %1 lists &quot;rows: wins&quot; entries, %2 is the number of games lost.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>lost</source>
        <extracomment>Label under the bar of lost games in the chart of wins by rows; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation>Fila de la solución</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation>Solución, posición %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation>Filas y puntuaciones</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+296"/>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation>Fila %1, posición %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+31"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Board and answer</source>
        <translation>Tablero y solución</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Board: %1 secrets still possible</source>
        <extracomment>The board box&apos;s title while the preference &quot;Show how many secrets are still possible&quot; is on; %1 is the number of secrets that agree with every scored row.</extracomment>
        <translation>Tablero: aún %1 combinaciones posibles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Main menu</source>
        <translation>Menú principal</translation>
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
        <translation>Tablero de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation>Tecla %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation>Una ficha de color %1, tecla %2</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+94"/>
        <location filename="../src/app/PaletteWindow.cpp" line="-20"/>
        <location line="+14"/>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="-13"/>
        <source>Hueriddle palette</source>
        <translation>Paleta de Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-48"/>
        <source>Hueriddle Help</source>
        <translation>Ayuda de Hueriddle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Partida nueva con reposición</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Partida nueva sin reposición</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Confirmar la fila activa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Ocultar las dos ventanas</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Mostrar esta ayuda</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+74"/>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Poner una ficha de color %1 en el primer hueco libre de la fila activa</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation>Cómo se juega a Hueriddle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation>El ordenador esconde una combinación secreta de cuatro colores de entre seis: azul, verde, cian, rojo, magenta y amarillo. Descúbrela en ocho intentos como máximo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation>Se empieza por la fila de arriba del tablero y se va bajando; los huecos de la fila activa tienen un segundo marco. Arrastra un color de la ventana %1 a cada uno de sus cuatro huecos, y suelta otro color sobre una ficha para cambiarla. Cuando la fila esté completa, elige %2.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+43"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+22"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <location line="-86"/>
        <location filename="../src/app/HelpWindow.cpp" line="-31"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <translation>Cada fila confirmada recibe su puntuación al lado: un marcador negro por cada ficha del color correcto en el sitio correcto y un marcador blanco por cada otro color que está en la combinación secreta pero en otro sitio. Con cuatro marcadores negros ganas; si la octava fila no acierta, pierdes la partida. En ambos casos, la combinación secreta aparece entonces en la fila de la solución, debajo del tablero.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation>Dos variantes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation>%1: los colores pueden repetirse en la combinación secreta y en un intento.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="-230"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Con reposición</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation>%1: la combinación secreta tiene cuatro colores distintos, y se rechaza un intento que repita un color.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <location filename="../src/app/StatisticsWindow.cpp" line="+0"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Sin reposición</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation>Empieza una partida de cualquiera de los dos tipos desde %1.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+97"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation>Dejar jugar al ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation>%1 juega la fila activa por ti: el ordenador pone la primera combinación, en un orden fijo, que encaja con todas las puntuaciones hasta ahora, y la confirma. Tú y el ordenador podéis jugar por turnos en una misma partida.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Jugada</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has three options, all off at first. They apply at once and are kept for the next start.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Preferences...</extracomment>
        <translation>%1 tiene tres opciones, todas desactivadas al principio. Se aplican al momento y se guardan para la próxima vez.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation>%1: cada ficha de color lleva una marca negra o blanca cuya forma indica su color, para quienes distinguen mal algunos de los colores. El rojo tiene un triángulo hacia arriba, el verde una cruz, el amarillo un triángulo hacia abajo, el azul dos barras horizontales, el magenta un anillo y el cian dos barras verticales.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation>&amp;Marcas de color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation>%1: cada marcador blanco lleva un contorno oscuro, para que se distinga de un hueco vacío.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation>Marcadores con &amp;contorno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: during a game, the title of the board&apos;s box tells how many secrets still agree with every scored row.</source>
        <extracomment>Help text; %1 is the name of the preference.</extracomment>
        <translation>%1: durante una partida, el título del tablero indica cuántas combinaciones secretas concuerdan aún con todas las filas puntuadas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+6"/>
        <source>&amp;Show how many secrets are still possible</source>
        <extracomment>A preference, off by default; the count shows in the title of the board&apos;s box.</extracomment>
        <translation>Mostrar cuántas combinaciones &amp;quedan posibles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Statistics</source>
        <extracomment>Help heading of the part on the statistics window.</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every game that ends is kept in the history of your games. %1 shows, for each variant, the games played, won, lost and abandoned, the win rate, the winning streaks, the average rows of a win and the wins without Move, with a chart of wins by the number of rows beside the losses; and it looks back at the last game row by row. Reset statistics moves the history aside into a file of its own; nothing is deleted.</source>
        <extracomment>Help text; %1 is the menu path Info &gt; Statistics...</extracomment>
        <translation>Cada partida que termina se guarda en el historial de tus partidas. %1 muestra, para cada variante, las partidas jugadas, ganadas, perdidas y abandonadas, el porcentaje de victorias, las rachas de victorias, las filas medias de una victoria y las victorias sin Jugada, con un gráfico de victorias según el número de filas junto a las derrotas; y repasa la última partida fila a fila. Reiniciar estadísticas aparta el historial en un archivo propio; no se borra nada.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Once a game is over, each score&apos;s tooltip tells how many secrets were still possible before and after its row, and whether the row&apos;s guess could have been the secret.</source>
        <extracomment>Help text on the tooltips of the scores once a game is over.</extracomment>
        <translation>Al terminar una partida, la descripción emergente de cada puntuación indica cuántas combinaciones secretas eran aún posibles antes y después de su fila, y si la jugada de la fila podía haber sido la combinación secreta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation>Las teclas funcionan sea cual sea la ventana activa.</translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="-4"/>
        <source>Info Panel</source>
        <translation>Panel de información</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation>Un juego de descifrar códigos: descubre cuatro colores escondidos de entre seis.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+12"/>
        <location filename="../src/app/HelpWindow.cpp" line="-43"/>
        <location line="+33"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the statistics, the preferences and the help.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Info Panel...</source>
        <extracomment>Menu item under Info: opens the window about the program.</extracomment>
        <translation>Panel de información...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Quitar la ficha puesta más a la derecha en la fila activa</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Statistics...</source>
        <extracomment>Menu item under Info: opens the statistics of the games played.</extracomment>
        <translation>Estadísticas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/app/HelpWindow.cpp" line="-33"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Hide</source>
        <extracomment>Item of the menu bar: minimises both windows.</extracomment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <location filename="../src/game/Controller.cpp" line="+56"/>
        <source>Hueriddle (without replacement)</source>
        <translation>Hueriddle (sin reposición)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (con reposición)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation>Hay que poner los cuatro colores.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-105"/>
        <source>No double colors, please.</source>
        <translation>Sin colores repetidos, por favor.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation>Has ganado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation>Has perdido.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation>color %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation>Una ficha de color %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation>Un hueco vacío</translation>
    </message>
    <message>
        <location filename="../src/app/StatisticsWindow.cpp" line="-33"/>
        <source>Games played</source>
        <extracomment>Statistics: games played (won, lost or abandoned).</extracomment>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Won</source>
        <extracomment>Statistics: games won.</extracomment>
        <translation>Ganadas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost</source>
        <extracomment>Statistics: games lost (eight rows without finding the secret).</extracomment>
        <translation>Perdidas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Abandoned</source>
        <extracomment>Statistics: games given up by starting a new game.</extracomment>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Win rate</source>
        <extracomment>Statistics: won games out of those played, in percent.</extracomment>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak</source>
        <extracomment>Statistics: wins in a row up to the last game.</extracomment>
        <translation>Racha actual de victorias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Best winning streak</source>
        <extracomment>Statistics: the most wins in a row.</extracomment>
        <translation>Mejor racha de victorias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average rows of a win</source>
        <extracomment>Statistics: the mean number of rows of a won game.</extracomment>
        <translation>Filas medias por victoria</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins without Move</source>
        <extracomment>Statistics: games won without using the &quot;Move&quot; command.</extracomment>
        <translation>Victorias sin Jugada</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Hueriddle Statistics</source>
        <extracomment>The title of the statistics window.</extracomment>
        <translation>Estadísticas de Hueriddle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Last game</source>
        <extracomment>The box that looks back at the last game, row by row.</extracomment>
        <translation>Última partida</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Guess</source>
        <extracomment>Column of the last game&apos;s table: the colors of a row&apos;s guess.</extracomment>
        <translation>Jugada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score</source>
        <extracomment>Column of the last game&apos;s table: the row&apos;s score.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible before</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible before the row.</extracomment>
        <translation>Posibles antes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Possible after</source>
        <extracomment>Column of the last game&apos;s table: secrets still possible after the row.</extracomment>
        <translation>Posibles después</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could win</source>
        <extracomment>Column of the last game&apos;s table: whether the guess could have been the secret.</extracomment>
        <translation>Podía ganar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the last game</source>
        <extracomment>The accessible name of the table that looks back at the last game.</extracomment>
        <translation>Filas de la última partida</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Reset statistics...</source>
        <extracomment>Button of the statistics window; it asks before moving the history aside.</extracomment>
        <translation>&amp;Reiniciar estadísticas...</translation>
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
        <translation>Se omitieron %1 líneas dañadas o desconocidas del historial; el archivo las conserva.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 games of a later version of Hueriddle are kept but not counted.</source>
        <extracomment>%1 is a number of games written by a newer version of the program.</extracomment>
        <translation>%1 partidas de una versión posterior de Hueriddle se conservan pero no se cuentan.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No game has ended yet.</source>
        <extracomment>Shown in the &quot;Last game&quot; box before any game has ended.</extracomment>
        <translation>Aún no ha terminado ninguna partida.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Won on row %1.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows it took.</extracomment>
        <translation>Ganada en la fila %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lost.</source>
        <translation>Perdida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Abandoned after %1 rows.</source>
        <extracomment>The last game&apos;s result; %1 is the number of rows committed before a new game.</extracomment>
        <translation>Abandonada tras %1 filas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, %2. %3 The secret: %4.</source>
        <extracomment>The last game in a sentence: %1 the variant, %2 the date and time, %3 its result, %4 the secret&apos;s colors.</extracomment>
        <translation>%1, %2. %3 La combinación secreta: %4.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (Move)</source>
        <extracomment>A guess the computer played; %1 lists its colors.</extracomment>
        <translation>%1 (Jugada)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/views/Result.cpp" line="+51"/>
        <source>%1 black, %2 white</source>
        <translation>negros: %1, blancos: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reset statistics</source>
        <extracomment>Title of the question asked before the statistics are reset.</extracomment>
        <translation>Reiniciar estadísticas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start the statistics afresh? The history of your games is kept in a file of its own, not deleted.</source>
        <extracomment>The question asked before the statistics are reset.</extracomment>
        <translation>¿Empezar las estadísticas de nuevo? El historial de tus partidas se guarda en un archivo propio, no se borra.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reset</source>
        <extracomment>The button that confirms the reset of the statistics.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+6"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>%1 en su sitio, %2 en otro sitio</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-16"/>
        <source>Hueriddle Preferences</source>
        <translation>Preferencias de Hueriddle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation>Cada ficha de color lleva una marca negra o blanca cuya forma basta para indicar su color.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation>Los marcadores blancos llevan un contorno oscuro, para que se distingan de los huecos vacíos.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>During a game, the board&apos;s title tells how many secrets still agree with every scored row.</source>
        <extracomment>Explains the preference &quot;Show how many secrets are still possible&quot;.</extracomment>
        <translation>Durante una partida, el título del tablero indica cuántas combinaciones secretas concuerdan aún con todas las filas puntuadas.</translation>
    </message>
    <message>
        <location filename="../src/app/Hindsight.cpp" line="+39"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could have been the secret.</source>
        <translation>Antes de esta fila aún eran posibles %1 combinaciones secretas; después, %2. Esta jugada podía haber sido la combinación secreta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Before this row %1 secrets were still possible, after it %2. This guess could no longer be the secret.</source>
        <extracomment>As above, for a guess that no longer agreed with the earlier rows.</extracomment>
        <translation>Antes de esta fila aún eran posibles %1 combinaciones secretas; después, %2. Esta jugada ya no podía ser la combinación secreta.</translation>
    </message>
    <message>
        <location filename="../src/app/WinsChart.cpp" line="+25"/>
        <source>Wins by rows</source>
        <extracomment>The name of the chart of wins by rows, for screen readers.</extracomment>
        <translation>Victorias por filas</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 rows: %2</source>
        <extracomment>One entry of the chart&apos;s text: %1 rows played, %2 games won with that many.</extracomment>
        <translation>%1 filas: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wins by the number of rows: %1. Lost: %2.</source>
        <extracomment>The chart of wins by rows as text for screen readers; %1 lists &quot;rows: wins&quot; entries, %2 is the number of games lost.</extracomment>
        <translation>Victorias según el número de filas: %1. Perdidas: %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>lost</source>
        <extracomment>Label under the bar of lost games in the chart of wins by rows; keep it short.</extracomment>
        <translation>perd.</translation>
    </message>
</context>
</TS>

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
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Board and answer</source>
        <translation>Tablero y solución</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main menu</source>
        <translation>Menú principal</translation>
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
        <location line="+9"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="-57"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+38"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+29"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partida</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/HelpWindow.cpp" line="-38"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+9"/>
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
        <location filename="../src/app/CommandTable.cpp" line="+92"/>
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
        <location filename="../src/app/HelpWindow.cpp" line="-34"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>La ventana %1 se abre junto al tablero y se mantiene por encima de él. Mueve cualquiera de las dos ventanas adonde quieras: ambas volverán a abrirse allí en el próximo inicio.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <translation>%1 tiene dos opciones, ambas desactivadas al principio. Se aplican al instante y se conservan para el próximo inicio.</translation>
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
        <location filename="../src/app/HelpWindow.cpp" line="-18"/>
        <source>Info</source>
        <extracomment>Menu of the menu bar: the info panel, the preferences and the help.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-23"/>
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
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <location line="-38"/>
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
        <location filename="../src/game/Controller.cpp" line="+52"/>
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
        <location line="+108"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>No double colors, please.</source>
        <translation>Sin colores repetidos, por favor.</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location filename="../src/views/Result.cpp" line="+40"/>
        <source>%1 black, %2 white</source>
        <translation>negros: %1, blancos: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>%1 en su sitio, %2 en otro sitio</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-10"/>
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
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation>Riga della soluzione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation>Soluzione, posizione %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation>Righe e valutazioni</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation>Riga %1, posizione %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Board</source>
        <translation>Plancia</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Board and answer</source>
        <translation>Plancia e soluzione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Main menu</source>
        <translation>Menu principale</translation>
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
        <translation>Plancia di Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation>Tasto %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation>Un piolo %1, tasto %2</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+94"/>
        <location line="+9"/>
        <location filename="../src/app/PaletteWindow.cpp" line="-20"/>
        <location line="+14"/>
        <source>Palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="-13"/>
        <source>Hueriddle palette</source>
        <translation>Tavolozza di Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-57"/>
        <source>Hueriddle Help</source>
        <translation>Guida di Hueriddle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Nuova partita con reinserimento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Nuova partita senza reinserimento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Conferma la riga attiva</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Nascondi entrambe le finestre</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Mostra questa guida</translation>
    </message>
    <message>
        <location filename="../src/rules/ColorCode.h" line="+74"/>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Metti un piolo %1 nel primo foro libero della riga attiva</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation>Come si gioca a Hueriddle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation>Il computer nasconde un codice segreto di quattro colori su sei: blu, verde, ciano, rosso, magenta e giallo. Scoprilo in otto tentativi al massimo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation>Si comincia dalla riga in alto della plancia e si scende; i fori della riga attiva hanno una seconda cornice. Trascina un colore dalla finestra %1 su ciascuno dei suoi quattro fori, e rilascia un altro colore su un piolo per cambiarlo. Quando la riga è completa, scegli %2.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+38"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+29"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Partita</translation>
    </message>
    <message>
        <location line="-81"/>
        <location filename="../src/app/HelpWindow.cpp" line="-38"/>
        <source>Commit</source>
        <extracomment>Menu item under Game: scores the active row.</extracomment>
        <translation>Conferma</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+9"/>
        <source>Each committed row is scored beside it: a black key peg for every peg of the right color in the right place, a white key peg for every further color that is in the secret at another place. Four black key pegs win; if the eighth row misses, the game is lost. Either way the secret then shows in the answer row below the board.</source>
        <translation>Ogni riga confermata riceve accanto la sua valutazione: un piolino nero per ogni piolo del colore giusto al posto giusto, un piolino bianco per ogni altro colore presente nel codice segreto ma in un altro posto. Con quattro piolini neri si vince; se anche l&apos;ottava riga non indovina, la partita è persa. In entrambi i casi il codice segreto compare poi nella riga della soluzione, sotto la plancia.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation>Due varianti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation>%1: i colori possono ripetersi nel codice segreto e in un tentativo.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Con reinserimento</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation>%1: il codice segreto ha quattro colori diversi, e un tentativo che ripete un colore viene rifiutato.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Senza reinserimento</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation>Inizia una partita dell&apos;uno o dell&apos;altro tipo da %1.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+92"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation>Lascia muovere il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation>%1 gioca la riga attiva al posto tuo: il computer inserisce la prima combinazione, in un ordine fisso, compatibile con tutte le valutazioni finora, e la conferma. Tu e il computer potete giocare a turno nella stessa partita.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Mossa</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-34"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>La finestra %1 si apre accanto alla plancia e resta sopra di essa. Sposta le finestre dove preferisci: al prossimo avvio si riapriranno entrambe lì.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <translation>%1 ha due opzioni, entrambe disattivate all’inizio. Si applicano subito e restano per il prossimo avvio.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation>%1: ogni piolo colorato porta un segno nero o bianco la cui forma ne indica il colore, per chi distingue male alcuni dei colori. Il rosso ha un triangolo con la punta in alto, il verde una croce, il giallo un triangolo con la punta in basso, il blu due barre orizzontali, il magenta un anello e il ciano due barre verticali.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation>&amp;Segni dei colori</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation>%1: ogni piolino bianco riceve un contorno scuro, così da distinguersi da un posto vuoto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation>Piolini &amp;contornati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation>I tasti funzionano qualunque delle due finestre sia attiva.</translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="-4"/>
        <source>Info Panel</source>
        <translation>Pannello informazioni</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation>Un gioco di decifrazione: scopri quattro colori nascosti su sei.</translation>
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
        <translation>Pannello informazioni...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Togli il piolo messo più a destra nella riga attiva</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Preferenze...</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation>Guida...</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Hide</source>
        <extracomment>Item of the menu bar: minimises both windows.</extracomment>
        <translation>Nascondi</translation>
    </message>
    <message>
        <location filename="../src/game/Controller.cpp" line="+52"/>
        <source>Hueriddle (without replacement)</source>
        <translation>Hueriddle (senza reinserimento)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (con reinserimento)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation>Bisogna mettere tutti e quattro i colori.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>No double colors, please.</source>
        <translation>Niente colori doppi, per favore.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation>Hai vinto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation>Partita finita.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation>Hai perso.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation>colore %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation>Un piolo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation>Un foro vuoto</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+40"/>
        <source>%1 black, %2 white</source>
        <translation>neri: %1, bianchi: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>%1 al posto giusto, %2 in un altro posto</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-10"/>
        <source>Hueriddle Preferences</source>
        <translation>Preferenze di Hueriddle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation>Ogni piolo colorato porta un segno nero o bianco la cui sola forma ne indica il colore.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation>I piolini bianchi ricevono un contorno scuro, così da distinguersi dai posti vuoti.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <location filename="../src/app/BoardWindow.cpp" line="+80"/>
        <source>Answer row</source>
        <translation>Linha da resposta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer, position %1</source>
        <translation>Resposta, posição %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rows and scores</source>
        <translation>Linhas e avaliações</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row %1, position %2</source>
        <translation>Linha %1, posição %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Board and answer</source>
        <translation>Tabuleiro e resposta</translation>
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
        <translation>Tabuleiro do Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/PaletteWindow.cpp" line="+29"/>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Key %1: %2</source>
        <translation>Tecla %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A %1 peg, key %2</source>
        <translation>Um pino %1, tecla %2</translation>
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
        <translation>Paleta do Hueriddle</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-57"/>
        <source>Hueriddle Help</source>
        <translation>Ajuda do Hueriddle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+26"/>
        <source>New game with replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Novo jogo com reposição</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New game without replacement</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Novo jogo sem reposição</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Commit the active row</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Confirmar a linha ativa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hide both windows</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Ocultar as duas janelas</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Quit</source>
        <extracomment>Item of the menu bar, and its line in the help&apos;s key table.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show this help</source>
        <extracomment>Line of the help&apos;s key table.</extracomment>
        <translation>Mostrar esta ajuda</translation>
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
        <translation>ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+15"/>
        <source>Put %1 on the first empty peg of the active row</source>
        <extracomment>Line of the help&apos;s key table; %1 is a colour&apos;s name, such as &quot;red&quot;.</extracomment>
        <translation>Pôr um pino %1 no primeiro furo livre da linha ativa</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+32"/>
        <source>How to play Hueriddle</source>
        <translation>Como jogar Hueriddle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer hides a secret row of four colors out of six: blue, green, cyan, red, magenta and yellow. Find it within eight guesses.</source>
        <translation>O computador esconde uma senha secreta de quatro cores entre seis: azul, verde, ciano, vermelho, magenta e amarelo. Descubra-a em até oito tentativas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play starts on the top row of the board and goes down; the pegs of the active row have a second frame. Drag a color from the %1 window onto each of its four pegs, and drop another color on a peg to change it. When the row is full, choose %2.</source>
        <translation>O jogo começa na linha de cima do tabuleiro e vai descendo; os furos da linha ativa têm uma segunda moldura. Arraste uma cor da janela %1 para cada um dos seus quatro furos, e solte outra cor sobre um pino para trocá-lo. Quando a linha estiver completa, escolha %2.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+38"/>
        <location filename="../src/app/HelpWindow.cpp" line="+6"/>
        <location line="+29"/>
        <location line="+10"/>
        <source>Game</source>
        <extracomment>Menu of the menu bar: the game commands.</extracomment>
        <translation>Jogo</translation>
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
        <translation>Cada linha confirmada recebe sua avaliação ao lado: um pino de avaliação preto para cada pino da cor certa no lugar certo, um pino de avaliação branco para cada outra cor que está na senha secreta, mas em outro lugar. Quatro pinos de avaliação pretos vencem; se a oitava linha errar, o jogo está perdido. Nos dois casos a senha secreta aparece então na linha da resposta, abaixo do tabuleiro.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Two variants</source>
        <translation>Duas variantes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: colors may repeat in the secret and in a guess.</source>
        <translation>%1: as cores podem se repetir na senha secreta e numa tentativa.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-18"/>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>With replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game whose colours may repeat.</extracomment>
        <translation>Com reposição</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>%1: the secret has four different colors, and a guess that repeats a color is refused.</source>
        <translation>%1: a senha secreta tem quatro cores diferentes, e uma tentativa que repete uma cor é recusada.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+9"/>
        <location filename="../src/app/HelpWindow.cpp" line="+4"/>
        <source>Without replacement</source>
        <extracomment>Menu item under Game &gt; New game: a game with four different colours.</extracomment>
        <translation>Sem reposição</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Start a game of either kind from %1.</source>
        <translation>Comece um jogo de qualquer um dos dois tipos em %1.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="+92"/>
        <location filename="../src/app/HelpWindow.cpp" line="+3"/>
        <source>New game</source>
        <extracomment>Submenu of Game: starts a game of either variant.</extracomment>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+2"/>
        <source>Let the computer move</source>
        <translation>Deixar o computador jogar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 plays the active row for you: it puts in the first combination, in a fixed order, that agrees with every score so far, and commits it. You and the computer can take turns in one game.</source>
        <translation>%1 joga a linha ativa por você: o computador coloca a primeira combinação, numa ordem fixa, que combina com todas as avaliações até agora, e a confirma. Você e o computador podem se revezar no mesmo jogo.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandTable.cpp" line="-16"/>
        <location filename="../src/app/HelpWindow.cpp" line="+5"/>
        <source>Move</source>
        <extracomment>Menu item under Game: the computer plays the active row.</extracomment>
        <translation>Jogada</translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-34"/>
        <source>The %1 window opens beside the board and stays above it. Move either window where you like: both open there again at the next start.</source>
        <extracomment>%1 is the palette window&apos;s title in bold. Both windows&apos; places are kept from one start to the next.</extracomment>
        <translation>A janela %1 abre ao lado do tabuleiro e fica acima dele. Mova qualquer uma das janelas para onde quiser: as duas abrirão ali de novo na próxima vez.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has two options, both off at first. They apply at once and are kept for the next start.</source>
        <translation>%1 tem duas opções, ambas desligadas no início. Elas valem na hora e ficam guardadas para a próxima vez.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: every colored peg carries a black or white mark whose shape tells its color, for players who tell some of the colors apart poorly. Red has a triangle pointing up, green a cross, yellow a triangle pointing down, blue two horizontal bars, magenta a ring and cyan two vertical bars.</source>
        <translation>%1: cada pino colorido traz uma marca preta ou branca cuja forma indica a sua cor, para quem distingue mal algumas das cores. O vermelho tem um triângulo apontando para cima, o verde uma cruz, o amarelo um triângulo apontando para baixo, o azul duas barras horizontais, o magenta um anel e o ciano duas barras verticais.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+42"/>
        <source>&amp;Color marks</source>
        <translation>&amp;Marcas de cor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: every white key peg gets a dark outline, so that it stands out from an empty place.</source>
        <translation>%1: cada pino de avaliação branco ganha um contorno escuro, para se destacar de um lugar vazio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/PreferencesWindow.cpp" line="+4"/>
        <source>&amp;Outlined key pegs</source>
        <translation>Pinos de avaliação &amp;contornados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The keys work whichever of the two windows is active.</source>
        <translation>As teclas funcionam em qualquer uma das duas janelas que estiver ativa.</translation>
    </message>
    <message>
        <location filename="../src/app/InfoPanel.cpp" line="-4"/>
        <source>Info Panel</source>
        <translation>Painel de informações</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A code-breaking game: find four hidden colors out of six.</source>
        <translation>Um jogo de quebrar senhas: descubra quatro cores escondidas entre seis.</translation>
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
        <translation>Painel de informações...</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Empty the rightmost filled peg of the active row</source>
        <extracomment>Line of the help&apos;s key table: Backspace takes the colour off the filled peg that is furthest right.</extracomment>
        <translation>Tirar o pino colocado mais à direita na linha ativa</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/HelpWindow.cpp" line="+1"/>
        <source>Preferences...</source>
        <extracomment>Menu item under Info: opens the preferences window.</extracomment>
        <translation>Preferências...</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Help...</source>
        <extracomment>Menu item under Info: opens the help window.</extracomment>
        <translation>Ajuda...</translation>
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
        <translation>Hueriddle (sem reposição)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hueriddle (with replacement)</source>
        <translation>Hueriddle (com reposição)</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>All four colors must be set.</source>
        <translation>As quatro cores precisam estar colocadas.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>No double colors, please.</source>
        <translation>Sem cores repetidas, por favor.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You win.</source>
        <translation>Você venceu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over.</source>
        <translation>Fim de jogo.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>You lose.</source>
        <translation>Você perdeu.</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+33"/>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color %1</source>
        <translation>cor %1</translation>
    </message>
    <message>
        <location filename="../src/views/CellView.cpp" line="+27"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/views/Peg.cpp" line="+12"/>
        <source>A %1 peg</source>
        <translation>Um pino %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An empty hole</source>
        <translation>Um furo vazio</translation>
    </message>
    <message>
        <location filename="../src/views/Result.cpp" line="+40"/>
        <source>%1 black, %2 white</source>
        <translation>pretos: %1, brancos: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 in the right place, %2 in another place</source>
        <translation>%1 no lugar certo, %2 em outro lugar</translation>
    </message>
    <message>
        <location filename="../src/app/PreferencesWindow.cpp" line="-10"/>
        <source>Hueriddle Preferences</source>
        <translation>Preferências do Hueriddle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every colored peg carries a black or white mark whose shape alone tells its color.</source>
        <translation>Cada pino colorido traz uma marca preta ou branca cuja forma basta para indicar a sua cor.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>White key pegs get a dark outline, so that they stand out from empty places.</source>
        <translation>Os pinos de avaliação brancos ganham um contorno escuro, para se destacar dos lugares vazios.</translation>
    </message>
</context>
</TS>

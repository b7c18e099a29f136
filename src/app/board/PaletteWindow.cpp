#include "app/board/PaletteWindow.h"

#include "app/commands/CommandTable.h"
#include "dnd/SourcePeg.h"
#include "rules/ColorCode.h"
#include "views/ColorCodes.h"
#include "views/GameText.h"

namespace
{

constexpr int kPegSize = Peg::kSize;

} // namespace

PaletteWindow::PaletteWindow(QWidget *board) : FixedWindow(board)
{
    setupWidgets();
    //: Title of the small window holding the six colours; the help names it
    //: ("the Palette window").
    setWindowTitle(GameText::tr("Palette"));
    //: Read by screen readers: the name of the palette window.
    setAccessibleName(GameText::tr("Hueriddle palette"));
}

void PaletteWindow::setupWidgets()
{
    constexpr int width = rules::kPaletteColumns * kPegSize;
    constexpr int height = rules::kPaletteRows * kPegSize;
    auto *paletteView = new QWidget(this);
    paletteView->setFixedSize(width, height);
    //: Read by screen readers: the six colour pegs of the palette.
    paletteView->setAccessibleName(GameText::tr("Colors"));
    for (const rules::PlayableColor &color : rules::kPlayableColors) {
        const QPointF corner(kPegSize * color.paletteColumn, kPegSize * color.paletteRow);
        auto *peg = new SourcePeg(corner, paletteView);
        //: Read by screen readers before a palette colour's name ("Palette:
        //: red"). The same word as the window's title, but it may need another
        //: form before a colour's name.
        peg->setAccessibleLabel(GameText::tr("Palette", "label of a colour peg"));
        peg->setColor(ColorCodes::colorOfCode(color.code));
        // The key that places the colour, shown on hovering and read out.
        const QString name = GameText::tr(color.name);
        const QString key = CommandTable::keyPlacing(color.code);
        //: Tool tip of a palette colour; %1 is the key that places it, %2 the
        //: colour's name ("Key 1: red").
        peg->setToolTip(GameText::tr("Key %1: %2").arg(key).arg(name));
        //: Read by screen readers for a palette colour; %1 is the colour's name
        //: (translated alone), %2 the digit key that places it.
        peg->setAccessibleDetails(GameText::tr("A %1 peg, key %2").arg(name).arg(key));
    }
    setFixedSize(width, height);
}

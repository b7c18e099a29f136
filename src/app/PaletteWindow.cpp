#include "app/PaletteWindow.h"

#include "app/CommandTable.h"
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
    setWindowTitle(GameText::tr("Palette"));
    setAccessibleName(GameText::tr("Hueriddle palette"));
}

void PaletteWindow::setupWidgets()
{
    constexpr int width = rules::kPaletteColumns * kPegSize;
    constexpr int height = rules::kPaletteRows * kPegSize;
    auto *paletteView = new QWidget(this);
    paletteView->setFixedSize(width, height);
    paletteView->setAccessibleName(GameText::tr("Colors"));
    for (const rules::PlayableColor &color : rules::kPlayableColors) {
        const QPointF corner(kPegSize * color.paletteColumn, kPegSize * color.paletteRow);
        auto *peg = new SourcePeg(corner, paletteView);
        peg->setAccessibleLabel(GameText::tr("Palette"));
        peg->setColor(ColorCodes::colorOfCode(color.code));
        // The key that places the colour, shown on hovering and read out.
        const QString name = GameText::tr(color.name);
        const QString key = CommandTable::keyPlacing(color.code);
        peg->setToolTip(GameText::tr("Key %1: %2").arg(key).arg(name));
        peg->setAccessibleDetails(GameText::tr("A %1 peg, key %2").arg(name).arg(key));
    }
    setFixedSize(width, height);
}

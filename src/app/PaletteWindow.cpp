#include "app/PaletteWindow.h"

#include "dnd/SourcePeg.h"
#include "rules/ColorCode.h"
#include "views/GameText.h"

namespace
{

constexpr int kPegSize = Peg::kSize;
constexpr int kPaletteColumns = 3;
constexpr int kPaletteRows = 2;

} // namespace

PaletteWindow::PaletteWindow()
{
    setupWidgets();
    setWindowTitle(GameText::tr("Palette"));
    setAccessibleName(GameText::tr("Hueriddle palette"));
}

void PaletteWindow::setupWidgets()
{
    constexpr int width = kPaletteColumns * kPegSize;
    constexpr int height = kPaletteRows * kPegSize;
    auto *paletteView = new QWidget(this);
    paletteView->setFixedSize(width, height);
    paletteView->setAccessibleName(GameText::tr("Colors"));
    for (const rules::PlayableColor &color : rules::kPlayableColors) {
        const QPointF corner(kPegSize * color.paletteColumn, kPegSize * color.paletteRow);
        auto *peg = new SourcePeg(corner, paletteView);
        peg->setAccessibleLabel(GameText::tr("Palette"));
        peg->setColor(Peg::colorOfCode(color.code));
    }
    setFixedSize(width, height);
}

#include "app/PaletteWindow.h"

#include "dnd/SourcePeg.h"

#include <QCoreApplication>

namespace
{

constexpr int kPegSize = Peg::kSize;
constexpr int kPaletteColumns = 3;
constexpr int kPaletteRows = 2;

} // namespace

PaletteWindow::PaletteWindow()
{
    setupWidgets();
    setWindowTitle(QCoreApplication::translate("Hueriddle", "Palette"));
    setAccessibleName(QCoreApplication::translate("Hueriddle", "Hueriddle palette"));
}

void PaletteWindow::setupWidgets()
{
    constexpr int width = kPaletteColumns * kPegSize;
    constexpr int height = kPaletteRows * kPegSize;
    auto *paletteView = new QWidget(this);
    paletteView->setFixedSize(width, height);
    paletteView->setAccessibleName(QCoreApplication::translate("Hueriddle", "Colors"));
    for (std::int32_t code = 1; code <= 6; ++code) {
        const QPointF corner(kPegSize * ((code - 1) % kPaletteColumns),
                             kPegSize * ((code - 1) % kPaletteRows));
        auto *peg = new SourcePeg(corner, paletteView);
        peg->setAccessibleLabel(QCoreApplication::translate("Hueriddle", "Palette"));
        peg->setColor(Peg::colorOfCode(code));
    }
    setFixedSize(width, height);
}

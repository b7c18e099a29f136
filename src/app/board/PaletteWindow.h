#pragma once

#include "app/board/FixedWindow.h"

// The palette window: the six colours to drag onto the board, three
// columns of two, at a fixed size. It is the board's utility window.
class PaletteWindow : public FixedWindow
{
    Q_OBJECT

public:
    explicit PaletteWindow(QWidget *board);

private:
    void setupWidgets();
};

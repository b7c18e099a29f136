#pragma once

#include "app/FixedWindow.h"

// The palette window: the six colours to drag onto the board, three
// columns of two, at a fixed size.
class PaletteWindow : public FixedWindow
{
    Q_OBJECT

public:
    PaletteWindow();

private:
    void setupWidgets();
};

#pragma once

#include <QCoreApplication>

// The one translation context of the program's texts, "Hueriddle":
// GameText::tr("You win.") is QCoreApplication::translate("Hueriddle", "You win.").
class GameText
{
    Q_DECLARE_TR_FUNCTIONS(Hueriddle)
};

#pragma once

#include <QSettings>
#include <QString>

// The program's one settings file and the name of everything kept in it. The
// file is QSettings' native one for organization and application "Hueriddle"
// (on Linux $XDG_CONFIG_HOME/Hueriddle/Hueriddle.conf). The keys are part of
// what players keep from one version to the next: never rename one.
namespace UserSettings
{

inline const QString kOrganization = QStringLiteral("Hueriddle");
inline const QString kApplication = QStringLiteral("Hueriddle");

// Each window's saved frame, as QWidget::saveGeometry() data.
inline const QString kBoardFrameKey = QStringLiteral("HueRiddlesMain");
inline const QString kPaletteFrameKey = QStringLiteral("HueRiddlesPalette");

// The player's preferences are kept under "Preferences/…" keys, named in the
// program's preferences table.

// The unfinished game's file, in ProgramFolders::stateDirectory(), in the
// format of records::SavedGameFormat.
inline const QString kSavedGameFileName = QStringLiteral("saved-game");

// The settings file, whatever the application's names are set to.
QSettings open();

} // namespace UserSettings

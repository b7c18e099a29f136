#include "app/preferences/PreferenceTable.h"

#include "views/GameText.h"

#include <algorithm>

namespace
{

QList<PreferenceTable::Preference> makePreferences()
{
    using Id = PreferenceTable::Id;
    return {
        {.id = Id::ColorMarks,
         .key = "Preferences/ColorMarks",
         .defaultValue = false,
         //: A check box: a black or white symbol on each coloured peg tells its
         //: colour by shape. "&" marks the mnemonic letter.
         .label = QT_TRANSLATE_NOOP("Hueriddle", "&Color marks"),
         //: The explanation under the check box "Color marks".
         .explanation =
             QT_TRANSLATE_NOOP("Hueriddle", "Every colored peg carries a black or white mark whose "
                                            "shape alone tells its color."),
         //: %1 is the check box "Color marks" of the preferences, in bold.
         .help = QT_TRANSLATE_NOOP(
             "Hueriddle", "%1: every colored peg carries a black or white mark whose shape tells "
                          "its color, for players who tell some of the colors apart poorly. Red "
                          "has a triangle pointing up, green a cross, yellow a triangle pointing "
                          "down, blue two horizontal bars, magenta a ring and cyan two vertical "
                          "bars."),
         .viewOption = ViewOptions::ColorMarks},
        {.id = Id::OutlinedKeyPegs,
         .key = "Preferences/OutlinedKeyPegs",
         .defaultValue = false,
         //: A check box: the white key pegs of the scores get a dark outline. "&"
         //: marks the mnemonic letter.
         .label = QT_TRANSLATE_NOOP("Hueriddle", "&Outlined key pegs"),
         //: The explanation under the check box "Outlined key pegs"; an empty
         //: place is a hole of the board with no peg.
         .explanation = QT_TRANSLATE_NOOP("Hueriddle", "White key pegs get a dark outline, so "
                                                       "that they stand out from empty places."),
         //: %1 is the check box "Outlined key pegs" of the preferences, in bold.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "%1: every white key peg gets a dark outline, so "
                                                "that it stands out from an empty place."),
         .viewOption = ViewOptions::OutlinedKeyPegs},
        {.id = Id::PossibleSecrets,
         .key = "Preferences/ShowPossibleSecrets",
         .defaultValue = false,
         //: A preference, off by default; the count shows in the title of the board's box.
         .label = QT_TRANSLATE_NOOP("Hueriddle", "&Show how many secrets are still possible"),
         //: Explains the preference "Show how many secrets are still possible".
         .explanation =
             QT_TRANSLATE_NOOP("Hueriddle", "During a game, the board's title tells how many "
                                            "secrets still agree with every scored row."),
         //: %1 is the check box "Show how many secrets are still possible", in bold.
         .help = QT_TRANSLATE_NOOP("Hueriddle", "%1: during a game, the title of the board's box "
                                                "tells how many secrets still agree with every "
                                                "scored row."),
         .viewOption = ViewOptions::PossibleSecrets},
        {.id = Id::ResumeGame,
         .key = "Preferences/ResumeGame",
         .defaultValue = true,
         //: A preference, on by default: the game left unfinished comes back at the next start.
         .label = QT_TRANSLATE_NOOP("Hueriddle", "&Resume an unfinished game"),
         //: Explains the preference "Resume an unfinished game".
         .explanation = QT_TRANSLATE_NOOP(
             "Hueriddle", "A game left unfinished when the program ends comes back as it was at "
                          "the next start; otherwise every start begins a new game."),
         //: %1 is the check box "Resume an unfinished game" of the preferences, in bold.
         .help = QT_TRANSLATE_NOOP(
             "Hueriddle", "%1: a game left unfinished when the program ends, even by a logout or "
                          "a crash, comes back as it was at the next start. This option alone is "
                          "on at first.")},
    };
}

} // namespace

const QList<PreferenceTable::Preference> &PreferenceTable::preferences()
{
    static const QList<Preference> table = makePreferences();
    return table;
}

const PreferenceTable::Preference &PreferenceTable::preference(Id id)
{
    const QList<Preference> &table = preferences();
    return *std::find_if(table.begin(), table.end(),
                         [id](const Preference &each) { return each.id == id; });
}

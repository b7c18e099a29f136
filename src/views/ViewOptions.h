#pragma once

#include <QObject>
#include <array>

// The player's display options, shared by every view of the process. All are
// off at start, and with all off the views draw their standard look, pixel for
// pixel. Every view repaints as soon as an option changes. Which settings key
// keeps an option and how the player names it is the program's business (its
// preferences table); the views only read the options.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    enum Option : int {
        // Every peg of one of the six playable colours carries a mark whose
        // shape alone tells the colour.
        ColorMarks,
        // Every white key peg gets a dark outline, so that it stands out from
        // an empty place.
        OutlinedKeyPegs,
        // During a game, the board tells how many secrets still agree with
        // every scored row.
        PossibleSecrets,
    };
    static constexpr int kOptionCount = PossibleSecrets + 1;

    static ViewOptions &instance();

    bool isOn(Option option) const { return m_on[std::size_t(option)]; }
    void set(Option option, bool on);

signals:
    // Sent once for each option that takes a new value, never for a set to
    // the value it has.
    void changed();

private:
    ViewOptions() = default;

    std::array<bool, kOptionCount> m_on{};
};

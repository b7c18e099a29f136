#pragma once

#include <QObject>

// The player's display options, shared by every view of the process. Both are off at start, and
// with both off the views draw their standard look, pixel for pixel. Every view repaints as soon as
// an option changes.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    static ViewOptions &instance();

    // Every peg of one of the six playable colours carries a mark whose shape
    // alone tells the colour.
    bool colorMarks() const { return m_colorMarks; }
    void setColorMarks(bool on);

    // Every white key peg gets a dark outline, so that it stands out from an
    // empty place.
    bool outlinedKeyPegs() const { return m_outlinedKeyPegs; }
    void setOutlinedKeyPegs(bool on);

    // During a game, the board tells how many secrets still agree with every
    // scored row.
    bool possibleSecrets() const { return m_possibleSecrets; }
    void setPossibleSecrets(bool on);

signals:
    // Sent once for each option that takes a new value, never for a set to
    // the value it has.
    void changed();

private:
    ViewOptions() = default;

    bool m_colorMarks = false;
    bool m_outlinedKeyPegs = false;
    bool m_possibleSecrets = false;
};

#pragma once

#include "app/board/FixedWindow.h"
#include "rules/Combination.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>

class Controller;
class DestinationPeg;
class MainMenu;
class Peg;
class QGroupBox;
class Result;

// The board window: its menu bar, the "Board" box with eight rows of four
// pegs and a score 60 units right of each row, and the "Answer" box below it,
// flush left, all at a fixed size. Screen readers hear rows numbered as the
// player meets them (the top row, played first, is "Row 1") and positions
// from 1, left to right. Row 0 is the bottom row, as the controller counts.
class BoardWindow : public FixedWindow
{
    Q_OBJECT

public:
    using PegRows =
        std::array<std::array<QPointer<DestinationPeg>, rules::kPositions>, rules::kRows>;
    using Scores = std::array<QPointer<Result>, rules::kRows>;
    using AnswerRow = std::array<QPointer<Peg>, rules::kPositions>;

    // The menu's game commands go to `controller`.
    explicit BoardWindow(Controller &controller);

    const PegRows &pegs() const { return m_pegs; }
    const Scores &scores() const { return m_scores; }
    const AnswerRow &answer() const { return m_answer; }
    MainMenu *mainMenu() const { return m_menu; }

    // Names in the board box's title how many secrets are still possible, or
    // nothing; the box keeps its size, so no view moves.
    void setPossibleSecrets(std::optional<std::int32_t> count);
    QGroupBox *boardBox() const { return m_boardBox; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void setupWidgets();
    void setupMenus(Controller &controller);
    QGroupBox *makeAnswerBox(QWidget *parent);
    QGroupBox *makeBoardBox(QWidget *parent);

    QWidget *m_content = nullptr;
    MainMenu *m_menu = nullptr;
    QGroupBox *m_boardBox = nullptr;
    PegRows m_pegs;
    Scores m_scores;
    AnswerRow m_answer;
};

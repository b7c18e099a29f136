#include "app/board/Hindsight.h"

#include "app/board/BoardWindow.h"
#include "game/Controller.h"
#include "views/GameText.h"
#include "views/Result.h"
#include "views/ViewOptions.h"

#include <vector>

Hindsight::Hindsight(Controller &controller, QObject *parent)
    : QObject(parent), m_controller(controller)
{
    connect(&controller, &Controller::gameEnded, this, &Hindsight::explainEnd);
    connect(&controller, &Controller::rowCommitted, this, &Hindsight::showCount);
    connect(&controller, &Controller::gameStateChanged, this, &Hindsight::showCount);
    connect(&ViewOptions::instance(), &ViewOptions::changed, this, &Hindsight::showCount);
    m_notesTimer.setSingleShot(true);
    m_notesTimer.setInterval(0);
    connect(&m_notesTimer, &QTimer::timeout, this, &Hindsight::writeNotes);
}

QString Hindsight::note(const rules::RowHindsight &row)
{
    return row.couldBeSecret
               //: Tooltip of a score once the game is over. %1 and %2 are numbers of
               //: secrets that agreed with every row scored before this row, and after it.
               ? GameText::tr("Before this row %1 secrets were still possible, after it %2. "
                              "This guess could have been the secret.")
                     .arg(row.before)
                     .arg(row.after)
               //: As above, for a guess that no longer agreed with the earlier rows.
               : GameText::tr("Before this row %1 secrets were still possible, after it %2. "
                              "This guess could no longer be the secret.")
                     .arg(row.before)
                     .arg(row.after);
}

void Hindsight::showCount()
{
    auto *board = qobject_cast<BoardWindow *>(m_controller.window.data());
    if (m_controller.isPlaying())
        m_ended = {};
    if (!board)
        return;
    if (!ViewOptions::instance().isOn(ViewOptions::PossibleSecrets) || !m_controller.isPlaying()) {
        board->setPossibleSecrets(std::nullopt);
        return;
    }
    const std::vector<rules::ScoredRow> rows = m_controller.snapshot().scoredRows();
    board->setPossibleSecrets(rules::countPossibleSecrets(rows, m_controller.unique));
}

void Hindsight::explainEnd(const records::PlayedGame &game)
{
    if (!game.over)
        return;
    m_ended = game;
    if (!m_notesTimer.isActive())
        m_notesTimer.start();
}

void Hindsight::writeNotes()
{
    if (m_ended.rows.empty())
        return;
    const std::vector<rules::RowHindsight> hindsight =
        rules::lookBack(m_ended.scoredRows(), m_ended.unique);
    m_ended = {};
    // The game's rows run from the top row, row 7, down.
    for (std::size_t played = 0; played < hindsight.size(); ++played) {
        const std::size_t row = rules::kRows - 1 - played;
        if (m_controller.res[row])
            m_controller.res[row]->setNote(note(hindsight[played]));
    }
}

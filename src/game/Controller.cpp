#include "game/Controller.h"

#include "dnd/DestinationPeg.h"
#include "rules/CandidateSearch.h"
#include "rules/Scoring.h"
#include "rules/SecretDraw.h"
#include "views/ColorCodes.h"
#include "views/GameText.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QWidget>

namespace
{

constexpr std::int32_t kFirstRow = rules::kRows - 1;

} // namespace

Controller::Controller(QObject *parent) : QObject(parent) {}

Controller::~Controller() = default;

void Controller::evalCombos(const rules::Combination &first, const rules::Combination &second,
                            std::int32_t &white, std::int32_t &black) const
{
    const rules::Score score = rules::score(first, second);
    white = score.white;
    black = score.black;
}

void Controller::newGameUnique(bool withoutReplacement)
{
    if (m_started && isPlaying() && currentRow < kFirstRow)
        emit gameEnded(snapshot());
    m_started = true;
    m_byMove = {};
    clearBoard();

    combo = rules::drawSecret(withoutReplacement);
    unique = withoutReplacement;
    done = false;
    activateRow(kFirstRow);

    showVariant();
    emit gameStateChanged();
    emit boardChanged(Change::Game);
}

void Controller::newGameWithRep()
{
    newGameUnique(false);
}

void Controller::newGameNoRep()
{
    newGameUnique(true);
}

void Controller::commit()
{
    // Once the game is over there is no active row; a stale shortcut or a
    // queued event must not score anything.
    if (!isPlaying())
        return;
    const std::int32_t row = currentRow;

    // A row is committed as it shows: by the code of each peg's colour.
    rules::Combination guess{};
    for (int position = 0; position < rules::kPositions; ++position) {
        const QPointer<DestinationPeg> &peg = pegs[row][position];
        const QColor color = peg ? peg->color() : QColor();
        if (!color.isValid()) {
            alert(
                //: Title of a notice about a row that cannot be committed; its
                //: message says why. A gentle notice, not a warning of danger.
                GameText::tr("Alert"),
                //: Message of a notice: Commit was chosen before the four pegs of
                //: the active row had a colour.
                GameText::tr("All four colors must be set."));
            return;
        }
        guess[position] = ColorCodes::codeOfColor(color);
    }
    if (unique && rules::hasRepeatedCode(guess)) {
        alert(GameText::tr("Alert"),
              //: Message of a notice: a game without replacement refuses a row
              //: that has a colour twice.
              GameText::tr("No double colors, please."));
        return;
    }

    std::int32_t white = 0;
    std::int32_t black = 0;
    evalCombos(combo, guess, white, black);
    const bool won = black == rules::kPositions;
    // `done` is set before the alert, so the menu already refuses "Commit" and
    // "Move" while it is up; the secret is shown once it has been dismissed.
    done = won || row == 0;
    activateRow(row - 1);
    if (res[row])
        res[row]->setBlackAndWhite(black, white);
    emit boardChanged(Change::Game);
    emit rowCommitted();
    if (!done)
        return;

    emit gameEnded(snapshot());
    emit gameStateChanged();
    if (won) {
        alert(
            //: Title of the alert that ends a won game.
            GameText::tr("Congratulations!"),
            //: Message of the alert that ends a won game.
            GameText::tr("You win."));
    } else {
        alert(
            //: Title of the alert that ends a game lost after the eighth row.
            GameText::tr("Game over."),
            //: Message of the alert that ends a lost game.
            GameText::tr("You lose."));
    }
    for (int position = 0; position < rules::kPositions; ++position)
        if (sol[position])
            sol[position]->setColor(ColorCodes::colorOfCode(combo[position]));
}

void Controller::move()
{
    if (!isPlaying())
        return;

    // The scored rows, read once from the views by their codes, cvalue(), as
    // the search compares codes: nothing changes them while the search runs,
    // so this gives the same guess as reading them afresh for every candidate.
    const std::vector<rules::ScoredRow> scored = snapshot().scoredRows();
    const rules::Combination candidate = rules::firstAgreeingCandidate(scored, unique);
    for (int position = 0; position < rules::kPositions; ++position)
        if (pegs[currentRow][position])
            pegs[currentRow][position]->setCValue(candidate[position]);
    m_byMove[static_cast<std::size_t>(currentRow)] = true;
    commit();
}

bool Controller::isPlaying() const
{
    return !done && currentRow >= 0 && currentRow < rules::kRows;
}

bool Controller::placeColor(std::int32_t code)
{
    if (!isPlaying())
        return false;
    for (const QPointer<DestinationPeg> &peg : pegs[currentRow]) {
        if (peg && !peg->color().isValid()) {
            if (!peg->isActive())
                return false;
            peg->setColor(ColorCodes::colorOfCode(code));
            emit boardChanged(Change::Pegs);
            return true;
        }
    }
    return false;
}

bool Controller::emptyLastPeg()
{
    if (!isPlaying())
        return false;
    const auto &row = pegs[currentRow];
    for (auto peg = row.rbegin(); peg != row.rend(); ++peg) {
        if (*peg && (*peg)->color().isValid()) {
            if (!(*peg)->isActive())
                return false;
            (*peg)->setColor(QColor());
            emit boardChanged(Change::Pegs);
            return true;
        }
    }
    return false;
}

void Controller::activateRow(std::int32_t row)
{
    currentRow = row;
    for (std::int32_t each = 0; each < rules::kRows; ++each)
        for (const QPointer<DestinationPeg> &peg : pegs[each])
            if (peg)
                peg->setActive(each == row && !done);
}

void Controller::alert(const QString &title, const QString &message)
{
    //: The one button of every alert.
    runAlertPanel(title, message, GameText::tr("OK"));
}

records::PlayedGame Controller::snapshot() const
{
    records::PlayedGame game;
    game.unique = unique;
    game.secret = combo;
    game.over = done;
    for (std::int32_t row = kFirstRow; row > currentRow && row >= 0; --row) {
        records::PlayedRow played;
        for (int position = 0; position < rules::kPositions; ++position) {
            const QPointer<DestinationPeg> &peg = pegs[row][position];
            played.guess[position] = peg ? peg->cvalue() : 0;
        }
        if (res[row])
            res[row]->getBlackAndWhite(played.score.black, played.score.white);
        played.byMove = m_byMove[static_cast<std::size_t>(row)];
        game.rows.push_back(played);
    }
    if (isPlaying())
        for (int position = 0; position < rules::kPositions; ++position)
            if (pegs[currentRow][position])
                game.placed[position] = pegs[currentRow][position]->cvalue();
    return game;
}

bool Controller::restore(const records::PlayedGame &game)
{
    if (game.over || !records::consistencyFault(game).empty())
        return false;
    clearBoard();

    combo = game.secret;
    unique = game.unique;
    done = false;
    // A resumed game is the player's game: a new game abandons it.
    m_started = true;
    m_byMove = {};
    std::int32_t row = kFirstRow;
    for (const records::PlayedRow &played : game.rows) {
        m_byMove[static_cast<std::size_t>(row)] = played.byMove;
        for (int position = 0; position < rules::kPositions; ++position)
            if (pegs[row][position])
                pegs[row][position]->setColor(ColorCodes::colorOfCode(played.guess[position]));
        if (res[row])
            res[row]->setBlackAndWhite(played.score.black, played.score.white);
        --row;
    }
    activateRow(row);
    for (int position = 0; position < rules::kPositions; ++position)
        if (pegs[row][position])
            pegs[row][position]->setColor(ColorCodes::colorOfCode(game.placed[position]));
    showVariant();
    emit gameStateChanged();
    return true;
}

void Controller::clearBoard()
{
    for (std::int32_t row = 0; row < rules::kRows; ++row) {
        if (res[row])
            res[row]->setBlackAndWhite(0, 0);
        for (const QPointer<DestinationPeg> &peg : pegs[row])
            if (peg)
                peg->setColor(QColor());
    }
    for (const QPointer<Peg> &answer : sol)
        if (answer)
            answer->setColor(QColor());
}

void Controller::showVariant()
{
    if (window)
        window->setWindowTitle(unique
                                   //: The board window's title during a game of four
                                   //: different colours.
                                   ? GameText::tr("Hueriddle (without replacement)")
                                   //: The board window's title during a game where
                                   //: colours may repeat.
                                   : GameText::tr("Hueriddle (with replacement)"));
}

bool Controller::validateMenuItem(int tag) const
{
    return !(done && (tag == CommitTag || tag == MoveTag));
}

#pragma once

// A controller wired to real board views, without any window on screen, whose
// alerts are recorded and answered at once.

#include "dnd/DestinationPeg.h"
#include "game/Controller.h"
#include "rules/Scoring.h"
#include "support/AlertRecorder.h"
#include "views/ColorCodes.h"
#include "views/Peg.h"
#include "views/Result.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

using RecordingController = AlertRecorder<Controller>;

class BoardFixture
{
public:
    using PegFactory = std::function<DestinationPeg *(QPointF lowerLeft, QWidget *parent)>;

    explicit BoardFixture(const PegFactory &makePeg = {}) : board(std::make_unique<QWidget>())
    {
        board->resize(308, 392);
        answers = new QWidget(board.get());
        answers->resize(192, 48);
        for (int row = 0; row < rules::kRows; ++row) {
            const qreal y = 8 + 48 * row;
            controller.res[row] = new Result(QPointF(260, y), board.get());
            for (int position = 0; position < rules::kPositions; ++position) {
                const QPointF lowerLeft(8 + 48 * position, y);
                controller.pegs[row][position] = makePeg
                                                     ? makePeg(lowerLeft, board.get())
                                                     : new DestinationPeg(lowerLeft, board.get());
            }
        }
        for (int position = 0; position < rules::kPositions; ++position)
            controller.sol[position] = new Peg(QPointF(8 + 48 * position, 0), answers);
        controller.window = board.get();
    }

    // Puts the colours of `codes` on a row's pegs, as drops would; 0 empties a peg.
    void placeRow(int row, const rules::Combination &codes)
    {
        for (int position = 0; position < rules::kPositions; ++position)
            controller.pegs[row][position]->setColor(ColorCodes::colorOfCode(codes[position]));
    }

    rules::Combination rowCodes(int row) const
    {
        rules::Combination codes{};
        for (int position = 0; position < rules::kPositions; ++position)
            codes[position] = controller.pegs[row][position]->cvalue();
        return codes;
    }

    rules::Score rowScore(int row) const
    {
        rules::Score score;
        controller.res[row]->getBlackAndWhite(score.black, score.white);
        return score;
    }

    bool rowActive(int row) const
    {
        for (const auto &peg : controller.pegs[row])
            if (!peg->isActive())
                return false;
        return true;
    }

    bool rowInactive(int row) const
    {
        for (const auto &peg : controller.pegs[row])
            if (peg->isActive())
                return false;
        return true;
    }

    bool answerHidden() const
    {
        for (const auto &peg : controller.sol)
            if (peg->color().isValid())
                return false;
        return true;
    }

    RecordingController controller;
    std::unique_ptr<QWidget> board;
    QWidget *answers = nullptr;
};

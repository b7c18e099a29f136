#pragma once

// Reads the board window from a screenshot, as a player reads it: where the
// rows, the scores and the answer row are, the colour on each peg, which row
// is active, and the key pegs of each score.

#include "rules/Combination.h"
#include "rules/Scoring.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

namespace e2e
{

constexpr int kPeg = 48;

inline bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

inline bool isBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

// Whether a raised frame (white left and top, black right and bottom) runs
// along the 48 x 48 square whose top-left pixel is `topLeft`.
inline bool hasFrame(const QImage &image, QPoint topLeft)
{
    const QRect square(topLeft, QSize(kPeg, kPeg));
    if (!image.rect().contains(square))
        return false;
    const int x = topLeft.x();
    const int y = topLeft.y();
    return isWhite(image.pixel(x, y + 24)) && isWhite(image.pixel(x + 1, y + 24)) &&
           isBlack(image.pixel(x + 47, y + 24)) && isBlack(image.pixel(x + 46, y + 24)) &&
           isWhite(image.pixel(x + 24, y)) && isWhite(image.pixel(x + 24, y + 1)) &&
           isBlack(image.pixel(x + 24, y + 47)) && isBlack(image.pixel(x + 24, y + 46));
}

// Where the board window shows its parts, in screen pixels.
struct BoardLayout {
    QPoint topRow;    // top-left pixel of the first peg of row 7
    QPoint scores;    // top-left pixel of row 7's score
    QPoint answerRow; // top-left pixel of the first answer peg

    QPoint peg(int row, int position) const
    {
        return topRow + QPoint(kPeg * position, kPeg * (rules::kRows - 1 - row));
    }
    QPoint score(int row) const { return scores + QPoint(0, kPeg * (rules::kRows - 1 - row)); }
    QPoint answer(int position) const { return answerRow + QPoint(kPeg * position, 0); }
    static QPoint centre(QPoint topLeft) { return topLeft + QPoint(24, 24); }
};

// Finds the eight rows of four framed pegs inside `window`, the framed score
// views beside them and the four framed answer pegs below them.
inline std::optional<BoardLayout> locateBoard(const QImage &image, const QRect &window)
{
    const auto rowsAt = [&](QPoint topLeft, int columns, int rows) {
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                if (!hasFrame(image, topLeft + QPoint(kPeg * column, kPeg * row)))
                    return false;
        return true;
    };
    for (int y = window.top(); y + rules::kRows * kPeg <= window.bottom(); ++y) {
        for (int x = window.left(); x + rules::kPositions * kPeg <= window.right(); ++x) {
            const QPoint topRow(x, y);
            if (!rowsAt(topRow, rules::kPositions, rules::kRows))
                continue;
            BoardLayout layout{topRow, {}, {}};
            bool scoresFound = false;
            for (int sx = x + rules::kPositions * kPeg; sx + kPeg <= window.right() + 1; ++sx) {
                if (rowsAt(QPoint(sx, y), 1, rules::kRows)) {
                    layout.scores = QPoint(sx, y);
                    scoresFound = true;
                    break;
                }
            }
            bool answerFound = false;
            for (int ay = y + rules::kRows * kPeg; ay + kPeg <= window.bottom() + 1; ++ay) {
                for (int ax = window.left(); ax + rules::kPositions * kPeg <= window.right() + 1;
                     ++ax) {
                    if (rowsAt(QPoint(ax, ay), rules::kPositions, 1)) {
                        layout.answerRow = QPoint(ax, ay);
                        answerFound = true;
                        break;
                    }
                }
                if (answerFound)
                    break;
            }
            if (scoresFound && answerFound)
                return layout;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The colour code shown on the peg whose top-left pixel is `topLeft`: the
// disc's centre in one of the six full colours, or 0 for anything else (an
// empty hole shows the background there).
inline std::int32_t codeAt(const QImage &image, QPoint topLeft)
{
    const QRgb pixel = image.pixel(BoardLayout::centre(topLeft));
    std::int32_t code = 0;
    for (auto [component, bit] :
         {std::pair{qRed(pixel), 4}, {qGreen(pixel), 2}, {qBlue(pixel), 1}}) {
        if (component >= 250)
            code |= bit;
        else if (component > 5)
            return 0;
    }
    return (code >= 1 && code <= 6) ? code : 0;
}

inline rules::Combination codesAt(const QImage &image, const BoardLayout &layout, int row)
{
    rules::Combination codes{};
    for (int position = 0; position < rules::kPositions; ++position)
        codes[position] =
            codeAt(image, row < 0 ? layout.answer(position) : layout.peg(row, position));
    return codes;
}

// Whether the peg whose top-left pixel is `topLeft` draws the second, inner
// raised frame of the active row, two pixels inside its own.
inline bool pegActive(const QImage &image, QPoint topLeft)
{
    const int x = topLeft.x();
    const int y = topLeft.y();
    return isWhite(image.pixel(x + 2, y + 24)) && isWhite(image.pixel(x + 3, y + 24)) &&
           isBlack(image.pixel(x + 45, y + 24)) && isBlack(image.pixel(x + 44, y + 24)) &&
           isWhite(image.pixel(x + 24, y + 2)) && isBlack(image.pixel(x + 24, y + 45));
}

// The active row, -1 when none is; -2 when the pegs of a row disagree.
inline int activeRow(const QImage &image, const BoardLayout &layout)
{
    int active = -1;
    for (int row = 0; row < rules::kRows; ++row) {
        int count = 0;
        for (int position = 0; position < rules::kPositions; ++position)
            count += pegActive(image, layout.peg(row, position)) ? 1 : 0;
        if (count == rules::kPositions && active == -1)
            active = row;
        else if (count != 0)
            return -2;
    }
    return active;
}

// The key pegs of a row's score: place i has its centre at
// (12 + 24 * (i mod 2), 12 + 24 * (i div 2)) counted from the lower left.
// White pegs come first, then black ones, then empty places; anything else is
// not a score.
inline std::optional<rules::Score> scoreAt(const QImage &image, const BoardLayout &layout, int row)
{
    const QPoint topLeft = layout.score(row);
    rules::Score score{0, 0};
    int stage = 0; // 0: white pegs, 1: black pegs, 2: empty places
    for (int place = 0; place < 4; ++place) {
        const QPoint centre =
            topLeft + QPoint(12 + 24 * (place % 2), kPeg - (12 + 24 * (place / 2)));
        const QRgb pixel = image.pixel(centre);
        const int kind = isWhite(pixel) ? 0 : isBlack(pixel) ? 1 : 2;
        if (kind < stage)
            return std::nullopt;
        stage = kind;
        if (kind == 0)
            ++score.white;
        else if (kind == 1)
            ++score.black;
    }
    return score;
}

} // namespace e2e

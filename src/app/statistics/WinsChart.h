#pragma once

#include "rules/Combination.h"

#include <QWidget>
#include <array>
#include <cstdint>

// A bar chart of a variant's games: one bar for the wins on each row, from the
// first to the last, and beside them one bar for the losses, each with its number above it. The
// bars are filled rectangles on whole logical pixels, so they stay sharp at
// any integer scale; the colours are the desktop palette's (the highlight for
// wins, the window text for losses), so the chart reads in a dark theme as in
// a light one. Screen readers get the same numbers as text (summary()).
class WinsChart : public QWidget
{
    Q_OBJECT

public:
    // A bar for each row, then the losses.
    static constexpr int kBars = rules::kRows + 1;
    static constexpr int kLossBar = kBars - 1;

    explicit WinsChart(QWidget *parent = nullptr);

    void setCounts(const std::array<std::int64_t, rules::kRows> &winsByRows, std::int64_t losses);
    std::int64_t count(int bar) const { return m_counts[static_cast<std::size_t>(bar)]; }

    // The rectangle a bar of the greatest count fills, in logical pixels;
    // a bar of count c fills its lowest c / greatest part, rounded.
    QRect barSlot(int bar) const;
    // The height in logical pixels of the bar of `bar`.
    int barHeight(int bar) const;
    QColor barColor(int bar) const;

    // Every count as a sentence, for screen readers.
    QString summary() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int slotWidth(int bar) const;
    int slotLeft(int bar) const;
    QString label(int bar) const;

    std::array<std::int64_t, kBars> m_counts{};
};

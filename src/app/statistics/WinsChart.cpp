#include "app/statistics/WinsChart.h"

#include "views/GameText.h"

#include <QEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace
{

constexpr int kMargin = 8;
constexpr int kPlotHeight = 120;
constexpr int kSlotWidth = 28;
constexpr int kBarWidth = 18;
// The losses stand a little apart from the wins.
constexpr int kLossGap = 12;

} // namespace

WinsChart::WinsChart(QWidget *parent) : QWidget(parent)
{
    //: The name of the chart of wins by rows, for screen readers.
    setAccessibleName(GameText::tr("Wins by rows"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCounts({}, 0);
}

void WinsChart::setCounts(const std::array<std::int64_t, rules::kRows> &winsByRows,
                          std::int64_t losses)
{
    std::copy(winsByRows.begin(), winsByRows.end(), m_counts.begin());
    m_counts[kLossBar] = losses;
    const QString text = summary();
    setAccessibleDescription(text);
    setToolTip(text);
    update();
}

QString WinsChart::summary() const
{
    QStringList wins;
    for (int bar = 0; bar < kLossBar; ++bar)
        //: One entry of the chart's text: %1 rows played, %2 games won with that many.
        wins.append(GameText::tr("%1 rows: %2").arg(bar + 1).arg(m_counts[std::size_t(bar)]));
    //: The chart of wins by rows as text for screen readers; %1 lists "rows: wins" entries,
    //: %2 is the number of games lost.
    return GameText::tr("Wins by the number of rows: %1. Lost: %2.")
        .arg(wins.join(QStringLiteral(", ")))
        .arg(m_counts[kLossBar]);
}

QString WinsChart::label(int bar) const
{
    //: Label under the bar of lost games in the chart of wins by rows; keep it short.
    return bar == kLossBar ? GameText::tr("lost") : QString::number(bar + 1);
}

int WinsChart::slotWidth(int bar) const
{
    if (bar != kLossBar)
        return kSlotWidth;
    return std::max(kSlotWidth, fontMetrics().horizontalAdvance(label(bar)) + 4);
}

int WinsChart::slotLeft(int bar) const
{
    return kMargin + kSlotWidth * bar + (bar == kLossBar ? kLossGap : 0);
}

QRect WinsChart::barSlot(int bar) const
{
    const int top = kMargin + fontMetrics().height();
    const int left = slotLeft(bar) + (slotWidth(bar) - kBarWidth) / 2;
    return QRect(left, top, kBarWidth, kPlotHeight);
}

int WinsChart::barHeight(int bar) const
{
    const std::int64_t greatest = *std::max_element(m_counts.begin(), m_counts.end());
    if (greatest <= 0)
        return 0;
    const std::int64_t count = m_counts[static_cast<std::size_t>(bar)];
    // Rounded to whole pixels, and at least one for a count above zero.
    const auto height = static_cast<int>((count * kPlotHeight + greatest / 2) / greatest);
    return count > 0 ? std::max(height, 1) : 0;
}

QColor WinsChart::barColor(int bar) const
{
    return palette().color(bar == kLossBar ? QPalette::WindowText : QPalette::Highlight);
}

QSize WinsChart::sizeHint() const
{
    const int width = slotLeft(kLossBar) + slotWidth(kLossBar) + kMargin;
    const int height =
        kMargin + fontMetrics().height() + kPlotHeight + 2 + fontMetrics().height() + kMargin;
    return QSize(width, height);
}

void WinsChart::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void WinsChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    const int lineHeight = fontMetrics().height();
    for (int bar = 0; bar < kBars; ++bar) {
        const QRect slot = barSlot(bar);
        const int height = barHeight(bar);
        const QRect filled(slot.left(), slot.bottom() + 1 - height, slot.width(), height);
        if (height > 0)
            painter.fillRect(filled, barColor(bar));
        const QRect column(slotLeft(bar), 0, slotWidth(bar), 0);
        painter.setPen(text);
        painter.drawText(
            QRect(column.left(), filled.top() - lineHeight, column.width(), lineHeight),
            Qt::AlignHCenter | Qt::AlignBottom,
            QString::number(m_counts[static_cast<std::size_t>(bar)]));
        painter.drawText(QRect(column.left(), slot.bottom() + 3, column.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, label(bar));
    }
    // The base line under the bars, one pixel high.
    const int right = slotLeft(kLossBar) + slotWidth(kLossBar);
    painter.fillRect(QRect(kMargin, barSlot(0).bottom() + 1, right - kMargin, 1), text);
}

#pragma once

#include "records/HistoryStatistics.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <array>

class GameLog;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class WinsChart;

// The statistics window: for each variant the games played, won, lost and
// abandoned, the win rate, the current and best winning streaks, the average
// rows of a win and the wins without "Move", with a chart of wins by rows;
// and a look back at the last game, row by row. It reads the history when it
// opens and follows every game that ends while it is open. Not modal; one
// window for the program.
class StatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    // The numbers shown for each variant, in the order of the window's rows.
    enum Field {
        Played,
        Won,
        Lost,
        Abandoned,
        WinRate,
        CurrentStreak,
        BestStreak,
        AverageRows,
        WinsWithoutMove,
        FieldCount
    };

    explicit StatisticsWindow(QWidget *parent = nullptr);

    // Shows the program's one statistics window with the games of `log`,
    // creating it on first use, and brings it to the front. The window is
    // deleted when closed or with its parent.
    static StatisticsWindow *showFor(QWidget *parent, GameLog &log);

    // Reads the history of `log` and follows its games from now on.
    void follow(GameLog &log);

    const records::HistoryStatistics &statistics() const { return m_statistics; }
    QString fieldText(bool unique, Field field) const;
    WinsChart *chart(bool unique) const { return m_charts[unique ? 1 : 0]; }
    QTableWidget *lastGameTable() const { return m_lastGameRows; }
    QLabel *lastGameSummary() const { return m_lastGame; }
    QLabel *skippedNote() const { return m_skipped; }
    QPushButton *resetButton() const { return m_reset; }
    // The question asked before a reset, while it is open.
    QMessageBox *resetQuestion() const { return m_question; }

private:
    QGroupBox *makeVariantBox(bool unique);
    void showStatistics();
    void showLastGame();
    void askReset();

    QPointer<GameLog> m_log;
    records::HistoryStatistics m_statistics;
    std::array<std::array<QLabel *, FieldCount>, 2> m_fields{};
    std::array<WinsChart *, 2> m_charts{};
    QLabel *m_lastGame = nullptr;
    QTableWidget *m_lastGameRows = nullptr;
    QLabel *m_skipped = nullptr;
    QPushButton *m_reset = nullptr;
    QPointer<QMessageBox> m_question;
};

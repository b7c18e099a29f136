#include "app/statistics/StatisticsWindow.h"

#include "app/board/Hindsight.h"
#include "app/dialogs/SingleDialog.h"
#include "app/statistics/GameLog.h"
#include "app/statistics/WinsChart.h"
#include "rules/ColorCode.h"
#include "rules/SecretCount.h"
#include "views/GameText.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

QString fieldName(StatisticsWindow::Field field)
{
    switch (field) {
    case StatisticsWindow::Played:
        //: Statistics: games played (won, lost or abandoned).
        return GameText::tr("Games played");
    case StatisticsWindow::Won:
        //: Statistics: games won.
        return GameText::tr("Won");
    case StatisticsWindow::Lost:
        //: Statistics: games lost (eight rows without finding the secret).
        return GameText::tr("Lost");
    case StatisticsWindow::Abandoned:
        //: Statistics: games given up by starting a new game.
        return GameText::tr("Abandoned");
    case StatisticsWindow::WinRate:
        //: Statistics: won games out of those played, in percent.
        return GameText::tr("Win rate");
    case StatisticsWindow::CurrentStreak:
        //: Statistics: wins in a row up to the last game.
        return GameText::tr("Current winning streak");
    case StatisticsWindow::BestStreak:
        //: Statistics: the most wins in a row.
        return GameText::tr("Best winning streak");
    case StatisticsWindow::AverageRows:
        //: Statistics: the mean number of rows of a won game.
        return GameText::tr("Average rows of a win");
    case StatisticsWindow::WinsWithoutMove:
        //: Statistics: games won without using the "Move" command.
        return GameText::tr("Wins without Move");
    case StatisticsWindow::FieldCount:
        break;
    }
    return {};
}

QString variantName(bool unique)
{
    return unique ? GameText::tr("Without replacement") : GameText::tr("With replacement");
}

QString colorNames(const rules::Combination &combination)
{
    QStringList names;
    for (std::int32_t code : combination)
        names.append(GameText::tr(rules::playableColor(code).name));
    return names.join(QStringLiteral(", "));
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget *parent) : QDialog(parent)
{
    //: The title of the statistics window.
    setWindowTitle(GameText::tr("Hueriddle Statistics"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    auto *variants = new QHBoxLayout;
    variants->addWidget(makeVariantBox(false));
    variants->addWidget(makeVariantBox(true));
    layout->addLayout(variants);

    //: The box that looks back at the last game, row by row.
    auto *lastBox = new QGroupBox(GameText::tr("Last game"), this);
    lastBox->setAccessibleName(lastBox->title());
    auto *lastLayout = new QVBoxLayout(lastBox);
    m_lastGame = new QLabel(lastBox);
    m_lastGame->setWordWrap(true);
    m_lastGame->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lastLayout->addWidget(m_lastGame);
    m_lastGameRows = new QTableWidget(0, 5, lastBox);
    m_lastGameRows->setHorizontalHeaderLabels({
        //: Column of the last game's table: the colors of a row's guess.
        GameText::tr("Guess"),
        //: Column of the last game's table: the row's score.
        GameText::tr("Score"),
        //: Column of the last game's table: secrets still possible before the row.
        GameText::tr("Possible before"),
        //: Column of the last game's table: secrets still possible after the row.
        GameText::tr("Possible after"),
        //: Column of the last game's table: whether the guess could have been the secret.
        GameText::tr("Could win"),
    });
    //: The accessible name of the table that looks back at the last game.
    m_lastGameRows->setAccessibleName(GameText::tr("Rows of the last game"));
    m_lastGameRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lastGameRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lastGameRows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_lastGameRows->horizontalHeader()->setStretchLastSection(true);
    // Every row of a game and every column in view, without scrolling.
    m_lastGameRows->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_lastGameRows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lastGameRows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lastGameRows->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_lastGameRows->setMinimumHeight(m_lastGameRows->horizontalHeader()->sizeHint().height() +
                                     rules::kRows *
                                         m_lastGameRows->verticalHeader()->defaultSectionSize() +
                                     2 * m_lastGameRows->frameWidth());
    lastLayout->addWidget(m_lastGameRows);
    layout->addWidget(lastBox);

    m_skipped = new QLabel(this);
    m_skipped->setWordWrap(true);
    layout->addWidget(m_skipped);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    //: Button of the statistics window; it asks before moving the history aside.
    m_reset = buttons->addButton(GameText::tr("&Reset statistics..."), QDialogButtonBox::ResetRole);
    connect(m_reset, &QPushButton::clicked, this, &StatisticsWindow::askReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    showStatistics();
}

QGroupBox *StatisticsWindow::makeVariantBox(bool unique)
{
    auto *box = new QGroupBox(variantName(unique), this);
    box->setAccessibleName(box->title());
    auto *grid = new QGridLayout(box);
    const int column = unique ? 1 : 0;
    for (int field = 0; field < FieldCount; ++field) {
        auto *name = new QLabel(fieldName(Field(field)), box);
        auto *value = new QLabel(box);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        name->setBuddy(value);
        grid->addWidget(name, field, 0);
        grid->addWidget(value, field, 1);
        m_fields[std::size_t(column)][std::size_t(field)] = value;
    }
    m_charts[std::size_t(column)] = new WinsChart(box);
    grid->addWidget(m_charts[std::size_t(column)], FieldCount, 0, 1, 2, Qt::AlignHCenter);
    return box;
}

StatisticsWindow *StatisticsWindow::showFor(QWidget *parent, GameLog &log)
{
    StatisticsWindow *window = showSingleDialog<StatisticsWindow>(parent);
    if (window->m_log != &log)
        window->follow(log);
    return window;
}

void StatisticsWindow::follow(GameLog &log)
{
    if (m_log)
        disconnect(m_log, nullptr, this, nullptr);
    m_log = &log;
    m_statistics = log.statistics();
    connect(&log, &GameLog::recorded, this, [this](const records::HistoryEntry &entry) {
        m_statistics.add(entry);
        showStatistics();
    });
    connect(&log, &GameLog::wasReset, this, [this] {
        m_statistics = records::HistoryStatistics();
        showStatistics();
    });
    showStatistics();
}

QString StatisticsWindow::fieldText(bool unique, Field field) const
{
    return m_fields[unique ? 1 : 0][std::size_t(field)]->text();
}

void StatisticsWindow::showStatistics()
{
    const QLocale locale;
    for (bool unique : {false, true}) {
        const records::VariantStatistics &numbers = m_statistics.variant(unique);
        const auto &labels = m_fields[unique ? 1 : 0];
        const auto show = [&](Field field, const QString &text) {
            labels[std::size_t(field)]->setText(text);
            labels[std::size_t(field)]->setAccessibleName(fieldName(field) + QStringLiteral(": ") +
                                                          text);
        };
        show(Played, locale.toString(qlonglong(numbers.played())));
        show(Won, locale.toString(qlonglong(numbers.won)));
        show(Lost, locale.toString(qlonglong(numbers.lost)));
        show(Abandoned, locale.toString(qlonglong(numbers.abandoned)));
        //: A win rate; %1 is the percentage, written with the locale's digits.
        show(WinRate, GameText::tr("%1 %").arg(locale.toString(100.0 * numbers.winRate(), 'f', 0)));
        show(CurrentStreak, locale.toString(qlonglong(numbers.currentStreak)));
        show(BestStreak, locale.toString(qlonglong(numbers.bestStreak)));
        show(AverageRows, numbers.won == 0 ? QStringLiteral("–")
                                           : locale.toString(numbers.averageWinRows(), 'f', 1));
        show(WinsWithoutMove, locale.toString(qlonglong(numbers.winsWithoutMove)));
        m_charts[unique ? 1 : 0]->setCounts(numbers.winsByRows, numbers.lost);
    }

    QStringList skipped;
    if (m_statistics.unreadableLines() > 0)
        //: %1 is a number of lines of the history file that could not be read.
        skipped.append(GameText::tr("%1 damaged or unknown lines of the history were skipped; "
                                    "the file keeps them.")
                           .arg(m_statistics.unreadableLines()));
    if (m_statistics.laterVersionLines() > 0)
        //: %1 is a number of games written by a newer version of the program.
        skipped.append(GameText::tr("%1 games of a later version of Hueriddle are kept but "
                                    "not counted.")
                           .arg(m_statistics.laterVersionLines()));
    m_skipped->setText(skipped.join(QLatin1Char(' ')));
    m_skipped->setVisible(!skipped.isEmpty());
    showLastGame();
}

void StatisticsWindow::showLastGame()
{
    const std::optional<records::HistoryEntry> &last = m_statistics.lastGame();
    if (!last) {
        //: Shown in the "Last game" box before any game has ended.
        m_lastGame->setText(GameText::tr("No game has ended yet."));
        m_lastGameRows->setRowCount(0);
        return;
    }
    const records::PlayedGame &game = last->game;
    const int rowCount = int(game.rows.size());
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(last->endedAt), QLocale::ShortFormat);
    QString result;
    switch (game.result()) {
    case records::GameResult::Won:
        //: The last game's result; %1 is the number of rows it took.
        result = GameText::tr("Won on row %1.").arg(rowCount);
        break;
    case records::GameResult::Lost:
        result = GameText::tr("Lost.");
        break;
    case records::GameResult::Abandoned:
        //: The last game's result; %1 is the number of rows committed before a new game.
        result = GameText::tr("Abandoned after %1 rows.").arg(rowCount);
        break;
    }
    //: The last game in a sentence: %1 the variant, %2 the date and time, %3 its result,
    //: %4 the secret's colors.
    m_lastGame->setText(GameText::tr("%1, %2. %3 The secret: %4.")
                            .arg(variantName(game.unique), when, result, colorNames(game.secret)));

    const std::vector<rules::RowHindsight> hindsight =
        rules::lookBack(game.scoredRows(), game.unique);
    m_lastGameRows->setRowCount(rowCount);
    QStringList rowNames;
    for (int row = 0; row < rowCount; ++row) {
        const records::PlayedRow &played = game.rows[std::size_t(row)];
        const rules::RowHindsight &seen = hindsight[std::size_t(row)];
        QString guess = colorNames(played.guess);
        if (played.byMove)
            //: A guess the computer played; %1 lists its colors.
            guess = GameText::tr("%1 (Move)").arg(guess);
        const QStringList cells{
            guess,
            GameText::tr("%1 black, %2 white").arg(played.score.black).arg(played.score.white),
            QString::number(seen.before),
            QString::number(seen.after),
            seen.couldBeSecret ? GameText::tr("yes") : GameText::tr("no"),
        };
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(Hindsight::note(seen));
            m_lastGameRows->setItem(row, column, item);
        }
        rowNames.append(GameText::tr("Row %1").arg(row + 1));
    }
    m_lastGameRows->setVerticalHeaderLabels(rowNames);
    // Wide enough for every column, however long the colour names of the
    // language are.
    QTableWidget &table = *m_lastGameRows;
    table.resizeColumnsToContents();
    const int width = 2 * table.frameWidth() + table.verticalHeader()->sizeHint().width() +
                      table.horizontalHeader()->length();
    table.setMinimumWidth(width);
}

void StatisticsWindow::askReset()
{
    if (m_question)
        return;
    m_question = new QMessageBox(
        QMessageBox::Question,
        //: Title of the question asked before the statistics are reset.
        GameText::tr("Reset statistics"),
        //: The question asked before the statistics are reset.
        GameText::tr("Start the statistics afresh? The history of your games is kept in a "
                     "file of its own, not deleted."),
        QMessageBox::NoButton, this);
    //: The button that confirms the reset of the statistics.
    QPushButton *reset = m_question->addButton(GameText::tr("Reset"), QMessageBox::AcceptRole);
    QPushButton *cancel = m_question->addButton(GameText::tr("Cancel"), QMessageBox::RejectRole);
    m_question->setDefaultButton(cancel);
    m_question->setEscapeButton(cancel);
    m_question->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_question, &QMessageBox::finished, this, [this, reset] {
        if (m_question && m_question->clickedButton() == reset && m_log)
            m_log->reset();
    });
    m_question->open();
}

#include "app/statistics/GameLog.h"

#include "game/Controller.h"

#include <QDateTime>
#include <QFileInfo>

GameLog::GameLog(Controller &controller, const QString &directory, QObject *parent)
    : QObject(parent), m_controller(controller), m_history(directory)
{
    connect(&controller, &Controller::gameEnded, this, &GameLog::record);
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(0);
    connect(&m_writeTimer, &QTimer::timeout, this, [this] { writeWaiting(true); });
}

GameLog::~GameLog()
{
    writeWaiting(false);
}

HistoryStatistics GameLog::statistics() const
{
    const QByteArray bytes = m_history.read();
    return HistoryStatistics::fromHistory(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool GameLog::reset()
{
    // An absent history has nothing to keep; there is nothing to move then.
    if (m_history.keepAside().isEmpty() && QFileInfo::exists(m_history.filePath()))
        return false;
    emit wasReset();
    return true;
}

rules::GameRecord GameLog::recordOf(const Controller &controller, rules::GameResult result)
{
    rules::GameRecord game;
    game.endedAt = QDateTime::currentSecsSinceEpoch();
    game.unique = controller.unique;
    game.result = result;
    game.secret = controller.combo;
    for (const rules::PlayedRow &row : controller.committedRows())
        if (game.rowCount < rules::kRows)
            game.rows[static_cast<std::size_t>(game.rowCount++)] = row;
    return game;
}

void GameLog::record(rules::GameResult result)
{
    m_waiting.push_back(recordOf(m_controller, result));
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
}

void GameLog::writeWaiting(bool announce)
{
    const std::vector<rules::GameRecord> games = std::move(m_waiting);
    m_waiting.clear();
    for (const rules::GameRecord &game : games) {
        m_history.append(QByteArray::fromStdString(rules::formatHistoryLine(game)));
        if (announce)
            emit recorded(game);
    }
}

#include "app/statistics/GameLog.h"

#include "game/Controller.h"
#include "records/HistoryLine.h"

#include <QDateTime>
#include <QFileInfo>

GameLog::GameLog(Controller &controller, const QString &directory, QObject *parent)
    : QObject(parent), m_history(directory)
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

records::HistoryStatistics GameLog::statistics() const
{
    const QByteArray bytes = m_history.read();
    return records::HistoryStatistics::fromHistory(
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

records::HistoryEntry GameLog::entryOf(const records::PlayedGame &game)
{
    records::HistoryEntry entry{QDateTime::currentSecsSinceEpoch(), game};
    entry.game.placed = {};
    return entry;
}

void GameLog::record(const records::PlayedGame &game)
{
    m_waiting.push_back(entryOf(game));
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
}

void GameLog::writeWaiting(bool announce)
{
    const std::vector<records::HistoryEntry> entries = std::move(m_waiting);
    m_waiting.clear();
    for (const records::HistoryEntry &entry : entries) {
        m_history.append(QByteArray::fromStdString(records::formatHistoryLine(entry)));
        if (announce)
            emit recorded(entry);
    }
}

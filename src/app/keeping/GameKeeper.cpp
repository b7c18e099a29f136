#include "app/keeping/GameKeeper.h"

#include "desktop/files/KeptFile.h"
#include "desktop/files/ProgramFolders.h"
#include "desktop/files/UserSettings.h"
#include "desktop/process/Diagnostics.h"
#include "records/SavedGameFormat.h"

#include <QDir>

namespace
{

// How long the end of the program, or an input after a scored row, waits for
// the game to be written at most.
constexpr int kWriteWaitMs = 5000;

} // namespace

GameKeeper::GameKeeper(Controller &controller, QObject *parent)
    : QObject(parent), m_controller(controller)
{
    connect(&controller, &Controller::boardChanged, this, &GameKeeper::keep);
}

GameKeeper::~GameKeeper()
{
    m_inputGate.release();
}

QString GameKeeper::path()
{
    const QString directory = ProgramFolders::stateDirectory();
    return directory.isEmpty() ? QString()
                               : QDir(directory).filePath(UserSettings::kSavedGameFileName);
}

void GameKeeper::open()
{
    m_file = std::make_unique<KeptFile>(path());
    if (m_file->path().isEmpty())
        Diagnostics::printLine(
            QStringLiteral("neither XDG_STATE_HOME nor HOME names a directory; the game "
                           "in progress will not be kept"));
}

std::optional<records::PlayedGame> GameKeeper::readUnfinished()
{
    // A write cut short by a kill leaves its temporary file; the file itself
    // is whole.
    m_file->removeLeftovers();
    const std::optional<QByteArray> bytes = m_file->read(qint64(records::kSavedGameMaxBytes));
    if (!bytes)
        return std::nullopt;
    records::SavedGameReading reading =
        records::readSavedGame(std::string_view(bytes->constData(), std::size_t(bytes->size())));
    if (!reading.game) {
        m_file->keepAside(QString::fromStdString(reading.reason));
        return std::nullopt;
    }
    if (reading.game->over)
        return std::nullopt;
    return std::move(reading.game);
}

void GameKeeper::keep(Controller::Change change)
{
    if (!m_keeping || !m_file)
        return;
    // Only the snapshot is taken here; the writing thread makes the bytes.
    m_file->write([game = m_controller.snapshot()] {
        const std::string bytes = records::writeSavedGame(game);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    });
    if (change == Controller::Change::Game)
        m_inputGate.holdNextInput([this] { m_file->waitWritten(kWriteWaitMs); });
}

void GameKeeper::keepNow()
{
    if (!m_keeping)
        return;
    keep(Controller::Change::Pegs);
    m_file->waitWritten(kWriteWaitMs);
}

void GameKeeper::waitWritten()
{
    m_inputGate.release();
    if (m_file)
        m_file->waitWritten(kWriteWaitMs);
}

#pragma once

#include "desktop/files/ProgramFolders.h"

#include <QByteArray>
#include <QString>

// The file that keeps the history of finished games, one line per game, in
// the program's data directory (ProgramFolders::dataDirectory()). It only ever
// grows by appending whole lines: what is there is never rewritten, and never
// deleted, even when it cannot be read; "reset" moves the file aside under a
// new name. What a line says is not this class's business. Nothing is read
// or written until asked for, so keeping a history costs the start-up nothing.
class GameHistory
{
public:
    // The history in `directory`; with none, nothing is read or written.
    explicit GameHistory(const QString &directory = ProgramFolders::dataDirectory());

    static inline const QString kFileName = QStringLiteral("history");

    QString filePath() const;

    // Appends `line` and a line feed with one write, creating the directory
    // and the file as needed. A last line left without its line feed (a write
    // cut short) is ended first, so it cannot swallow the new line. When the
    // history cannot be written, says so in one line on standard error (once
    // for this object) and returns false; the game goes on.
    bool append(const QByteArray &line);

    // The whole file as it is; empty when there is none or it cannot be read.
    QByteArray read() const;

    // Moves the history aside to "history-<date and time>" in the same
    // directory (with a number added should that name be taken) and returns
    // that file's path; the next game starts a new history. Empty, with one
    // line on standard error, when it cannot be moved; an absent history
    // moves nothing and returns empty too.
    QString keepAside() const;

private:
    void warnOnce(const QString &what) const;

    QString m_directory;
    mutable bool m_warned = false;
};

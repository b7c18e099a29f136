#pragma once

// The seed of a test that plays at random. A run takes it from an environment
// variable when that is set, to replay an earlier run, and a fresh one
// otherwise. Either way it is printed, and appended to the file that
// HUERIDDLE_SEED_LOG names (scripts/run-tests.sh prints that file after every
// run), so that the log of a run, passing or failing, holds the command that
// replays it.

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

inline quint64 testSeed(const char *test, const char *variable)
{
    bool replayed = false;
    const quint64 given = qEnvironmentVariable(variable).toULongLong(&replayed);
    const quint64 seed = replayed ? given : QRandomGenerator::global()->generate();
    const QByteArray line =
        QStringLiteral("%1: seed %2 (%3; replay with %4=%2)")
            .arg(QString::fromLatin1(test))
            .arg(seed)
            .arg(replayed ? QStringLiteral("replayed") : QStringLiteral("fresh"))
            .arg(QString::fromLatin1(variable))
            .toUtf8();
    qInfo("%s", line.constData());
    const QString logPath = qEnvironmentVariable("HUERIDDLE_SEED_LOG");
    if (!logPath.isEmpty()) {
        QFile log(logPath);
        if (log.open(QIODevice::Append | QIODevice::Text))
            log.write(line + '\n');
    }
    return seed;
}

#include "desktop/files/GameHistory.h"
#include "support/CapturedStderr.h"
#include "support/FailOnWarnings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestGameHistory : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void nothingIsTouchedUntilAsked();
    void appendsWholeLines();
    void aTornLastLineIsEndedFirst();
    void unwritable_data();
    void unwritable();
    void keepAsideMovesAndNeverDeletes();
    void withoutADirectoryNothingIsWritten();
};

void TestGameHistory::nothingIsTouchedUntilAsked()
{
    QTemporaryDir dir;
    const GameHistory history(dir.filePath("data/hueriddle"));
    QCOMPARE(history.read(), QByteArray());
    QVERIFY(history.keepAside().isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath("data")));
}

void TestGameHistory::appendsWholeLines()
{
    QTemporaryDir dir;
    GameHistory history(dir.filePath("data/hueriddle"));
    QVERIFY(history.append("first"));
    QVERIFY(history.append("second"));
    QCOMPARE(history.filePath(), dir.filePath("data/hueriddle/history"));
    QCOMPARE(testFileContents(history.filePath()), QByteArray("first\nsecond\n"));
    QCOMPARE(history.read(), QByteArray("first\nsecond\n"));
}

// A write cut short by a kill leaves a line without its line feed; the next
// game must not be glued to it.
void TestGameHistory::aTornLastLineIsEndedFirst()
{
    QTemporaryDir dir;
    GameHistory history(dir.path());
    writeTestFile(history.filePath(), "whole\ntorn li");
    QVERIFY(history.append("next"));
    QCOMPARE(testFileContents(history.filePath()), QByteArray("whole\ntorn li\nnext\n"));
}

void TestGameHistory::unwritable_data()
{
    QTest::addColumn<QString>("inTheWay");
    // Running as root, permissions would not stop a write; a file where the
    // directory should be, or a directory where the file should be, does.
    QTest::newRow("a file where the directory goes") << QStringLiteral("hueriddle");
    QTest::newRow("a directory where the history goes") << QStringLiteral("hueriddle/history");
}

void TestGameHistory::unwritable()
{
    QFETCH(QString, inTheWay);
    QTemporaryDir dir;
    if (inTheWay.endsWith(QLatin1String("history")))
        QVERIFY(QDir(dir.path()).mkpath(inTheWay));
    else
        writeTestFile(dir.filePath(inTheWay), "not a directory");
    GameHistory history(dir.filePath("hueriddle"));
    CapturedStderr captured;
    QVERIFY(!history.append("a game"));
    QVERIFY(!history.append("another game"));
    const QByteArray said = captured.text();
    // One line, however many games could not be written.
    QCOMPARE(said.count('\n'), 1);
    QVERIFY2(said.startsWith("hueriddle: cannot write the history of games"), said.constData());
    QVERIFY(said.contains(QFile::encodeName(history.filePath())));
}

void TestGameHistory::keepAsideMovesAndNeverDeletes()
{
    QTemporaryDir dir;
    GameHistory history(dir.path());
    QVERIFY(history.append("kept"));
    const QString aside = history.keepAside();
    QVERIFY(!aside.isEmpty());
    QVERIFY(!QFileInfo::exists(history.filePath()));
    QCOMPARE(testFileContents(aside), QByteArray("kept\n"));
    QVERIFY(QFileInfo(aside).fileName().startsWith(QLatin1String("history-")));

    // A second reset within the same second finds a name of its own.
    QVERIFY(history.append("kept too"));
    const QString second = history.keepAside();
    QVERIFY(!second.isEmpty());
    QVERIFY(second != aside);
    QCOMPARE(testFileContents(aside), QByteArray("kept\n"));
    QCOMPARE(testFileContents(second), QByteArray("kept too\n"));
    QCOMPARE(history.read(), QByteArray());
}

// Without a data directory (no usable XDG_DATA_HOME or HOME) the games go
// unrecorded, with one line said: never a file beside wherever the program
// was started.
void TestGameHistory::withoutADirectoryNothingIsWritten()
{
    QTemporaryDir dir;
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    GameHistory history{QString()};
    CapturedStderr captured;
    QVERIFY(!history.append("a game"));
    QVERIFY(!history.append("another game"));
    QCOMPARE(history.read(), QByteArray());
    QVERIFY(history.keepAside().isEmpty());
    const QByteArray said = captured.text();
    QVERIFY(QDir::setCurrent(started));
    QCOMPARE(said, QByteArray("hueriddle: neither XDG_DATA_HOME nor HOME names a directory; "
                              "finished games will not be kept\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

QTEST_APPLESS_MAIN(TestGameHistory)
#include "tst_gamehistory.moc"

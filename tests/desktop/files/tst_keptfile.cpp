#include "desktop/files/KeptFile.h"
#include "support/CapturedStderr.h"
#include "support/FailOnWarnings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <future>
#include <thread>

class TestKeptFile : public FailOnWarnings
{
    Q_OBJECT
private slots:
    void writesMakeTheDirectoryAndReplaceTheFile();
    void onlyTheNewestWaitingWriteIsDone();
    void unwritableIsSaidOnce();
    void keepAsideRenamesAndNeverDeletes();
    void removeLeftovers_data();
    void removeLeftovers();
};

void TestKeptFile::writesMakeTheDirectoryAndReplaceTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("state/hueriddle/saved-game");
    KeptFile file(path);
    QCOMPARE(file.read(100), std::nullopt);

    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> madeElsewhere = false;
    file.write([&] {
        madeElsewhere = std::this_thread::get_id() != caller;
        return QByteArray("first, longer than the second");
    });
    QVERIFY(file.waitWritten(5000));
    QVERIFY2(madeElsewhere, "the bytes were made on the calling thread");
    file.write(QByteArray("second"));
    QVERIFY(file.waitWritten(5000));

    QCOMPARE(testFileContents(path), QByteArray("second"));
    QCOMPARE(file.read(100), std::optional<QByteArray>("second"));
    // One byte more than asked for shows that the file is longer.
    QCOMPARE(file.read(3), std::optional<QByteArray>("seco"));
    QCOMPARE(file.writesDone(), quint64(2));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.filePath("state/hueriddle")).entryList(QDir::Files),
             QStringList{"saved-game"});
}

// While one write is on the disk, a newer write replaces the one waiting:
// the replaced one never runs, so no stale state reaches the file after a
// newer one.
void TestKeptFile::onlyTheNewestWaitingWriteIsDone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("saved-game");
    KeptFile file(path);

    // Bounded waits: a write made on the calling thread fails the test
    // instead of hanging it.
    constexpr auto kPatience = std::chrono::seconds(5);
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    file.write([&] {
        started.set_value();
        released.wait_for(kPatience);
        return QByteArray("one");
    });
    QCOMPARE(started.get_future().wait_for(kPatience), std::future_status::ready);

    std::atomic<bool> replacedRan = false;
    file.write([&] {
        replacedRan = true;
        return QByteArray("two");
    });
    file.write(QByteArray("three"));
    QVERIFY(!file.waitWritten(50));
    release.set_value();

    QVERIFY(file.waitWritten(5000));
    QVERIFY(!replacedRan);
    QCOMPARE(testFileContents(path), QByteArray("three"));
    QCOMPARE(file.writesDone(), quint64(2));
}

void TestKeptFile::unwritableIsSaidOnce()
{
    QTemporaryDir dir;
    // Running as root, permissions would not stop a write; a file where the
    // directory should be does.
    writeTestFile(dir.filePath("hueriddle"), "not a directory");
    KeptFile file(dir.filePath("hueriddle/saved-game"));
    CapturedStderr captured;
    file.write(QByteArray("a game"));
    QVERIFY(file.waitWritten(5000));
    file.write(QByteArray("the same game, later"));
    QVERIFY(file.waitWritten(5000));
    const QByteArray said = captured.text();
    QCOMPARE(said.count('\n'), 1);
    QVERIFY2(said.startsWith("hueriddle: cannot make the directory"), said.constData());
    QCOMPARE(file.writesDone(), quint64(2));
    QCOMPARE(testFileContents(dir.filePath("hueriddle")), QByteArray("not a directory"));
}

void TestKeptFile::keepAsideRenamesAndNeverDeletes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("saved-game");
    KeptFile file(path);
    writeTestFile(path, "damaged one");
    QString aside;
    {
        CapturedStderr captured;
        aside = file.keepAside(QStringLiteral("it is not a saved game"));
        const QByteArray said = captured.text();
        QCOMPARE(said.count('\n'), 1);
        QVERIFY2(said.contains("it is not a saved game; kept as saved-game.damaged-"),
                 said.constData());
    }
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(testFileContents(aside), QByteArray("damaged one"));

    // A second one within the same second gets a name of its own.
    writeTestFile(path, "damaged two");
    CapturedStderr captured;
    const QString second = file.keepAside(QStringLiteral("again"));
    QVERIFY(!second.isEmpty());
    QVERIFY(second != aside);
    QCOMPARE(testFileContents(aside), QByteArray("damaged one"));
    QCOMPARE(testFileContents(second), QByteArray("damaged two"));
}

void TestKeptFile::removeLeftovers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("a write's temporary file") << QStringLiteral("saved-game.Ab3dE9") << true;
    QTest::newRow("the file itself") << QStringLiteral("saved-game") << false;
    QTest::newRow("a file kept aside")
        << QStringLiteral("saved-game.damaged-20261211-051200") << false;
    QTest::newRow("five characters after the dot") << QStringLiteral("saved-game.Ab3dE") << false;
    QTest::newRow("seven characters after the dot")
        << QStringLiteral("saved-game.Ab3dE9x") << false;
    QTest::newRow("not letters and digits") << QStringLiteral("saved-game.Ab-dE9") << false;
    QTest::newRow("a letter beyond ASCII") << QStringLiteral("saved-game.Ab3dÉ9") << false;
    QTest::newRow("no dot") << QStringLiteral("saved-gameXAb3dE9") << false;
    QTest::newRow("another file's temporary file") << QStringLiteral("history.Ab3dE9") << false;
}

void TestKeptFile::removeLeftovers()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    writeTestFile(dir.filePath(name), "something");
    KeptFile(dir.filePath("saved-game")).removeLeftovers();
    QCOMPARE(QFileInfo::exists(dir.filePath(name)), !removed);
}

QTEST_APPLESS_MAIN(TestKeptFile)
#include "tst_keptfile.moc"

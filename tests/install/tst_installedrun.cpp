#include "support/FailOnWarnings.h"
#include "support/XSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#if !defined(HUERIDDLE_TEST_BUILD_DIR) || !defined(HUERIDDLE_TEST_BINDIR) ||                       \
    !defined(HUERIDDLE_TEST_DATADIR)
#error "the build directory and the installation layout must be defined by the build"
#endif

// Installs the build with `cmake --install --prefix` into a directory of its
// own, as a user installing into ~/.local would, and starts the installed
// program on the X server under a given locale. The board window's title
// names the variant in the language the program found a translation for.
class TestInstalledRun : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speaksTheLocaleLanguage_data();
    void speaksTheLocaleLanguage();

private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_elsewhere;
    QTemporaryDir m_emptyData;
    QString installedProgram() const
    {
        return m_prefix.filePath(QStringLiteral(HUERIDDLE_TEST_BINDIR "/hueriddle"));
    }
    QString movedProgram() const { return m_elsewhere.filePath(QStringLiteral("hueriddle")); }
};

void TestInstalledRun::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_elsewhere.isValid() && m_emptyData.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral("cmake"), {"--install", QStringLiteral(HUERIDDLE_TEST_BUILD_DIR),
                                            "--prefix", m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
    QVERIFY(QFile::exists(installedProgram()));
    // The same program without the data installed beside it.
    QVERIFY(QFile::copy(installedProgram(), movedProgram()));
    QVERIFY(QFile::setPermissions(movedProgram(), QFile::permissions(installedProgram())));
}

void TestInstalledRun::speaksTheLocaleLanguage_data()
{
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("dataDirsHoldTranslations");
    QTest::addColumn<QString>("boardTitle");

    const QString german = QStringLiteral("Hueriddle (mit Zurücklegen)");
    const QString english = QStringLiteral("Hueriddle (with replacement)");
    QTest::newRow("installed, German locale") << false << "de_DE.UTF-8" << false << german;
    QTest::newRow("installed, C locale: English as written")
        << false << "C.UTF-8" << false << english;
    QTest::newRow("moved away, German from the standard data directories")
        << true << "de_DE.UTF-8" << true << german;
    QTest::newRow("moved away, no translation anywhere: English")
        << true << "de_DE.UTF-8" << false << english;
}

void TestInstalledRun::speaksTheLocaleLanguage()
{
    QFETCH(bool, moved);
    QFETCH(QString, lang);
    QFETCH(bool, dataDirsHoldTranslations);
    QFETCH(QString, boardTitle);

    QTemporaryDir config;
    QVERIFY(config.isValid());
    const QString dataDirs = dataDirsHoldTranslations
                                 ? m_prefix.filePath(QStringLiteral(HUERIDDLE_TEST_DATADIR))
                                 : m_emptyData.path();
    e2e::ProgramRun run(moved ? movedProgram() : installedProgram(), config.path(), {},
                        [&](QProcessEnvironment &environment) {
                            for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                                environment.remove(QLatin1String(name));
                            environment.insert(QStringLiteral("LANG"), lang);
                            environment.insert(QStringLiteral("XDG_DATA_HOME"), m_emptyData.path());
                            environment.insert(QStringLiteral("XDG_DATA_DIRS"), dataDirs);
                        });
    QVERIFY2(run.waitForWindow(QStringLiteral("^Palette$")).has_value(), qPrintable(run.output()));
    // xdotool matches the title as the X server holds it, where a character
    // outside ASCII may take several bytes: any run of them matches it, and
    // the found window's name is then compared in full.
    QStringList asciiParts =
        boardTitle.split(QRegularExpression(QStringLiteral("[^\\x{1}-\\x{7f}]+")));
    for (QString &part : asciiParts)
        part = QRegularExpression::escape(part);
    const QString pattern = asciiParts.join(QStringLiteral(".+"));
    const std::optional<QString> board = run.waitForWindow(u'^' + pattern + u'$');
    QVERIFY2(board.has_value(),
             qPrintable(QStringLiteral("no board window titled %1; visible: %2\n%3")
                            .arg(boardTitle, run.visibleWindows().join(u' '), run.output())));
    QCOMPARE(e2e::windowName(*board).value_or(QString()), boardTitle);

    // A program ended by SIGTERM ends as by "Quit".
    run.process().terminate();
    QVERIFY(run.process().waitForFinished(e2e::kWaitMs));
    QCOMPARE(run.process().exitCode(), 0);
}

QTEST_MAIN(TestInstalledRun)
#include "tst_installedrun.moc"

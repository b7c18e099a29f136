#include "AlertRecorder.h"
#include "app/MainMenu.h"
#include "app/Translations.h"
#include "game/Controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef HUERIDDLE_TEST_DATADIR
#error "HUERIDDLE_TEST_DATADIR must be the installation's full data directory"
#endif

// The build compiles hueriddle_eo.ts, written for this test, into
// hueriddle_eo.qm next to the test program.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void installsFromDirectories_data();
    void installsFromDirectories();
    void menuAndAlertsFollowTheTranslation_data();
    void menuAndAlertsFollowTheTranslation();
    void laterInstallReplacesEarlier();
    void findsTranslationNextToProgram();
    void searchesInstalledDataDirectory();

private:
    static QString game() { return QCoreApplication::translate("Hueriddle", "Game"); }
    static QString alert()
    {
        return QCoreApplication::translate("Hueriddle", "All four colors must be set.");
    }
    static QString builtTranslation()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/hueriddle_eo.qm");
    }
};

void TestTranslations::cleanup()
{
    QVERIFY(!Translations::install(QLocale(QLocale::French), {}));
}

void TestTranslations::installsFromDirectories_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("alert");

    const QString ludo = QStringLiteral("Ludo");
    const QString metitaj = QString::fromUtf8("Ĉiuj kvar koloroj devas esti metitaj.");
    const QString english = QStringLiteral("All four colors must be set.");

    QTest::newRow("the language of the file")
        << QLocale(QStringLiteral("eo")) << true << ludo << metitaj;
    QTest::newRow("a regional locale falls back to its language")
        << QLocale(QStringLiteral("eo_001")) << true << ludo << metitaj;
    QTest::newRow("no file for the language keeps English")
        << QLocale(QStringLiteral("fr_FR")) << false << QStringLiteral("Game") << english;
}

void TestTranslations::installsFromDirectories()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, installed);
    QFETCH(QString, game);
    QFETCH(QString, alert);

    QTemporaryDir empty;
    QTemporaryDir withTranslation;
    QVERIFY(empty.isValid() && withTranslation.isValid());
    QVERIFY(QFile::copy(builtTranslation(), withTranslation.filePath("hueriddle_eo.qm")));

    // The first directory holds nothing; the search goes on to the second.
    QCOMPARE(Translations::install(locale, {empty.path(), withTranslation.path()}), installed);
    QCOMPARE(TestTranslations::game(), game);
    QCOMPARE(TestTranslations::alert(), alert);
}

void TestTranslations::menuAndAlertsFollowTheTranslation_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("alertTitle");
    QTest::addColumn<QString>("alertMessage");

    QTest::newRow("Esperanto") << QLocale(QStringLiteral("eo"))
                               << QStringList({"Informoj", "Ludo", QString::fromUtf8("Kaŝi"),
                                               QString::fromUtf8("Ĉesi")})
                               << QStringLiteral("Averto")
                               << QString::fromUtf8("Ĉiuj kvar koloroj devas esti metitaj.");
    QTest::newRow("no translation")
        << QLocale(QStringLiteral("fr_FR")) << QStringList({"Info", "Game", "Hide", "Quit"})
        << QStringLiteral("Alert") << QStringLiteral("All four colors must be set.");
}

// The program's own menu bar and the game's alert, built after the
// translation is installed, as at the start of the program.
void TestTranslations::menuAndAlertsFollowTheTranslation()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, titles);
    QFETCH(QString, alertTitle);
    QFETCH(QString, alertMessage);

    const bool installed = Translations::install(locale, {QCoreApplication::applicationDirPath()});
    QCOMPARE(installed, titles.first() != QStringLiteral("Info"));

    AlertRecorder<Controller> controller;
    MainMenu menu(controller);
    QStringList shown;
    for (const QAction *action : menu.actions())
        shown << action->text();
    QCOMPARE(shown, titles);

    // A commit with no pegs set is refused with an alert.
    controller.commit();
    QCOMPARE(controller.alerts.size(), std::size_t(1));
    QCOMPARE(controller.alerts.front().title, alertTitle);
    QCOMPARE(controller.alerts.front().message, alertMessage);
}

void TestTranslations::laterInstallReplacesEarlier()
{
    const QStringList directories = {QCoreApplication::applicationDirPath()};
    QVERIFY(Translations::install(QLocale(QStringLiteral("eo")), directories));
    QCOMPARE(game(), QStringLiteral("Ludo"));

    QVERIFY(!Translations::install(QLocale(QStringLiteral("fr_FR")), directories));
    QCOMPARE(game(), QStringLiteral("Game"));
}

void TestTranslations::findsTranslationNextToProgram()
{
    QVERIFY(QFile::exists(builtTranslation()));
    QVERIFY(Translations::install(QLocale(QStringLiteral("eo"))));
    QCOMPARE(game(), QStringLiteral("Ludo"));
}

void TestTranslations::searchesInstalledDataDirectory()
{
    const QStringList paths = Translations::searchPaths();
    QCOMPARE(paths.value(0), QCoreApplication::applicationDirPath());
    QVERIFY2(paths.contains(QDir::cleanPath(QStringLiteral(HUERIDDLE_TEST_DATADIR) +
                                            QStringLiteral("/hueriddle/translations"))),
             qPrintable(paths.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

#include "AlertRecorder.h"
#include "AppFixture.h"
#include "FailOnWarnings.h"
#include "app/MainMenu.h"
#include "app/Translations.h"
#include "game/Controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#ifndef HUERIDDLE_TEST_QM_DIR
#error "HUERIDDLE_TEST_QM_DIR must be the build's directory of the program's .qm files"
#endif

// The build compiles hueriddle_eo.ts, written for this test, into
// hueriddle_eo.qm next to the test program. The translations the program
// ships are compiled into HUERIDDLE_TEST_QM_DIR.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void installsFromDirectories_data();
    void installsFromDirectories();
    void menuAndAlertsFollowTheTranslation_data();
    void menuAndAlertsFollowTheTranslation();
    void laterInstallReplacesEarlier();
    void findsTranslationNextToProgram();
    void searchPathsFollowProgramAndDataDirectories_data();
    void searchPathsFollowProgramAndDataDirectories();
    void shippedTranslationsNameMenusAndWindows_data();
    void shippedTranslationsNameMenusAndWindows();

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

void TestTranslations::searchPathsFollowProgramAndDataDirectories_data()
{
    QTest::addColumn<bool>("inDataHome");
    QTest::addColumn<bool>("inDataDirs");

    QTest::newRow("installed in neither standard data directory") << false << false;
    QTest::newRow("installed in XDG_DATA_HOME") << true << false;
    QTest::newRow("installed in XDG_DATA_DIRS") << false << true;
    QTest::newRow("installed in both, the user's first") << true << true;
}

// The program's own location and the standard data directories are all that
// is searched: no directory of the configured installation prefix.
void TestTranslations::searchPathsFollowProgramAndDataDirectories()
{
    QFETCH(bool, inDataHome);
    QFETCH(bool, inDataDirs);

    QTemporaryDir dataHome;
    QTemporaryDir dataDir;
    QVERIFY(dataHome.isValid() && dataDir.isValid());
    const QString subdirectory = QStringLiteral("hueriddle/translations");
    if (inDataHome)
        QVERIFY(QDir(dataHome.path()).mkpath(subdirectory));
    if (inDataDirs)
        QVERIFY(QDir(dataDir.path()).mkpath(subdirectory));

    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dataDir.path()));
    const QStringList paths = Translations::searchPaths();
    qputenv("XDG_DATA_HOME", savedHome);
    qputenv("XDG_DATA_DIRS", savedDirs);

    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList expected = {
        programDir,
        programDir + QStringLiteral("/translations"),
        QDir::cleanPath(programDir + QStringLiteral("/../share/hueriddle/translations")),
    };
    if (inDataHome)
        expected << dataHome.filePath(subdirectory);
    if (inDataDirs)
        expected << dataDir.filePath(subdirectory);
    QCOMPARE(paths, expected);
}

void TestTranslations::shippedTranslationsNameMenusAndWindows_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("installed");
    // Info, Game, Hide, Quit; then Game's items: New game, Commit, Move.
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("windows");

    QTest::newRow("German") << "de_DE" << true
                            << QStringList{"Info",        "Spiel",   "Ausblenden", "Beenden",
                                           "Neues Spiel", "Abgeben", "Zug"}
                            << QStringList{"Hueriddle (mit Zurücklegen)", "Palette"};
    QTest::newRow("Austrian German, by its language")
        << "de_AT" << true
        << QStringList{"Info", "Spiel", "Ausblenden", "Beenden", "Neues Spiel", "Abgeben", "Zug"}
        << QStringList{"Hueriddle (mit Zurücklegen)", "Palette"};
    QTest::newRow("French") << "fr_FR" << true
                            << QStringList{"Infos",           "Partie",  "Masquer", "Quitter",
                                           "Nouvelle partie", "Valider", "Coup"}
                            << QStringList{"Hueriddle (avec remise)", "Palette"};
    QTest::newRow("Spanish") << "es_ES" << true
                             << QStringList{"Info",          "Partida",   "Ocultar", "Salir",
                                            "Partida nueva", "Confirmar", "Jugada"}
                             << QStringList{"Hueriddle (con reposición)", "Paleta"};
    QTest::newRow("Italian") << "it_IT" << true
                             << QStringList{"Info",          "Partita",  "Nascondi", "Esci",
                                            "Nuova partita", "Conferma", "Mossa"}
                             << QStringList{"Hueriddle (con reinserimento)", "Tavolozza"};
    QTest::newRow("Brazilian Portuguese")
        << "pt_BR" << true
        << QStringList{"Info", "Jogo", "Ocultar", "Sair", "Novo jogo", "Confirmar", "Jogada"}
        << QStringList{"Hueriddle (com reposição)", "Paleta"};
    QTest::newRow("English stays as written")
        << "en_US" << false
        << QStringList{"Info", "Game", "Hide", "Quit", "New game", "Commit", "Move"}
        << QStringList{"Hueriddle (with replacement)", "Palette"};
}

// The translations built for installation, loaded as at the start of the
// program, name the real windows' menus and titles in the locale's language.
void TestTranslations::shippedTranslationsNameMenusAndWindows()
{
    QFETCH(QString, locale);
    QFETCH(bool, installed);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, windows);

    QCOMPARE(Translations::install(QLocale(locale), {QStringLiteral(HUERIDDLE_TEST_QM_DIR)}),
             installed);

    IsolatedSettings settings;
    RecordingAppController controller;
    controller.applicationDidFinishLaunching();
    QVERIFY(controller.window && controller.palette);
    const QList<MainMenu *> bars = controller.window->findChildren<MainMenu *>();
    QCOMPARE(bars.size(), qsizetype(1));

    QStringList shown;
    QMenu *game = nullptr;
    for (QAction *action : bars.front()->actions()) {
        shown << action->text();
        if (shown.size() == 2)
            game = action->menu();
    }
    QVERIFY(game);
    for (const QAction *action : game->actions()) {
        if (!action->isSeparator())
            shown << action->text();
    }
    QCOMPARE(shown, menus);
    QCOMPARE((QStringList{controller.window->windowTitle(), controller.palette->windowTitle()}),
             windows);
}

void TestTranslations::init()
{
    failOnUnexpectedWarnings();
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

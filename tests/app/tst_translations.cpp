#include "app/AppController.h"
#include "app/commands/HelpWindow.h"
#include "app/commands/MainMenu.h"
#include "desktop/process/Translations.h"
#include "game/Controller.h"
#include "support/AlertRecorder.h"
#include "support/AppFixture.h"
#include "support/FailOnWarnings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTranslator>

#ifndef HUERIDDLE_TEST_QM_DIR
#error "HUERIDDLE_TEST_QM_DIR must be the build's directory of the program's .qm files"
#endif

namespace
{

// A pseudo-translation of every message of the program: the English text in
// brackets, "Game" as "[Game]". The placeholders stay outside ("Row %1" as
// "[Row ]%1"), so that a text filled into one shows whether it was
// translated itself. Qt's own texts are left as they are.
class BracketingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Hueriddle") != 0)
            return QString();
        static const QRegularExpression placeholder(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
        const QString source = QString::fromUtf8(sourceText);
        QString marked;
        qsizetype at = 0;
        const auto literal = [&](qsizetype end) {
            if (end > at)
                marked += u'[' + source.mid(at, end - at) + u']';
        };
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(source)) {
            literal(match.capturedStart());
            marked += match.captured();
            at = match.capturedEnd();
        }
        literal(source.size());
        return marked;
    }
    bool isEmpty() const override { return false; }
};

// Whether every word of `text` stands inside brackets: once the bracketed
// parts are taken out, innermost first, no letter is left.
bool allMarked(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    return !text.contains(letter);
}

// A key's name as Qt writes it ("Ctrl+N", "Backspace"), which Qt's own
// translation covers.
bool isKeyName(const QString &text)
{
    const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::NativeText);
    return !keys.isEmpty() && keys.toString(QKeySequence::NativeText) == text;
}

// Which texts collectTexts gathers: the program's own only, or Qt's too (the
// standard dialog buttons, the key names in the help and the menus).
enum class QtTexts { LeftOut, Included };

// Every text a player can see in `widget` and below it, each with where it
// was found.
void collectTexts(const QWidget *widget, const QString &where, QStringList &texts,
                  QtTexts qtTexts = QtTexts::LeftOut)
{
    const auto add = [&](const QString &text, const QString &what) {
        if (!text.trimmed().isEmpty())
            texts << QStringLiteral("%1 %2: \"%3\"").arg(where, what, text);
    };
    if (widget->isWindow())
        add(widget->windowTitle(), QStringLiteral("window title"));
    add(widget->toolTip(), QStringLiteral("tool tip"));
    add(widget->accessibleName(), QStringLiteral("accessible name"));
    add(widget->accessibleDescription(), QStringLiteral("accessible description"));
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const auto *buttons = qobject_cast<const QDialogButtonBox *>(widget->parentWidget());
    const bool standardButton = button && buttons &&
                                buttons->standardButton(const_cast<QAbstractButton *>(button)) !=
                                    QDialogButtonBox::NoButton;
    // What a screen reader reads, as it asks for it: the names and
    // descriptions of the pegs and scores come from their accessible
    // interfaces, not from the widget's properties.
    QAccessibleInterface *face =
        standardButton && qtTexts == QtTexts::LeftOut
            ? nullptr
            : QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
    if (face) {
        add(face->text(QAccessible::Name), QStringLiteral("screen reader name"));
        add(face->text(QAccessible::Description), QStringLiteral("screen reader description"));
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        QTextDocument document;
        document.setHtml(label->text());
        add(label->textFormat() == Qt::PlainText ? label->text() : document.toPlainText(),
            QStringLiteral("label"));
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        add(box->title(), QStringLiteral("box title"));
    if (button && (qtTexts == QtTexts::Included || !standardButton))
        add(button->text(), QStringLiteral("button"));
    if (const auto *browser = qobject_cast<const QTextBrowser *>(widget)) {
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
            if (qtTexts == QtTexts::Included || !isKeyName(block.text()))
                add(block.text(), QStringLiteral("text"));
    }
    const auto addMenu = [&](const QList<QAction *> &actions, const auto &self) -> void {
        for (const QAction *action : actions) {
            add(action->text(), QStringLiteral("menu item"));
            add(action->toolTip() == QString(action->text()).remove(u'&') ? QString()
                                                                          : action->toolTip(),
                QStringLiteral("menu item tool tip"));
            if (qtTexts == QtTexts::Included)
                add(action->shortcut().toString(QKeySequence::NativeText),
                    QStringLiteral("menu item's keys"));
            if (action->menu())
                self(action->menu()->actions(), self);
        }
    };
    if (const auto *bar = qobject_cast<const QMenuBar *>(widget))
        addMenu(bar->actions(), addMenu);
    for (const QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            collectTexts(child, where, texts, qtTexts);
}

// Plays through the four alerts of the game: a row not full, a repeated
// colour without replacement, a lost game, a won game.
void raiseEveryAlert(AlertRecorder<AppController> &controller)
{
    controller.commit();
    controller.newGameNoRep();
    for (int code : {1, 1, 2, 3})
        QVERIFY(controller.placeColor(code));
    controller.commit();
    controller.newGameWithRep();
    controller.combo = {4, 5, 6, 5}; // the search misses it in eight rows
    while (!controller.done)
        controller.move();
    controller.newGameWithRep();
    controller.combo = {1, 2, 3, 4};
    for (int code : {1, 2, 3, 4})
        QVERIFY(controller.placeColor(code));
    controller.commit();
    QCOMPARE(controller.alerts.size(), std::size_t(4));
}

// Whether Qt's own translation for `language` is installed (Debian's
// qt6-translations-l10n, which `make test` installs).
bool hasQtTranslation(const QString &language)
{
    return QFile::exists(Translations::qtTranslationsPath() +
                         QStringLiteral("/qtbase_%1.qm").arg(language));
}

// The words of `text` in lower case, of two letters or more: single letters
// are the keys of shortcuts ("Ctrl+N") in every language.
QSet<QString> wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    QSet<QString> words;
    for (const QRegularExpressionMatch &match : word.globalMatch(text))
        words.insert(match.captured().toLower());
    return words;
}

// The game launched with the info panel, the help and the preferences open
// beside the board and the palette; the panels, which delete themselves on
// closing, are closed again when it goes.
class EveryWindowOpen
{
public:
    explicit EveryWindowOpen(AppController &controller)
    {
        controller.applicationDidFinishLaunching();
        controller.orderFrontStandardInfoPanel();
        controller.orderFrontHelpPanel();
        controller.runPreferencesPanel();
    }
    ~EveryWindowOpen()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->testAttribute(Qt::WA_DeleteOnClose))
                window->close();
    }
    EveryWindowOpen(const EveryWindowOpen &) = delete;
    EveryWindowOpen &operator=(const EveryWindowOpen &) = delete;
};

// Every text the player meets, Qt's own included, under the translation
// installed now: the board, the palette, the info panel, the help and the
// preferences with their menus and keys, and the four alerts. When
// HUERIDDLE_SCREENSHOT_DIR is set, each window and each menu is saved there
// as <name>-<window>.png, to be looked at.
QStringList everyShownText(const QString &name)
{
    IsolatedSettings settings;
    AlertRecorder<AppController> controller;
    const EveryWindowOpen everyWindow(controller);
    raiseEveryAlert(controller);

    QStringList texts;
    for (const RecordedAlert &alert : controller.alerts)
        texts << QStringLiteral("alert title: \"%1\"").arg(alert.title)
              << QStringLiteral("alert message: \"%1\"").arg(alert.message)
              << QStringLiteral("alert button: \"%1\"").arg(alert.button);
    const QString screenshots = qEnvironmentVariable("HUERIDDLE_SCREENSHOT_DIR");
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QString className = QString::fromLatin1(window->metaObject()->className());
        collectTexts(window, className, texts, QtTexts::Included);
        if (screenshots.isEmpty())
            continue;
        window->grab().save(QStringLiteral("%1/%2-%3.png").arg(screenshots, name, className));
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            menu->adjustSize();
            menu->grab().save(QStringLiteral("%1/%2-menu-%3.png")
                                  .arg(screenshots, name, menu->title().remove(u'&')));
        }
    }
    return texts;
}

} // namespace

// The build compiles hueriddle_eo.ts, written for this test, into
// hueriddle_eo.qm next to the test program. The translations the program
// ships are compiled into HUERIDDLE_TEST_QM_DIR.
class TestTranslations : public FailOnWarnings
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
    void searchPathsFollowProgramAndDataDirectories_data();
    void searchPathsFollowProgramAndDataDirectories();
    void shippedTranslationsNameMenusAndWindows_data();
    void shippedTranslationsNameMenusAndWindows();
    void everyVisibleTextIsTranslated();
    void qtTextsFollowTheLanguage_data();
    void qtTextsFollowTheLanguage();
    void programTextsWithoutQtTranslation();
    void shippedTranslationsLeaveNoEnglish_data();
    void shippedTranslationsLeaveNoEnglish();

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
                                            "Nueva partida", "Confirmar", "Jugada"}
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

// With a pseudo-translation installed, every window of the program, its
// menus, the info panel, the help, the preferences and every alert show only
// translated texts, and so do the names and descriptions a screen reader reads.
void TestTranslations::everyVisibleTextIsTranslated()
{
    BracketingTranslator pseudo;
    QVERIFY(QCoreApplication::installTranslator(&pseudo));
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&pseudo); });
    QCOMPARE(game(), QStringLiteral("[Game]"));

    AlertRecorder<AppController> controller;
    const EveryWindowOpen everyWindow(controller);

    raiseEveryAlert(controller);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(controller.alerts.back().message, QStringLiteral("[You win.]"));

    QStringList texts;
    for (const RecordedAlert &alert : controller.alerts)
        texts << QStringLiteral("alert title: \"%1\"").arg(alert.title)
              << QStringLiteral("alert message: \"%1\"").arg(alert.message)
              << QStringLiteral("alert button: \"%1\"").arg(alert.button);
    int windows = 0;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        ++windows;
        collectTexts(window, QString::fromLatin1(window->metaObject()->className()), texts);
    }
    // The board, the palette, the info panel, the help and the preferences.
    QCOMPARE(windows, 5);
    QVERIFY2(texts.size() > 40, qPrintable(texts.join(u'\n')));
    // The 32 pegs of the rows and the 4 of the answer are among them.
    static const QRegularExpression pegName(QStringLiteral("screen reader name: .*position"));
    QVERIFY2(texts.filter(pegName).size() >= 36, qPrintable(texts.join(u'\n')));

    QStringList unmarked;
    for (const QString &text : texts)
        if (!allMarked(text.mid(text.indexOf(u'"'))))
            unmarked << text;
    QVERIFY2(unmarked.isEmpty(),
             qPrintable(QStringLiteral("not translated:\n") + unmarked.join(u'\n')));
}

void TestTranslations::qtTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("newGameWithoutReplacement");
    QTest::addColumn<QString>("backspace");

    QTest::newRow("German") << "de_DE"
                            << "Schließen"
                            << "Strg+Umschalt+N"
                            << "Rücktaste";
    QTest::newRow("French") << "fr_FR"
                            << "Fermer"
                            << "Ctrl+Maj+N"
                            << "Effacement";
    QTest::newRow("Spanish") << "es_ES"
                             << "Cerrar"
                             << "Control+Mayúsculas+N"
                             << "Borrar";
    // Italian and Brazilian keyboards are labelled with the English names.
    QTest::newRow("Italian") << "it_IT"
                             << "Chiudi"
                             << "Ctrl+Shift+N"
                             << "Backspace";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "Fechar"
                                          << "Ctrl+Shift+N"
                                          << "Backspace";
}

// Qt's own texts, the Close button of the help and the keys in the menus and
// the help's key table, speak the program's language.
void TestTranslations::qtTextsFollowTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, close);
    QFETCH(QString, newGameWithoutReplacement);
    QFETCH(QString, backspace);

    const QLocale language(locale);
    if (!hasQtTranslation(QLocale(language.language()).name().section(u'_', 0, 0)) &&
        !hasQtTranslation(locale))
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    QVERIFY(Translations::install(language, {QStringLiteral(HUERIDDLE_TEST_QM_DIR)}));

    HelpWindow help;
    const auto *buttons = help.findChild<QDialogButtonBox *>();
    QVERIFY(buttons && buttons->button(QDialogButtonBox::Close));
    QCOMPARE(buttons->button(QDialogButtonBox::Close)->text().remove(u'&'), close);

    AlertRecorder<Controller> controller;
    MainMenu menu(controller);
    const QAction *withoutReplacement = menu.actionForTag(Controller::WithoutReplacementTag);
    QVERIFY(withoutReplacement);
    QCOMPARE(withoutReplacement->shortcut().toString(QKeySequence::NativeText),
             newGameWithoutReplacement);

    QStringList keys;
    for (const HelpWindow::KeyHelp &row : HelpWindow::keyTable())
        keys << row.keys;
    QVERIFY2(keys.contains(backspace), qPrintable(keys.join(u' ')));
    QVERIFY2(keys.contains(newGameWithoutReplacement), qPrintable(keys.join(u' ')));
}

// Without Qt's translation the program still speaks the language; only Qt's
// own texts stay English.
void TestTranslations::programTextsWithoutQtTranslation()
{
    QTemporaryDir noQtTranslations;
    QVERIFY(noQtTranslations.isValid());
    QVERIFY(Translations::install(QLocale(QStringLiteral("de_DE")),
                                  {QStringLiteral(HUERIDDLE_TEST_QM_DIR)},
                                  noQtTranslations.path()));
    QCOMPARE(game(), QStringLiteral("Spiel"));
    HelpWindow help;
    const auto *buttons = help.findChild<QDialogButtonBox *>();
    QVERIFY(buttons && buttons->button(QDialogButtonBox::Close));
    QCOMPARE(buttons->button(QDialogButtonBox::Close)->text().remove(u'&'),
             QStringLiteral("Close"));
}

void TestTranslations::shippedTranslationsLeaveNoEnglish_data()
{
    QTest::addColumn<QString>("locale");
    // The words a language shares with the English texts, each a word of the
    // language itself.
    QTest::addColumn<QStringList>("sharedWords");

    // Every language: the program's name, the colour names cyan and magenta,
    // and "OK".
    const QStringList everywhere{"hueriddle", "cyan", "magenta", "ok"};
    QTest::newRow("German") << "de_DE"
                            << everywhere + QStringList{"an",     "computer", "in",       "info",
                                                        "option", "palette",  "position", "ring",
                                                        "so",     "start",    "version"};
    // Qt's French names keep "Ctrl", as French keyboards label the key.
    QTest::newRow("French") << "fr_FR"
                            << everywhere + QStringList{"active",  "code",  "ctrl",     "double",
                                                        "menu",    "on",    "option",   "options",
                                                        "palette", "place", "position", "second",
                                                        "secret",  "six",   "triangle", "version"};
    QTest::newRow("Spanish") << "es_ES" << everywhere + QStringList{"color", "info", "no", "panel"};
    // Qt's Italian and Brazilian names keep "Ctrl", "Shift" and "Backspace",
    // as the keyboards there label the keys.
    QTest::newRow("Italian") << "it_IT"
                             << everywhere + QStringList{"all", "backspace", "computer", "ctrl",
                                                         "in",  "info",      "menu",     "shift"};
    QTest::newRow("Brazilian Portuguese")
        << "pt_BR" << everywhere + QStringList{"as",   "backspace", "ctrl", "for",
                                               "info", "menu",      "no",   "shift"};
}

// The shipped translations, with Qt's, leave no English word in any window,
// menu, key name or alert: every word shown under the locale that is also a
// word of the English texts must be one the language shares with English.
void TestTranslations::shippedTranslationsLeaveNoEnglish()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, sharedWords);

    if (!hasQtTranslation(locale.section(u'_', 0, 0)) && !hasQtTranslation(locale))
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    const QStringList directories = {QStringLiteral(HUERIDDLE_TEST_QM_DIR)};

    QVERIFY(!Translations::install(QLocale(QStringLiteral("en_US")), directories));
    const QStringList english = everyShownText(QStringLiteral("en"));
    if (QTest::currentTestFailed())
        return;
    QSet<QString> englishWords;
    for (const QString &text : english)
        englishWords.unite(wordsOf(text.mid(text.indexOf(u'"'))));
    QVERIFY(englishWords.size() > 100);

    QVERIFY(Translations::install(QLocale(locale), directories));
    const QStringList shown = everyShownText(locale);
    if (QTest::currentTestFailed())
        return;
    // The same windows, menus and alerts, each text in its translated form.
    QCOMPARE(shown.size(), english.size());

    // Each English word left, with the first text that shows it.
    const QSet<QString> shared(sharedWords.cbegin(), sharedWords.cend());
    QMap<QString, QString> untranslated;
    for (const QString &text : shown)
        for (const QString &word : wordsOf(text.mid(text.indexOf(u'"'))))
            if (englishWords.contains(word) && !shared.contains(word) &&
                !untranslated.contains(word))
                untranslated.insert(word, text);
    QStringList report;
    for (auto it = untranslated.cbegin(); it != untranslated.cend(); ++it)
        report << it.key() + QStringLiteral(" in ") + it.value().left(40);
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(QStringLiteral("English words:\n") + report.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

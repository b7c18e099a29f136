#include "app/commands/HelpWindow.h"
#include "desktop/process/Translations.h"
#include "support/FailOnWarnings.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#ifndef HUERIDDLE_TEST_SOURCE_DIR
#error "HUERIDDLE_TEST_SOURCE_DIR must be the project's source directory"
#endif
#ifndef HUERIDDLE_TEST_MANUAL_DIR
#error "HUERIDDLE_TEST_MANUAL_DIR must be the build's directory of the translated manual pages"
#endif
#ifndef HUERIDDLE_TEST_QM_DIR
#error "HUERIDDLE_TEST_QM_DIR must be the build's directory of the program's .qm files"
#endif

namespace
{

struct ManualKey {
    QString keys;
    QString text;
};

// A line of the page with its font escapes and requests' quotes taken out,
// as a reader sees its words.
QString plain(QString line)
{
    static const QRegularExpression fontEscape(QStringLiteral("\\\\f[BIRP]"));
    line.remove(fontEscape);
    line.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    line.remove(u'"');
    return line.trimmed();
}

// The tagged paragraphs of the page's sixth section, KEYS (whatever its
// translated heading): each tag, the line after ".TP" (".B <keys>" as
// written, "\\fB<keys>\\fP" as po4a writes it), with the text below it
// joined into one line.
QList<ManualKey> manualKeys(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    int section = 0;
    QList<ManualKey> keys;
    enum { Other, Tag, Text } next = Other;
    for (const QString &line : lines) {
        const QString request = line.trimmed();
        if (request.startsWith(QStringLiteral(".SH"))) {
            ++section;
            next = Other;
        } else if (section != 6) {
            continue;
        } else if (request == QStringLiteral(".TP")) {
            next = Tag;
        } else if (next == Tag) {
            keys.append(
                {plain(request.startsWith(QStringLiteral(".B ")) ? request.mid(3) : request),
                 QString()});
            next = Text;
        } else if (request.startsWith(u'.')) {
            next = Other;
        } else if (next == Text) {
            QString &text = keys.back().text;
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + plain(request);
        }
    }
    if (keys.isEmpty())
        error = path + QStringLiteral(": no tagged paragraph in its sixth section");
    return keys;
}

} // namespace

// The manual page's key table, in English and in each translated page, says
// what the help's key table says, which is built from the program's command
// table (CommandTable): the same keys, named as the program names them in
// that language, in the same order, each described by the help's own words.
class TestManualPage : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void cleanup();
    void keyTableMatchesTheProgram_data();
    void keyTableMatchesTheProgram();
};

void TestManualPage::cleanup()
{
    Translations::install(QLocale(QLocale::English), {});
}

void TestManualPage::keyTableMatchesTheProgram_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");

    QTest::newRow("English") << QString()
                             << QStringLiteral(HUERIDDLE_TEST_SOURCE_DIR "/data/hueriddle.6");
    for (const char *language : {"de", "es", "fr", "it", "pt_BR"}) {
        QTest::newRow(language) << QString::fromLatin1(language)
                                << QStringLiteral(HUERIDDLE_TEST_MANUAL_DIR "/%1/hueriddle.6")
                                       .arg(QString::fromLatin1(language));
    }
}

void TestManualPage::keyTableMatchesTheProgram()
{
    QFETCH(QString, language);
    QFETCH(QString, page);

    if (!language.isEmpty()) {
        if (!QFile::exists(Translations::qtTranslationsPath() +
                           QStringLiteral("/qtbase_%1.qm").arg(language)))
            QSKIP("Qt's translations (qt6-translations-l10n), which name the keys, are not "
                  "installed");
        QVERIFY(Translations::install(QLocale(language), {QStringLiteral(HUERIDDLE_TEST_QM_DIR)}));
    }

    QString error;
    const QList<ManualKey> manual = manualKeys(page, error);
    QVERIFY2(!manual.isEmpty(), qPrintable(error));

    const QList<HelpWindow::KeyHelp> help = HelpWindow::keyTable();
    QStringList differences;
    for (qsizetype i = 0; i < std::max(manual.size(), help.size()); ++i) {
        const QString manualKeys = i < manual.size() ? manual[i].keys : QStringLiteral("-");
        const QString helpKeys = i < help.size() ? help[i].keys : QStringLiteral("-");
        if (manualKeys != helpKeys) {
            differences << QStringLiteral("entry %1: the manual has key %2, the program %3")
                               .arg(i + 1)
                               .arg(manualKeys, helpKeys);
            continue;
        }
        // The help's words, then the end of the sentence or a remark in
        // parentheses.
        const QString &text = manual[i].text;
        const QString &action = help[i].action;
        if (text != action + u'.' && !text.startsWith(action + QStringLiteral(" (")))
            differences << QStringLiteral("%1: the manual says \"%2\", the program \"%3\"")
                               .arg(manualKeys, text, action);
    }
    QVERIFY2(differences.isEmpty(),
             qPrintable(page + QStringLiteral(":\n") + differences.join(u'\n')));
}

QTEST_MAIN(TestManualPage)
#include "tst_manualpage.moc"

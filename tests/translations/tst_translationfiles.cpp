#include "FailOnWarnings.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

#ifndef HUERIDDLE_TEST_SOURCE_DIR
#error "HUERIDDLE_TEST_SOURCE_DIR must be the project's source directory"
#endif

namespace
{

struct Message {
    QString source;
    QString translation;
    QString type; // the translation's type attribute: "", "unfinished", "obsolete", "vanished"
};

// The messages of a Qt Linguist file, in the order written; empty when the
// file cannot be read or parsed (`error` then says why).
QList<Message> readMessages(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            current = Message();
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
        return {};
    }
    return messages;
}

// The placeholders that QString::arg and tr's plural form fill in (%1 to %99,
// %L1, %n, %Ln), sorted, so that the same ones in another order compare equal.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// A menu mnemonic: an ampersand before a letter, not the "&&" of a literal one.
bool hasMnemonic(const QString &text)
{
    static const QRegularExpression mnemonic(QStringLiteral("(^|[^&])&[^&\\s]"));
    return mnemonic.match(text).hasMatch();
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(HUERIDDLE_TEST_SOURCE_DIR "/") + relative;
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The number of `element` elements of the metadata outside its release notes,
// in the language `lang` ("" for those without xml:lang), with non-empty
// text; -1 when the metadata cannot be parsed.
int countMetainfoElements(const QString &element, const QString &lang)
{
    QXmlStreamReader xml(readText(sourcePath("data/org.hueriddle.Hueriddle.metainfo.xml.in")));
    int count = 0;
    bool inReleases = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.name() == QLatin1String("releases"))
            inReleases = xml.isStartElement();
        if (inReleases || !xml.isStartElement() || xml.name() != element)
            continue;
        const QString language = xml.attributes().value(QLatin1String("xml:lang")).toString();
        if (language == lang && !xml.readElementText().trimmed().isEmpty())
            ++count;
    }
    return xml.hasError() ? -1 : count;
}

// The translated strings of a gettext file: each msgstr, its continued lines
// joined.
QStringList poTranslations(const QString &path)
{
    QStringList translations;
    bool inMsgstr = false;
    for (const QString &line : readText(path).split(u'\n')) {
        if (line.startsWith(QStringLiteral("msgstr \""))) {
            translations << line.mid(8, line.size() - 9);
            inMsgstr = true;
        } else if (inMsgstr && line.startsWith(u'"')) {
            translations.back() += line.mid(1, line.size() - 2);
        } else {
            inMsgstr = false;
        }
    }
    return translations;
}

// The texts written in `language`: the translations of the program, the
// desktop entry's names and comment (not its keywords, a list), the
// metadata's entries and the manual page's paragraphs, each with where it is.
QStringList textsIn(const QString &language)
{
    QStringList texts;
    QString error;
    const QString ts = QStringLiteral("translations/hueriddle_%1.ts").arg(language);
    for (const Message &message : readMessages(sourcePath(ts), error))
        texts << ts + QStringLiteral(": ") + message.translation;
    const QRegularExpression entry(QStringLiteral("^(?:Name|GenericName|Comment)\\[%1\\]=(.*)$")
                                       .arg(QRegularExpression::escape(language)),
                                   QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match :
         entry.globalMatch(readText(sourcePath("data/org.hueriddle.Hueriddle.desktop"))))
        texts << QStringLiteral("desktop entry: ") + match.captured(1);
    QXmlStreamReader xml(readText(sourcePath("data/org.hueriddle.Hueriddle.metainfo.xml.in")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.attributes().value(QLatin1String("xml:lang")) == language)
            texts << QStringLiteral("metadata: ") +
                         xml.readElementText()
                             .replace(QRegularExpression(QStringLiteral("[ \\n]+")),
                                      QStringLiteral(" "))
                             .trimmed();
    }
    const QString po = QStringLiteral("data/man/po/%1.po").arg(language);
    // The first is the file's header.
    for (const QString &translation : poTranslations(sourcePath(po)).mid(1))
        texts << po + QStringLiteral(": ") + translation;
    return texts;
}

} // namespace

// The translations in translations/, checked against the template that
// lupdate collects from the program's sources, and the translated entries of
// the desktop entry and the AppStream metadata.
class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void templateIsReadable();
    void translationMatchesTemplate_data();
    void translationMatchesTemplate();
    void desktopEntryAndMetadataAreTranslated_data();
    void desktopEntryAndMetadataAreTranslated();
    void typographyFollowsThePolicy_data();
    void typographyFollowsThePolicy();

private:
    static void addLanguageRows();
};

void TestTranslationFiles::addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("Spanish") << "es";
    QTest::newRow("French") << "fr";
    QTest::newRow("Italian") << "it";
    QTest::newRow("Brazilian Portuguese") << "pt_BR";
}

void TestTranslationFiles::templateIsReadable()
{
    QString error;
    const QList<Message> messages = readMessages(sourcePath("translations/hueriddle.ts"), error);
    QVERIFY2(!messages.isEmpty(), qPrintable(error));
}

void TestTranslationFiles::translationMatchesTemplate_data()
{
    addLanguageRows();
}

void TestTranslationFiles::translationMatchesTemplate()
{
    QFETCH(QString, language);

    QString error;
    const QList<Message> sources = readMessages(sourcePath("translations/hueriddle.ts"), error);
    const QString path = sourcePath(QStringLiteral("translations/hueriddle_%1.ts").arg(language));
    const QList<Message> messages = readMessages(path, error);
    QVERIFY2(!messages.isEmpty(), qPrintable(path + QStringLiteral(": ") + error));

    QStringList problems;
    QSet<QString> templateSources;
    for (const Message &message : sources)
        templateSources.insert(message.source);
    QSet<QString> translatedSources;
    for (const Message &message : messages) {
        translatedSources.insert(message.source);
        const QString where = QStringLiteral("\"%1\"").arg(message.source);
        if (!message.type.isEmpty())
            problems << where + QStringLiteral(" is ") + message.type;
        if (message.translation.trimmed().isEmpty())
            problems << where + QStringLiteral(" has no translation");
        if (placeholders(message.translation) != placeholders(message.source))
            problems << where + QStringLiteral(" has the placeholders ") +
                            placeholders(message.translation).join(u' ') +
                            QStringLiteral(" instead of ") +
                            placeholders(message.source).join(u' ');
        if (hasMnemonic(message.translation) != hasMnemonic(message.source))
            problems << where + QStringLiteral(" gains or loses a mnemonic: ") +
                            message.translation;
        if (!templateSources.contains(message.source))
            problems << where + QStringLiteral(" is not in the template");
    }
    for (const QString &source : templateSources) {
        if (!translatedSources.contains(source))
            problems << QStringLiteral("\"%1\" is missing").arg(source);
    }
    problems.sort();
    QVERIFY2(problems.isEmpty(),
             qPrintable(path + QStringLiteral(":\n  ") + problems.join(QStringLiteral("\n  "))));
}

void TestTranslationFiles::desktopEntryAndMetadataAreTranslated_data()
{
    addLanguageRows();
}

void TestTranslationFiles::desktopEntryAndMetadataAreTranslated()
{
    QFETCH(QString, language);

    const QString entry = readText(sourcePath("data/org.hueriddle.Hueriddle.desktop"));
    QVERIFY(!entry.isEmpty());
    for (const QString key : {"Name", "GenericName", "Comment", "Keywords"}) {
        const QRegularExpression line(
            QStringLiteral("^%1\\[%2\\]=\\S.*$").arg(key, QRegularExpression::escape(language)),
            QRegularExpression::MultilineOption);
        QVERIFY2(line.match(entry).hasMatch(),
                 qPrintable(key + QStringLiteral(" is not translated")));
    }

    QCOMPARE(countMetainfoElements(QStringLiteral("summary"), language), 1);
    const int paragraphs = countMetainfoElements(QStringLiteral("p"), QString());
    QVERIFY(paragraphs > 0);
    QCOMPARE(countMetainfoElements(QStringLiteral("p"), language), paragraphs);
}

void TestTranslationFiles::typographyFollowsThePolicy_data()
{
    QTest::addColumn<QString>("language");
    // What translations/README.md rules out, each with what it says instead.
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QStringList>("rules");

    const QString apostrophe = QStringLiteral("'");
    QTest::newRow("French") << "fr"
                            << QStringList{apostrophe, QStringLiteral("[^\u00a0\u202f][:;!?]")}
                            << QStringList{"the apostrophe is \u2019",
                                           "a no-break space goes before : ; ! ?"};
    QTest::newRow("Italian") << "it" << QStringList{apostrophe}
                             << QStringList{"the apostrophe is \u2019"};
}

// French and Italian typography, as translations/README.md sets it, in every
// text written in the language.
void TestTranslationFiles::typographyFollowsThePolicy()
{
    QFETCH(QString, language);
    QFETCH(QStringList, patterns);
    QFETCH(QStringList, rules);

    const QStringList texts = textsIn(language);
    QVERIFY(texts.size() > 150);
    QStringList problems;
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        const QRegularExpression pattern(patterns[i]);
        for (const QString &text : texts) {
            // The part after "where: ", and no markup of the manual page.
            QString written = text.section(QStringLiteral(": "), 1);
            written.remove(QRegularExpression(QStringLiteral("[BI]<[^>]*>")));
            if (pattern.match(written).hasMatch())
                problems << rules[i] + QStringLiteral(": ") + text.left(120);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestTranslationFiles::init()
{
    failOnUnexpectedWarnings();
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"

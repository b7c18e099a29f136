#include "support/FailOnWarnings.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <utility>

#ifndef HUERIDDLE_TEST_SOURCE_DIR
#error "HUERIDDLE_TEST_SOURCE_DIR must be the project's source directory"
#endif
#ifndef HUERIDDLE_TEST_LUPDATE
#error "HUERIDDLE_TEST_LUPDATE must be the build's Qt lupdate program"
#endif

namespace
{

struct Message {
    QString context;
    QString source;
    QString comment; // the disambiguation, which lupdate keeps apart like a context
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
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context")) {
            context.clear();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message();
            current.context = context;
        } else if (xml.name() == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plural form's translations are <numerusform> elements: their
            // texts, joined, are the translation.
            current.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
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

// What identifies a message to lupdate and QTranslator: its context, its
// source text and its disambiguation.
QString messageKey(const Message &message)
{
    return message.context + u'\x04' + message.source + u'\x04' + message.comment;
}

// How a message is named in a failure: its text, and its context where that
// is not the program's own.
QString describe(const Message &message)
{
    QString text = QStringLiteral("\"%1\"").arg(message.source);
    if (message.context != QLatin1String("Hueriddle"))
        text += QStringLiteral(" (context %1)").arg(message.context);
    if (!message.comment.isEmpty())
        text += QStringLiteral(" (disambiguation \"%1\")").arg(message.comment);
    return text;
}

// The texts that lupdate collects from the program's sources as they are now,
// run as the build's translations-update target runs it, into a template in
// a directory of its own; empty with `error` saying why when it fails.
QList<Message> collectCodeTexts(QString &error)
{
    QTemporaryDir directory;
    if (!directory.isValid()) {
        error = directory.errorString();
        return {};
    }
    const QString collected = directory.filePath(QStringLiteral("hueriddle.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(HUERIDDLE_TEST_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(HUERIDDLE_TEST_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("-source-language"),
                   QStringLiteral("en"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                   sourcePath(QStringLiteral("src")), QStringLiteral("-ts"), collected});
    if (!lupdate.waitForFinished(60000) || lupdate.exitStatus() != QProcess::NormalExit ||
        lupdate.exitCode() != 0) {
        error = QStringLiteral("lupdate failed (%1): %2")
                    .arg(lupdate.errorString(), QString::fromLocal8Bit(lupdate.readAll()));
        return {};
    }
    return readMessages(collected, error);
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
class TestTranslationFiles : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void initTestCase();
    void templateIsReadable();
    void everyTextOfTheCodeIsTranslated_data();
    void everyTextOfTheCodeIsTranslated();
    void translationMatchesTemplate_data();
    void translationMatchesTemplate();
    void desktopEntryAndMetadataAreTranslated_data();
    void desktopEntryAndMetadataAreTranslated();
    void typographyFollowsThePolicy_data();
    void typographyFollowsThePolicy();

private:
    static void addLanguageRows();

    QList<Message> m_codeTexts;
    QString m_codeTextsError;
};

void TestTranslationFiles::initTestCase()
{
    // Collected once: every row compares its file with the same texts.
    m_codeTexts = collectCodeTexts(m_codeTextsError);
}

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

void TestTranslationFiles::everyTextOfTheCodeIsTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("translated");
    QTest::newRow("template") << "translations/hueriddle.ts" << false;
    for (const auto &[name, language] :
         {std::pair{"German", "de"}, std::pair{"Spanish", "es"}, std::pair{"French", "fr"},
          std::pair{"Italian", "it"}, std::pair{"Brazilian Portuguese", "pt_BR"}})
        QTest::newRow(name) << QStringLiteral("translations/hueriddle_%1.ts").arg(language) << true;
}

// The committed files hold every text the code has now: a text added or
// reworded in the code without `translations-update` and its translations
// would otherwise ship in English.
void TestTranslationFiles::everyTextOfTheCodeIsTranslated()
{
    QFETCH(QString, file);
    QFETCH(bool, translated);
    QVERIFY2(!m_codeTexts.isEmpty(), qPrintable(m_codeTextsError));

    QString error;
    const QList<Message> committed = readMessages(sourcePath(file), error);
    QVERIFY2(!committed.isEmpty(), qPrintable(file + QStringLiteral(": ") + error));
    QHash<QString, Message> byKey;
    for (const Message &message : committed)
        byKey.insert(messageKey(message), message);

    QStringList problems;
    QSet<QString> inCode;
    for (const Message &message : m_codeTexts) {
        inCode.insert(messageKey(message));
        const auto found = byKey.constFind(messageKey(message));
        if (found == byKey.cend())
            problems << describe(message) + QStringLiteral(" is in the code but not in the file");
        else if (translated && (!found->type.isEmpty() || found->translation.trimmed().isEmpty()))
            problems << describe(message) + QStringLiteral(" is not translated");
    }
    // The template drops the texts the code no longer has, so that the
    // translations, compared with it, drop them too.
    if (!translated) {
        for (const Message &message : committed)
            if (!inCode.contains(messageKey(message)))
                problems << describe(message) + QStringLiteral(" is no longer in the code");
    }
    problems.sort();
    QVERIFY2(problems.isEmpty(),
             qPrintable(file +
                        QStringLiteral(" (run the translations-update target, then "
                                       "translate):\n  ") +
                        problems.join(QStringLiteral("\n  "))));
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

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"

#include "desktop/process/Diagnostics.h"
#include "support/CapturedStderr.h"
#include "support/FailOnWarnings.h"

#include <QTest>

class TestDiagnostics : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void oneWholeLine_data();
    void oneWholeLine();
};

void TestDiagnostics::oneWholeLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain text") << QStringLiteral("cannot write /tmp/x (No space left on device)")
                                << QByteArray("hueriddle: cannot write /tmp/x (No space left on "
                                              "device)\n");
    QTest::newRow("a path with non-ASCII letters, written in UTF-8")
        << QStringLiteral("/home/jos\u00e9/\u00e9t\u00e9: cannot be read")
        << QByteArray("hueriddle: /home/jos\xc3\xa9/\xc3\xa9t\xc3\xa9: cannot be read\n");
    QTest::newRow("percent signs and placeholders written as they are")
        << QStringLiteral("100% full, %1 %s") << QByteArray("hueriddle: 100% full, %1 %s\n");
    QTest::newRow("empty text") << QString() << QByteArray("hueriddle: \n");
}

void TestDiagnostics::oneWholeLine()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    CapturedStderr captured;
    Diagnostics::printLine(text);
    QCOMPARE(captured.text(), written);
}

QTEST_APPLESS_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"

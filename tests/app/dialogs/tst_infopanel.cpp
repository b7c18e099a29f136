#include "app/dialogs/InfoPanel.h"
#include "support/FailOnWarnings.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#ifndef HUERIDDLE_TEST_VERSION
#error "HUERIDDLE_TEST_VERSION must be the CMake project version"
#endif

class TestInfoPanel : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void showsNameVersionAndDescription();
    void showForKeepsOnePanel();
};

void TestInfoPanel::showsNameVersionAndDescription()
{
    const QString projectVersion = QStringLiteral(HUERIDDLE_TEST_VERSION);
    QCOMPARE(InfoPanel::version(), projectVersion);

    InfoPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    const auto *name = panel.findChild<QLabel *>(QStringLiteral("name"));
    const auto *version = panel.findChild<QLabel *>(QStringLiteral("version"));
    const auto *description = panel.findChild<QLabel *>(QStringLiteral("description"));
    QVERIFY(name && version && description);
    for (const QLabel *label : {name, version, description})
        QVERIFY2(label->isVisible(), qPrintable(label->objectName()));

    QCOMPARE(name->text(), QStringLiteral("Hueriddle"));
    QCOMPARE(version->text(), QStringLiteral("Version ") + projectVersion);
    QVERIFY2(description->text().contains(QStringLiteral("code-breaking game")),
             qPrintable(description->text()));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Info Panel"));
}

void TestInfoPanel::showForKeepsOnePanel()
{
    QWidget board;
    QPointer<InfoPanel> first = InfoPanel::showFor(&board);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(InfoPanel::showFor(&board), first.data());

    first->close();
    QTRY_VERIFY(first.isNull());

    QPointer<InfoPanel> second = InfoPanel::showFor(&board);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    delete second;
}

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"

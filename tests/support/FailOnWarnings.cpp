#include "support/FailOnWarnings.h"

#include <QMetaMethod>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>

void FailOnWarnings::init()
{
    // Every warning but those the offscreen platform prints on its own, which
    // say nothing about this program.
    static const QRegularExpression unexpected(
        QStringLiteral("^(?!"
                       // It cannot pass size hints to a window manager (it has
                       // none); every fixed-size window makes it say so.
                       "This plugin does not support propagateSizeHints\\(\\)$|"
                       // Nor can it stack windows: raise() of every window
                       // shown says so.
                       "This plugin does not support raise\\(\\)$"
                       ")"));
    QTest::failOnWarning(unexpected);
    initTest();
}

// QTEST_MAIN and its kin hand the test object to QTest::qExec(QObject *, int,
// char **); hueriddle_add_test links every test with
// -Wl,--wrap=<that function>, so each run passes through here first.
extern "C" int __real__ZN5QTest5qExecEP7QObjectiPPc(QObject *test, int argc, char **argv);

extern "C" int __wrap__ZN5QTest5qExecEP7QObjectiPPc(QObject *test, int argc, char **argv)
{
    const QMetaObject *meta = test->metaObject();
    const int init = meta->indexOfMethod("init()");
    if (!qobject_cast<FailOnWarnings *>(test) ||
        meta->method(init).enclosingMetaObject() != &FailOnWarnings::staticMetaObject) {
        std::fprintf(stderr,
                     "%s: derive the test class from FailOnWarnings (tests/FailOnWarnings.h) and "
                     "put its set-up in initTest(), not in an init() slot of its own, so that "
                     "unexpected warnings fail it\n",
                     meta->className());
        return 1;
    }
    return __real__ZN5QTest5qExecEP7QObjectiPPc(test, argc, argv);
}

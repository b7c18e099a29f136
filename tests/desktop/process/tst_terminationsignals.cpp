#include "desktop/process/TerminationSignals.h"
#include "support/FailOnWarnings.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <csignal>

namespace
{

volatile std::sig_atomic_t previousHandlerCalls = 0;

void countingHandler(int)
{
    previousHandlerCalls = previousHandlerCalls + 1;
}

} // namespace

class TestTerminationSignals : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void deliveredThroughTheEventLoop_data();
    void deliveredThroughTheEventLoop();
    void burstOfSignals();
    void oneInstanceAtATime();
    void previousHandlersComeBack();
};

void TestTerminationSignals::deliveredThroughTheEventLoop_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM (kill)") << SIGTERM;
    QTest::newRow("SIGINT (Ctrl+C in a terminal)") << SIGINT;
    QTest::newRow("SIGHUP (logout)") << SIGHUP;
}

void TestTerminationSignals::deliveredThroughTheEventLoop()
{
    QFETCH(int, signalNumber);

    TerminationSignals termination;
    QVERIFY(termination.isInstalled());
    QSignalSpy spy(&termination, &TerminationSignals::received);
    QCOMPARE(::raise(signalNumber), 0);
    // The process is still here, and nothing is emitted from the handler
    // itself: only the event loop delivers it.
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
}

void TestTerminationSignals::burstOfSignals()
{
    TerminationSignals termination;
    QSignalSpy spy(&termination, &TerminationSignals::received);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(::raise(TerminationSignals::kSignals[i % 3]), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 100, 5000);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(spy.at(i).at(0).toInt(), TerminationSignals::kSignals[i % 3]);
}

void TestTerminationSignals::oneInstanceAtATime()
{
    TerminationSignals first;
    TerminationSignals second;
    QVERIFY(first.isInstalled());
    QVERIFY(!second.isInstalled());
    QSignalSpy firstSpy(&first, &TerminationSignals::received);
    QSignalSpy secondSpy(&second, &TerminationSignals::received);
    QCOMPARE(::raise(SIGTERM), 0);
    QVERIFY(firstSpy.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(secondSpy.count(), 0);
}

void TestTerminationSignals::previousHandlersComeBack()
{
    struct sigaction counting = {};
    counting.sa_handler = &countingHandler;
    sigemptyset(&counting.sa_mask);
    struct sigaction original[3];
    for (int i = 0; i < 3; ++i)
        QCOMPARE(::sigaction(TerminationSignals::kSignals[i], &counting, &original[i]), 0);

    {
        TerminationSignals termination;
        QSignalSpy spy(&termination, &TerminationSignals::received);
        QCOMPARE(::raise(SIGHUP), 0);
        QVERIFY(spy.wait(5000));
        QCOMPARE(int(previousHandlerCalls), 0);
    }
    // Gone: the handlers from before are back, and a later instance can take
    // the signals again.
    previousHandlerCalls = 0;
    for (int signalNumber : TerminationSignals::kSignals)
        QCOMPARE(::raise(signalNumber), 0);
    QCOMPARE(int(previousHandlerCalls), 3);
    TerminationSignals again;
    QVERIFY(again.isInstalled());

    for (int i = 0; i < 3; ++i)
        QCOMPARE(::sigaction(TerminationSignals::kSignals[i], &original[i], nullptr), 0);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"

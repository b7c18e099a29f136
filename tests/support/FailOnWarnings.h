#pragma once

#include <QObject>

// The base of every test class: any warning of Qt or of the program fails the
// running test function or data row. A test that expects a warning says so
// with QTest::ignoreMessage() where the warning arises, which takes
// precedence.
//
// Qt Test forgets QTest::failOnWarning() after each data row, and calls the
// init() slot before each one; this class's init() arms it again. A test that
// needs more set-up before each row overrides initTest(), which init() calls
// after arming. Every executable that hueriddle_add_test builds refuses to
// run a test class that does not derive from this one, or that hides its
// init() behind one of its own, so a new test cannot forget it.
class FailOnWarnings : public QObject
{
    Q_OBJECT

protected:
    // The set-up of each test function and data row, run after arming.
    virtual void initTest() {}

private slots:
    void init();
};

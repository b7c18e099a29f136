#pragma once

#include <QObject>
#include <functional>

// Holds the program's next input event (a key, a button, a wheel turn, a
// drop) until a wait is over, without holding anything else: the event loop
// keeps painting and answering the window system in the meantime. Used to
// make sure that what one input did is kept before the next input is taken.
class InputGate : public QObject
{
    Q_OBJECT

public:
    explicit InputGate(QObject *parent = nullptr);
    ~InputGate() override;

    // Before the next input event of the application, `wait` is called once.
    // A later call replaces an earlier wait that has not run yet.
    void holdNextInput(std::function<void()> wait);

    // Runs the pending wait now, if any.
    void release();

    bool isHolding() const { return bool(m_wait); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_wait;
};

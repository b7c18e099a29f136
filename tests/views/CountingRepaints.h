#pragma once

// A view that counts its repaint requests instead of scheduling them, so that
// a test can tell whether a change asked for a repaint.
template <class View> class CountingRepaints : public View
{
public:
    using View::View;
    int repaints = 0;

protected:
    void requestRepaint() override { ++repaints; }
};

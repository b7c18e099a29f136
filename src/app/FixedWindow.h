#pragma once

#include <QWidget>

// A top-level window with a title bar and nothing else: no close, minimise or
// maximise control. The window manager may move and minimise it (Hide), and
// neither resize, maximise nor close it. A window with an owner is the
// owner's utility window: transient for it, kept above it, minimised and
// restored with it, and listed with it as one program. The window classes
// give it its fixed size.
//
// Its backing store is made when it is first shown, before the display server
// maps it, rather than by its first paint: the server answers the request at
// once instead of after whatever it is busy with by the time the window is
// exposed, and the store's pages are made present in one call instead of
// faulting one by one under the first paint. A fixed size makes this safe:
// the store made here is the one the window paints into.
class FixedWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FixedWindow(QWidget *owner = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareBackingStore();
};

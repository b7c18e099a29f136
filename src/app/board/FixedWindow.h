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
// exposed. The store's pages are made present in one call when the window is
// first exposed, just before its first paint, instead of faulting one by one
// under it; not earlier, so that the window appears and takes the focus
// without waiting for them. A fixed size makes this safe: the store made here
// is the one the window paints into.
class FixedWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FixedWindow(QWidget *owner = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareBackingStore();
    void makeStorePresent();

    // Whether the store's pages are still to be made present, on the
    // window's next expose.
    bool m_pagesWanted = false;
};

#include "app/board/FixedWindow.h"

#include "desktop/process/MemoryPages.h"
#include "desktop/windows/WindowFunctions.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QShowEvent>
#include <QWindow>

FixedWindow::FixedWindow(QWidget *owner)
    : QWidget(owner,
              (owner ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    WindowFunctions::prepare();
}

void FixedWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Before the window is mapped, so that the window manager reads the
    // functions when it frames it.
    if (!event->spontaneous())
        WindowFunctions::allowMoveAndMinimize(windowHandle());
    prepareBackingStore();
}

bool FixedWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && m_pagesWanted) {
        m_pagesWanted = false;
        watched->removeEventFilter(this);
        makeStorePresent();
    }
    return QWidget::eventFilter(watched, event);
}

void FixedWindow::prepareBackingStore()
{
    QBackingStore *store = backingStore();
    if (!store || store->size() == size())
        return;
    store->resize(size());
    // Painting nothing makes the store's paint device valid, at the device
    // pixel ratio the window paints at, without drawing into it.
    store->beginPaint(QRegion());
    store->endPaint();
    if (!m_pagesWanted && windowHandle()) {
        m_pagesWanted = true;
        windowHandle()->installEventFilter(this);
    }
}

void FixedWindow::makeStorePresent()
{
    QBackingStore *store = backingStore();
    if (!store)
        return;
    store->beginPaint(QRegion());
    const QPaintDevice *device = store->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        const auto *image = static_cast<const QImage *>(device);
        MemoryPages::makePresent(image->constBits(), std::size_t(image->sizeInBytes()));
    }
    store->endPaint();
}

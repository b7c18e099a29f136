#pragma once

#include <QWidget>

// A top-level window with a title bar and nothing else: no close, minimise or
// maximise control. The window classes give it its fixed size.
class FixedWindow : public QWidget
{
    Q_OBJECT

public:
    FixedWindow() : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}
};

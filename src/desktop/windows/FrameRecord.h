#pragma once

#include <QByteArray>
#include <QRect>
#include <optional>

// What QWidget::saveGeometry() stored about a window: the position and size
// of its inside (as QWidget::geometry() has it) and whether it was maximized
// or full-screen.
struct FrameRecord {
    QRect geometry;
    bool maximized = false;
    bool fullScreen = false;

    // Reads saveGeometry()'s format by hand, from the bytes alone: Qt's own
    // reader moves a window that touches an edge of its screen a pixel or a
    // title bar's height inwards, so a window put back with it would creep at
    // every start. Nothing when the data is cut short, names no version Qt
    // writes (1 to 3) or holds an invalid geometry; Qt would read missing
    // fields as zeros and place the window at the corner.
    static std::optional<FrameRecord> read(const QByteArray &data);
};

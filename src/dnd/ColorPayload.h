#pragma once

#include <QColor>
#include <optional>

class QMimeData;

// The colour a drag's data carries when it is one of the six the board takes,
// in QColor::Rgb; nothing otherwise, whatever the data holds. The colour is
// read as Qt reads "application/x-color" (a QColor value, or bytes such as
// "#ff0000"), converted to RGB, and then judged: every component exactly 0 or
// 1, alpha exactly 1, one or two primaries lit. A colour of another model
// (HSV, HSL, CMYK) is taken when its conversion is one of the six exactly; an
// extended-RGB colour is judged on its own components, so one beyond 0 to 1
// is refused rather than clamped into range.
std::optional<QColor> playableColorOf(const QMimeData &mimeData);

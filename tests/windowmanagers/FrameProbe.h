#pragma once

// What a window manager made of a window: where its inside is, how large the
// decorations it drew around it are (_NET_FRAME_EXTENTS), whether it is
// minimised (WM_STATE), how it stacks, what it is to the window manager
// (type, owner, icon, allowed actions), read from the X server with xprop and
// xwininfo.

#include "support/XSession.h"

#include <QMargins>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

namespace desktops
{

// The inside of `window` in root coordinates.
inline std::optional<QRect> insideOf(const QString &window)
{
    const std::optional<QString> info =
        e2e::programOutput(QStringLiteral("xwininfo"), {"-id", window});
    if (!info)
        return std::nullopt;
    auto field = [&](const char *name) {
        const QRegularExpression pattern(QString::fromLatin1(name) +
                                         QStringLiteral(":\\s*(-?[0-9]+)"));
        return pattern.match(*info).captured(1).toInt();
    };
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height"));
}

// Moves `window` as a player would drag it, so that its inside starts at
// `position`, and waits until it is there.
inline bool moveInside(const QString &window, QPoint position)
{
    if (!e2e::xdotool(
            {"windowmove", window, QString::number(position.x()), QString::number(position.y())}))
        return false;
    return e2e::pollUntil([&] {
        const std::optional<QRect> inside = insideOf(window);
        return inside && inside->topLeft() == position;
    });
}

// The decorations' margins that the window manager announced for `window`.
inline std::optional<QMargins> frameExtents(const QString &window)
{
    const std::optional<QString> property =
        e2e::programOutput(QStringLiteral("xprop"), {"-id", window, "_NET_FRAME_EXTENTS"});
    static const QRegularExpression values(
        QStringLiteral("= ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+)"));
    const QRegularExpressionMatch match = values.match(property.value_or(QString()));
    if (!match.hasMatch())
        return std::nullopt;
    // left, right, top, bottom
    return QMargins(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(2).toInt(),
                    match.captured(4).toInt());
}

// The decorated frame of `window`: its inside grown by the decorations.
inline std::optional<QRect> frameOf(const QString &window)
{
    const std::optional<QRect> inside = insideOf(window);
    const std::optional<QMargins> extents = frameExtents(window);
    if (!inside || !extents)
        return std::nullopt;
    return inside->marginsAdded(*extents);
}

// `rect` as "x,y widthxheight" for failure messages; "none" without one.
inline QString describe(const std::optional<QRect> &rect)
{
    if (!rect)
        return QStringLiteral("none");
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect->x())
        .arg(rect->y())
        .arg(rect->width())
        .arg(rect->height());
}

// Whether the window manager keeps `window` minimised (WM_STATE Iconic).
inline bool iconic(const QString &window)
{
    return e2e::programOutput(QStringLiteral("xprop"), {"-id", window, "WM_STATE"})
        .value_or(QString())
        .contains(QStringLiteral("Iconic"));
}

// Whether `window` is shown (WM_STATE Normal).
inline bool shownNormal(const QString &window)
{
    return e2e::programOutput(QStringLiteral("xprop"), {"-id", window, "WM_STATE"})
        .value_or(QString())
        .contains(QStringLiteral("window state: Normal"));
}

// The client windows from bottom to top (_NET_CLIENT_LIST_STACKING), as
// decimal ids like xdotool's.
inline QStringList stackingOrder()
{
    const QString property =
        e2e::programOutput(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"})
            .value_or(QString());
    QStringList windows;
    static const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch &match : id.globalMatch(property))
        windows.append(QString::number(match.captured().toULongLong(nullptr, 16)));
    return windows;
}

// Whether the window manager stacks `upper` above `lower`.
inline bool stackedAbove(const QString &upper, const QString &lower)
{
    const QStringList order = stackingOrder();
    return order.contains(upper) && order.contains(lower) &&
           order.indexOf(upper) > order.indexOf(lower);
}

// The value of `property` of `window` as xprop prints it; empty when unset.
inline QString propertyOf(const QString &window, const char *property)
{
    const QString printed =
        e2e::programOutput(QStringLiteral("xprop"), {"-id", window, QString::fromLatin1(property)})
            .value_or(QString());
    return printed.contains(QStringLiteral("not found")) ? QString() : printed;
}

// The window `window` is transient for (WM_TRANSIENT_FOR), as a decimal id.
inline QString transientFor(const QString &window)
{
    static const QRegularExpression id(QStringLiteral("window id # (0x[0-9a-fA-F]+)"));
    const QRegularExpressionMatch match = id.match(propertyOf(window, "WM_TRANSIENT_FOR"));
    return match.hasMatch() ? QString::number(match.captured(1).toULongLong(nullptr, 16))
                            : QString();
}

// Whether `window` carries an icon of its own (_NET_WM_ICON), as taskbars,
// window lists and title bars show it.
inline bool hasIcon(const QString &window)
{
    // Only the first image's width and height are read: xprop shows no image
    // larger than its default length, and at a scale factor the first one is.
    const QString size = e2e::programOutput(QStringLiteral("xprop"),
                                            {"-id", window, "-len", "16", "-f", "_NET_WM_ICON",
                                             "32c", " = $0, $1", "_NET_WM_ICON"})
                             .value_or(QString());
    static const QRegularExpression values(QStringLiteral("= ([1-9][0-9]*), ([1-9][0-9]*)"));
    return values.match(size).hasMatch();
}

} // namespace desktops

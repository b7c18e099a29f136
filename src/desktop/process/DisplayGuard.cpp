#include "desktop/process/DisplayGuard.h"

#include "desktop/process/Diagnostics.h"

#include <QByteArray>
#include <cstdlib>
#include <vector>

namespace
{

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// One guard at a time: Qt's message handler is process-wide.
bool guarding = false;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    QStringList texts;
    for (const HeldMessage &message : heldMessages)
        texts.append(message.text);
    texts.append(text);
    Diagnostics::printLine(DisplayGuard::failureLine(qEnvironmentVariable("DISPLAY"), texts));
    // Nothing of the half-made application may run any more: no destructors,
    // no exit handlers.
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    guarding = true;
    heldMessages.clear();
    previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayGuard::~DisplayGuard()
{
    release();
}

void DisplayGuard::release()
{
    if (!guarding)
        return;
    qInstallMessageHandler(previousHandler);
    guarding = false;
    std::vector<HeldMessage> messages;
    messages.swap(heldMessages);
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        if (previousHandler)
            previousHandler(message.type, context, message.text);
    }
}

QString DisplayGuard::failureLine(const QString &display, const QStringList &messages)
{
    if (display.isEmpty())
        return QStringLiteral("cannot open a display: DISPLAY is not set "
                              "(the game needs a graphical desktop)");
    for (const QString &message : messages) {
        if (message.contains(QStringLiteral("could not connect to display"), Qt::CaseInsensitive))
            return QStringLiteral("cannot open the display %1 (no X server answers there)")
                .arg(display);
    }
    const QString reason = messages.isEmpty() ? QStringLiteral("unknown error")
                                              : messages.last().section(u'\n', 0, 0).trimmed();
    return QStringLiteral("cannot start the window system: ") + reason;
}

#pragma once

// A controller whose alerts are recorded and answered at once, for tests that
// play through the game's alerts without a modal loop.

#include <QString>
#include <functional>
#include <vector>

struct RecordedAlert {
    QString title;
    QString message;
    QString button;
};

template <class ControllerType> class AlertRecorder : public ControllerType
{
public:
    using ControllerType::ControllerType;

    std::vector<RecordedAlert> alerts;
    // Runs while an alert is "up", before it is answered.
    std::function<void(const RecordedAlert &)> whileAlertIsUp;

protected:
    void runAlertPanel(const QString &title, const QString &message, const QString &button) override
    {
        alerts.push_back({title, message, button});
        if (whileAlertIsUp)
            whileAlertIsUp(alerts.back());
    }
};

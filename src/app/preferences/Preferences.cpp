#include "app/preferences/Preferences.h"

#include "desktop/files/UserSettings.h"
#include "views/ViewOptions.h"

#include <QSettings>

Preferences::Preferences(QObject *parent) : QObject(parent)
{
    connect(&ViewOptions::instance(), &ViewOptions::changed, this, &Preferences::save);
}

void Preferences::load()
{
    const QSettings settings = UserSettings::open();
    ViewOptions &options = ViewOptions::instance();
    m_loading = true;
    options.setColorMarks(isOn(settings.value(UserSettings::kColorMarksKey)));
    options.setOutlinedKeyPegs(isOn(settings.value(UserSettings::kOutlinedKeyPegsKey)));
    options.setPossibleSecrets(isOn(settings.value(UserSettings::kPossibleSecretsKey)));
    m_loading = false;
}

bool Preferences::isOn(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return value.typeId() == QMetaType::QString && value.toString() == QStringLiteral("true");
}

bool Preferences::resumesGame()
{
    const QVariant value = UserSettings::open().value(UserSettings::kResumeGameKey);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return !(value.typeId() == QMetaType::QString && value.toString() == QStringLiteral("false"));
}

void Preferences::setResumesGame(bool on)
{
    UserSettings::open().setValue(UserSettings::kResumeGameKey, on);
}

void Preferences::save()
{
    if (m_loading)
        return;
    QSettings settings = UserSettings::open();
    const ViewOptions &options = ViewOptions::instance();
    settings.setValue(UserSettings::kColorMarksKey, options.colorMarks());
    settings.setValue(UserSettings::kOutlinedKeyPegsKey, options.outlinedKeyPegs());
    settings.setValue(UserSettings::kPossibleSecretsKey, options.possibleSecrets());
}

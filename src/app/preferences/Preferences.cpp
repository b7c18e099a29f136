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
    for (const PreferenceTable::Preference &each : PreferenceTable::preferences())
        if (each.viewOption)
            options.set(*each.viewOption,
                        valueOf(settings.value(each.settingsKey()), each.defaultValue));
    m_loading = false;
}

bool Preferences::valueOf(const QVariant &value, bool defaultValue)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        if (value.toString() == QStringLiteral("true"))
            return true;
        if (value.toString() == QStringLiteral("false"))
            return false;
    }
    return defaultValue;
}

bool Preferences::isOn(PreferenceTable::Id id)
{
    const PreferenceTable::Preference &preference = PreferenceTable::preference(id);
    if (preference.viewOption)
        return ViewOptions::instance().isOn(*preference.viewOption);
    return valueOf(UserSettings::open().value(preference.settingsKey()), preference.defaultValue);
}

void Preferences::set(PreferenceTable::Id id, bool on)
{
    const PreferenceTable::Preference &preference = PreferenceTable::preference(id);
    if (preference.viewOption)
        ViewOptions::instance().set(*preference.viewOption, on);
    else
        UserSettings::open().setValue(preference.settingsKey(), on);
}

void Preferences::save()
{
    if (m_loading)
        return;
    QSettings settings = UserSettings::open();
    const ViewOptions &options = ViewOptions::instance();
    for (const PreferenceTable::Preference &each : PreferenceTable::preferences())
        if (each.viewOption)
            settings.setValue(each.settingsKey(), options.isOn(*each.viewOption));
}

#include "app/Preferences.h"

#include "views/ViewOptions.h"

#include <QSettings>

namespace
{

QSettings userSettings()
{
    return QSettings(QStringLiteral("Hueriddle"), QStringLiteral("Hueriddle"));
}

} // namespace

Preferences::Preferences(QObject *parent) : QObject(parent)
{
    connect(&ViewOptions::instance(), &ViewOptions::changed, this, &Preferences::save);
}

void Preferences::load()
{
    const QSettings settings = userSettings();
    ViewOptions &options = ViewOptions::instance();
    m_loading = true;
    options.setColorMarks(isOn(settings.value(kColorMarksKey)));
    options.setOutlinedKeyPegs(isOn(settings.value(kOutlinedKeyPegsKey)));
    m_loading = false;
}

bool Preferences::isOn(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return value.typeId() == QMetaType::QString && value.toString() == QStringLiteral("true");
}

void Preferences::save()
{
    if (m_loading)
        return;
    QSettings settings = userSettings();
    const ViewOptions &options = ViewOptions::instance();
    settings.setValue(kColorMarksKey, options.colorMarks());
    settings.setValue(kOutlinedKeyPegsKey, options.outlinedKeyPegs());
}

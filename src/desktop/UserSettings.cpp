#include "desktop/UserSettings.h"

QSettings UserSettings::open()
{
    return QSettings(kOrganization, kApplication);
}

#include "desktop/files/UserSettings.h"

QSettings UserSettings::open()
{
    return QSettings(kOrganization, kApplication);
}

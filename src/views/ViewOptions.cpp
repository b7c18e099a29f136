#include "views/ViewOptions.h"

ViewOptions &ViewOptions::instance()
{
    static ViewOptions options;
    return options;
}

void ViewOptions::setColorMarks(bool on)
{
    if (on == m_colorMarks)
        return;
    m_colorMarks = on;
    emit changed();
}

void ViewOptions::setPossibleSecrets(bool on)
{
    if (on == m_possibleSecrets)
        return;
    m_possibleSecrets = on;
    emit changed();
}

void ViewOptions::setOutlinedKeyPegs(bool on)
{
    if (on == m_outlinedKeyPegs)
        return;
    m_outlinedKeyPegs = on;
    emit changed();
}

#include "views/ViewOptions.h"

ViewOptions &ViewOptions::instance()
{
    static ViewOptions options;
    return options;
}

void ViewOptions::set(Option option, bool on)
{
    bool &value = m_on[std::size_t(option)];
    if (on == value)
        return;
    value = on;
    emit changed();
}

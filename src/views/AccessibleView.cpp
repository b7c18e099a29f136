#include "views/AccessibleView.h"

#include "views/CellView.h"

#include <utility>

namespace
{

QAccessibleInterface *makeAccessibleView(const QString &className, QObject *object)
{
    if (className != QLatin1String("CellView"))
        return nullptr;
    auto *view = qobject_cast<CellView *>(object);
    if (!view)
        return nullptr;
    return new AccessibleView(
        view, [view] { return view->accessibleText(); },
        [view] { return view->accessibleDetails(); });
}

} // namespace

AccessibleView::AccessibleView(QWidget *view, TextSource name, TextSource description)
    : QAccessibleWidget(view, QAccessible::Graphic), m_name(std::move(name)),
      m_description(std::move(description))
{
}

QString AccessibleView::text(QAccessible::Text which) const
{
    switch (which) {
    case QAccessible::Name:
        return m_name();
    case QAccessible::Description:
        return m_description();
    default:
        return QAccessibleWidget::text(which);
    }
}

void AccessibleView::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessibleView);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleView::notifyChanged(QWidget *view)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent nameChanged(view, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent descriptionChanged(view, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&descriptionChanged);
}

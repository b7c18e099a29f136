#include "views/AccessibleView.h"

#include "views/Peg.h"
#include "views/Result.h"

#include <utility>

namespace
{

QAccessibleInterface *makeAccessibleView(const QString &className, QObject *object)
{
    if (className == QLatin1String("Peg")) {
        if (auto *peg = qobject_cast<Peg *>(object))
            return new AccessibleView(
                peg, [peg] { return peg->accessibleText(); },
                [peg] { return peg->accessibleDetails(); });
    } else if (className == QLatin1String("Result")) {
        if (auto *result = qobject_cast<Result *>(object))
            return new AccessibleView(
                result, [result] { return result->accessibleText(); },
                [result] { return result->accessibleDetails(); });
    }
    return nullptr;
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

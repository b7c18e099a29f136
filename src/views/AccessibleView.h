#pragma once

#include <QAccessibleWidget>
#include <functional>

// What a screen reader learns about a peg or a score view. The texts are built
// when an assistive technology asks for them, not each time the view changes,
// so playing a row costs nothing for a reader that is not listening.
class AccessibleView : public QAccessibleWidget
{
public:
    using TextSource = std::function<QString()>;

    AccessibleView(QWidget *view, TextSource name, TextSource description);

    QString text(QAccessible::Text which) const override;

    // Lets Qt's accessibility find AccessibleView for every CellView.
    // Safe to call any number of times.
    static void installFactory();
    // Tells a listening screen reader that what `view` shows has changed;
    // does nothing while accessibility is inactive.
    static void notifyChanged(QWidget *view);

private:
    TextSource m_name;
    TextSource m_description;
};

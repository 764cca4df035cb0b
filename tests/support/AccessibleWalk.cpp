// The accessibility walk shared by the window tests.
#include "support/AccessibleWalk.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>

namespace tslq::test {

namespace {

QString Describe(const QWidget* widget)
{
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(widget->metaObject()->className()),
                                         widget->objectName());
}

// Shown with `window`: the controls of a child window (a dialog or the help
// viewer kept for later) count only when that window is walked itself.
bool TakesFocus(const QWidget* widget, const QWidget* window)
{
    return widget->isVisibleTo(window) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

void CheckTable(QAccessibleInterface* table, const QString& who, QStringList& problems)
{
    QAccessibleTableInterface* cells = table->tableInterface();
    if (!cells) {
        problems << who + QStringLiteral(": a table without the table interface");
        return;
    }
    if (cells->rowCount() == 0 || cells->columnCount() == 0) return;
    QAccessibleInterface* first = cells->cellAt(0, cells->columnCount() - 1);
    QAccessibleTableCellInterface* cell = first ? first->tableCellInterface() : nullptr;
    if (!cell) {
        problems << who + QStringLiteral(": its cells have no table cell interface");
        return;
    }
    if (cell->columnHeaderCells().isEmpty()) problems << who + QStringLiteral(": no column headers");
    if (cell->rowHeaderCells().isEmpty()) problems << who + QStringLiteral(": no row headers");
}

} // namespace

QString SpokenName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface) return {};
    QString name = iface->text(QAccessible::Name);
    // On Linux a combo box's name is its value, as the desktop's own toolkit
    // has it; its label reaches the reader as the labelled-by relation.
    if (!name.isEmpty() && name != iface->text(QAccessible::Value)) return name;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label)) {
        Q_UNUSED(relation);
        if (other && !other->text(QAccessible::Name).isEmpty()) return other->text(QAccessible::Name);
    }
    return name;
}

QStringList AccessibilityProblems(QWidget* window)
{
    QStringList problems;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget != window && !TakesFocus(widget, window)) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        const QString who = Describe(widget);
        if (!iface) {
            problems << who + QStringLiteral(": no accessible interface");
            continue;
        }
        if (iface->role() == QAccessible::NoRole) problems << who + QStringLiteral(": no role");
        const QString name = SpokenName(widget);
        // Item views give their name as their value too: that is no value.
        const bool itemView = qobject_cast<QAbstractItemView*>(widget) != nullptr;
        const QString value = itemView ? QString() : iface->text(QAccessible::Value);
        if (name.trimmed().isEmpty())
            problems << who + QStringLiteral(": no name");
        else if (!value.isEmpty() && name == value && widget != window)
            problems << who + QStringLiteral(": named only by its value \"%1\"").arg(value);
        if (iface->role() == QAccessible::Table) CheckTable(iface, who, problems);
    }
    return problems;
}

} // namespace tslq::test

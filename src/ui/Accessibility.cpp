// Accessible interfaces and helpers for assistive technology.
#include "ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// On Linux the toolkit names a drop-down list by the entry it shows ("FM",
// "100.0Hz"), so a listener hears a value without knowing what it is for.
// This interface names it as on the other platforms: by its accessible name,
// else by its label; the entry stays its value. The children (the list, and
// the text box of an editable list) are the toolkit's.
class AccessibleList : public QAccessibleWidget
{
  public:
    explicit AccessibleList(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value) return Shown();
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) text = Shown();
        return text;
    }

    int childCount() const override { return Box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child) return -1;
        if (child->object() == Box()->view()) return 0;
        if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        // An editable list is the focus proxy of its text box.
        return Box()->isEditable() ? child(1) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (Box()->isEditable() && Box()->lineEdit()->rect().contains(x, y)) return child(1);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

  private:
    QComboBox* Box() const { return static_cast<QComboBox*>(object()); }
    QString Shown() const { return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText(); }
};

QAccessibleInterface* Interfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox")) {
        if (auto* box = qobject_cast<QComboBox*>(object)) return new AccessibleList(box);
    } else if (className == QLatin1String("ChoiceGroup")) {
        if (auto* group = qobject_cast<ChoiceGroup*>(object))
            return new QAccessibleWidget(group, QAccessible::Grouping);
    }
    return nullptr;
}

const char* const BaseDescription = "tslqBaseDescription";

} // namespace

void InstallAccessibleInterfaces()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&Interfaces);
}

ChoiceGroup::ChoiceGroup(const QString& title, QWidget* parent) : QWidget(parent)
{
    InstallAccessibleInterfaces();
    setAccessibleName(title);
}

void MarkRefusedEntry(QLineEdit* box, const QString& message)
{
    if (!box->property(BaseDescription).isValid()) {
        box->setProperty(BaseDescription, box->accessibleDescription());
        QObject::connect(box, &QLineEdit::textEdited, box, [box] {
            const QVariant base = box->property(BaseDescription);
            if (base.isValid() && box->accessibleDescription() != base.toString())
                box->setAccessibleDescription(base.toString());
        });
    }
    const QString base = box->property(BaseDescription).toString();
    QString said = message;
    said.replace(QLatin1Char('\n'), QLatin1Char(' '));
    box->setAccessibleDescription(base.isEmpty() ? said : said + QLatin1Char(' ') + base);
    if (box->isVisibleTo(box->window())) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

// Radio group of the menu pages.
#include "mainwin/MenuPagesWidgets.h"

#include <QGridLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);
    const int perColumn = static_cast<int>((items.size() + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_.addButton(button, i);
        buttons_.push_back(button);
        // Entries run down each column first, as in a radio group.
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit ItemIndexChanged(id);
    });
}

QRadioButton* RadioGroup::Button(int index) const
{
    return (index >= 0 && index < Count()) ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

int RadioGroup::ItemIndex() const
{
    return group_.checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (QRadioButton* button = Button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never lets its last button go: lift the rule for
    // the moment it takes to clear it.
    if (QAbstractButton* checked = group_.checkedButton()) {
        group_.setExclusive(false);
        checked->setChecked(false);
        group_.setExclusive(true);
    }
}

// The radio version setup dialog.
#include "editors/SetupDialog.h"

#include "model/Profile.h"
#include "ui/Accessibility.h"
#include "ui/Messages.h"
#include "ui/WindowPlacement.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SetupDialog::SetupDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(Msg::ApplicationTitle);
    auto* layout = new QVBoxLayout(this);
    // The first start says what is asked.
    layout->addWidget(new QLabel(tr("Choose the version of your radio:"), this));
    auto* choices = new ChoiceGroup(tr("Version of your radio"), this);
    auto* choicesLayout = new QVBoxLayout(choices);
    choicesLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choices);
    QRadioButton** buttons[] = {&usaButton_, &europeButton_, &japanButton_, &generalButton_};
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < VersionChoices.size(); ++i) {
        // The captions are literals, so each ends in a NUL as tr() expects.
        *buttons[i] = new QRadioButton(tr(VersionChoices[i].caption.data()), choices);
        group->addButton(*buttons[i], static_cast<int>(i));
        choicesLayout->addWidget(*buttons[i]);
    }
    usaButton_->setChecked(true);
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setDefault(true);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // The OK button sits between the third and the fourth choice in the tab order.
    setTabOrder(usaButton_, europeButton_);
    setTabOrder(europeButton_, japanButton_);
    setTabOrder(japanButton_, okButton_);
    setTabOrder(okButton_, generalButton_);
    setFixedSize(sizeHint());
}

int SetupDialog::ChoiceIndex() const
{
    if (usaButton_->isChecked()) return 0;
    if (europeButton_->isChecked()) return 1;
    if (japanButton_->isChecked()) return 2;
    return 3;
}

void SetupDialog::showEvent(QShowEvent* event)
{
    setWindowTitle(Msg::ApplicationTitle);
    // Shown before the main window is, so centred on the screen.
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

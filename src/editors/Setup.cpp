// The radio version setup dialog.
#include "editors/Setup.h"

#include "mainwin/Messages.h"
#include "mainwin/WindowPlacement.h"
#include "model/Profile.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSetupForm::TSetupForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(Msg::ApplicationTitle);
    auto* layout = new QVBoxLayout(this);
    // The first start says what is asked.
    layout->addWidget(new QLabel(QStringLiteral("Choose the version of your radio:"), this));
    QRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < VersionChoices.size(); ++i) {
        const std::string_view caption = VersionChoices[i].caption;
        *buttons[i] = new QRadioButton(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), this);
        group->addButton(*buttons[i], static_cast<int>(i));
        layout->addWidget(*buttons[i]);
    }
    RadioButton1->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setDefault(true);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    // The OK button sits between the third and the fourth choice in the tab order.
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
    setTabOrder(RadioButton3, Button1);
    setTabOrder(Button1, RadioButton4);
    setFixedSize(sizeHint());
}

int TSetupForm::ChoiceIndex() const
{
    if (RadioButton1->isChecked()) return 0;
    if (RadioButton2->isChecked()) return 1;
    if (RadioButton3->isChecked()) return 2;
    return 3;
}

void TSetupForm::showEvent(QShowEvent* event)
{
    setWindowTitle(Msg::ApplicationTitle);
    // Shown before the main window is, so centred on the screen.
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

// The memory channel sort dialog.
#include "mainwin/Sort.h"

#include "mainwin/Main.h"
#include "mainwin/SortRules.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

TSortForm::TSortForm(TMainForm* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Memory Channel Sort"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Times New Roman"), 9));

    RadioButton1 = new QRadioButton(QStringLiteral("Frequency"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Memory Name"), this);
    RadioButton1->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("&Sort"), this);
    Button2 = new QPushButton(QStringLiteral("&Cancel"), this);
    Button1->setDefault(true);

    auto* choices = new QVBoxLayout;
    choices->addWidget(RadioButton1);
    choices->addWidget(RadioButton2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, &TSortForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSortForm::Button2Click);

    // Centred on the screen rather than on the main window.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSortForm::Button1Click()
{
    SortMemoryChannels(mainForm_->Image(),
                       RadioButton2->isChecked() ? SortOrder::Name : SortOrder::Frequency);
    mainForm_->RefreshAllViews();
    accept();
    mainForm_->SetDataChanged(true);
}

void TSortForm::Button2Click()
{
    reject();
}

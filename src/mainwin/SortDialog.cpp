// The memory channel sort dialog.
#include "mainwin/SortDialog.h"

#include "document/Document.h"
#include "ui/Accessibility.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

SortDialog::SortDialog(Document& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setWindowTitle(tr("Memory Channel Sort"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Times New Roman"), 9));

    auto* order = new ChoiceGroup(tr("Sort by"), this);
    frequencyButton_ = new QRadioButton(tr("Frequency"), order);
    nameButton_ = new QRadioButton(tr("Memory Name"), order);
    frequencyButton_->setChecked(true);
    sortButton_ = new QPushButton(tr("&Sort"), this);
    cancelButton_ = new QPushButton(tr("&Cancel"), this);
    sortButton_->setDefault(true);

    auto* choices = new QVBoxLayout(order);
    choices->setContentsMargins(0, 0, 0, 0);
    choices->addWidget(frequencyButton_);
    choices->addWidget(nameButton_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(sortButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(order, 1, Qt::AlignTop);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(frequencyButton_, nameButton_);
    setTabOrder(nameButton_, sortButton_);
    setTabOrder(sortButton_, cancelButton_);

    connect(sortButton_, &QPushButton::clicked, this, &SortDialog::SortChannels);
    connect(cancelButton_, &QPushButton::clicked, this, &SortDialog::CancelSort);

    // Centred on the screen rather than on the main window.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SortDialog::SortChannels()
{
    document_.Sort(nameButton_->isChecked() ? SortOrder::Name : SortOrder::Frequency);
    accept();
}

void SortDialog::CancelSort()
{
    reject();
}

// The list of backups of reads.
#include "files/BackupDialog.h"

#include "files/ReadBackups.h"
#include "ui/Messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

BackupDialog::BackupDialog(const std::vector<ReadBackup>& backups, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this))
{
    setWindowTitle(tr("Open Backup"));
    auto* layout = new QVBoxLayout(this);
    //: %1: how many backups are kept for each version of the radio (50).
    auto* about =
        new QLabel(tr("Every completed read from a radio is kept here, the last %1 of each radio version.")
                       .arg(ReadBackups::KeptPerVersion),
                   this);
    about->setWordWrap(true);
    layout->addWidget(about);
    list_->setAccessibleName(tr("Backups of reads"));
    list_->setAccessibleDescription(about->text());
    list_->setColumnCount(3);
    //: Column header: the date and time of the read.
    const QString readColumn = tr("Read", "column");
    //: Column header: the version of the radio the backup was read from ("ZT-Q2 KK,0F").
    const QString radioColumn = tr("Radio");
    list_->setHeaderLabels({readColumn, radioColumn, tr("Made by")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const ReadBackup& backup : backups) {
        auto* item = new QTreeWidgetItem(
            list_, {backup.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), backup.version,
                    backup.kind == BackupKind::Compare ? tr("Compare with Radio") : tr("Read")});
        item->setData(0, Qt::UserRole, backup.path);
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Open)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(520, 360);
}

QString BackupDialog::Chosen() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

std::optional<QString> ChooseBackup(const std::vector<ReadBackup>& backups, QWidget* parent)
{
    if (backups.empty()) {
        ShowMessage(MessageKind::Information, BackupDialog::tr("No read from a radio has been kept yet."));
        return std::nullopt;
    }
    BackupDialog dialog(backups, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty()) return std::nullopt;
    return dialog.Chosen();
}

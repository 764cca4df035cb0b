// Backups of reads and crash recovery on the window: File > Open Backup...,
// a backup of every completed read, the recovery file of this instance, and
// at the first showing the offer of changes an instance that is gone left.
#include "mainwin/MainWindow.h"

#include "files/FileCommands.h"
#include "files/ReadBackups.h"
#include "files/RecoveryFile.h"
#include "ui/Messages.h"

#include <QAction>
#include <QMenu>

void MainWindow::ConnectBackupsAndRecovery()
{
    backups_ = std::make_unique<ReadBackups>(dataFolder_ + QStringLiteral("/Backups"));
    recovery_ = std::make_unique<RecoveryFile>(
        document_, [this] { return DataFileBytes(document_); }, dataFolder_ + QStringLiteral("/Recovery"));

    openBackupAction_ = new QAction(tr("Open &Backup..."), this);
    // Right below Open...
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype open = items.indexOf(openAction_);
    fileMenu_->insertAction(open >= 0 && open + 1 < items.size() ? items[open + 1] : exitAction_,
                            openBackupAction_);
    SetHelpContext(openBackupAction_, 11);
    connect(openBackupAction_, &QAction::triggered, this, [this] { files_->OpenBackup(*backups_); });
}

void MainWindow::KeepReadBackup(const RadioImage& image, BackupKind kind)
{
    QString reason;
    if (!backups_->Keep(image, QDateTime::currentDateTime(), &reason, kind))
        ShowMessage(MessageKind::Warning, tr("The data read from the radio could not be kept as a backup.") +
                                              QLatin1Char('\n') + reason);
}

void MainWindow::OfferRecovery()
{
    recovery_->OfferOrphans([this](const RecoveryContent& content) { files_->Restore(content); });
}

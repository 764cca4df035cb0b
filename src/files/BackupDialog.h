// File > Open Backup...: the backups of reads listed by date and time with
// the version of the radio they were read from and the command that read
// them (Read, or Compare with Radio).
#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QTreeWidget;
class QWidget;
struct ReadBackup;

class BackupDialog : public QDialog
{
    Q_OBJECT

  public:
    // backups: newest first, shown in that order with the newest selected.
    BackupDialog(const std::vector<ReadBackup>& backups, QWidget* parent = nullptr);

    // The path of the selected backup; empty when there is none.
    QString Chosen() const;
    QTreeWidget* List() const { return list_; }

  private:
    QTreeWidget* list_;
};

// Shows the dialog modally; the path chosen, or nullopt when cancelled. With
// no backups at all it says so instead.
std::optional<QString> ChooseBackup(const std::vector<ReadBackup>& backups, QWidget* parent);

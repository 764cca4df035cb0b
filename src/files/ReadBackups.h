// The backups of reads: every completed read from a radio is also kept, as a
// data file in the user's data folder, one folder per radio version, each
// file named by the date and time of the read, and marked in its name when
// the read was Compare with Radio's. Only the newest ones of a version stay,
// so that the folder never grows without bound.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class RadioImage;

// The command whose read a backup keeps.
enum class BackupKind {
    Read,    // Radio > Read (and every backup made before they were marked)
    Compare, // Radio > Compare with Radio...
};

struct ReadBackup
{
    QString path;
    QDateTime when;  // of the read, from the file name
    QString version; // the radio's model and type code, e.g. "ZT-Q2 KK,0F"
    BackupKind kind = BackupKind::Read;
};

class ReadBackups
{
  public:
    // Backups kept for each version; the oldest beyond these go.
    static constexpr int KeptPerVersion = 50;

    // folder: where the version folders are made ("<data folder>/Backups").
    explicit ReadBackups(QString folder);

    const QString& Folder() const { return folder_; }

    // Writes the image, with an empty comment, as a data file through the
    // safe writer, named by `when` (and marked with a Compare's kind) in the
    // folder of the image's version; then removes the oldest files of that
    // version beyond KeptPerVersion, of either kind. The path written, or
    // nullopt and the reason when the file could not be written (nothing is
    // then removed).
    std::optional<QString> Keep(const RadioImage& image, const QDateTime& when, QString* reason = nullptr,
                                BackupKind kind = BackupKind::Read) const;

    // Every backup, newest first.
    std::vector<ReadBackup> List() const;

    // The version as a folder name: model and type code ("ZT-Q2 KK,0F"),
    // with characters that no file system takes in a name made '_'.
    static QString VersionFolderName(const RadioImage& image);

  private:
    QString folder_;
};

// Backups of reads, one folder per radio version.
#include "files/ReadBackups.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "model/RadioImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Sorts as it reads: name order is time order.
const QString NameFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz");
const QString Suffix = QStringLiteral(".qx");
// After the time in the name of a Compare's backup; a Read's has no mark,
// as every backup had before the kinds were told apart.
const QString CompareMark = QStringLiteral("_compare");

BackupKind KindOfName(const QString& name)
{
    return name.mid(NameFormat.size()).startsWith(CompareMark) ? BackupKind::Compare : BackupKind::Read;
}

QStringList BackupNames(const QDir& folder)
{
    QStringList names = folder.entryList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Name);
    // Only the names this unit gives; anything else the operator put there stays.
    names.removeIf([](const QString& name) {
        return !QDateTime::fromString(name.left(NameFormat.size()), NameFormat).isValid();
    });
    return names;
}

} // namespace

ReadBackups::ReadBackups(QString folder) : folder_(std::move(folder)) {}

QString ReadBackups::VersionFolderName(const RadioImage& image)
{
    QString name = QString::fromLatin1(image.Model()).trimmed() + QLatin1Char(' ') +
                   QString::fromLatin1(image.TypeCode()).trimmed();
    for (QChar& ch : name)
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E || QStringLiteral("/\\:*?\"<>|").contains(ch))
            ch = QLatin1Char('_');
    name = name.trimmed();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    // A folder's name: the same in every language.
    return name.isEmpty() ? QStringLiteral("unknown version") : name;
}

std::optional<QString> ReadBackups::Keep(const RadioImage& image, const QDateTime& when, QString* reason,
                                         BackupKind kind) const
{
    const QDir folder(folder_ + QLatin1Char('/') + VersionFolderName(image));
    if (!folder.mkpath(QStringLiteral("."))) {
        if (reason)
            //: Why a read could not be kept as a backup; %1: the folder.
            *reason = QCoreApplication::translate("ReadBackups", "The folder %1 cannot be made.")
                          .arg(QDir::toNativeSeparators(folder.path()));
        return std::nullopt;
    }
    // Two reads within one millisecond keep both.
    const QString stem = when.toString(NameFormat) + (kind == BackupKind::Compare ? CompareMark : QString());
    QString path = folder.filePath(stem + Suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(stem + QLatin1Char('_') + QString::number(n) + Suffix);
    if (!SaveFileBytes(path, WriteDataFile(image, std::string()), reason)) return std::nullopt;

    const QStringList names = BackupNames(folder);
    for (qsizetype i = 0; i + KeptPerVersion < names.size(); ++i)
        QFile::remove(folder.filePath(names[i]));
    return path;
}

std::vector<ReadBackup> ReadBackups::List() const
{
    std::vector<ReadBackup> list;
    const QDir root(folder_);
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir folder(root.filePath(version));
        for (const QString& name : BackupNames(folder))
            list.push_back({folder.filePath(name),
                            QDateTime::fromString(name.left(NameFormat.size()), NameFormat), version,
                            KindOfName(name)});
    }
    std::stable_sort(list.begin(), list.end(), [](const ReadBackup& a, const ReadBackup& b) {
        return a.when != b.when ? a.when > b.when : a.path > b.path;
    });
    return list;
}

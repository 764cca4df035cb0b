// Whole-file reading and safe replacing.
#include "files/FileIo.h"

#include "files/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

std::optional<std::string> ReadFileBytes(const QString& path, QString* error)
{
    const auto fail = [&](const QString& reason) -> std::optional<std::string> {
        if (error) *error = reason;
        return std::nullopt;
    };
    //: Why a file could not be read, shown below "File Open error.".
    if (QFileInfo(path).isDir()) return fail(QCoreApplication::translate("FileIo", "is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    std::string bytes;
    // Read in pieces: a device that never ends must not exhaust memory.
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) return fail(file.errorString());
        if (got == 0) break;
        if (static_cast<qint64>(bytes.size()) + got > kMaxDataFileBytes)
            //: Why a file could not be read: far longer than any data file, shown below "File Open error.".
            return fail(QCoreApplication::translate("FileIo", "file too long"));
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

bool SaveFileBytes(const QString& path, std::string_view bytes, QString* error)
{
    SafeFile file(path);
    const bool saved =
        file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.Commit();
    if (!saved && error) *error = file.Reason();
    return saved;
}

// The recovery file of this instance and the offer of those left behind.
#include "files/RecoveryFile.h"

#include "document/Document.h"
#include "files/FileIo.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <chrono>

namespace {

constexpr std::string_view Header = "TSL-Q2/Q3 recovery\r\n";
const QString FileSuffix = QStringLiteral(".recovery");
const QString LockSuffix = QStringLiteral(".lock");

QString OfferText(const RecoveryContent& content, const QDateTime& saved)
{
    // Data that had no file name yet is named as the Save As dialog names it.
    const QString name = content.fileName == QLatin1String("Untitled")
                             ? QCoreApplication::translate("FileCommands", "Untitled")
                             : QDir::toNativeSeparators(content.fileName);
    //: %1: the data file (or "Untitled"), %2: when the changes were kept ("2024-05-01 18:30:05"); No is a
    //: button of the message box.
    return RecoveryFile::tr("TSL-Q2/Q3 did not end normally, and unsaved changes of %1 were kept (%2).\n"
                            "Do you want to restore them? No discards them.")
        .arg(name, saved.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

} // namespace

RecoveryFile::RecoveryFile(Document& document, std::function<std::string()> dataFile, const QString& folder,
                           QObject* parent)
    : QObject(parent), document_(document), dataFile_(std::move(dataFile)), folder_(folder),
      // The process number alone could come again after a crash; the start
      // time makes the name this instance's own.
      path_(QDir(folder).filePath(QStringLiteral("%1-%2")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(QDateTime::currentMSecsSinceEpoch()) +
                                  FileSuffix)),
      lock_(path_.chopped(FileSuffix.size()) + LockSuffix), clock_([] {
          using namespace std::chrono;
          return static_cast<qint64>(
              duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })
{
    // Only a lock whose process is gone is stale, however old it is.
    lock_.setStaleLockTime(0);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryFile::SaveWhenDue);
    connect(&document_, &Document::RecordsChanged, this, &RecoveryFile::Changed);
    connect(&document_, &Document::MenuSettingChanged, this, &RecoveryFile::Changed);
    connect(&document_, &Document::CommentChanged, this, &RecoveryFile::Changed);
    connect(&document_, &Document::ImageReplaced, this, &RecoveryFile::Changed);
    connect(&document_, &Document::DataChangedStateChanged, this, &RecoveryFile::Changed);
    connect(&document_, &Document::FileNameChanged, this, &RecoveryFile::Changed);
}

RecoveryFile::~RecoveryFile()
{
    timer_.stop();
    Remove();
    lock_.unlock();
}

// After each change, but at most once every IntervalMs: the first change
// after a quiet spell is saved at once, later ones when the interval is up.
void RecoveryFile::Changed()
{
    if (!document_.DataChanged()) {
        // Saved, or undone back to what was saved: nothing to recover.
        timer_.stop();
        Remove();
        return;
    }
    if (timer_.isActive()) return;
    timer_.start(static_cast<int>(UntilDue()));
}

qint64 RecoveryFile::UntilDue() const
{
    return lastSave_ ? std::clamp<qint64>(IntervalMs - (clock_() - *lastSave_), 0, IntervalMs) : 0;
}

void RecoveryFile::SaveWhenDue()
{
    if (const qint64 wait = UntilDue(); wait > 0 && document_.DataChanged()) {
        timer_.start(static_cast<int>(wait));
        return;
    }
    Save();
}

void RecoveryFile::SaveNow()
{
    timer_.stop();
    Save();
}

void RecoveryFile::Save()
{
    if (!document_.DataChanged()) {
        Remove();
        return;
    }
    lastSave_ = clock_();
    if (!lock_.isLocked()) {
        if (!QDir().mkpath(folder_) || !lock_.tryLock(0)) {
            lastFailure_ = QStringLiteral("The recovery file cannot be locked.");
            return;
        }
    }
    // A failed save leaves the previous recovery file as it was.
    QString reason;
    if (SaveFileBytes(path_, Compose(document_.FileName(), dataFile_()), &reason)) {
        ++saves_;
        lastFailure_.clear();
    } else {
        lastFailure_ = reason;
    }
}

void RecoveryFile::Remove()
{
    if (QFileInfo::exists(path_)) QFile::remove(path_);
}

std::string RecoveryFile::Compose(const QString& fileName, const std::string& dataFile)
{
    std::string bytes(Header);
    bytes += QUrl::toPercentEncoding(fileName).toStdString();
    bytes += "\r\n";
    bytes += dataFile;
    return bytes;
}

std::optional<RecoveryContent> RecoveryFile::Parse(const std::string& bytes)
{
    if (bytes.compare(0, Header.size(), Header) != 0) return std::nullopt;
    const std::size_t end = bytes.find("\r\n", Header.size());
    if (end == std::string::npos) return std::nullopt;
    const QByteArray name = QByteArray::fromStdString(bytes.substr(Header.size(), end - Header.size()));
    RecoveryContent content{QUrl::fromPercentEncoding(name), bytes.substr(end + 2)};
    if (content.fileName.isEmpty()) return std::nullopt;
    return content;
}

void RecoveryFile::OfferOrphans(const std::function<void(const RecoveryContent&)>& restore)
{
    const QDir folder(folder_);
    const QFileInfoList files =
        folder.entryInfoList({QLatin1Char('*') + FileSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (file.absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) continue;
        // Taking the lock proves its instance is gone, and keeps another
        // starting instance from offering the same file meanwhile.
        QLockFile lock(file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + LockSuffix);
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        const std::optional<std::string> bytes = ReadFileBytes(file.absoluteFilePath());
        const std::optional<RecoveryContent> content = bytes ? Parse(*bytes) : std::nullopt;
        const bool restoring =
            content && ShowMessage(MessageKind::Question, OfferText(*content, file.lastModified())) ==
                           MessageButton::Yes;
        if (restoring) {
            restore(*content);
            // The changes are this instance's now: kept in its own file
            // before the old one goes (which stays should that fail).
            SaveNow();
        }
        if (!restoring || lastFailure_.isEmpty()) QFile::remove(file.absoluteFilePath());
        lock.unlock();
        if (restoring) return;
    }
    // Locks of programs that are gone and had nothing left to recover.
    for (const QFileInfo& file : folder.entryInfoList({QLatin1Char('*') + LockSuffix}, QDir::Files)) {
        if (QFileInfo::exists(file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + FileSuffix))
            continue;
        QLockFile lock(file.absoluteFilePath());
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) lock.unlock();
    }
}

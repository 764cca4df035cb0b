// Crash recovery: while the document has unsaved changes, this running
// instance keeps them in a recovery file of its own, so that a program that
// is killed, crashes or loses its power loses at most the last two seconds
// of edits. The file is held with a lock file for as long as the instance
// runs; a clean exit removes both. At the next start, a recovery file whose
// instance is gone is offered: restore it or discard it.
//
// A recovery file is the data file of the document behind two lines:
//   "TSL-Q2/Q3 recovery"
//   the document's file name, UTF-8, percent-encoded
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Document;

// What a recovery file holds.
struct RecoveryContent
{
    QString fileName;
    std::string dataFile;
};

class RecoveryFile : public QObject
{
    Q_OBJECT

  public:
    // Saves are at least this far apart.
    static constexpr int IntervalMs = 2000;

    // dataFile: the bytes of the document's data file, as Save writes them.
    // folder: where the recovery files of every instance are kept.
    RecoveryFile(Document& document, std::function<std::string()> dataFile, const QString& folder,
                 QObject* parent = nullptr);
    // A clean exit: the file and its lock go.
    ~RecoveryFile() override;
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // This instance's recovery file (it exists only while there are unsaved
    // changes and a save has succeeded).
    const QString& Path() const { return path_; }
    // Saves done so far, and why the last one failed (empty when it did not).
    int Saves() const { return saves_; }
    const QString& LastFailure() const { return lastFailure_; }
    // Saves now, when there is something to save, whatever the interval.
    void SaveNow();

    // Milliseconds on a clock that never goes back; the interval is measured
    // on it (a steady clock unless a test sets its own).
    using Clock = std::function<qint64()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // The recovery files in the folder whose instance is gone, newest first,
    // each offered in turn: restore(content) brings it into the document;
    // after the first restore the others wait for a later start. A file
    // whose instance still runs is never offered; one that cannot be read
    // is discarded.
    void OfferOrphans(const std::function<void(const RecoveryContent&)>& restore);

    // The bytes of a recovery file, and back; nullopt for bytes that are not one.
    static std::string Compose(const QString& fileName, const std::string& dataFile);
    static std::optional<RecoveryContent> Parse(const std::string& bytes);

  private:
    void Changed();
    // The timer ran out: saves when the interval is up by the clock (a timer
    // may fire a little early), or waits for the rest of it.
    void SaveWhenDue();
    // How long until the next save may start: 0 when none was made yet.
    qint64 UntilDue() const;
    void Save();
    void Remove();

    Document& document_;
    std::function<std::string()> dataFile_;
    QString folder_;
    QString path_;
    QLockFile lock_;
    QTimer timer_;
    Clock clock_;
    std::optional<qint64> lastSave_; // when the last save started, by clock_
    int saves_ = 0;
    QString lastFailure_;
};

// The Read and Write commands on a document: the port check, the prompts,
// the transfer dialog, and after a completed read the document replaced by
// what the radio holds. Beside them the commands that check a write: Compare
// with Radio, Write > Changes (only what differs from what the radio holds)
// and the read-back after a write. The main window composes them and wires
// its menu items and buttons to them.
#pragma once

#include "files/FileGaps.h"
#include "link/Baseline.h"
#include "link/CommandSet.h"
#include "link/CompareDialog.h"
#include "link/SerialLog.h"
#include "model/RecordCheck.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class ConfigStore;
class Document;
class QWidget;
class TransferDialog;

class LinkCommands : public QObject
{
    Q_OBJECT

  public:
    // What the commands need from the window that composes them.
    struct Hooks
    {
        // The unsaved-changes prompt; true when the command may go on.
        std::function<bool()> promptSaveChanges;
        // Records a damaged file left out (named before a write).
        std::function<std::vector<RecordSlot>()> leftOut;
        // What the loaded file lacked (named before a write that sends it).
        std::function<FileGaps()> fileGaps;
        // After a completed read has replaced the document: the window shows
        // the radio's data for the version the radio reported.
        std::function<void()> readCompleted;
        // After every completed read of the radio (Read, Compare with
        // Radio): the image as read and which command read it, to be kept
        // as a backup.
        std::function<void(const RadioImage&, RadioBaseline::Source)> radioRead;
        // Called with each dialog just before it is shown (tests shorten its
        // timers or press its buttons).
        std::function<void(TransferDialog&)> prepareDialog;
    };

    LinkCommands(Document& document, ConfigStore& store, Hooks hooks, QWidget* parent);

    // A read changes the document (image, history, data changed state) and
    // the stored profile only when it has finished.
    void Read(LinkScope scope, const QString& portName);
    // A write changes nothing here. Its confirmation says what it changes
    // and empties in the radio as far as the session knows it; Compare
    // First... compares with the radio instead. With Verify After Write, a
    // finished write is read back.
    void Write(LinkScope scope, const QString& portName);

    // Reads the radio into an image of its own (the document and the stored
    // profile stay as they are) and shows the compare view; from there the
    // differing records can be written, or the radio's taken into the
    // document as one undoable step.
    void Compare(const QString& portName);
    // Writes only the records that differ from what the radio holds (the
    // baseline) after a confirmation naming it, then reads them back.
    void WriteChanges(const QString& portName);
    // Why Write > Changes cannot be used now; empty when it can.
    QString WriteChangesUnavailable() const;
    const RadioBaseline& Baseline() const { return baseline_; }
    // What went over the line in the last command's transfers (a write and
    // its read-back together), for Help > Save Serial Log....
    const SerialLog& LastSerialLog() const { return serialLog_; }

    // Radio > Verify After Write, kept in the store.
    bool VerifyAfterWrite() const;
    void SetVerifyAfterWrite(bool on);

  signals:
    // What the program knows the radio holds has changed (or is gone).
    void BaselineChanged();

  private:
    // Writes the chosen slots of the document's image and reads them back.
    void WriteSlots(const SlotSet& chosen, int port);
    // After a finished write: reads back what it sent and shows any
    // difference in the compare view.
    void Verify(const RadioImage& written, const SlotSet& sent, int port);
    // What the operator chose in a compare view of the radio's image
    // against the document's, for the slots it showed.
    void Act(CompareDialog::Choice choice, const RadioImage& radio, const SlotSet& shown, int port);
    // The radio's records of the slots into the document, as one step.
    void TakeRadioValues(const RadioImage& radio, const SlotSet& chosen);
    void WriteEnded(LinkScope scope, const SlotSet& sent, bool finished);
    void KeepSerialLog(TransferDialog& dialog);
    FileGaps FileGapsNow() const;

    RadioBaseline baseline_;
    SerialLog serialLog_;
    Document& document_;
    ConfigStore& store_;
    Hooks hooks_;
    QWidget* parent_;
};

// The Read and Write commands on a document: the port check, the prompts,
// the transfer dialog, and after a completed read the document replaced by
// what the radio holds. The main window composes them and wires its menu
// items and buttons to them.
#pragma once

#include "link/CommandSet.h"
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
        // After a completed read has replaced the document: the window shows
        // the radio's data for the version the radio reported.
        std::function<void()> readCompleted;
        // Called with each dialog just before it is shown (tests shorten its
        // timers or press its buttons).
        std::function<void(TransferDialog&)> prepareDialog;
    };

    LinkCommands(Document& document, ConfigStore& store, Hooks hooks, QWidget* parent);

    // A read changes the document (image, history, data changed state) and
    // the stored profile only when it has finished.
    void Read(LinkScope scope, const QString& portName);
    // A write changes nothing here.
    void Write(LinkScope scope, const QString& portName);

  private:
    Document& document_;
    ConfigStore& store_;
    Hooks hooks_;
    QWidget* parent_;
};

// The undo steps of the document: a set of slots with their bytes before and
// after the step, and the comment. A step keeps only what it changes.
#pragma once

#include "document/Document.h"

#include <QUndoCommand>

#include <string>
#include <vector>

struct SlotChange
{
    SlotKind kind = SlotKind::Memory;
    int slot = 0;
    std::string before;
    std::string after;
};

class SlotsStep : public QUndoCommand
{
  public:
    // Ids of steps that merge with the step before them (-1: none).
    static constexpr int PowerOnMessageTyping = 1;

    SlotsStep(Document& document, std::vector<SlotChange> changes, const QString& text, int mergeId);

    void undo() override;
    void redo() override;
    int id() const override { return mergeId_; }
    // Typing into one text setting: the earlier step takes the later bytes.
    bool mergeWith(const QUndoCommand* other) override;

  private:
    Document& document_;
    std::vector<SlotChange> changes_;
    int mergeId_;
};

class CommentStep : public QUndoCommand
{
  public:
    static constexpr int CommentTyping = 2;

    CommentStep(Document& document, QString before, QString after);

    void undo() override;
    void redo() override;
    int id() const override { return CommentTyping; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    Document& document_;
    QString before_;
    QString after_;
};

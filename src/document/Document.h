// The document: the radio image the operator edits, with its file name, its
// comment and whether it changed since it was last loaded or saved. It is
// the only way the image changes. Every edit is one step on an undo stack,
// so that each can be taken back and done again; views listen to the
// signals below and redraw what a step changed.
//
// Replacing the document (New, Open, a dropped file, the command-line load,
// a completed read from the radio) starts a fresh history.
//
// The data changed state is the undo stack's clean state: saving sets the
// clean point, and undoing back to it clears the state again. Where the
// program marks the data as changed without a change of the image (a store
// an editor refused), SetDataChanged(true) keeps the state set until the
// next save or replace, whatever is undone.
#pragma once

#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "rules/PasteRules.h"
#include "rules/SortRules.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QUndoStack;
struct CsvImportPlan;
struct SlotChange;

// The parts of the image an edit stores, each addressed by a slot number:
// memory index 0..431, VFO band code 0..14, CALL index 0..3, DTMF index 0..9,
// program VFO band 0..3, menu setting index 0..40.
enum class SlotKind { Memory, Vfo, Call, Dtmf, ProgramVfo, MenuSetting };

// The same slot in the model's terms (the checks, the transfers), and back.
RecordSlot RecordSlotOf(SlotKind kind, int slot);
SlotKind SlotKindOf(RecordSlotKind kind);

// New bytes for one slot, in the radio's notation. Text beyond the slot's
// capacity is cut as the image's setters cut it.
struct SlotEdit
{
    SlotKind kind = SlotKind::Memory;
    int slot = 0;
    std::string bytes;
};

class Document : public QObject
{
    Q_OBJECT

  public:
    // Steps kept for undo; older steps are forgotten.
    static constexpr int UndoLimit = 1000;

    // An empty image (no type code, no records), file name "Untitled", no
    // comment, data unchanged. The owner replaces it with the image of the
    // configured version before the operator sees it.
    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    // ---- State -------------------------------------------------------------
    const RadioImage& Image() const { return image_; }
    const QString& FileName() const { return fileName_; }
    const QString& Comment() const { return comment_; }
    // Set while the image or comment differs from the last load or save, or
    // since SetDataChanged(true).
    bool DataChanged() const;

    // Undo and Redo: createUndoAction/createRedoAction give the commands,
    // whose texts name the step ("Undo Paste into 030"); canUndoChanged and
    // canRedoChanged tell when there is something to take back.
    QUndoStack& UndoStack() { return *stack_; }
    const QUndoStack& UndoStack() const { return *stack_; }

    // The bytes a slot holds; empty for a slot that does not exist.
    const std::string& SlotBytes(SlotKind kind, int slot) const;
    // How a step names a slot: "012", "L0", "VFO A_144MHz", "CALL 144MHz",
    // "DTMF 3", "Program VFO A_144MHz", "Menu setting Key Lock" (the
    // listing's names of the settings).
    QString SlotTitle(SlotKind kind, int slot) const;
    // The name of an editor's store of a slot: "Edit 012", "Edit VFO A_144MHz".
    QString EditStepName(SlotKind kind, int slot) const;

    // ---- Replacing and saving ----------------------------------------------
    // Takes a whole new image with its file name and comment and forgets
    // every step. dataChanged sets the data changed state as SetDataChanged
    // does (a read from the radio arrives as unsaved data). The paste
    // buffer is the clipboard's, not the file's: it keeps its content.
    void Replace(RadioImage image, const QString& fileName, const QString& comment, bool dataChanged = false);
    // The data was written to fileName: that is now the clean point.
    void MarkSaved(const QString& fileName);
    // Names the data without saving it (e.g. "Untitled" before a read).
    void SetFileName(const QString& fileName);
    // true: the data counts as changed until the next save or replace.
    // false: the present state counts as saved (clean point here).
    void SetDataChanged(bool changed);

    // A loaded menu setting that a view cannot take (a power-on message with
    // characters outside the market's set) as the view cleaned it: part of
    // the load that brought it, so no step and no change of the data changed
    // state. No signal either: the view that cleaned it shows it already.
    void CorrectLoadedSetting(int index, std::string_view value);

    // The last record taken from the clipboard in the program's own format.
    // Not part of the data: no step, no change of the data changed state.
    void SetPasteBuffer(std::string_view bytes);
    // A payload read from the clipboard goes into the paste buffer by the
    // clipboard rules (TakeClipboardPayload); false when it was ignored.
    bool TakeClipboardPayload(std::string_view payload);

    // ---- Edits: each is one undoable step -------------------------------------
    // Stores the given slots as one step named by text (Set Field for a
    // selection, a multi-row paste, taking the radio's values). Edits of
    // slots that do not exist are left out; a slot named twice keeps the
    // last bytes. The step is pushed even when it changes nothing.
    void StoreSlots(const std::vector<SlotEdit>& edits, const QString& text);
    // An editor's store of one record: "Edit 012", "Edit VFO A_144MHz".
    void StoreRecord(SlotKind kind, int slot, std::string_view bytes);
    // The paste buffer rebuilt for the target (PasteRules); "Paste into 030".
    // False, with no step, when the target names no slot. The fit is not
    // checked again (CanPaste decides whether Paste is offered).
    bool Paste(EditTarget target);
    // Empties a memory or DTMF slot and returns what it held, for the
    // clipboard; "Cut 012", "Cut DTMF 3". nullopt, with no step, for other
    // grids and for a target that names no slot.
    std::optional<std::string> Cut(EditTarget target);
    // As Cut, without the clipboard; "Delete 012". False when nothing is done.
    bool Delete(EditTarget target);
    // Toggles the lockout of a memory channel; "Lock Out 012". False, with
    // no step, for an empty slot or one outside 0..431.
    bool ToggleLockout(int memorySlot);
    // Sorts channels 0..399 (SortRules); "Sort by frequency", "Sort by
    // memory name". The step keeps only the slots the sort changed.
    void Sort(SortOrder order);
    // Stores the rows a channel list plan places; "Import CSV". Returns the
    // number of rows stored; no step when there are none.
    int ImportCsv(const CsvImportPlan& plan);
    // A menu page control's value; "Menu setting Key Lock". No step when
    // the setting already holds the value. Successive changes of the
    // power-on message make one step.
    void SetMenuSetting(int index, std::string_view value);
    // The operator's comment; "Comment". Successive typing makes one step.
    void SetComment(const QString& comment);

  signals:
    // Slots of one kind whose bytes a step (or its undo) changed or rewrote.
    // Menu settings are reported by MenuSettingChanged instead.
    void RecordsChanged(SlotKind kind, const QList<int>& slotNumbers);
    void MenuSettingChanged(int index);
    void CommentChanged(const QString& comment);
    // The whole image changed: redraw everything.
    void ImageReplaced();
    void DataChangedStateChanged(bool changed);
    void FileNameChanged(const QString& fileName);

  private:
    friend class SlotsStep;
    friend class CommentStep;

    void PushChanges(const std::vector<SlotEdit>& edits, const QString& text, int mergeId = -1);
    // Writes the changes' bytes after the step (redo) or before it (undo).
    void ApplySlots(const std::vector<SlotChange>& changes, bool after);
    void ApplyComment(const QString& comment);
    void UpdateDataChanged();

    RadioImage image_;
    QString fileName_;
    QString comment_;
    QUndoStack* stack_ = nullptr;
    bool forcedChanged_ = false;
    bool reportedChanged_ = false;
};

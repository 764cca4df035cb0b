// What the four channel editors (memory, VFO, CALL, DTMF) share: OK and
// Close, the pending-changes flag, the prompt before pending changes would be
// lost (moving to another slot, closing), and Page Up / Page Down stepping
// through the slots. Each store is one undoable step of the document; a
// store the rules refuse still marks the data as changed.
#pragma once

#include <QDialog>

class Document;
class QHBoxLayout;
class QPushButton;

class ChannelEditorDialog : public QDialog
{
    Q_OBJECT

  public:
    // The slot being edited: memory index, VFO band code, CALL index or DTMF
    // index.
    int Slot() const { return slot_; }
    bool PendingChanges() const { return pending_; }

    // Stores the controls as the slot's record; false (after its message)
    // when the rules refuse them.
    virtual bool StoreChannelControls() = 0;
    // OK: stores and closes; a refused store keeps the dialog open.
    void OkButtonClick();

    QPushButton* Button_Ok;
    QPushButton* Button_Close;

  public slots:
    // Closing with pending changes asks whether to store them first.
    void done(int result) override;

  protected:
    ChannelEditorDialog(Document& document, int slot, const QString& title, QWidget* parent);

    // OK and Close at the right of a row, for the editor's layout.
    QHBoxLayout* ButtonRow();
    // Page Up / Page Down in this control step through the slots.
    void StepWithKeysOf(QWidget* chooser);
    // The step of a key in the chooser (+1, -1, or 0 for none); Page Up and
    // Page Down by default.
    virtual int StepOfKey(int key) const;
    // Moves delta slots on, wrapping, asking about pending changes first.
    virtual void StepBy(int delta) = 0;
    // Fills the controls at the first showing.
    virtual void FormShow() = 0;

    // Before the slot changes: when changes are pending, asks whether to
    // store them; false when the store was refused (stay on the slot).
    bool ConfirmLeave();
    // Runs the editor's store; a refused one marks the data as changed.
    bool Store();
    // An edit of a control (not a fill by the dialog itself).
    void MarkChanged();
    // Fills of the controls are no edits while this is set.
    bool loading_ = false;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Document& document_;
    int slot_;
    bool pending_ = false;

  private:
    QWidget* chooser_ = nullptr;
    bool shown_ = false;
};

// What the four channel editors (memory, VFO, CALL, DTMF) share: OK and
// Close, the pending-changes flag, the prompt before pending changes would be
// lost (moving to another slot, closing), Page Up / Page Down stepping
// through the slots, and the band list of the VFO and CALL editors. Each
// store is one undoable step of the document; a store the rules refuse still
// marks the data as changed.
#pragma once

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

class Document;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
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
    // VFO and CALL editors: choosing a band list position (mouse, Page Up /
    // Page Down) moves to its slot, asking about pending changes first.
    void ComboBox_BandClick(int position);

    QPushButton* Button_Ok = nullptr;
    QPushButton* Button_Close = nullptr;
    // The band list of the VFO and CALL editors; null in the others.
    QLabel* Label_Band = nullptr;
    QComboBox* ComboBox_Band = nullptr;

  public slots:
    // Closing with pending changes asks whether to store them first.
    void done(int result) override;

  protected:
    ChannelEditorDialog(Document& document, int slot, const QString& title, QWidget* parent);

    // Makes OK and Close, at the right of a row for the editor's layout;
    // every editor calls it once its own controls exist.
    QHBoxLayout* ButtonRow();
    // Page Up / Page Down in this control step through the slots.
    void StepWithKeysOf(QWidget* chooser);
    // The step of a key in the chooser (+1, -1, or 0 for none); Page Up and
    // Page Down by default.
    virtual int StepOfKey(int key) const;
    // Moves delta slots on, wrapping, asking about pending changes first; by
    // default through the band list.
    virtual void StepBy(int delta);
    // Fills the controls at the first showing.
    virtual void FormShow() = 0;

    // An editor whose slots are bands: the "Band" label and list in the first
    // row of the layout, stepping with Page Up / Page Down; bandOfLabel gives
    // the slot of a list text.
    void AddBandList(QGridLayout* layout, int (*bandOfLabel)(std::string_view));
    // At the first showing: the version's bands, on the slot's band (the
    // first when the version has no such band).
    void ShowBands(const std::vector<std::string>& labels);
    // Fills the controls from the slot after a band switch.
    virtual void LoadBand() {}

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
    int (*bandOfLabel_)(std::string_view) = nullptr;
    int bandPosition_ = 0;
};

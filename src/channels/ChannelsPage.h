// The "Channels" page of the main window: every field of the 432 memory
// slots in columns, a filter box (Ctrl+F) and "Hide empty channels" above
// the table, cells edited in place through the memory editor's rules, and
// the edit commands on every selected row: Cut, Copy, Paste, Delete,
// Lock Out and Set Field for Selection. Everything works by keyboard: F2
// edits a cell, Enter opens the memory editor, Shift+F10 or the Menu key
// opens the pop-up menu at the current cell and Ctrl+Shift+S sorts by the
// current column; the number of channels shown is said after every change.
#pragma once

#include "channels/ChannelCommands.h"
#include "channels/SetFieldDialog.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class ChannelFilter;
class ChannelTableModel;
class Document;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

class ChannelsPage : public QWidget
{
    Q_OBJECT

  public:
    ChannelsPage(Document& document, QWidget* parent = nullptr);

    ChannelTableModel& Model() { return *model_; }
    ChannelFilter& Filter() { return *filter_; }
    QTableView* View() const { return view_; }
    QLineEdit* FilterBox() const { return filterBox_; }
    QCheckBox* HideEmptyBox() const { return hideEmpty_; }
    // "12 channels": how many rows the filter shows.
    QLabel* CountLabel() const { return count_; }

    // The market's font for the table (names in the market's characters).
    void SetMarketFont(const QFont& font);

    // Memory slots of the selected rows, in slot order.
    std::vector<int> SelectedSlots() const;
    // Selects the rows of the slots first..last that the filter shows.
    void SelectSlots(int first, int last);

    // Whether the commands have something to act on.
    bool HasSelection() const;
    bool CanCutSelection() const;
    bool CanPaste() const;

    void CopySelection();
    void CutSelection();
    void PasteAtSelection();
    void DeleteSelection();
    void LockOutSelection();
    // Asks for the field (AskSetField) and sets it on the selection.
    void SetFieldForSelection();
    void ApplySetField(const SetFieldChoice& choice);
    // Sorts by the current cell's column, ascending, or the other way round
    // when the rows are sorted by that column already.
    void SortByCurrentColumn();

    // Double click on a channel cell: the memory editor on that slot.
    std::function<void(int slot)> OpenEditor;
    // The Set Field dialog; empty: modal. Tests answer it.
    std::function<std::optional<SetFieldChoice>()> AskSetField;

    QMenu* popup_;
    QAction* lockOutAction_;      // "&Lock Out"
    QAction* sortByColumnAction_; // "Sort by &Column" Ctrl+Shift+S

  signals:
    // The selection changed: the edit commands decide again.
    void SelectionChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowCount();
    void ShowPopupAtCurrentCell();
    // Headings wider than their columns end in "..." (the whole one is the tip).
    void ElideHeadings();
    void ShowReport(const QString& command, const MultiSlotOutcome& outcome);
    std::vector<std::string> ClipboardRecords() const;
    // Filled channels that a paste of the records from `first` on would
    // replace although the filter hides them.
    std::vector<int> HiddenChannelsReplaced(int first, const std::vector<std::string>& records) const;

    Document& document_;
    ChannelCommands commands_;
    ChannelTableModel* model_;
    ChannelFilter* filter_;
    QTableView* view_;
    QLineEdit* filterBox_;
    QCheckBox* hideEmpty_;
    QLabel* count_;
};

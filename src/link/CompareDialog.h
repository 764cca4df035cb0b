// The compare view: the differences between what the radio holds and what
// the window holds, slot by slot and field by field, with what the operator
// can do about them (write the window's records, take the radio's, or
// nothing). The same view says what a read-back after a write found.
#pragma once

#include "link/ImageDiff.h"
#include "link/TransferRunner.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// In English; the view shows them in the program's language.
namespace CompareText {
inline constexpr const char* Caption = QT_TRANSLATE_NOOP("CompareDialog", "Compare with Radio");
// Context TransferRunner.
inline constexpr const char* VerifyFailed = TransferText::VerifyFailed;
inline constexpr const char* NoDifference =
    QT_TRANSLATE_NOOP("CompareDialog", "The radio holds what the window holds.");
} // namespace CompareText

class CompareDialog : public QDialog
{
    Q_OBJECT

  public:
    enum class Choice { Close, WriteChanges, TakeRadioValues };

    // differences: side a is the radio, side b the window. An empty message
    // gives the count of differing records ("3 records differ.").
    CompareDialog(const ImageDifferences& differences, const QString& message, QWidget* parent = nullptr);

    // Which of Write These Changes and Take Radio's Values are offered
    // (both, until told otherwise; neither when nothing differs).
    void OfferActions(bool write, bool take);
    Choice Chosen() const { return chosen_; }

    // The parts, for tests.
    QLabel* MessageLabel() const { return message_; }
    QTableWidget* Table() const { return table_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* TakeButton() const { return take_; }
    QPushButton* CloseButton() const { return close_; }

    // Rows of the table as "Slot | Field | Radio | Window" text, for tests.
    QStringList RowTexts() const;

  private:
    void Choose(Choice choice);

    bool empty_;
    Choice chosen_ = Choice::Close;
    QLabel* message_;
    QTableWidget* table_;
    QPushButton* write_;
    QPushButton* take_;
    QPushButton* close_;
};

// Shows the compare view modally and returns what the operator chose. Tests
// replace the presenter with one that looks at the view and answers, as they
// do for message boxes; an empty presenter restores the modal view.
using ComparePresenter = std::function<CompareDialog::Choice(CompareDialog&)>;
CompareDialog::Choice ShowCompareDialog(CompareDialog& dialog);
ComparePresenter SetComparePresenter(ComparePresenter presenter);

// The "Memory Channel Sort" dialog: the operator picks frequency or memory
// name order and the ordinary memory channels of the document's image are
// sorted and renumbered, as one undoable step.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class Document;

class SortDialog : public QDialog
{
    Q_OBJECT

  public:
    SortDialog(Document& document, QWidget* parent);

    QRadioButton* frequencyButton_; // "Frequency"
    QRadioButton* nameButton_;      // "Memory Name"
    QPushButton* sortButton_;       // "&Sort"
    QPushButton* cancelButton_;     // "&Cancel"

    // Sorts (the document tells the views), closes.
    void SortChannels();
    // Closes without touching the image.
    void CancelSort();

  private:
    Document& document_;
};

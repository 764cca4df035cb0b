// The "Memory Channel Sort" dialog: the operator picks frequency or memory
// name order and the ordinary memory channels of the main window's image are
// sorted and renumbered.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class MainWindow;

class SortDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit SortDialog(MainWindow* mainForm);

    QRadioButton* frequencyButton_; // "Frequency"
    QRadioButton* nameButton_;      // "Memory Name"
    QPushButton* sortButton_;       // "&Sort"
    QPushButton* cancelButton_;     // "&Cancel"

    // Sorts, refreshes the main window, marks its data as changed, closes.
    void SortChannels();
    // Closes without touching the image.
    void CancelSort();

  private:
    MainWindow* mainForm_;
};

// The "Memory Channel Sort" dialog: the operator picks frequency or memory
// name order and the ordinary memory channels of the main window's image are
// sorted and renumbered.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class TMainForm;

class TSortForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TSortForm(TMainForm* mainForm);

    QRadioButton* RadioButton1; // "Frequency"
    QRadioButton* RadioButton2; // "Memory Name"
    QPushButton* Button1;       // "&Sort"
    QPushButton* Button2;       // "&Cancel"

    // Sorts, refreshes the main window, marks its data as changed, closes.
    void Button1Click();
    // Closes without touching the image.
    void Button2Click();

  private:
    TMainForm* mainForm_;
};

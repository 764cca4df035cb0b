// Radio version setup: the small dialog in which the operator says, on the
// very first start, which radio version the program serves. The choice gives
// the profile's type code and model.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

class TSetupForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TSetupForm(QWidget* parent = nullptr);

    // Index into VersionChoices of the choice the radio buttons give: the
    // first of positions 1 to 3 that is selected, else position 4. How the
    // dialog was closed does not matter.
    int ChoiceIndex() const;

    QRadioButton* RadioButton1; // "ZT-Q2A (U.S.A./Canada)", preselected
    QRadioButton* RadioButton2; // "ZT-Q3E (Europe)"
    QRadioButton* RadioButton3; // "ZT-Q3 (Japan)"
    QRadioButton* RadioButton4; // "ZT-Q3A (General market)"
    QPushButton* Button1;       // "OK"

  protected:
    void showEvent(QShowEvent* event) override;
};

// Radio version setup: the small dialog in which the operator says, on the
// very first start, which radio version the program serves. The choice gives
// the profile's type code and model.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

class SetupDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit SetupDialog(QWidget* parent = nullptr);

    // Index into VersionChoices of the choice the radio buttons give: the
    // first of positions 1 to 3 that is selected, else position 4. How the
    // dialog was closed does not matter.
    int ChoiceIndex() const;

    QRadioButton* usaButton_;     // "ZT-Q2A (U.S.A./Canada)", preselected
    QRadioButton* europeButton_;  // "ZT-Q3E (Europe)"
    QRadioButton* japanButton_;   // "ZT-Q3 (Japan)"
    QRadioButton* generalButton_; // "ZT-Q3A (General market)"
    QPushButton* okButton_;       // "OK"

  protected:
    void showEvent(QShowEvent* event) override;
};

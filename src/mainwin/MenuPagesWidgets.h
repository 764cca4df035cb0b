// Widgets of the menu pages that the toolkit lacks as such: a radio group
// (a captioned box of exclusive radio buttons in columns, with an item index
// that may also be "none").
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <vector>

class RadioGroup : public QGroupBox
{
    Q_OBJECT

  public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Button(int index) const;
    // Index of the checked button; -1 when none is.
    int ItemIndex() const;
    // Checks button `index`, or clears the group for an index outside it.
    void SetItemIndex(int index);

  signals:
    // A button became checked, by the operator or by SetItemIndex.
    void ItemIndexChanged(int index);

  private:
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};

// Edit > Set Field for Selection...: which field to set on every selected
// channel and to what: tone mode and tone, DCS code, mode, step, shift and
// offset, or lock out.
#pragma once

#include "channels/ChannelColumns.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QStackedWidget;

// The field and values chosen; `what` names the step ("Set Tone on ...").
struct SetFieldChoice
{
    QString what;
    std::vector<CellValue> values;
};

class SetFieldDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit SetFieldDialog(QWidget* parent = nullptr);

    // The choice as it stands; an invalid offset is refused by every slot.
    SetFieldChoice Choice() const;

    QComboBox* fieldList_;
    QComboBox* toneModeList_;
    QComboBox* toneList_;
    QComboBox* dcsList_;
    QComboBox* modeList_;
    QComboBox* stepList_;
    QComboBox* shiftList_;
    QLineEdit* offsetEdit_;
    QComboBox* lockoutList_;

  private:
    QStackedWidget* pages_;
};

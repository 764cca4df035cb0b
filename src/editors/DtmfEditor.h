// The "DTMF Memory" dialog: edits the ten DTMF memories, one at a time.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class DtmfCodeEdit;
class MainWindow;
class NameEdit;

class DtmfEditor : public QDialog
{
    Q_OBJECT

  public:
    explicit DtmfEditor(MainWindow& form);

    int Slot() const { return slot_; }
    bool PendingChanges() const { return pending_; }

    void LoadChannelControls();
    // Stores the slot's record; storing never fails.
    void StoreChannelControls();
    void ComboBox_ChannelClick(int position);
    void OkButtonClick();

    QLabel* Label_Channel;
    QComboBox* ComboBox_Channel;
    QLabel* Label_Code;
    DtmfCodeEdit* Edit_Code;
    QLabel* Label_Name;
    NameEdit* Edit_Name;
    QPushButton* Button_Ok;
    QPushButton* Button_Close;

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void MarkChanged();

    MainWindow& form_;
    int slot_ = 0;
    bool pending_ = false;
    bool loading_ = false;
    bool shown_ = false;
};

// The "CALL Channel" dialog: edits the CALL channel of one A-band band and
// switches between the CALL slots without closing.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class ChannelPanel;
class MainWindow;

class CallEditor : public QDialog
{
    Q_OBJECT

  public:
    explicit CallEditor(MainWindow& form);

    int Slot() const { return slot_; }
    bool PendingChanges() const { return pending_; }

    void LoadChannelControls();
    bool StoreChannelControls();
    void AcceptEntries();
    void ComboBox_BandClick(int position);
    void OkButtonClick();

    QLabel* Label_Band;
    QComboBox* ComboBox_Band;
    ChannelPanel* Panel;
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
    int position_ = 0;
    bool pending_ = false;
    bool loading_ = false;
    bool shown_ = false;
};

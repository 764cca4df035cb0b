// The splash window shown while the program starts: the logo and the
// product's name for two seconds, or until the operator closes it.
#pragma once

#include <QDialog>

class QPixmap;
class QTimer;

class TWelcomeForm : public QDialog
{
    Q_OBJECT

  public:
    static constexpr int ShowMilliseconds = 2000;

    explicit TWelcomeForm(QWidget* parent = nullptr);

    QTimer* Timer1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Timer1Timer();
};

// The logo of the splash window, 330 x 44 pixels.
QPixmap ProductLogo();

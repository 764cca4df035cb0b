// The splash window shown while the program starts: the logo and the
// product's name for two seconds, or until the operator closes it.
#pragma once

#include <QDialog>

class QPixmap;
class QTimer;

class SplashWindow : public QDialog
{
    Q_OBJECT

  public:
    static constexpr int ShowMilliseconds = 2000;

    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* closeTimer_;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CloseSplash();
};

// The logo of the splash window, 330 x 44 pixels.
QPixmap ProductLogo();

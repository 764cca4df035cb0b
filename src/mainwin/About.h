// The About box: the product's name and version.
#pragma once

#include <QDialog>

class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};

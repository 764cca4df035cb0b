// The About box: the product's name and version.
#pragma once

#include <QDialog>

class QPushButton;

class AboutBox : public QDialog
{
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};

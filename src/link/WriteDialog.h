// The Write dialog: sends the image to the radio, which it only reads.
#pragma once

#include "link/ReadDialog.h"

class WriteDialog : public TransferDialog
{
    Q_OBJECT

  public:
    WriteDialog(const RadioImage& image, LinkScope scope, int portNumber, QWidget* parent = nullptr);

  protected:
    void StartTransfer() override;

  private:
    const RadioImage& image_;
    LinkScope scope_;
};

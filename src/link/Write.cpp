// The Write dialog.
#include "link/Write.h"

#include <QLabel>

TWriteForm::TWriteForm(const RadioImage& image, LinkScope scope, int portNumber, QWidget* parent)
    : TTransferForm(QStringLiteral("Write"), QStringLiteral("Writing data to the Radio."), portNumber,
                    parent),
      image_(image), scope_(scope)
{
}

void TWriteForm::StartTransfer()
{
    Runner.StartWrite(image_, scope_);
}

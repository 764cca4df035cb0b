// The Write dialog.
#include "link/WriteDialog.h"

#include <QLabel>

WriteDialog::WriteDialog(const RadioImage& image, LinkScope scope, int portNumber, QWidget* parent)
    : TransferDialog(QStringLiteral("Write"), QStringLiteral("Writing data to the Radio."), portNumber,
                     parent),
      image_(image), scope_(scope)
{
}

void WriteDialog::StartTransfer()
{
    runner_.StartWrite(image_, scope_);
}

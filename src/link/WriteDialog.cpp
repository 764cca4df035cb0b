// The Write dialog.
#include "link/WriteDialog.h"

#include <QLabel>

WriteDialog::WriteDialog(const RadioImage& image, LinkScope scope, int portNumber, QWidget* parent)
    //: The window title of the write's progress window.
    : TransferDialog(tr("Write"), tr("Writing data to the Radio."), tr("The write has finished."), portNumber,
                     parent),
      image_(image), scope_(scope)
{
}

WriteDialog::WriteDialog(const RadioImage& image, const SlotSet& chosen, int portNumber, QWidget* parent)
    : TransferDialog(tr("Write"), tr("Writing the changes to the Radio."), tr("The write has finished."),
                     portNumber, parent),
      image_(image), scope_(LinkScope::All), only_(chosen)
{
}

void WriteDialog::StartTransfer()
{
    if (only_)
        runner_.StartWrite(image_, *only_);
    else
        runner_.StartWrite(image_, scope_);
}

ReadBackDialog::ReadBackDialog(RadioImage& image, const SlotSet& chosen, int portNumber, QWidget* parent)
    //: The window title of the read-back after a write.
    : TransferDialog(tr("Verify"), tr("Reading back what was written."), tr("The read-back has finished."),
                     portNumber, parent),
      image_(image), slots_(chosen)
{
}

void ReadBackDialog::StartTransfer()
{
    runner_.StartReadBack(image_, slots_);
}

// The Write dialog: sends the image to the radio, which it only reads; the
// Verify dialog reads back what a write sent.
#pragma once

#include "link/ImageDiff.h"
#include "link/ReadDialog.h"

#include <optional>

class WriteDialog : public TransferDialog
{
    Q_OBJECT

  public:
    WriteDialog(const RadioImage& image, LinkScope scope, int portNumber, QWidget* parent = nullptr);
    // Write > Changes: only the chosen slots.
    WriteDialog(const RadioImage& image, const SlotSet& chosen, int portNumber, QWidget* parent = nullptr);

    // The slots whose commands were sent.
    SlotSet SentSlots() const { return runner_.SentSlots(); }

  protected:
    void StartTransfer() override;

  private:
    const RadioImage& image_;
    LinkScope scope_;
    std::optional<SlotSet> only_;
};

// Reads the chosen slots back into the image after a write.
class ReadBackDialog : public TransferDialog
{
    Q_OBJECT

  public:
    ReadBackDialog(RadioImage& image, const SlotSet& chosen, int portNumber, QWidget* parent = nullptr);

  protected:
    void StartTransfer() override;

  private:
    RadioImage& image_;
    SlotSet slots_;
};

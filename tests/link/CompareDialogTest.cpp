// The compare view over one image pair that differs in every record kind,
// its texts in the market's characters, and its three ways out.
#include "link/CompareDialog.h"

#include "support/TransferHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// The radio's image and the window's, apart in one record of every kind.
struct Pair
{
    RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    RadioImage window = radio;

    Pair()
    {
        window.SetMemoryRecord(0, "000,00145020000,5,1,0,1,0,0,12,08,007,000600000,0,1,,,,H\xD6ME");
        window.SetVfoRecord(0, "0,00146000000" + radio.GetVfoRecord(0).substr(13));
        window.SetCallRecord(2, "");
        window.SetDtmfRecord(3, "03,999,HOME");
        window.SetProgramVfoRecord(0, "0,00144,00146");
        window.SetMenuSetting(23, radio.GetMenuSetting(23) == "1" ? "2" : "1");
    }
};

std::vector<std::string> Rows(const CompareDialog& dialog)
{
    std::vector<std::string> rows;
    for (const QString& row : dialog.RowTexts())
        rows.push_back(row.toStdString());
    return rows;
}

} // namespace

TEST(CompareDialog, ShowsEveryRecordKindFieldByField)
{
    Pair pair;
    pair.radio.SetProgramVfoRecord(0, "0,00144,00147");
    pair.radio.SetMenuSetting(23, "0");
    pair.window.SetMenuSetting(23, "1");
    const CompareDialog dialog(DescribeDifferences(pair.radio, pair.window), QString());
    EXPECT_EQ(dialog.windowTitle(), "Compare with Radio");
    EXPECT_EQ(dialog.MessageLabel()->text(), "6 records differ.");
    const std::vector<std::string> expected = {
        "Memory 000 | Frequency | 145.000 | 145.020",
        " | Name | HOME | H\u00D6ME",
        " | Lockout | (none) | *",
        "VFO A_144MHz | Frequency | 144.000 | 146.000",
        "CALL 440MHz | Frequency | 433.000 | (none)",
        " | Shift | +- | (none)",
        " | Offset or Tx | Tx Frequency : 438.000MHz | (none)",
        " | Mode | FM | (none)",
        " | Step | 20kHz | (none)",
        " | Tx Step | 20kHz | (none)",
        "DTMF 3 | Code | 12*#A | 999",
        "Program VFO 144MHz | Range | 144-147 | 144-146",
        "Menu | Battery Saver | OFF | 0.2sec",
    };
    EXPECT_EQ(Rows(dialog), expected);
    EXPECT_TRUE(dialog.WriteButton()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.TakeButton()->isVisibleTo(&dialog));
}

TEST(CompareDialog, NamesInKatakanaAndAnotherVersion)
{
    RadioImage radio = SampleImage("JJ,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetTypeCode("KJ,0F");
    window.SetMemoryRecord(0, radio.GetMemoryRecord(0).substr(0, radio.GetMemoryRecord(0).rfind(',') + 1) +
                                  "\xB1\xB2");
    const CompareDialog dialog(DescribeDifferences(radio, window), QString());
    const std::vector<std::string> rows = Rows(dialog);
    ASSERT_EQ(rows.size(), 2u) << ::testing::PrintToString(rows);
    EXPECT_EQ(rows[0], "Version |  | JJ,0F ZT-Q2 | KJ,0F ZT-Q2");
    EXPECT_EQ(rows[1], "Memory 000 | Name | HOME | \uFF71\uFF72");
    EXPECT_EQ(dialog.MessageLabel()->text(),
              "1 record differs. The radio is of another version than the window's data.");
}

TEST(CompareDialog, ChoicesAndTheVerifyMessage)
{
    Pair pair;
    const ImageDifferences differences = DescribeDifferences(pair.radio, pair.window);
    const struct
    {
        QPushButton* (CompareDialog::*button)() const;
        CompareDialog::Choice choice;
        int result;
    } cases[] = {{&CompareDialog::WriteButton, CompareDialog::Choice::WriteChanges, QDialog::Accepted},
                 {&CompareDialog::TakeButton, CompareDialog::Choice::TakeRadioValues, QDialog::Accepted},
                 {&CompareDialog::CloseButton, CompareDialog::Choice::Close, QDialog::Rejected}};
    for (const auto& c : cases) {
        CompareDialog dialog(differences, QString());
        dialog.show();
        (dialog.*c.button)()->click();
        EXPECT_EQ(dialog.Chosen(), c.choice);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }

    CompareDialog verify(differences, CompareText::VerifyFailed);
    verify.OfferActions(true, false);
    EXPECT_EQ(verify.MessageLabel()->text(), "The radio does not hold what was written.");
    EXPECT_TRUE(verify.WriteButton()->isVisibleTo(&verify));
    EXPECT_FALSE(verify.TakeButton()->isVisibleTo(&verify));

    const CompareDialog same(DescribeDifferences(pair.radio, pair.radio), QString());
    EXPECT_EQ(same.MessageLabel()->text(), "The radio holds what the window holds.");
    EXPECT_EQ(same.Table()->rowCount(), 0);
    EXPECT_FALSE(same.WriteButton()->isVisibleTo(&same));
    EXPECT_FALSE(same.TakeButton()->isVisibleTo(&same));
}

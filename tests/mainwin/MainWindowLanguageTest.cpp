// The main window in German and Japanese: the texts it puts together at the
// point of use (status panel words, Undo and Redo with their step, the
// caption of an unnamed file) follow the translation, while the radio's signs,
// codes and numbers stay as they are.
#include "mainwin/MainTestSupport.h"
#include "support/Speaking.h"
#include "ui/Language.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using tslq::test::BuiltTranslations;
using tslq::test::FocusGrid;
using tslq::test::MakeMainForm;
using tslq::test::SpeakEnglishAfter;
using tslq::test::StoreFor;

TEST(MainWindowLanguage, StatusWordsUndoStepsAndCaptionFollowTheLanguage)
{
    SpeakEnglishAfter english;
    const struct
    {
        const char* language;
        const char* offset;      // memory 000
        const char* txFrequency; // memory 001
        const char* programVfo;  // VFO row 1
        const char* dtmfName;    // DTMF 0
        const char* undo;        // the menu's pattern before the step
        const char* redoTip;     // the toolbar's
        const char* caption;
    } cases[] = {
        {"en", "Offset : 0.60MHz", "Tx Frequency : 147.520MHz", "Programmable VFO : 137-173", "Name : OFFICE",
         "&Undo ", "Redo ", "TSL-Q2/Q3 [Untitled]"},
        {"de", "Ablage : 0.60MHz", "TX-Frequenz : 147.520MHz", "Programm-VFO : 137-173", "Name : OFFICE",
         "&Rückgängig: ", "Wiederholen: ", "TSL-Q2/Q3 [Unbenannt]"},
        {"ja", "オフセット : 0.60MHz", "送信周波数 : 147.520MHz", "プログラムVFO : 137-173",
         "ネーム : OFFICE", "元に戻す(&U): ", "やり直し: ", "TSL-Q2/Q3 [無題]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(InstallTranslations(QString::fromLatin1(c.language), {BuiltTranslations()}));
        auto store = StoreFor("KK,0F", "ZT-Q3");
        auto form = MakeMainForm(*store);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption));
        // The printed listing keeps the English caption in every language.
        EXPECT_EQ(form->property(kListingCaptionProperty).toString(), "TSL-Q2/Q3 [Untitled]");
        tslq::test::EditImage(form->Doc(), [](RadioImage& image) {
            image.SetMemoryRecord(0, "000,00146520000,0,2,1,0,1,0,08,12,000,000600000,0,0,,,,REPEATER");
            image.SetMemoryRecord(1,
                                  "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147520000,0,,SPLIT");
            image.SetDtmfRecord(0, "00,5551212,OFFICE");
        });

        FocusGrid(*form, GridId::Memory, 1);
        EXPECT_EQ(form->StatusPanelText(0), QString::fromUtf8(c.offset));
        EXPECT_EQ(form->StatusPanelText(1), "- R"); // signs and codes stay
        EXPECT_EQ(form->StatusPanelText(2), "CT : 100.0Hz");
        // A screen reader hears the same words.
        auto* memory = static_cast<ChannelGrid*>(form->Grid(GridId::Memory));
        EXPECT_TRUE(memory->DescribeRow(0).startsWith(QString::fromUtf8(c.offset)));
        FocusGrid(*form, GridId::Memory, 2);
        EXPECT_EQ(form->StatusPanelText(0), QString::fromUtf8(c.txFrequency));
        FocusGrid(*form, GridId::Vfo, 1);
        EXPECT_EQ(form->StatusPanelText(3), QString::fromUtf8(c.programVfo));
        FocusGrid(*form, GridId::Dtmf, 1);
        EXPECT_EQ(form->StatusPanelText(0), QString::fromUtf8(c.dtmfName));

        // Undo and Redo name the step after the language's own pattern.
        QUndoStack& stack = form->Doc().UndoStack();
        FocusGrid(*form, GridId::Memory, 1);
        form->copyAction_->trigger();
        FocusGrid(*form, GridId::Memory, 31);
        form->pasteAction_->trigger();
        ASSERT_TRUE(stack.canUndo());
        EXPECT_EQ(form->undoAction_->text(), QString::fromUtf8(c.undo) + stack.undoText());
        stack.undo();
        EXPECT_EQ(form->RedoButton->toolTip(), QString::fromUtf8(c.redoTip) + stack.redoText());
        EXPECT_FALSE(form->undoAction_->text().contains(stack.redoText()));
        form->SetDataChanged(false);
    }
}

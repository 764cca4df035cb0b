// The editors in another language: the operator reads the translation, while
// the rules, the records and the tests' English stay as they are.
#include "document/Document.h"
#include "editors/EditorDialogSupport.h"
#include "editors/EditorWidgets.h"
#include "editors/MemoryEditor.h"
#include "rules/MenuRules.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTranslator>
#include <QUndoStack>

#include <gtest/gtest.h>

using tslq::test::MessageRecorder;

namespace {

// A language in which each text of the editors' contexts reads "<text>";
// spoken while it lives.
class BracketLanguage : public QTranslator
{
  public:
    BracketLanguage() { QCoreApplication::installTranslator(this); }
    ~BracketLanguage() override { QCoreApplication::removeTranslator(this); }
    BracketLanguage(const BracketLanguage&) = delete;
    BracketLanguage& operator=(const BracketLanguage&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QSet<QByteArray> contexts = {"ChannelEditorDialog", "ChannelPanel", "Document",
                                                  "MemoryEditor",        "MenuTexts",    "Messages"};
        if (!contexts.contains(QByteArray(context))) return {};
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
};

TEST(EditorLanguage, OperatorReadsTheTranslationRulesAndRecordsKeepTheirEnglish)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    const std::string record = "012,01240000000,8,3,0,0,0,0,08,08,000,020000000,0,0,,,,";
    tslq::test::EditImage(f.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(12, record); });
    BracketLanguage language;
    MessageRecorder messages;
    f.form->SelectRow(GridId::Memory, 13);
    MemoryEditor dialog(f.Doc(), 12, f.form.get());
    dialog.show();
    ChannelPanel& p = *dialog.Panel;

    EXPECT_EQ(dialog.windowTitle(), "<Memory Channel>");
    EXPECT_EQ(dialog.Button_Close->text(), "<&Close>");
    EXPECT_EQ(p.Label_Rx->text(), "<Rx Frequency>");
    // The special minus offset: shown translated, handed back to the rules
    // as they worded it.
    EXPECT_EQ(p.RadioButton_Special->text(), "<-20.0MHz Shift>");
    EXPECT_EQ(p.Read().specialCaption, "-20.0MHz Shift");
    PressEnter(p.Edit_Rx);
    EXPECT_EQ(p.RadioButton_Special->text(), "<-20MHz Shift>");
    EXPECT_EQ(p.Read().specialCaption, "-20MHz Shift");
    QTest::mouseClick(dialog.Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(12), record);
    EXPECT_EQ(f.Doc().UndoStack().undoText(), "<Edit 012>");

    // A refused entry: the box and the recorder see the translated message,
    // which is what the fixed text reads as while the language is spoken.
    dialog.show();
    TypeInto(p.Edit_Rx, "145..5");
    PressEnter(p.Edit_Rx);
    EXPECT_EQ(messages.LastText(), "<Invalid Frequency.\nPlease check and try again.>");
    EXPECT_EQ(messages.LastText(), QString(Msg::InvalidFrequency));
    EXPECT_EQ(QString(Msg::InvalidFrequency.English()), "Invalid Frequency.\nPlease check and try again.");
    EXPECT_EQ(Msg::PortInvalid(3), "<COM3 is invalid.\nPlease check comport status.>");

    // A menu setting's step names the setting in the language too.
    f.Doc().SetMenuSetting(MenuSetting::KeyLock, "1");
    EXPECT_EQ(f.Doc().UndoStack().undoText(), "<Menu setting <Key Lock>>");
}

} // namespace

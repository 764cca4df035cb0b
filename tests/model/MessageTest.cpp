// The core's sentences worded in English for tslq-cli and through Qt's
// translations for the window: with no translation the two are the same
// text, and a translation takes over each sentence's pattern and plural.
#include "files/FileGaps.h"
#include "link/WriteEffect.h"
#include "link/WriteTransfer.h"
#include "model/CoreMessages.h"
#include "model/RecordCheck.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>

namespace {

// A translation of a few patterns; %n stays for Qt to fill in.
class GermanPatterns : public QTranslator
{
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int n) const override
    {
        if (QByteArray(context) != MessageContext) return {};
        const std::map<QByteArray, QString> plural = {
            {"%n damaged records were not loaded: %1",
             n == 1 ? "%n beschädigter Datensatz wurde nicht geladen: %1"
                    : "%n beschädigte Datensätze wurden nicht geladen: %1"},
            {"%n channels", n == 1 ? "%n Kanal" : "%n Kanäle"},
        };
        const std::map<QByteArray, QString> plain = {
            {"%1 and %2", "%1 und %2"},
            {"changes %1", "ändert %1"},
            {"Memory %1", "Speicher %1"},
        };
        if (const auto found = plural.find(source); found != plural.end()) return found->second;
        if (const auto found = plain.find(source); found != plain.end()) return found->second;
        return {};
    }
};

} // namespace

TEST(CoreMessages, WithoutATranslationTheWindowShowsTheClisEnglish)
{
    // Every sentence with one and with many, and arguments that hold '%'.
    std::vector<Message> messages;
    for (int id = static_cast<int>(MessageId::ListPair); id <= static_cast<int>(MessageId::CsvNote); ++id)
        for (int count : {-1, 1, 3})
            messages.push_back(CountedMessage(static_cast<MessageId>(id), count,
                                              {TextMessage("A %1"), TextMessage("100%"), NumberMessage(7)}));
    // And the sentences as the core builds them.
    const std::vector<RecordSlot> chosen = {{RecordSlotKind::Memory, 5}, {RecordSlotKind::Dtmf, 3}};
    messages.push_back(NotLoadedMessage(chosen));
    messages.push_back(UnsendableNote({{chosen[0], "step is missing"}}));
    FileGaps gaps = FileGaps::Whole();
    gaps.present = {true, false, false, true, true};
    gaps.menuLines = 20;
    gaps.lastSection = FileSection::Memory;
    messages.push_back(EndsEarlyMessage(gaps));
    WriteEffect effect{3, 1, 2, {5, 6, 7, 400}, {0, 1}};
    messages.push_back(ChangesText(effect));
    messages.push_back(EmptiesText(effect));
    messages.push_back(PlaceOfSlot({RecordSlotKind::Vfo, 0}, 'K'));

    for (const Message& message : messages) {
        const std::string english = EnglishText(message);
        EXPECT_EQ(MessageText(message).toStdString(), english);
        EXPECT_EQ(english.find("%n"), std::string::npos) << english;
    }
    EXPECT_EQ(EnglishText(ChangesText(effect)), "changes 3 channels, 1 DTMF memory and 2 settings");
    EXPECT_EQ(EnglishText(EmptiesText(effect)),
              "This write empties 4 channels and 2 DTMF memories the radio holds: 005\xE2\x80\x93"
              "007, L0; DTMF 0, 1.");
    EXPECT_EQ(MessageText({}), QString());
    EXPECT_EQ(MessageLines(messages).count(u'\n'), static_cast<qsizetype>(messages.size()));
}

TEST(CoreMessages, ATranslationTakesThePatternsAndPluralsItHas)
{
    GermanPatterns german;
    QCoreApplication::installTranslator(&german);
    const std::vector<RecordSlot> three = {
        {RecordSlotKind::Memory, 5}, {RecordSlotKind::Memory, 10}, {RecordSlotKind::Dtmf, 3}};
    EXPECT_EQ(MessageText(NotLoadedMessage(three)),
              "3 beschädigte Datensätze wurden nicht geladen: memory 005, memory 010, DTMF 3");
    EXPECT_EQ(MessageText(NotLoadedMessage({three[0]})),
              "1 beschädigter Datensatz wurde nicht geladen: memory 005");
    // Pieces without a translation stay English.
    EXPECT_EQ(MessageText(ChangesText(WriteEffect{1, 2, 0, {}, {}})), "ändert 1 Kanal und 2 DTMF memories");
    EXPECT_EQ(MessageText(PlaceOfSlot({RecordSlotKind::Memory, 400}, 'K')), "Speicher L0");
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(MessageText(NotLoadedMessage({three[0]})), "1 damaged record was not loaded: memory 005");
}

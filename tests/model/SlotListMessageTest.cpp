// The sentences of data file losses and channel lists: without a translation
// the window words them as tslq-cli does, and a list of slots stays flat
// however long it is.
#include "model/CoreMessages.h"
#include "model/RecordCheck.h"

#include <gtest/gtest.h>

TEST(CoreMessages, SlotNamesAndChannelListLinesReadAsTheClisEnglish)
{
    std::vector<Message> messages;
    for (int id = static_cast<int>(MessageId::NameList);
         MessagePattern(static_cast<MessageId>(id)) == nullptr ||
         *MessagePattern(static_cast<MessageId>(id)) != '\0';
         ++id)
        for (int count : {-1, 1, 3})
            messages.push_back(CountedMessage(
                static_cast<MessageId>(id), count,
                {TextMessage("A %1"), TextMessage("100%"), NumberMessage(7), TextMessage("%n")}));
    ASSERT_GT(messages.size(), 150u);
    for (const Message& message : messages) {
        const std::string english = EnglishText(message);
        EXPECT_EQ(MessageText(message).toStdString(), english);
        EXPECT_FALSE(english.empty());
    }
}

TEST(CoreMessages, SlotListsOfEveryKindAndLength)
{
    const std::vector<RecordSlot> kinds = {{RecordSlotKind::Memory, 400},   {RecordSlotKind::Vfo, 1},
                                           {RecordSlotKind::Call, 2},       {RecordSlotKind::Dtmf, 3},
                                           {RecordSlotKind::ProgramVfo, 0}, {RecordSlotKind::Menu, 21}};
    EXPECT_EQ(RecordSlotList(kinds), "memory L0, VFO 1, CALL 2, DTMF 3, program VFO 0, menu setting 21");
    EXPECT_EQ(RecordSlotTitle({RecordSlotKind::ProgramVfo, 0}, 'K'), "program VFO A_144MHz");
    EXPECT_EQ(MessageText(RecordSlotTitleMessage({RecordSlotKind::ProgramVfo, 0}, 'K')),
              "program VFO A_144MHz");
    EXPECT_EQ(EnglishText(NotLoadedMessage({kinds[0]})), "1 damaged record was not loaded: memory L0");
    // A file of nothing but damaged lines: one flat list, worded without
    // running out of stack.
    const std::vector<RecordSlot> many(50000, RecordSlot{RecordSlotKind::Menu, 5});
    const Message note = NotLoadedMessage(many);
    EXPECT_EQ(EnglishText(note).size(), std::string("50000 damaged records were not loaded: ").size() +
                                            50000 * std::string("menu setting 5").size() + 49999 * 2);
    EXPECT_EQ(MessageText(note).size(), static_cast<qsizetype>(EnglishText(note).size()));
}

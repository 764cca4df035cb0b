// The core's sentences in the program's German and Japanese: every pattern
// is translated with the places and the count of the English, and the
// pieces read as one sentence when put together.
#include "files/Csv.h"
#include "files/FileGaps.h"
#include "link/WriteTransfer.h"
#include "model/CoreMessages.h"
#include "model/RecordCheck.h"
#include "support/Speaking.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <gtest/gtest.h>

using tslq::test::BuiltTranslations;
using tslq::test::SpeakEnglishAfter;

namespace {

QSet<QString> Places(const QString& text)
{
    QSet<QString> places;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
        places.insert(match.captured());
    return places;
}

} // namespace

TEST(CoreMessagesLanguage, EveryPatternTranslatedWithItsPlaces)
{
    for (const char* language : {"de", "ja"}) {
        QTranslator translator;
        ASSERT_TRUE(
            translator.load(QStringLiteral("tslq_%1").arg(QLatin1String(language)), BuiltTranslations()));
        int patterns = 0;
        for (int id = static_cast<int>(MessageId::ListPair);; ++id) {
            const char* source = MessagePattern(static_cast<MessageId>(id));
            if (!source) continue;
            if (*source == '\0') break;
            ++patterns;
            const QSet<QString> places = Places(QString::fromUtf8(source));
            for (int count : {1, 2, 5}) {
                const QString translated = translator.translate(
                    MessageContext, source, nullptr, places.contains(QStringLiteral("%n")) ? count : -1);
                EXPECT_FALSE(translated.isEmpty()) << language << ": " << source;
                EXPECT_EQ(Places(translated), places)
                    << language << ": " << source << " -> " << translated.toStdString();
            }
        }
        EXPECT_GT(patterns, 100) << language;
    }
}

TEST(CoreMessagesLanguage, PiecesReadAsOneSentence)
{
    SpeakEnglishAfter english;
    const std::vector<RecordSlot> three = {
        {RecordSlotKind::Memory, 5}, {RecordSlotKind::Memory, 10}, {RecordSlotKind::Dtmf, 3}};
    FileGaps gaps = FileGaps::Whole();
    gaps.present = {true, false, false, true, true};
    gaps.menuLines = 0;
    gaps.lastSection = FileSection::Memory;
    CsvImportPlan plan;
    plan.imported = 1;
    CsvRow row;
    row.line = 7;
    row.slot = 5;
    row.changes = {
        MessageOf(MessageId::CsvFrequencyMoved, {TextMessage("146.5212 MHz"), TextMessage("146.520 MHz")})};
    plan.rows = {row};
    plan.replaced = 1;

    const struct
    {
        const char* language;
        const char* notLoaded;
        const char* endsEarly;
        const char* report;
        const char* unsendable; // the slots and why, after the sentence's colon
        const char* garbled;
    } cases[] = {
        {"de", "3 beschädigte Datensätze wurden nicht geladen: Speicher 005, Speicher 010, DTMF 3",
         "Diese Datei endet vorzeitig: VFO, CALL und die Menüeinstellungen sind nicht darin, und "
         "Speicherkanäle können fehlen; was fehlt, enthält leere Werte oder Vorgaben.",
         "1 Zeile(n) importiert, davon 0 angepasst; 0 Zeile(n) übersprungen.\n"
         "1 belegter Kanal ersetzt; Kanäle, die nicht in der Liste stehen, bleiben, wie sie sind.\n"
         "Zeile 7 (Kanal 005): Frequenz 146.5212 MHz auf 146.520 MHz verschoben.\n",
         ": Speicher 005 (Name ist länger als 8 Zeichen), DTMF 3 (Code ist länger als 16)",
         "„MR 0,005“ (Speicher 005) war zweimal verstümmelt: die Antwort wiederholt ihren Befehl nicht."},
        {"ja", "壊れたレコード3件を読み込みませんでした: メモリー005, メモリー010, DTMF 3",
         "このファイルは途中で終わっています: VFO、CALLとメニュー設定が含まれていません。また、"
         "メモリーチャンネルが欠けている可能性があります。欠けている部分は空または初期値になります。",
         "1行を取り込み (うち0行を調整)、0行をスキップしました。\n"
         "使用中のチャンネル1個を置き換えました。リストにないチャンネルはそのままです。\n"
         "7行目 (チャンネル005): 周波数146.5212 MHzを146.520 MHzに移動しました。\n",
         ": メモリー005 (ネームが8文字より長い), DTMF 3 (コードが16文字より長い)",
         "「MR 0,005」(メモリー005)に対する無線機の応答が2回とも壊れていました: "
         "応答がコマンドを繰り返していない。"},
    };
    // Why a record cannot be sent, or a reply was garbled: the checks' own
    // words, in English for tslq-cli and translated in the window.
    const Message unsendable =
        UnsendableNote({{{RecordSlotKind::Memory, 5}, "name is longer than 8 characters"},
                        {{RecordSlotKind::Dtmf, 3}, "code is longer than 16"}});
    const Message garbled = MessageOf(
        MessageId::GarbledTwice, {RecordSlotMessage({RecordSlotKind::Memory, 5}), TextMessage("MR 0,005"),
                                  ReasonMessage("the reply does not echo its command")});
    EXPECT_TRUE(
        EnglishText(unsendable)
            .ends_with(": memory 005 (name is longer than 8 characters), DTMF 3 (code is longer than 16)"));
    EXPECT_TRUE(EnglishText(garbled).ends_with("(\"MR 0,005\": the reply does not echo its command)."));
    for (const auto& c : cases) {
        ASSERT_TRUE(InstallTranslations(QString::fromLatin1(c.language), {BuiltTranslations()}));
        EXPECT_TRUE(MessageText(unsendable).endsWith(QString::fromUtf8(c.unsendable)))
            << MessageText(unsendable).toStdString();
        EXPECT_TRUE(MessageText(garbled).contains(QString::fromUtf8(c.garbled)))
            << MessageText(garbled).toStdString();
        EXPECT_EQ(MessageText(NotLoadedMessage(three)), QString::fromUtf8(c.notLoaded));
        EXPECT_EQ(MessageText(EndsEarlyMessage(gaps)), QString::fromUtf8(c.endsEarly));
        EXPECT_EQ(MessageLines(CsvImportReport(plan)), QString::fromUtf8(c.report));
        // A count given to a sentence without plurals changes nothing.
        EXPECT_EQ(MessageText(CountedMessage(MessageId::SlotMemory, 2, {TextMessage("005")})),
                  MessageText(MessageOf(MessageId::SlotMemory, {TextMessage("005")})));
        EXPECT_NE(MessageText(MessageOf(MessageId::SlotMemory, {TextMessage("005")})), "memory 005");
    }
}

// The channel table's fixed words in the program's language.
#include "channels/ChannelTexts.h"

#include <QCoreApplication>

namespace {

QString Translated(std::string_view english)
{
    // The core's texts are literals: their data ends in a zero byte.
    return english.empty() ? QString() : QCoreApplication::translate(ChannelColumnsContext, english.data());
}

} // namespace

QString ChannelColumnTitleText(ChannelColumn column)
{
    return Translated(ChannelColumnTitle(column));
}

QString ChannelValueText(std::string_view value)
{
    for (const std::string_view word : {SimplexText, SplitText, NoToneText, ToneWordText}) {
        if (value == word) return Translated(word);
    }
    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

QString CellRefusalWords(CellRefusal refusal)
{
    return Translated(CellRefusalText(refusal));
}

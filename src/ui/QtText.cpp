// QString wrappers over the market text tables.
#include "ui/QtText.h"

#include "model/TextCodec.h"

QString MarketToQString(std::string_view bytes, char market)
{
    return QString::fromStdU16String(MarketToUtf16(bytes, market));
}

std::optional<std::string> QStringToMarket(const QString& text, char market)
{
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    return Utf16ToMarket(units, market);
}

bool IsMarketText(const QString& text, char market)
{
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    return FirstUnencodable(units, market) == std::u16string_view::npos;
}

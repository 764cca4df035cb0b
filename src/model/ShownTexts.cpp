// The core's names and captions in the program's language.
#include "model/ShownTexts.h"

#include "model/FieldTexts.h"
#include "model/MenuTexts.h"

#include <QCoreApplication>

QString ShownMenuSettingName(int setting, char market)
{
    // The names are literals, so each ends in a NUL as translate() expects.
    const std::string_view label = MenuSettingLabel(setting, market);
    return label.empty() ? QString() : QCoreApplication::translate(MenuTextsContext, label.data());
}

QString ShownStatusText(const QString& text)
{
    for (const char* caption : StatusCaptions) {
        const QLatin1String english(caption);
        if (text.startsWith(english))
            return QCoreApplication::translate(FieldTextsContext, caption) + text.mid(english.size());
    }
    return text;
}

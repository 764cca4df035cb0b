// Wording the core's sentences through Qt's translations.
#include "model/CoreMessages.h"

#include <QCoreApplication>

#include <cstring>

QString MessageText(const Message& message)
{
    if (message.id == MessageId::None) return {};
    if (message.id == MessageId::Text) return QString::fromStdString(message.text);
    if (message.id == MessageId::Reason)
        return QCoreApplication::translate(ReasonContext, message.text.c_str());
    if (message.id == MessageId::NameList) {
        QString text;
        for (std::size_t i = 0; i < message.args.size(); ++i)
            text += (i > 0 ? QStringLiteral(", ") : QString()) + MessageText(message.args[i]);
        return text;
    }
    const char* source = MessagePattern(message.id);
    // Untranslated, the source comes back as it is: then the English, with
    // its own singular.
    const QString lookedUp = QCoreApplication::translate(MessageContext, source, nullptr, -1);
    QString pattern;
    if (lookedUp == QString::fromUtf8(source)) {
        const char* singular = EnglishSingular(message.id);
        pattern = QString::fromUtf8(message.count == 1 && singular ? singular : source);
    } else {
        // Only a sentence with a count has plural forms: asked with a count,
        // the translation of any other has none to give and reads English.
        const int count = std::strstr(source, "%n") ? message.count : -1;
        pattern = QCoreApplication::translate(MessageContext, source, nullptr, count);
    }
    // One pass, so that an argument's own '%' is never taken for a place.
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        if (pattern[i] == u'%' && next == u'n') {
            text += QString::number(message.count);
            ++i;
        } else if (pattern[i] == u'%' && next >= u'1' && next <= u'9') {
            const auto index = static_cast<std::size_t>(next.unicode() - u'1');
            if (index < message.args.size()) text += MessageText(message.args[index]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

QString MessageLines(const std::vector<Message>& lines)
{
    QString text;
    for (const Message& line : lines)
        text += MessageText(line) + QLatin1Char('\n');
    return text;
}

// The core's sentences (model/Message.h) in the program's language: each
// sentence's pattern through the translations loaded (context
// "CoreMessages", with %n plurals), its arguments worded the same way. A
// pattern without a translation reads in English, so with no translation
// loaded the text is EnglishText's, character for character.
#pragma once

#include "model/Message.h"

#include <QString>

QString MessageText(const Message& message);
// Each message on a line of its own, every line ending in "\n".
QString MessageLines(const std::vector<Message>& lines);

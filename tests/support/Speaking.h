// The program's translations in a test: the .qm files the build puts beside
// tslq, and a language spoken for a scope with English again afterwards, so
// that no test leaves another speaking German or Japanese.
#pragma once

#include "ui/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>

namespace tslq::test {

// The folder of the built translations (TSLQ_PROGRAM is tslq's path, given
// to every test program).
inline QString BuiltTranslations()
{
    return QFileInfo(QStringLiteral(TSLQ_PROGRAM)).dir().filePath(QStringLiteral("translations"));
}

// Installs the built translations of a language ("de", "ja", "en").
inline bool Speak(const char* language)
{
    return InstallTranslations(QString::fromLatin1(language), {BuiltTranslations()});
}

// English again when it goes out of scope, whatever the test installed.
struct SpeakEnglishAfter
{
    SpeakEnglishAfter() = default;
    SpeakEnglishAfter(const SpeakEnglishAfter&) = delete;
    SpeakEnglishAfter& operator=(const SpeakEnglishAfter&) = delete;
    ~SpeakEnglishAfter() { InstallTranslations(QStringLiteral("en")); }
};

// Speaks a language for its scope.
struct Speaking : SpeakEnglishAfter
{
    explicit Speaking(const char* language) { EXPECT_TRUE(Speak(language)) << language; }
};

} // namespace tslq::test

// Helpers for the editor dialog tests: a real main window for a radio
// version, typing into boxes, and characters sent as key events.
#pragma once

#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <ostream>
#include <string>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main window for the version on its own profile store.
struct EditorFixture
{
    EditorFixture(const std::string& type, const std::string& model)
        : store(tslq::test::StoreFor(type, model)), form(tslq::test::MakeMainForm(*store))
    {
    }
    const RadioImage& Image() const { return form->Image(); }
    Document& Doc() { return form->Doc(); }

    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<MainWindow> form;
};

// Empties the box with Backspace, then types the text key by key.
inline void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// One typed character, also one outside Latin-1 (as an input method sends it).
inline void TypeChar(QWidget* widget, QChar ch)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
}

inline void PressEnter(QWidget* widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}

// Helpers for tests that run on a real main window: an isolated profile
// store, no splash, a scripted setup dialog, and a message presenter that
// records every message and answers from a script instead of blocking.
#pragma once

#include "editors/SetupDialog.h"
#include "mainwin/MainWindow.h"
#include "model/Profile.h"
#include "support/MessageRecorder.h"
#include "ui/Accessibility.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tslq::test {

// Changes the document's image outside its undo history, as a load does: the
// file name, comment and data changed state stay as they are.
inline void EditImage(Document& document, const std::function<void(RadioImage&)>& change)
{
    RadioImage image = document.Image();
    change(image);
    document.Replace(std::move(image), document.FileName(), document.Comment(), document.DataChanged());
}

// Sets the comment as a load does (no undo step).
inline void LoadComment(Document& document, const QString& comment)
{
    document.Replace(document.Image(), document.FileName(), comment, document.DataChanged());
}

// A profile store holding a radio version, so that no setup dialog appears.
inline std::unique_ptr<MemoryConfigStore> StoreFor(const std::string& type, const std::string& model)
{
    auto store = std::make_unique<MemoryConfigStore>();
    store->Write("Type", type);
    store->Write("Model", model);
    return store;
}

// A main window on the given store, without splash; a setup dialog, should
// the store lack a radio version, picks the given choice (0..3) instead of
// waiting for the operator.
inline std::unique_ptr<MainWindow> MakeMainForm(ConfigStore& store, int setupChoice = 0,
                                                int* setupShown = nullptr)
{
    InstallAccessibleInterfaces(); // as the program does at its start
    MainWindow::Options options;
    options.store = &store;
    options.showSplash = false;
    options.workingDirectory = QStringLiteral("/tmp");
    options.helpFolder = QStringLiteral(TSLQ_TEST_DATA_DIR "/../../help");
    options.showSetup = [setupChoice, setupShown](SetupDialog& form) {
        if (setupShown) ++*setupShown;
        QRadioButton* buttons[] = {form.usaButton_, form.europeButton_, form.japanButton_,
                                   form.generalButton_};
        if (setupChoice >= 0 && setupChoice < 4) buttons[setupChoice]->setChecked(true);
    };
    return std::make_unique<MainWindow>(options);
}

// Gives a grid the keyboard focus and makes a row current, as a click would;
// shows and activates the window first when it is not shown yet.
inline void FocusGrid(MainWindow& form, GridId id, int row)
{
    if (!form.isVisible()) {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    form.Grid(id)->setFocus(Qt::MouseFocusReason);
    form.SelectRow(id, row);
    QApplication::processEvents();
}

} // namespace tslq::test

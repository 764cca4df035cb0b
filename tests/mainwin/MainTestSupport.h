// Helpers for tests that run on a real main window: an isolated profile
// store, no splash, a scripted setup dialog, and a message presenter that
// records every message and answers from a script instead of blocking.
#pragma once

#include "editors/Setup.h"
#include "mainwin/Main.h"
#include "mainwin/Messages.h"
#include "model/Profile.h"

#include <QRadioButton>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tslq::test {

// Records the messages shown while it lives and answers them in order from
// the scripted buttons; once the script is used up it answers Cancel for a
// prompt with Cancel, No for a Yes/No question and OK otherwise.
class MessageRecorder
{
  public:
    struct Shown
    {
        MessageKind kind;
        QString text;
    };

    explicit MessageRecorder(std::deque<MessageButton> answers = {}) : answers_(std::move(answers))
    {
        previous_ = SetMessagePresenter([this](MessageKind kind, const QString& text) {
            shown_.push_back({kind, text});
            if (!answers_.empty()) {
                const MessageButton answer = answers_.front();
                answers_.pop_front();
                return answer;
            }
            switch (kind) {
            case MessageKind::SaveChanges:
                return MessageButton::Cancel;
            case MessageKind::Question:
                return MessageButton::No;
            default:
                return MessageButton::Ok;
            }
        });
    }
    ~MessageRecorder() { SetMessagePresenter(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Answer(MessageButton button) { answers_.push_back(button); }
    const std::vector<Shown>& Messages() const { return shown_; }
    int Count() const { return static_cast<int>(shown_.size()); }
    QString LastText() const { return shown_.empty() ? QString() : shown_.back().text; }

  private:
    std::deque<MessageButton> answers_;
    std::vector<Shown> shown_;
    MessagePresenter previous_;
};

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
inline std::unique_ptr<TMainForm> MakeMainForm(ConfigStore& store, int setupChoice = 0,
                                               int* setupShown = nullptr)
{
    TMainForm::Options options;
    options.store = &store;
    options.showSplash = false;
    options.workingDirectory = QStringLiteral("/tmp");
    options.helpFolder = QStringLiteral(TSLQ_TEST_DATA_DIR "/../../help");
    options.showSetup = [setupChoice, setupShown](TSetupForm& form) {
        if (setupShown) ++*setupShown;
        QRadioButton* buttons[] = {form.RadioButton1, form.RadioButton2, form.RadioButton3,
                                   form.RadioButton4};
        if (setupChoice >= 0 && setupChoice < 4) buttons[setupChoice]->setChecked(true);
    };
    return std::make_unique<TMainForm>(options);
}

} // namespace tslq::test

// A message presenter for tests: records every message box instead of
// showing it, and answers from a script, so that no test ever blocks on one.
#pragma once

#include "ui/Messages.h"

#include <QString>

#include <deque>
#include <utility>
#include <vector>

namespace tslq::test {

// Records the messages shown while it lives and answers them in order from
// the scripted buttons; once the script is used up it answers Cancel for a
// prompt with Cancel, No for a Yes/No question (and the write confirmation)
// and OK otherwise.
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
            case MessageKind::WriteQuestion:
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

} // namespace tslq::test

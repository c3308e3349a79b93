// Message boxes and yes/no questions, as the engine and the producers see them.
// The window program installs real dialogs, orvane-cli prints to stderr and
// answers from a flag, the tests install a recorder.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

using MessageHandler = std::function<void(const std::string& gbkText)>;
using QuestionHandler = std::function<bool(const std::string& gbkText)>;

// A modal box with one OK button.
void show_message(const std::string& gbkText);
// A modal yes/no box; true for yes.
bool ask_yes_no(const std::string& gbkText);

// Installs new handlers and returns the previous ones.
MessageHandler set_message_handler(MessageHandler handler);
QuestionHandler set_question_handler(QuestionHandler handler);

// Records every message and question while it lives and answers questions
// from a queue (no when the queue is empty).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answer_next(bool yes) { answers_.push_back(yes); }

    std::vector<std::string> messages;
    std::vector<std::string> questions;

private:
    std::deque<bool> answers_;
    MessageHandler previousMessage_;
    QuestionHandler previousQuestion_;
};

}  // namespace platform

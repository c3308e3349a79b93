#include "platform/message.h"

#include <cstdio>

#include "platform/encoding.h"

namespace platform {
namespace {

void print_to_stderr(const std::string& gbkText) {
    std::fprintf(stderr, "%s\n", gbk_to_utf8_lossy(gbkText).c_str());
}

MessageHandler& message_handler() {
    static MessageHandler handler = print_to_stderr;
    return handler;
}

QuestionHandler& question_handler() {
    static QuestionHandler handler = [](const std::string& gbkText) {
        print_to_stderr(gbkText);
        return false;
    };
    return handler;
}

}  // namespace

void show_message(const std::string& gbkText) { message_handler()(gbkText); }

bool ask_yes_no(const std::string& gbkText) { return question_handler()(gbkText); }

MessageHandler set_message_handler(MessageHandler handler) {
    MessageHandler previous = std::move(message_handler());
    message_handler() = std::move(handler);
    return previous;
}

QuestionHandler set_question_handler(QuestionHandler handler) {
    QuestionHandler previous = std::move(question_handler());
    question_handler() = std::move(handler);
    return previous;
}

MessageRecorder::MessageRecorder() {
    previousMessage_ = set_message_handler([this](const std::string& text) { messages.push_back(text); });
    previousQuestion_ = set_question_handler([this](const std::string& text) {
        questions.push_back(text);
        if (answers_.empty()) return false;
        bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    });
}

MessageRecorder::~MessageRecorder() {
    set_message_handler(std::move(previousMessage_));
    set_question_handler(std::move(previousQuestion_));
}

}  // namespace platform

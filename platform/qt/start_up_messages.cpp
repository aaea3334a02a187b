#include "platform/qt/start_up_messages.h"

#include <unistd.h>

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/process.h"

namespace kolvar {

struct StartUpMessages::Held {
    struct Message {
        QtMsgType type;
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString text;
    };
    std::string program;
    std::vector<Message> messages;
    QtMessageHandler previous = nullptr;
};

namespace {

constexpr const char* kNoDisplay =
    "no display to show the window on (set DISPLAY or WAYLAND_DISPLAY)";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool PlatformChosen(int argc, char** argv) {
    if (!Variable("QT_QPA_PLATFORM").empty()) {
        return true;
    }
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

std::string UnreachableDisplayProblem() {
    std::string names = Variable("WAYLAND_DISPLAY");
    if (const std::string x11 = Variable("DISPLAY"); !x11.empty()) {
        names += (names.empty() ? "" : " or ") + x11;
    }
    return names.empty() ? kNoDisplay
                         : "cannot reach the display " + names + " to show the window on";
}

StartUpMessages::Held*& TheHolder() {
    static StartUpMessages::Held* holder = nullptr;
    return holder;
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartUpMessages::Held* holder = TheHolder();
    if (type == QtFatalMsg) {
        WriteErrorLine(holder->program, UnreachableDisplayProblem());
        _exit(1);
    }
    holder->messages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

std::string NoDisplayProblem(int argc, char** argv) {
    const bool named = !Variable("DISPLAY").empty() || !Variable("WAYLAND_DISPLAY").empty();
    return named || PlatformChosen(argc, argv) ? std::string() : kNoDisplay;
}

StartUpMessages::StartUpMessages(std::string program)
    : held_(std::make_unique<Held>(Held{std::move(program), {}, nullptr})) {
    TheHolder() = held_.get();
    held_->previous = qInstallMessageHandler(Hold);
}

StartUpMessages::~StartUpMessages() {
    qInstallMessageHandler(held_->previous);
    TheHolder() = nullptr;
    for (const Held::Message& message : held_->messages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace kolvar

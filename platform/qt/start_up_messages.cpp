#include "platform/qt/start_up_messages.h"

#include <unistd.h>

#include <QLoggingCategory>
#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/backend.h"

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
    QLoggingCategory::CategoryFilter previousFilter = nullptr;
    // Whether the library loader's debug messages were wanted before we asked for them.
    bool libraryDebugWanted = false;
    // What Qt said last about a platform plugin, and why a library would not load.
    std::string pluginProblem;
    std::string libraryProblem;
    bool connectionRefused = false;
};

namespace {

constexpr const char* kNoDisplay =
    "no display to show the window on (set DISPLAY or WAYLAND_DISPLAY)";
// Qt says why a plugin's library would not load only in this category's debug messages.
constexpr const char* kLibraryCategory = "qt.core.library";
constexpr const char* kPluginCategory = "qt.qpa.plugin";

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

bool InCategory(const QMessageLogContext& context, const char* category) {
    return context.category != nullptr && std::strcmp(context.category, category) == 0;
}

// The X and Wayland plugins' words for a display server that is not there or turned them away.
bool SaysConnectionRefused(const QString& text) {
    return text.startsWith("could not connect to display") ||
           text.startsWith("Failed to create wl_display");
}

// "\"/path/libqxcb.so\" cannot load: Cannot load library ...: (why)" keeps the part from
// "Cannot load library" on.
std::string LibraryProblem(const QString& text) {
    const qsizetype at = text.indexOf("Cannot load library");
    return at >= 0 ? text.mid(at).toStdString() : std::string();
}

// A refused connection is the display's fault, and said as such; anything else in Qt's words:
// the plugin it could not find or load and, where it said so, why.
std::string StartFailure(const StartUpMessages::Held& held, const QString& fatal) {
    if (held.connectionRefused) {
        return UnreachableDisplayProblem();
    }
    std::string problem =
        !held.pluginProblem.empty() ? held.pluginProblem : fatal.section('\n', 0, 0).toStdString();
    if (!held.libraryProblem.empty()) {
        if (problem.ends_with('.')) {
            problem.pop_back();
        }
        problem += ": " + held.libraryProblem;
    }
    return "cannot show the window: " + problem;
}

// Notes what tells the cause of a failure; true when the message is ours alone to read.
bool NoteCause(StartUpMessages::Held& held, const QMessageLogContext& context,
               const QString& text) {
    held.connectionRefused = held.connectionRefused || SaysConnectionRefused(text);
    if (InCategory(context, kPluginCategory)) {
        held.pluginProblem = text.toStdString();
    }
    if (!InCategory(context, kLibraryCategory)) {
        return false;
    }
    if (std::string problem = LibraryProblem(text); !problem.empty()) {
        held.libraryProblem = std::move(problem);
    }
    return !held.libraryDebugWanted;
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartUpMessages::Held& held = *TheHolder();
    if (type == QtFatalMsg) {
        WriteErrorLine(held.program, StartFailure(held, text));
        _exit(1);
    }
    if (!NoteCause(held, context, text)) {
        held.messages.push_back(
            {type, context.file, context.line, context.function, context.category, text});
    }
}

void HearLibraryLoading(QLoggingCategory* category) {
    StartUpMessages::Held& held = *TheHolder();
    // Unset while the filter is being installed: then each category keeps what it had.
    if (held.previousFilter != nullptr) {
        held.previousFilter(category);
    }
    if (std::strcmp(category->categoryName(), kLibraryCategory) == 0) {
        held.libraryDebugWanted = category->isDebugEnabled();
        category->setEnabled(QtDebugMsg, true);
    }
}

}  // namespace

std::string NoDisplayProblem(int argc, char** argv) {
    const bool named = !Variable("DISPLAY").empty() || !Variable("WAYLAND_DISPLAY").empty();
    return named || PlatformChosen(argc, argv) ? std::string() : kNoDisplay;
}

StartUpMessages::StartUpMessages(std::string program) : held_(std::make_unique<Held>()) {
    held_->program = std::move(program);
    TheHolder() = held_.get();
    held_->previous = qInstallMessageHandler(Hold);
    held_->previousFilter = QLoggingCategory::installFilter(HearLibraryLoading);
}

StartUpMessages::~StartUpMessages() {
    QLoggingCategory::installFilter(held_->previousFilter);
    qInstallMessageHandler(held_->previous);
    TheHolder() = nullptr;
    for (const Held::Message& message : held_->messages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace kolvar

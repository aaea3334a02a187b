#include "tests/support/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <thread>

extern char** environ;

namespace kolvar::test {
namespace {

bool Names(const std::string& entry, const std::string& name) {
    return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 &&
           entry[name.size()] == '=';
}

std::vector<std::string> Environment(const std::vector<ChildProcess::Variable>& variables) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (std::none_of(variables.begin(), variables.end(),
                         [&text](const auto& variable) { return Names(text, variable.first); })) {
            environment.push_back(text);
        }
    }
    for (const auto& [name, value] : variables) {
        if (value) {
            environment.push_back(name + '=' + *value);
        }
    }
    return environment;
}

// The argv or envp of posix_spawn: pointers into the strings, ended by null.
std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::vector<Variable>& variables) {
    std::array<int, 2> pipe{};
    if (command.empty() || pipe2(pipe.data(), O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments = command;
    std::vector<std::string> environment = Environment(variables);
    if (posix_spawnp(&pid_, arguments[0].c_str(), &actions, nullptr, Pointers(arguments).data(),
                     Pointers(environment).data()) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    errorPipe_ = pipe[0];
    fcntl(errorPipe_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (errorPipe_ >= 0) {
        close(errorPipe_);
    }
}

void ChildProcess::Signal(int signal) const {
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

// The pipe is read while waiting, so that a program with much to say is never stuck on it.
std::optional<ChildProcess::Ending> ChildProcess::Wait(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int status = 0;
    while (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0) {
        ReadErrors();
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (pid_ <= 0) {
        return std::nullopt;
    }
    pid_ = -1;
    ReadErrors();
    return WIFEXITED(status) ? Ending{true, WEXITSTATUS(status)} : Ending{false, WTERMSIG(status)};
}

const std::string& ChildProcess::Errors() {
    ReadErrors();
    return errors_;
}

void ChildProcess::ReadErrors() {
    std::array<char, 4096> buffer{};
    for (ssize_t length = 0;
         errorPipe_ >= 0 && (length = read(errorPipe_, buffer.data(), buffer.size())) > 0;) {
        errors_.append(buffer.data(), static_cast<std::size_t>(length));
    }
}

void PrintTo(const ChildProcess::Ending& ending, std::ostream* out) {
    *out << (ending.exited ? "exit status " : "signal ") << ending.status;
}

}  // namespace kolvar::test

#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kolvar::test {

// A program started by a test, in the test's environment with some variables changed, its
// standard error kept. One still running when the object dies is killed.
class ChildProcess {
public:
    // A variable without a value is removed.
    using Variable = std::pair<std::string, std::optional<std::string>>;

    // How the program ended: an exit status, or the signal that ended it.
    struct Ending {
        bool exited = false;
        int status = 0;
        friend bool operator==(const Ending&, const Ending&) = default;
    };

    // The program is looked up on PATH unless the name has a slash.
    ChildProcess(const std::vector<std::string>& command, const std::vector<Variable>& variables);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    void Signal(int signal) const;

    // Nothing if the program has not ended within the patience.
    std::optional<Ending> Wait(std::chrono::milliseconds patience);

    // What it wrote to standard error until now.
    const std::string& Errors();

private:
    void ReadErrors();

    pid_t pid_ = -1;
    int errorPipe_ = -1;
    std::string errors_;
};

void PrintTo(const ChildProcess::Ending& ending, std::ostream* out);

}  // namespace kolvar::test

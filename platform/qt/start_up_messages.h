#pragma once

// Inside the platform only: what is said when Qt cannot start.

#include <memory>
#include <string>
#include <string_view>

namespace kolvar {

// Why no window could be shown, said before the toolkit starts: a line for standard error when
// no display is named and no window platform is chosen (QT_QPA_PLATFORM or -platform), else
// empty.
std::string NoDisplayProblem(int argc, char** argv);

// While the toolkit starts, its messages are held back. A fatal one becomes one line of our own
// on standard error and exit status 1, rather than the toolkit's advice to reinstall and an
// abort: a display that is named but refused the connection is named as unreachable; any other
// failure is said in the toolkit's words, such as the platform plugin it could not find, or could
// not load and why. Without a failure, the held messages are passed on at the end.
class StartUpMessages {
public:
    explicit StartUpMessages(std::string program);
    StartUpMessages(const StartUpMessages&) = delete;
    StartUpMessages& operator=(const StartUpMessages&) = delete;
    ~StartUpMessages();

    struct Held;

private:
    std::unique_ptr<Held> held_;
};

}  // namespace kolvar

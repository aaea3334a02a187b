#include "platform/posix/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include "platform/backend.h"

namespace kolvar {
namespace {

constexpr std::array kTerminationSignals{SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalExitBase = 128;

// Shared with the handler, which may only touch these.
volatile std::sig_atomic_t receivedSignal = 0;
volatile std::sig_atomic_t signalWriteEnd = -1;

// The program ends normally, so that the settings are saved: the handler only wakes the event
// loop through a pipe. A second signal means the normal end is not coming.
extern "C" void OnTerminationSignal(int signal) {
    if (receivedSignal != 0) {
        _exit(kSignalExitBase + signal);
    }
    receivedSignal = signal;
    const int savedErrno = errno;
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = write(signalWriteEnd, &wake, 1);
    errno = savedErrno;
}

}  // namespace

struct TerminationSignals::State {
    std::function<void(int)> onSignal;
    std::array<int, 2> pipe{-1, -1};
    std::array<struct sigaction, kTerminationSignals.size()> previous{};
    std::unique_ptr<DescriptorWatch> watch;

    void Drain() const {
        char buffer[16];
        while (read(pipe[0], buffer, sizeof buffer) > 0) {
        }
    }
};

TerminationSignals::TerminationSignals(std::function<void(int signal)> onSignal)
    : state_(std::make_unique<State>()) {
    state_->onSignal = std::move(onSignal);
    if (pipe2(state_->pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        state_->pipe = {-1, -1};
        return;
    }
    receivedSignal = 0;
    signalWriteEnd = state_->pipe[1];
    state_->watch = WatchReadable(state_->pipe[0], [state = state_.get()] {
        state->Drain();
        if (state->onSignal) {
            state->onSignal(static_cast<int>(receivedSignal));
        }
    });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < kTerminationSignals.size(); ++index) {
        sigaction(kTerminationSignals[index], &action, &state_->previous[index]);
    }
}

TerminationSignals::~TerminationSignals() {
    if (state_->pipe[0] < 0) {
        return;
    }
    for (std::size_t index = 0; index < kTerminationSignals.size(); ++index) {
        sigaction(kTerminationSignals[index], &state_->previous[index], nullptr);
    }
    state_->watch.reset();
    signalWriteEnd = -1;
    close(state_->pipe[0]);
    close(state_->pipe[1]);
}

}  // namespace kolvar

#pragma once

// Inside the platform only: SIGTERM, SIGINT and SIGHUP end the program the normal way, for a
// backend of a POSIX desktop, whose event loop watches a descriptor (WatchReadable, backend.h).

#include <functional>
#include <memory>

namespace kolvar {

// While it lives, the first of these signals calls onSignal from the event loop, where
// anything may be done; a second one before the program has ended ends the process at once
// with status 128 + signal. Only one may exist at a time.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kolvar

#pragma once

// Inside the platform only: SIGTERM, SIGINT and SIGHUP end the program the normal way.

#include <functional>
#include <memory>

namespace kolvar {

// Whatever watches file descriptors in the event loop: `ready` is called from the loop
// whenever the descriptor can be read, for the life of the object. Defined by the backend.
class DescriptorWatch {
public:
    DescriptorWatch() = default;
    DescriptorWatch(const DescriptorWatch&) = delete;
    DescriptorWatch& operator=(const DescriptorWatch&) = delete;
    virtual ~DescriptorWatch() = default;
};
std::unique_ptr<DescriptorWatch> WatchReadable(int descriptor, std::function<void()> ready);

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

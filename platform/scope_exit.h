#pragma once

// Inside the platform only: undoing a change on the way out of a scope, however it is left.

#include <utility>

namespace kolvar {

template <class Undo>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ~ScopeExit() { undo_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Undo undo_;
};

// The variable holds the value until the scope ends, then its previous one again.
template <class Variable, class Value>
[[nodiscard]] auto Override(Variable& variable, Value value) {
    return ScopeExit(
        [&variable, previous = std::exchange(variable, std::move(value))] { variable = previous; });
}

}  // namespace kolvar

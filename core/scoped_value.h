#pragma once

#include <utility>

// Sets a flag or counter for the length of a scope and puts back what it
// held before, however the scope is left: an early return or an exception
// can't leave the window stuck in a state meant to last one handler.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& target, T value) : target_(target), saved_(std::exchange(target, std::move(value))) {}
    ~ScopedValue() { target_ = std::move(saved_); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& target_;
    T saved_;
};

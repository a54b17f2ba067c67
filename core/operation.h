#pragma once

#include <functional>
#include <utility>

// What happens when an operation is called that no feature provides. The
// program logs it; the tests make it fail the test.
using MissingOperationHandler = void (*)(const char* name);
void setMissingOperationHandler(MissingOperationHandler handler);
void reportMissingOperation(const char* name);
// A menu item that reached a menu's switch without a command of its own
// (a separator or a submenu's title): a wiring fault, reported the same way.
void reportUnhandledItem(const char* menu, int index);

// One operation of the main window that a feature provides and others call,
// such as playing an entry or refreshing the display. It is called like a
// member function; the feature that implements it assigns it once, where
// the feature is wired. Calling one that nobody provided is reported.
template <typename Signature>
class Operation;

template <typename R, typename... Args>
class Operation<R(Args...)> {
public:
    explicit Operation(const char* name) : name_(name) {}
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    template <typename F>
    Operation& operator=(F&& implementation)
    {
        implementation_ = std::forward<F>(implementation);
        return *this;
    }

    R operator()(Args... args) const
    {
        if (!implementation_) {
            reportMissingOperation(name_);
            return R();
        }
        return implementation_(std::forward<Args>(args)...);
    }

    bool provided() const { return bool(implementation_); }
    // What it does now, for a wrapper that adds to it.
    std::function<R(Args...)> implementation() const { return implementation_; }
    const char* name() const { return name_; }

private:
    const char* name_;
    std::function<R(Args...)> implementation_;
};

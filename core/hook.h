#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

// The one listener a model object tells about a change (a widget that shows
// it, the window that pops up a menu). The listener is connected with the
// object it belongs to and is not called once that object is gone, so a
// model that outlives its view never calls into a destroyed widget.
template <typename Signature>
class Hook;

template <typename R, typename... Args>
class Hook<R(Args...)> {
public:
    template <typename F>
    void connect(const QObject* context, F&& listener)
    {
        context_ = const_cast<QObject*>(context);
        listener_ = std::forward<F>(listener);
    }
    void disconnect()
    {
        context_.clear();
        listener_ = nullptr;
    }

    explicit operator bool() const { return listener_ && context_; }

    R operator()(Args... args) const
    {
        if (!*this)
            return R();
        return listener_(std::forward<Args>(args)...);
    }

private:
    QPointer<QObject> context_;
    std::function<R(Args...)> listener_;
};

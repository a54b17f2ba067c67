#pragma once

#include "core/event_delivery.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// Runs work that may block for seconds (a drive spinning up) on a thread
// of its own while the window's events go on, for at most timeoutMs.
// Returns its result, or nothing when it did not end in time: the thread
// then finishes on its own and its result is dropped.
template <typename T>
std::optional<T> runOffGuiThread(std::function<T()> work, int timeoutMs)
{
    struct Outcome {
        std::atomic<bool> done{false};
        T value{};
    };
    auto outcome = std::make_shared<Outcome>();
    QThread* thread = QThread::create([work = std::move(work), outcome] {
        outcome->value = work();
        outcome->done.store(true, std::memory_order_release);
    });
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    thread->start();
    if (!outcome->done.load(std::memory_order_acquire)) {
        EventDelivery::InsideHandler inside;
        loop.exec();
    }
    if (!outcome->done.load(std::memory_order_acquire))
        return std::nullopt;
    return outcome->value;
}

#pragma once

// Handlers that deliver pending window events themselves (the open wait, the
// list write, a folder scan) mark the time they do so. Dropped files are
// taken only between handlers: a drop that arrives inside one leaves no trace.
namespace EventDelivery {

// Marks a handler's own delivery of events for the length of a scope.
class InsideHandler {
public:
    InsideHandler();
    ~InsideHandler();
    InsideHandler(const InsideHandler&) = delete;
    InsideHandler& operator=(const InsideHandler&) = delete;
};

// Whether some handler is delivering events now.
bool insideHandler();

// Delivers the pending events, marked as a handler's own delivery.
void deliverPending();
// The same, over a pause of the given length: waits without spinning.
void deliverFor(int ms);

} // namespace EventDelivery

#pragma once

class Form1;

// The 200 ms heartbeat of the main window (Timer1). Each tick: the title
// step every third tick, the once-only start step after the load, the
// display, status and end-of-media steps, and on the first ticks the
// start-up volume; the fifth tick closes the splash.
class Dispatcher {
public:
    explicit Dispatcher(Form1& form) : form_(form) {}

    void tick();

private:
    Form1& form_;
    int tickMs_ = 0;
    int tickCount_ = 0;
};

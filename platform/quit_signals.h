#pragma once

#include <functional>

class QObject;

// Runs the handler on the GUI thread when the process is asked to end
// (SIGTERM, SIGINT, SIGHUP), so the program can close as if its window
// had been closed. The handler lives as long as the context object.
void onQuitSignals(QObject* context, std::function<void()> handler);

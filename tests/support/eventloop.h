#pragma once

#include <functional>

// Runs the event loop until done() holds or the time is up; returns done().
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
// Runs the event loop for a while.
void spinFor(int ms);

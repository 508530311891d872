#pragma once
// The program's start-up guard: makes the application object, lets `start` set the
// title and create the windows, runs the loop, and frees everything in reverse order.
// An exception that reaches the guard is shown by the error display (one of another
// kind as an empty message). Always returns 0.
#include <functional>

class TApplication;

int RunGuarded(const std::function<void(TApplication&)>& start);

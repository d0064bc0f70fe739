#pragma once
// When the page steps: the browser offers a frame per refresh of the screen
// (60 a second on most), and the flight steps at the program's pace, once
// every 40 ms on average. A frame steps once its step is due; the next is due
// one interval after this one was due, so a 60 Hz screen steps 25 times a
// second rather than every third frame. A frame late by a whole interval (a
// slow machine, a hidden tab whose frames stopped) steps at once and starts
// the count again from there: the flight's position comes from the clock, so
// the steps it missed are skipped, not made up.

struct StepCadence {
  double intervalMs = 0.0;
  double dueMs = 0.0;
  bool started = false;
};

// True when a step is due at nowMs, which then counts as taken.
bool TakeStep(StepCadence& cadence, double nowMs);

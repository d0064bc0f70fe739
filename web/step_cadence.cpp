#include "web/step_cadence.h"

bool TakeStep(StepCadence& cadence, double nowMs) {
  if (cadence.started && nowMs < cadence.dueMs) return false;
  const double next = cadence.dueMs + cadence.intervalMs;
  cadence.dueMs = cadence.started && next > nowMs ? next : nowMs + cadence.intervalMs;
  cadence.started = true;
  return true;
}

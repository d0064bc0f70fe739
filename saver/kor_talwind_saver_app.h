#pragma once
// The saver's application object: the city from the seed or the clock, the
// window where the command line says, and a step that flies on at the
// chosen speed and builds a new city when one is due.

#include <cstdint>

#include "pipeline/flight_clock.h"
#include "platform/shell/saver_app.h"
#include "saver/saver_options.h"
#include "saver/saver_wnd.h"

class CKorTalwindSaverApp : public CSaverApp {
 public:
  CKorTalwindSaverApp();

  SaverOptions m_options;  // set before the toolkit starts

  BOOL InitInstance() override;

 protected:
  void Step() override;

 private:
  void BuildCity(std::uint32_t seed);

  CSaverWnd m_wndSaver;
  FlightClock m_flight;
  std::uint32_t m_cityBuiltAt = 0;  // the system clock when the current city was built
};

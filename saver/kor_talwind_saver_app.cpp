#include "saver/kor_talwind_saver_app.h"

#include <cstdlib>

#include "pipeline/flight_clock.h"
#include "platform/core/tick_count.h"
#include "platform/window/main_wnd.h"
#include "res/program_resources.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

// Tests fix the clock at this tick, to compare a shown frame with the exporter's.
constexpr const char* kFixedTickVariable = "KORTALWIND_SAVER_TICK";

// Of the program's resources the saver uses its title and its version.
ResourceTables SaverResources() {
  ResourceTables used;
  used.strings = ProgramStrings();
  used.version = &ProgramVersion();
  return used;
}

void FixClockWhenAsked() {
  const char* fixed = std::getenv(kFixedTickVariable);
  if (fixed == nullptr) return;
  const auto tick = std::uint32_t(std::strtoul(fixed, nullptr, 10));
  SetTickCountSource([tick] { return tick; });
}

}  // namespace

CKorTalwindSaverApp::CKorTalwindSaverApp() { AfxSetResourceTables(SaverResources()); }

BOOL CKorTalwindSaverApp::InitInstance() {
  FixClockWhenAsked();
  m_stepDelay = std::chrono::microseconds(m_options.delayUs);
  if (!m_wndSaver.Create(m_options.placement)) return FALSE;
  SetMainWnd(&m_wndSaver);
  m_wndSaver.SetStatisticsLine(m_options.showStatistics ? StatisticsLine::shown : StatisticsLine::hidden);

  m_flight = StartFlightClock(GetTickCount(), m_options.speed);
  Scene().fpsWindowStart = m_flight.startTick;
  BuildCity(m_options.seed ? *m_options.seed : m_flight.startTick);  // unseeded: as a click builds one
  return TRUE;
}

void CKorTalwindSaverApp::Step() {
  if (NewCityDue(m_cityBuiltAt, SystemTickCount(), m_options.newCitySeconds)) BuildCity(GetTickCount());
  m_wndSaver.StepFrameAt(FlightTickAt(m_flight, GetTickCount()));
}

void CKorTalwindSaverApp::BuildCity(std::uint32_t seed) {
  crt::srand(seed);
  GenerateCity();
  m_cityBuiltAt = SystemTickCount();  // new cities keep time even while a test holds the flight's clock
}

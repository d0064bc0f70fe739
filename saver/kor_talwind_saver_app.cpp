#include "saver/kor_talwind_saver_app.h"

#include <cstdlib>

#include "platform/core/tick_count.h"
#include "platform/window/main_wnd.h"
#include "res/program_resources.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

// Tests fix the clock at this tick, to compare a shown frame with the exporter's.
constexpr const char* kFixedTickVariable = "KORTALWIND_SAVER_TICK";
constexpr std::uint32_t kMsPerSecond = 1000;

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

  m_startTick = m_lastTick = GetTickCount();
  Scene().fpsWindowStart = m_startTick;
  BuildCity(m_options.seed ? *m_options.seed : m_startTick);  // unseeded: as a click builds one
  return TRUE;
}

void CKorTalwindSaverApp::Step() {
  const std::uint32_t sinceCity = SystemTickCount() - m_cityBuiltAt;
  if (m_options.newCitySeconds != 0 && sinceCity >= m_options.newCitySeconds * kMsPerSecond) BuildCity(GetTickCount());
  m_wndSaver.StepFrameAt(FlightTick());
}

void CKorTalwindSaverApp::BuildCity(std::uint32_t seed) {
  crt::srand(seed);
  GenerateCity();
  m_cityBuiltAt = SystemTickCount();  // new cities keep time even while a test holds the flight's clock
}

std::uint32_t CKorTalwindSaverApp::FlightTick() {
  const std::uint32_t now = GetTickCount();
  m_elapsedMs += std::uint32_t(now - m_lastTick);  // across the clock's wrap too: steps are never 49 days apart
  m_lastTick = now;
  // At speed 1 the flight is where the program's would be at this moment;
  // the flight's count wraps at 32 bits as the program's clock does.
  const auto flownMs = std::uint64_t(double(m_elapsedMs) * m_options.speed);
  return m_startTick + std::uint32_t(flownMs);
}

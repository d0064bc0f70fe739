// The browser page's entry points: its script starts the flight, gives it
// the canvas's size and the clock at every frame, and shows the pixels. All
// that computes is here; the script only carries events and pixels.
#include <emscripten/emscripten.h>

#include <cstdint>

#include "scene/scene_store.h"
#include "web/flight_page.h"

namespace {
FlightPage page;
}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kt_start(const char* query, double nowMs) { StartFlightPage(page, query, nowMs); }

// The picture's pixels, or null when there is not memory enough for them.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kt_resize(int width, int height, double pixelRatio) {
  return ResizeFlightPage(page, width, height, pixelRatio) ? page.picture.Bytes() : nullptr;
}

// 1 when the picture was painted again.
EMSCRIPTEN_KEEPALIVE int kt_frame(double nowMs) { return FrameOfFlightPage(page, nowMs) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void kt_new_city(double nowMs) { NewCityOnPage(page, nowMs); }

EMSCRIPTEN_KEEPALIVE void kt_repaint() { RepaintFlightPage(page); }

// The size the address fixes, 0 when the picture follows the window.
EMSCRIPTEN_KEEPALIVE int kt_fixed_width() { return page.settings.fixedSize ? page.settings.fixedSize->width : 0; }
EMSCRIPTEN_KEEPALIVE int kt_fixed_height() { return page.settings.fixedSize ? page.settings.fixedSize->height : 0; }

EMSCRIPTEN_KEEPALIVE int kt_bench_paints() { return int(page.settings.benchPaints); }
EMSCRIPTEN_KEEPALIVE int kt_steps() { return int(page.steps); }
EMSCRIPTEN_KEEPALIVE int kt_meter() { return Scene().shownFps; }

}  // extern "C"

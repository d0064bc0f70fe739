// kortalwind: the program's one application object and its entry point.

#include "app/kor_talwind_app.h"
#include "platform/core/tick_count.h"
#include "scene/scene_store.h"

CKorTalwindApp theApp;

namespace {
// The frame-rate meter's first sample starts with the program.
const bool fpsWindowStarted = (Scene().fpsWindowStart = GetTickCount(), true);
}  // namespace

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }

#include "platform/canvas/canvas_text.h"

#include <cstdio>
#include <utility>

namespace {

TableText::Notice& CurrentNotice() {
  static TableText::Notice notice = [](const std::string& what) { std::fprintf(stderr, "%s\n", what.c_str()); };
  return notice;
}

}  // namespace

void SetCanvasTextNotice(TableText::Notice notice) { CurrentNotice() = std::move(notice); }

TableText& CanvasText() {
  static TableText text(SurfaceGlyphTable(), [](const std::string& what) {
    if (CurrentNotice()) CurrentNotice()(what);
  });
  return text;
}

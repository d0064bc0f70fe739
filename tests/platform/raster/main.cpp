// The text laid out into glyph runs and the reference painter need a GUI
// application; nothing here needs windows, so the raster layer's tests run
// wherever Qt's offscreen platform does.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

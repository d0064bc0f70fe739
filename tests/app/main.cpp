// One QApplication for the whole run: windows need it.
#include <QApplication>
#include <gtest/gtest.h>

#include "res/program_resources.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  AfxSetResourceTables(ProgramResources());  // as the program's application object does
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}

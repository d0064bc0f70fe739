// One QApplication for the whole run: windows need it, and so does text. The
// framework finds the program's resources, as in the program.
#include <QApplication>
#include <gtest/gtest.h>

#include "res/program_resources.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  AfxSetResourceTables(ProgramResources());  // as the program's application object does
  return RUN_ALL_TESTS();
}

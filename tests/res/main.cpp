// The program's resources, found through the framework as the program finds them.
#include <gtest/gtest.h>

#include "res/program_resources.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  AfxSetResourceTables(ProgramResources());
  return RUN_ALL_TESTS();
}

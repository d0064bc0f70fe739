// kortalwind-export: shows the city model and the frame geometry without a
// window. Bad input gets one line on stderr and status 2, with nothing on stdout.

#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/export_args.h"
#include "tools/export_city.h"
#include "tools/export_command.h"
#include "tools/export_frame.h"
#include "tools/export_frames.h"
#include "tools/export_png.h"

namespace {

constexpr std::string_view kProgram = "kortalwind-export";
constexpr int kBadInput = 2;
constexpr int kOutputFailed = 1;

constexpr std::array kCommands = {
    ExportCommand{"city", "[--seed N] [--limit L]",
                  "the city as JSON: without --seed the program's first city, with it the city after seeding with N",
                  RunCityCommand},
    ExportCommand{"frame", "--tick T --size WxH [--seed N] [--limit L]",
                  "the city plus the geometry of the frame at tick T for a W x H picture, as JSON",
                  RunFrameCommand},
    ExportCommand{"png", "--tick T --size WxH [--seed N] --out FILE.png",
                  "the picture the window shows after the step at tick T, as PNG (the meter at 0)",
                  RunPngCommand},
    ExportCommand{"frames", "--from T --count C --every MS --size WxH [--seed N] --out DIR",
                  "C pictures of the flight from tick T, one step every MS ms, as DIR/frame-00000.png ...",
                  RunFramesCommand},
};

void PrintHelp() {
  std::string text = "usage: " + std::string(kProgram) + " COMMAND [OPTIONS]\n\n";
  text += "Prints the korTalwind city model and frame geometry, or draws its pictures.\n\nCommands:\n";
  for (const ExportCommand& c : kCommands) {
    text += "  " + std::string(c.name) + " " + std::string(c.synopsis) + "\n      " + std::string(c.summary) + "\n";
  }
  text +=
      "\nN and T are whole numbers from 0 to 4294967295; L from 0 to 100 (default 100) is the most\n"
      "buildings the city may hold; W and H are from 0 to 16384 pixels (at least 1 for pictures);\n"
      "C is from 1 to 100000 and MS from 1 to 4294967295. Pictures are written through a temporary\n"
      "file, so a file that cannot be written is left as it was, and a sequence that fails\n"
      "part-way is taken away again.\n"
      "Options take their value as \"--name value\" or \"--name=value\".\n"
      "Bad input prints one line on stderr and exits with status 2.\n";
  std::cout << text;
}

const ExportCommand* FindCommand(std::string_view name) {
  for (const ExportCommand& c : kCommands) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  for (const std::string_view a : args) {
    if (a == "--help" || a == "-h") {
      PrintHelp();
      return 0;
    }
  }
  try {
    if (args.empty()) throw UsageError("missing command (try --help)");
    const ExportCommand* command = FindCommand(args.front());
    if (!command) throw UsageError("unknown command " + Quoted(args.front()) + " (try --help)");
    std::cout << command->run(std::span(args).subspan(1));
  } catch (const UsageError& e) {
    std::cerr << kProgram << ": " << e.what() << "\n";
    return kBadInput;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << kProgram << ": could not write the output\n";
    return kOutputFailed;
  }
  return 0;
}

// kortalwind-export: shows the city model and the frame geometry without a
// window. Bad input gets one line on stderr and status 2, with nothing on
// stdout; a recording that fails, or runs short of memory, gets one line and
// status 1; an interrupted one takes away what it wrote and the process ends
// by the signal (tools/interrupt_watch.h).

#include <array>
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "tools/export_args.h"
#include "tools/export_city.h"
#include "tools/export_command.h"
#include "tools/export_frame.h"
#include "tools/export_frames.h"
#include "tools/export_png.h"
#include "tools/export_video.h"

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
    ExportCommand{"png", "--tick T --size WxH [--scale R] [--seed N] --out FILE.png",
                  "the picture the window shows after the step at tick T, as PNG (the meter at 0)",
                  RunPngCommand},
    ExportCommand{"frames", "--from T --count C --every MS --size WxH [--scale R] [--seed N] --out DIR [--quiet]",
                  "C pictures of the flight from tick T, one step every MS ms, as DIR/frame-00000.png ...",
                  RunFramesCommand},
    ExportCommand{"video", "(--seconds S | --count C) [--fps F] [--from T] [--size WxH] [--scale R] [--seed N]\n"
                           "        [--limit L] --out FILE.mp4|FILE.webm|FILE.mkv [--quiet]",
                  "the flight from tick T as a video of F frames a second, in the format the name's extension\n"
                  "      asks for: .mp4 H.264 (4:2:0, streams), .webm VP9 (4:2:0), .mkv FFV1 (RGB, lossless)",
                  RunVideoCommand},
};

void PrintHelp() {
  std::string text = "usage: " + std::string(kProgram) + " COMMAND [OPTIONS]\n\n";
  text += "Prints the korTalwind city model and frame geometry, or draws its pictures and videos.\n\nCommands:\n";
  for (const ExportCommand& c : kCommands) {
    text += "  " + std::string(c.name) + " " + std::string(c.synopsis) + "\n      " + std::string(c.summary) + "\n";
  }
  text +=
      "\nN and T are whole numbers from 0 to 4294967295; L from 0 to 100 (default 100) is the most\n"
      "buildings the city may hold; W and H are from 0 to 16384 pixels (at least 1 for pictures);\n"
      "C is from 1 to 100000 for frames, MS from 1 to 4294967295. For video, F is from 1 to 120\n"
      "(default 25), S from 1 to 3600, C from 1 to 432000, T defaults to 0 and WxH to 1280x720,\n"
      "even for .mp4 and .webm; frame i shows the step at tick T + i x 1000 / F, rounded.\n"
      "R from 1 to 4 (default 1) is the device pixel ratio of the screen the picture is for: WxH\n"
      "stays its size in pixels, the statistics line is drawn R times as large, as a window\n"
      "whose screen has that ratio shows it.\n"
      "Pictures and videos are written through a temporary file, so a file that cannot be\n"
      "written is left as it was, and a sequence that fails part-way is taken away again.\n"
      "On a terminal, frames and video keep a progress line on stderr; --quiet turns it off.\n"
      "Options take their value as \"--name value\" or \"--name=value\".\n"
      "Bad input prints one line on stderr and exits with status 2; a video that cannot be\n"
      "recorded, with status 1; SIGINT or SIGTERM take away what was written.\n";
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
  } catch (const std::bad_alloc&) {
    // Caught, so that the way out takes away the temporary files.
    std::cerr << kProgram << ": not enough memory\n";
    return kOutputFailed;
  } catch (const std::runtime_error& e) {
    std::cerr << kProgram << ": " << e.what() << "\n";
    return kOutputFailed;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << kProgram << ": could not write the output\n";
    return kOutputFailed;
  }
  return 0;
}

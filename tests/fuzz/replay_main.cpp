// Runs a fuzz target's entry function once per input file, as libFuzzer runs
// a corpus, with a main of our own: the targets build with any compiler and
// their corpus runs in every build, under the sanitizers where there are any.
//
//   kt_fuzz_replay_NAME PATH...      (a PATH that is a folder: every file in it)
//
// Each input is copied into a heap block of exactly its size, so a read past
// its end is caught as libFuzzer would catch it. A crash or an abort ends the
// run there, naming the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsIn(const char* argument) {
  std::vector<std::filesystem::path> inputs;
  const std::filesystem::path path(argument);
  if (std::filesystem::is_directory(path)) {
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else {
    inputs.push_back(path);
  }
  return inputs;
}

bool Replay(const std::filesystem::path& input) {
  std::ifstream in(input, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", input.c_str());
    return false;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto exact = std::make_unique<std::uint8_t[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), exact.get());
  std::fprintf(stderr, "input %s\n", input.c_str());  // the last one named is the one that crashed
  LLVMFuzzerTestOneInput(exact.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& input : InputsIn(argv[i])) {
      if (!Replay(input)) return 1;
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "no inputs\n");
    return 1;
  }
  std::printf("%zu inputs replayed\n", replayed);
  return 0;
}

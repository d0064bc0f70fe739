// Fuzzes the document open path: the command line's file argument and
// CDocument::OnOpenDocument on whatever the input makes of that name (a file
// holding the rest of the input, nothing, a folder or a FIFO) in a scratch
// folder of its own. An existing regular file must open without a message;
// anything else must give exactly one message naming the failure and leave
// the document alone. The file itself must never change.
//
// Input: byte 0 picks the kind, bytes up to the first NUL after it are the
// name, the rest is the content.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/shell/command_line_info.h"
#include "platform/shell/document.h"
#include "platform/window/message_box.h"

namespace {

enum class Kind { kRegularFile, kMissing, kFolder, kFifo, kCount };
constexpr std::size_t kMaxNameBytes = 200;  // well under NAME_MAX

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

// A fresh folder per input, removed afterwards: libFuzzer may end the
// process without running exit handlers.
std::filesystem::path NewScratchFolder() {
  char pattern[] = "/tmp/kt-fuzz-open-XXXXXX";
  if (mkdtemp(pattern) == nullptr) Fail("mkdtemp", pattern);
  return pattern;
}

// One path component: no '/', no NUL, never "." or "..", never empty.
std::string NameFrom(std::string_view raw) {
  std::string name(raw.substr(0, kMaxNameBytes));
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "x" + name;
  return name;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Document bookkeeping that opening may and may not change.
struct DocumentSpy : CDocument {
  int contentsDeleted = 0;
  void DeleteContents() override { ++contentsDeleted; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<Kind>(data[0] % static_cast<int>(Kind::kCount));
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = rest.find('\0');
  const std::string name = NameFrom(rest.substr(0, cut));
  const std::string content(cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1));
  const std::filesystem::path folder = NewScratchFolder();
  const std::string path = (folder / name).string();

  switch (kind) {
    case Kind::kRegularFile: {
      std::ofstream(path, std::ios::binary) << content;
      break;
    }
    case Kind::kMissing:
      break;
    case Kind::kFolder:
      std::filesystem::create_directory(path);
      break;
    case Kind::kFifo:
      if (mkfifo(path.c_str(), 0600) != 0) Fail("mkfifo", path);
      break;
    case Kind::kCount:
      break;
  }

  // The shell hands the name over as the first plain argument.
  CCommandLineInfo info;
  info.ParseParam(path.c_str(), false, true);
  if (info.m_nShellCommand != CCommandLineInfo::FileOpen || info.m_strFileName != path) {
    Fail("command line lost the file name", path);
  }

  int boxes = 0;
  std::string lastBox;
  SetMessageBoxHandler([&](const std::string& text, UINT) {
    ++boxes;
    lastBox = text;
    return int(IDOK);
  });
  DocumentSpy doc;
  doc.SetModifiedFlag(TRUE);
  const BOOL opened = doc.OnOpenDocument(info.m_strFileName.c_str());
  SetMessageBoxHandler({});

  if (kind == Kind::kRegularFile) {  // whatever bytes its name holds
    if (!opened || boxes != 0) Fail("a readable regular file did not open quietly", path + " / " + lastBox);
    if (doc.IsModified()) Fail("an opened document is still marked modified", path);
    if (ReadAll(path) != content) Fail("opening changed the file", path);
  } else {
    if (opened || boxes != 1) Fail("a bad file did not give exactly one message", path);
    if (lastBox.find("Cannot open") == std::string::npos) Fail("the message does not say what failed", lastBox);
    if (doc.contentsDeleted != 0 || !doc.IsModified()) Fail("a failed open touched the document", path);
  }

  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}

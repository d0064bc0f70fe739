// Documents against real files: opening accepts only a readable regular
// file and reads nothing; saving goes through a temporary file, so a failed
// save leaves the old file and its folder as they were.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/read_only_file.h"
#include "platform/core/replacing_file.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/archive.h"
#include "platform/shell/document.h"
#include "platform/window/file_dialog.h"
#include "platform/window/message_box.h"
#include "tests/platform/file_test_support.h"

namespace {

using kt_test::ReadAll;
using kt_test::ScratchFolder;
using kt_test::ScratchMount;
using kt_test::WriteAll;

// A document that records what the framework does to it and writes what
// it is told to.
class RecordingDoc : public CDocument {
 public:
  std::string toWrite;
  int contentsDeleted = 0;
  int loads = 0;
  void DeleteContents() override { ++contentsDeleted; }
  void Serialize(CArchive& archive) override {
    if (archive.IsLoading()) {
      ++loads;
      return;
    }
    archive.Write(toWrite.data(), toWrite.size());
  }
  void Command(UINT id) { OnCmdMsg(id, CN_COMMAND, nullptr, nullptr); }
};

class DocumentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    SetMessageBoxHandler([this](const std::string& text, UINT) {
      boxes.push_back(text);
      return int(IDOK);
    });
    SetFileDialogHandler([this](FileDialogKind kind, const std::string& proposed) {
      dialogs.push_back({kind, proposed});
      return answer;
    });
  }
  void TearDown() override {
    SetMessageBoxHandler({});
    SetFileDialogHandler({});
  }

  struct Dialog {
    FileDialogKind kind;
    std::string proposed;
  };
  ScratchFolder folder;
  std::vector<std::string> boxes;
  std::vector<Dialog> dialogs;
  std::optional<std::string> answer;  // what the next file dialog returns
};

// ---------------------------------------------------------------- opening --

TEST_F(DocumentFilesTest, RefusesWhatIsNotAReadableRegularFileWithoutWaiting) {
  ASSERT_EQ(::mkdir((folder / "folder").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);  // no writer: a blocking open would hang
  ASSERT_EQ(::symlink("nowhere", (folder / "dangling").c_str()), 0);
  struct Case {
    std::string path;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {folder / "missing.kor", "The file does not exist."},
      {folder / "folder", "It is a folder, not a file."},
      {folder / "fifo", "It is a pipe, not a file."},
      {"/dev/zero", "It is a device, not a file."},
      {folder / "dangling", "The file does not exist."},
      {"", "The file does not exist."},
      {folder / "missing/inner.kor", "The file does not exist."},
  };
  for (const Case& c : cases) {
    ReadOnlyFile file;
    EXPECT_FALSE(file.Open(c.path)) << c.path;
    EXPECT_EQ(file.Problem(), c.reason) << c.path;
    EXPECT_LT(file.Descriptor(), 0);
  }
}

TEST_F(DocumentFilesTest, OpensAHugeSparseFileWithoutReadingIt) {
  const std::string path = folder / "sparse.kor";
  const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, off_t(10) << 30), 0);  // 10 GB, no blocks
  ::close(fd);
  ReadOnlyFile file;
  ASSERT_TRUE(file.Open(path)) << file.Problem();
  EXPECT_EQ(::lseek(file.Descriptor(), 0, SEEK_CUR), 0);  // nothing was read

  RecordingDoc doc;
  EXPECT_TRUE(doc.OnOpenDocument(path.c_str()));
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(doc.loads, 1);
}

TEST_F(DocumentFilesTest, RefusesAFileTheUserMayNotRead) {
  const std::string path = folder / "secret.kor";
  WriteAll(path, "secret");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    ReadOnlyFile file;
    EXPECT_FALSE(file.Open(path));
    EXPECT_EQ(file.Problem(), "You do not have permission to read it.");
    return;
  }
  // Root reads everything: ask as an ordinary user in a child process.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    ReadOnlyFile file;
    const bool refused = !file.Open(path) && file.Problem() == "You do not have permission to read it.";
    ::_exit(refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot become an ordinary user here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(DocumentFilesTest, AFailedOpenReportsThePathAndLeavesTheDocumentAlone) {
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  RecordingDoc doc;
  doc.SetModifiedFlag(TRUE);
  EXPECT_FALSE(doc.OnOpenDocument((folder / "fifo").c_str()));
  EXPECT_FALSE(doc.OnOpenDocument("/dev/zero"));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "Cannot open \"" + (folder / "fifo") + "\".\nIt is a pipe, not a file.");
  EXPECT_EQ(boxes[1], "Cannot open \"/dev/zero\".\nIt is a device, not a file.");
  EXPECT_EQ(doc.contentsDeleted, 0);
  EXPECT_EQ(doc.loads, 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentFilesTest, OpensNamesWithSpacesNewlinesAndBytesThatAreNotText) {
  for (const std::string name : {"with space.kor", "naïve.kor", "new\nline.kor", "latin1-\xe9.kor"}) {
    const std::string path = folder / name;
    WriteAll(path, "content");
    RecordingDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(path.c_str())) << name;
    doc.SetPathName(path);
    EXPECT_EQ(doc.GetTitle(), name);
    EXPECT_EQ(ReadAll(path), "content");
  }
  EXPECT_TRUE(boxes.empty());
}

// ----------------------------------------------------------------- saving --

TEST_F(DocumentFilesTest, ReplacingKeepsPermissionsAndLinksAndLeavesNothingBeside) {
  const std::string path = folder / "kept.kor";
  WriteAll(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(::symlink("kept.kor", (folder / "link.kor").c_str()), 0);

  RecordingDoc doc;
  doc.toWrite = "new";
  ASSERT_TRUE(doc.OnSaveDocument((folder / "link.kor").c_str()));
  struct stat info {};
  ASSERT_EQ(::lstat((folder / "link.kor").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));  // the link still points at the file
  EXPECT_EQ(ReadAll(path), "new");
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"kept.kor", "link.kor"}));

  // A new file gets the usual permissions.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(doc.OnSaveDocument((folder / "fresh.kor").c_str()));
  ::umask(mask);
  ASSERT_EQ(::stat((folder / "fresh.kor").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(DocumentFilesTest, SavesAnEmptyDocumentAsAnEmptyFile) {
  const std::string path = folder / "with space ünï.kor";
  WriteAll(path, "the user's data");
  RecordingDoc doc;
  doc.SetModifiedFlag(TRUE);
  ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
  EXPECT_EQ(ReadAll(path), "");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentFilesTest, AFailedSaveLeavesTheTargetAndItsFolderAsTheyWere) {
  ASSERT_EQ(::mkdir((folder / "folder").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  WriteAll(folder / "keep.kor", "keep");
  struct Case {
    std::string path;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {folder / "missing/new.kor", "The folder does not exist."},
      {folder / "folder", "It is a folder, not a file."},
      {folder / "folder/", "It is a folder, not a file."},
      {folder / "fifo", "It is a pipe, not a file."},
      {"/dev/null", "It is a device, not a file."},
      {folder / "keep.kor/inside", "A part of the path is not a folder."},
  };
  RecordingDoc doc;
  doc.toWrite = "new";
  doc.SetModifiedFlag(TRUE);
  const std::set<std::string> before = folder.Names();
  for (const Case& c : cases) {
    boxes.clear();
    EXPECT_FALSE(doc.OnSaveDocument(c.path.c_str())) << c.path;
    ASSERT_EQ(boxes.size(), 1u) << c.path;
    EXPECT_EQ(boxes[0], "Cannot save \"" + c.path + "\".\n" + c.reason);
  }
  EXPECT_EQ(folder.Names(), before);
  EXPECT_EQ(ReadAll(folder / "keep.kor"), "keep");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentFilesTest, AWriteErrorBeforeCommitKeepsTheOldFile) {
  const std::string path = folder / "keep.kor";
  WriteAll(path, "keep");
  {
    ReplacingFile file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_EQ(::write(file.Descriptor(), "half", 4), 4);
    file.SetWriteError(EIO);
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(file.Problem(), "The disk could not be read or written.");
  }
  {
    ReplacingFile abandoned;  // never committed: its temporary file goes
    ASSERT_TRUE(abandoned.Open(path));
  }
  EXPECT_EQ(ReadAll(path), "keep");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"keep.kor"});
}

TEST_F(DocumentFilesTest, RefusesAReadOnlyFileSystem) {
  ASSERT_EQ(::mkdir((folder / "source").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir((folder / "ro").c_str(), 0755), 0);
  WriteAll(folder / "source/keep.kor", "keep");
  ScratchMount mount;
  if (!mount.ReadOnlyBind(folder / "source", folder / "ro")) GTEST_SKIP() << "cannot mount here (needs root)";
  RecordingDoc doc;
  for (const std::string name : {"keep.kor", "new.kor"}) {
    boxes.clear();
    const std::string path = folder / ("ro/" + name);
    EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot save \"" + path + "\".\nThe disk is read-only.");
  }
  EXPECT_EQ(ReadAll(folder / "source/keep.kor"), "keep");
  EXPECT_EQ(folder.Names("source"), std::set<std::string>{"keep.kor"});
}

TEST_F(DocumentFilesTest, AFullDiskKeepsTheOldFileWhole) {
  ASSERT_EQ(::mkdir((folder / "disk").c_str(), 0755), 0);
  ScratchMount mount;
  if (!mount.SmallDisk(folder / "disk")) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
  const std::string path = folder / "disk/keep.kor";
  WriteAll(path, "keep");
  kt_test::FillDisk(folder / "disk");
  RecordingDoc doc;
  doc.toWrite.assign(256 * 1024, 'x');  // more than the disk holds
  EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Cannot save \"" + path + "\".\nThe disk is full.");
  EXPECT_EQ(ReadAll(path), "keep");
  EXPECT_EQ(folder.Names("disk"), (std::set<std::string>{"filler", "keep.kor"}));
}

// ------------------------------------------------------- Save and Save As --

TEST_F(DocumentFilesTest, SaveOfAnUnchangedOpenedFileLeavesItAlone) {
  const std::string path = folder / "data.kor";
  WriteAll(path, "the user's data");
  RecordingDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
  doc.SetPathName(path);
  doc.Command(ID_FILE_SAVE);
  EXPECT_EQ(ReadAll(path), "the user's data");
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(boxes.empty());

  // Changed, it is written; gone, it is written again.
  doc.SetModifiedFlag(TRUE);
  doc.Command(ID_FILE_SAVE);
  EXPECT_EQ(ReadAll(path), "");
  ASSERT_EQ(::unlink(path.c_str()), 0);
  doc.Command(ID_FILE_SAVE);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(DocumentFilesTest, SaveAsOntoTheOpenedFileItselfLeavesItAlone) {
  const std::string path = folder / "data.kor";
  WriteAll(path, "the user's data");
  ASSERT_EQ(::symlink(path.c_str(), (folder / "link.kor").c_str()), 0);
  RecordingDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
  doc.SetPathName(path);
  for (const std::string& name : {path, folder / "link.kor"}) {
    answer = name;
    doc.Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadAll(path), "the user's data") << name;
  }
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(doc.GetTitle(), "link.kor");  // the name chosen last

  // Another file is written; and a changed document is written over its own file.
  answer = folder / "other.kor";
  doc.Command(ID_FILE_SAVE_AS);
  EXPECT_TRUE(std::filesystem::exists(folder / "other.kor"));
  EXPECT_EQ(ReadAll(path), "the user's data");
  answer = path;
  doc.SetModifiedFlag(TRUE);
  doc.Command(ID_FILE_SAVE_AS);
  EXPECT_EQ(ReadAll(path), "");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentFilesTest, SaveOfAnUntitledDocumentAsksForAName) {
  RecordingDoc doc;
  doc.SetTitle("Untitled");
  doc.Command(ID_FILE_SAVE);  // cancelled: nothing happens
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].kind, FileDialogKind::saveAs);
  EXPECT_EQ(dialogs[0].proposed, "Untitled");
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_TRUE(folder.Names().empty());

  answer = folder / "first.kor";
  doc.Command(ID_FILE_SAVE);
  EXPECT_EQ(doc.GetTitle(), "first.kor");
  EXPECT_EQ(doc.GetPathName(), folder / "first.kor");
  EXPECT_TRUE(std::filesystem::exists(folder / "first.kor"));

  // Save As asks again, starting from the current file, and takes the new name.
  answer = folder / "second.kor";
  doc.Command(ID_FILE_SAVE_AS);
  ASSERT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(dialogs[2].proposed, folder / "first.kor");
  EXPECT_EQ(doc.GetTitle(), "second.kor");
  EXPECT_TRUE(std::filesystem::exists(folder / "second.kor"));
}

TEST_F(DocumentFilesTest, AFailedSaveAsKeepsTheDocumentsNameAndFile) {
  const std::string path = folder / "data.kor";
  WriteAll(path, "data");
  RecordingDoc doc;
  doc.SetPathName(path);
  answer = folder / "missing/other.kor";
  doc.Command(ID_FILE_SAVE_AS);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(doc.GetPathName(), path);
  EXPECT_EQ(doc.GetTitle(), "data.kor");
  EXPECT_EQ(ReadAll(path), "data");
}

TEST_F(DocumentFilesTest, ARelativeNameIsKeptAsAFullPath) {
  RecordingDoc doc;
  doc.SetPathName("relative.kor");
  ASSERT_FALSE(doc.GetPathName().empty());
  EXPECT_EQ(doc.GetPathName().front(), '/');
  EXPECT_EQ(doc.GetTitle(), "relative.kor");
}

}  // namespace

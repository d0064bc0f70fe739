// File New, Open, Save and Save As in the running program, on real files:
// one frame and one view throughout, the caption naming the document, the
// picture untouched by opening, and a failed open that changes nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "app/kor_talwind_app.h"
#include "app/kor_talwind_view.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/document.h"
#include "platform/shell/frame_wnd.h"
#include "platform/shell/single_doc_template.h"
#include "platform/window/file_dialog.h"
#include "platform/window/message_box.h"
#include "scene/scene_store.h"
#include "tests/platform/file_test_support.h"

namespace {

using kt_test::ReadAll;
using kt_test::WriteAll;

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    ASSERT_FALSE(folder.Path().empty());
    SetMessageBoxHandler([this](const std::string& text, UINT) {
      boxes.push_back(text);
      return int(IDOK);
    });
    SetFileDialogHandler([this](FileDialogKind kind, const std::string&) {
      asked.push_back(kind);
      return answer;
    });
  }
  void TearDown() override {
    if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
    app.AddDocTemplate(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageBoxHandler({});
    SetFileDialogHandler({});
  }

  void Command(UINT id) { app.m_pMainWnd->SendMessage(WM_COMMAND, id); }
  std::string Caption() const { return app.m_pMainWnd->GetWindowText(); }
  CDocument* Document() const { return app.GetDocTemplate()->GetDocument(); }
  static std::vector<double> City() {
    std::vector<double> city;
    for (const Building& b : Scene().buildings) city.insert(city.end(), {b.centreX, b.centreY, b.height, b.width});
    return city;
  }

  CKorTalwindApp app;
  kt_test::ScratchFolder folder;
  std::vector<std::string> boxes;
  std::vector<FileDialogKind> asked;
  std::optional<std::string> answer;
};

TEST_F(FileCommandsTest, AFileOnTheCommandLineIsOpenedAndNamed) {
  const std::string path = folder / "my city.kor";
  WriteAll(path, "the user's data");
  app.m_args = {path};
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(Caption(), "my city.kor - korTalwind");
  EXPECT_EQ(Document()->GetPathName(), path);
  EXPECT_TRUE(boxes.empty());

  Command(ID_FILE_SAVE);  // the mended Save: nothing changed, nothing written
  EXPECT_EQ(ReadAll(path), "the user's data");
  EXPECT_TRUE(asked.empty());
}

TEST_F(FileCommandsTest, AFileOnTheCommandLineThatCannotBeOpenedEndsStartUp) {
  app.m_args = {folder / "missing.kor"};
  EXPECT_FALSE(app.InitInstance());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Cannot open \"" + (folder / "missing.kor") + "\".\nThe file does not exist.");
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Scene().activeView, nullptr);
}

TEST_F(FileCommandsTest, OpenKeepsTheFrameViewAndPictureAndTakesTheFilesName) {
  ASSERT_TRUE(app.InitInstance());
  CWnd* frame = app.m_pMainWnd;
  CKorTalwindView* view = Scene().activeView;
  CDocument* doc = Document();
  const std::vector<double> city = City();

  Command(ID_FILE_OPEN);  // cancelled
  ASSERT_EQ(asked, std::vector<FileDialogKind>{FileDialogKind::open});
  EXPECT_EQ(Caption(), "Untitled - korTalwind");

  const std::string path = folder / "naïve\nname.kor";
  WriteAll(path, "content");
  answer = path;
  Command(ID_FILE_OPEN);
  EXPECT_EQ(Caption(), "naïve\nname.kor - korTalwind");
  EXPECT_EQ(app.m_pMainWnd, frame);
  EXPECT_EQ(Scene().activeView, view);
  EXPECT_EQ(Document(), doc);  // one document, reused
  EXPECT_EQ(City(), city);
  EXPECT_EQ(ReadAll(path), "content");

  // New empties it again under the same frame.
  Command(ID_FILE_NEW);
  EXPECT_EQ(Caption(), "Untitled - korTalwind");
  EXPECT_TRUE(Document()->GetPathName().empty());
  EXPECT_EQ(Scene().activeView, view);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FileCommandsTest, AFailedOpenLeavesTheCurrentDocumentAsItWas) {
  const std::string path = folder / "first.kor";
  WriteAll(path, "");
  app.m_args = {path};
  ASSERT_TRUE(app.InitInstance());
  for (const std::string& bad : std::vector<std::string>{folder / "missing.kor", folder.Path(), std::string("/dev/zero")}) {
    answer = bad;
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Caption(), "first.kor - korTalwind") << bad;
    EXPECT_EQ(Document()->GetPathName(), path);
  }
  EXPECT_EQ(boxes.size(), 3u);
  EXPECT_NE(app.m_pMainWnd, nullptr);
}

TEST_F(FileCommandsTest, SaveOnAnUntitledDocumentAsksThenSaveAsRenames) {
  ASSERT_TRUE(app.InitInstance());
  Command(ID_FILE_SAVE);  // cancelled: still untitled
  ASSERT_EQ(asked, std::vector<FileDialogKind>{FileDialogKind::saveAs});
  EXPECT_EQ(Caption(), "Untitled - korTalwind");

  answer = folder / "saved.kor";
  Command(ID_FILE_SAVE);
  EXPECT_EQ(Caption(), "saved.kor - korTalwind");
  EXPECT_TRUE(std::filesystem::exists(folder / "saved.kor"));
  EXPECT_EQ(ReadAll(folder / "saved.kor"), "");

  Command(ID_FILE_SAVE);  // named now: no dialog
  EXPECT_EQ(asked.size(), 2u);

  WriteAll(folder / "other.kor", "replaced only when asked");
  answer = folder / "other.kor";  // the dialog has confirmed the replacement
  Command(ID_FILE_SAVE_AS);
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_EQ(Caption(), "other.kor - korTalwind");
  EXPECT_EQ(ReadAll(folder / "other.kor"), "");
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"saved.kor", "other.kor"}));
  EXPECT_TRUE(boxes.empty());
}

}  // namespace

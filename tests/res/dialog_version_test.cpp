// The About box template and the version block, which share the copyright
// line and the version.

#include <gtest/gtest.h>

#include <string>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

const DialogTemplate& AboutBox() {
  const DialogTemplate* dialog = FindDialogTemplate(IDD_ABOUTBOX);
  EXPECT_NE(dialog, nullptr);
  return *dialog;
}

TEST(AboutBox, IsAModalFramePopupOfTheListedSizeAndFont) {
  const DialogTemplate& d = AboutBox();
  EXPECT_STREQ(d.caption, "About korTalwind");
  EXPECT_EQ(d.rect.width, 217);
  EXPECT_EQ(d.rect.height, 55);
  EXPECT_TRUE(d.popup && d.modalFrame && d.hasCaption && d.systemMenu);
  EXPECT_STREQ(d.fontName, "MS Sans Serif");
  EXPECT_EQ(d.fontPointSize, 8);
  EXPECT_EQ(FindDialogTemplate(IDR_MAINFRAME), nullptr);
}

TEST(AboutBox, HasTheFourControlsInOrder) {
  const auto controls = AboutBox().controls;
  ASSERT_EQ(controls.size(), 4u);

  EXPECT_EQ(controls[0].kind, DialogControlKind::icon);
  EXPECT_EQ(controls[0].iconId, IDR_MAINFRAME);
  EXPECT_EQ(controls[0].id, IDC_STATIC);

  EXPECT_EQ(controls[1].kind, DialogControlKind::staticText);
  EXPECT_STREQ(controls[1].text, "korTalwind Version 1.0");
  EXPECT_TRUE(controls[1].noPrefix);

  EXPECT_EQ(controls[2].kind, DialogControlKind::staticText);
  EXPECT_STREQ(controls[2].text, FindVersionString(ProgramVersion(), "LegalCopyright"));
  EXPECT_FALSE(controls[2].noPrefix);

  EXPECT_EQ(controls[3].kind, DialogControlKind::pushButton);
  EXPECT_STREQ(controls[3].text, "OK");
  EXPECT_EQ(controls[3].id, static_cast<int>(IDOK));
  EXPECT_TRUE(controls[3].defaultButton && controls[3].group);

  const DluRect expected[] = {{11, 17, 20, 20}, {40, 10, 119, 8}, {40, 25, 119, 8}, {178, 7, 32, 14}};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const DluRect& r = controls[i].rect;
    EXPECT_EQ(std::tie(r.x, r.y, r.width, r.height),
              std::tie(expected[i].x, expected[i].y, expected[i].width, expected[i].height))
        << "control " << i;
    EXPECT_LE(r.x + r.width, AboutBox().rect.width) << "control " << i << " sticks out";
    EXPECT_LE(r.y + r.height, AboutBox().rect.height) << "control " << i << " sticks out";
  }
}

TEST(VersionBlock, HoldsVersionOneZeroZeroOneAndTheListedStrings) {
  const VersionBlock& v = ProgramVersion();
  const std::array<unsigned, 4> expected = {1, 0, 0, 1};
  EXPECT_EQ(v.fileVersion, expected);
  EXPECT_EQ(v.productVersion, expected);
  EXPECT_STREQ(v.versionText, "1.0.0.1");
  EXPECT_EQ(v.language, 0x0409u);
  EXPECT_EQ(v.codePage, 1200u);
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "FileVersion"), "1, 0, 0, 1");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "ProductVersion"), "1, 0, 0, 1");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "FileDescription"), "KORTALWIND MFC Application");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "InternalName"), "KORTALWIND");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "OriginalFilename"), "KORTALWIND.EXE");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "ProductName"), "KORTALWIND Application");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "CompanyName"), "");
  EXPECT_STREQ(FindVersionString(ProgramVersion(), "LegalTrademarks"), "");
  const std::string copyright = FindVersionString(ProgramVersion(), "LegalCopyright");
  EXPECT_EQ(copyright.rfind("Copyright", 0), 0u) << copyright;
}

TEST(VersionBlock, TheAboutLineShowsTheBlocksMajorAndMinorVersion) {
  const VersionBlock& v = ProgramVersion();
  const std::string line = AboutBox().controls[1].text;
  EXPECT_NE(line.find(std::to_string(v.fileVersion[0]) + "." + std::to_string(v.fileVersion[1])),
            std::string::npos);
}

TEST(VersionBlock, UnknownKeysGiveNull) {
  EXPECT_EQ(FindVersionString(ProgramVersion(), "Comments"), nullptr);
  EXPECT_EQ(FindVersionString(ProgramVersion(), ""), nullptr);
  EXPECT_EQ(FindVersionString(ProgramVersion(), nullptr), nullptr);
}

}  // namespace

// The real file dialogs as they come up: Open offers every file and takes
// only an existing one; Save As starts from the proposed name and asks
// before replacing a file; the chosen name comes back byte for byte, and
// cancelling gives nothing.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/window/file_dialog.h"
#include "tests/platform/file_test_support.h"
#include "tests/support/when_modal.h"

namespace file_dialog_test {

// Shows the dialog of `kind` and hands it to `answer` once it is up; a dialog
// `answer` leaves open is cancelled.
std::optional<std::string> Prompt(FileDialogKind kind, const std::string& proposed,
                                  const std::function<void(QFileDialog*)>& answer) {
  kt_test::WhenModalIsUp<QFileDialog>(answer);
  return PromptFileName(kind, proposed);
}

TEST(FileDialogs, OpenOffersEveryFileAndTakesOnlyOneThatExists) {
  const auto result = Prompt(FileDialogKind::open, {}, [](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("All Files (*)")});
  });
  EXPECT_EQ(result, std::nullopt) << "a cancelled dialog gives no name";
}

TEST(FileDialogs, SaveAsStartsAtTheProposedNameAndAsksBeforeReplacing) {
  kt_test::ScratchFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  const std::string proposed = (std::filesystem::path(folder.Path()) / "city.kor").string();
  const std::string chosen = (std::filesystem::path(folder.Path()) / "new city.kor").string();
  const auto result = Prompt(FileDialogKind::saveAs, proposed, [&chosen](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save As"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("All Files (*)")});
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), QStringLiteral("city.kor"));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(chosen));  // typed by the user
    QMetaObject::invokeMethod(dialog, "accept");  // as the Save button does
  });
  EXPECT_EQ(result, chosen);
}

}  // namespace file_dialog_test

// The About box as laid out on screen: dialog units become pixels through the
// dialog font's average character size, every control sits inside the box
// with its text fully shown, and Enter presses the default OK button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <functional>

#include "app/about_dialog.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "res/resource.h"
#include "tests/support/when_modal.h"

namespace about_box_test {

// The window system's base units: the average width of the 52 letters,
// rounded half up in whole pixels, and the font's height.
struct BaseUnits {
  int x = 0;
  int y = 0;
};

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect InPixels(const DluRect& r, BaseUnits base) {
  auto scale = [](int v, int unit, int per) { return int(std::lround(double(v) * unit / per)); };
  return {scale(r.x, base.x, 4), scale(r.y, base.y, 8), scale(r.width, base.x, 4), scale(r.height, base.y, 8)};
}

// Runs the About box and hands its window to `look` once it is up; the box is
// cancelled afterwards unless `look` closed it.
int RunAboutBox(const std::function<void(QDialog*)>& look) {
  kt_test::WhenModalIsUp<QDialog>(look);
  CAboutDialog about;
  return about.DoModal();
}

const DialogTemplate& AboutTemplate() {
  const DialogTemplate* dt = FindDialogTemplate(IDD_ABOUTBOX);
  EXPECT_NE(dt, nullptr);
  return *dt;
}

TEST(AboutBoxLayout, DialogUnitsFollowTheDialogFontsCharacterSize) {
  const DialogTemplate& dt = AboutTemplate();
  RunAboutBox([&dt](QDialog* box) {
    EXPECT_EQ(box->font().pointSize(), dt.fontPointSize);
    const BaseUnits base = BaseUnitsOf(box->font());
    ASSERT_GT(base.x, 0);
    ASSERT_GT(base.y, 0);
    EXPECT_EQ(box->size(), InPixels(dt.rect, base).size());
    EXPECT_EQ(box->minimumSize(), box->maximumSize()) << "the box is not resizable";

    const auto labels = box->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(labels.size(), 3);  // the icon and the two texts, in template order
    const auto buttons = box->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(buttons.size(), 1);

    const QRect iconAt = InPixels(dt.controls[0].rect, base);
    EXPECT_EQ(labels[0]->pos(), iconAt.topLeft());
    EXPECT_EQ(labels[0]->pixmap().size(), QSize(32, 32)) << "an icon shows at its own size";
    for (int i = 1; i <= 2; ++i) {
      EXPECT_EQ(labels[i]->text(), QString::fromUtf8(dt.controls[std::size_t(i)].text));
      EXPECT_EQ(labels[i]->geometry(), InPixels(dt.controls[std::size_t(i)].rect, base)) << i;
    }
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(buttons[0]->geometry(), InPixels(dt.controls[3].rect, base));
  });
}

TEST(AboutBoxLayout, EveryControlFitsInsideTheBoxAndEveryTextIsWhole) {
  RunAboutBox([](QDialog* box) {
    const QRect inside = box->rect();
    for (QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(inside.contains(child->geometry())) << child->metaObject()->className();
    }
    for (QLabel* label : box->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (label->text().isEmpty()) continue;
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << label->text().toStdString() << " is cut off";
      EXPECT_LE(label->fontMetrics().height(), label->height()) << label->text().toStdString();
    }
  });
}

TEST(AboutBoxLayout, EnterPressesTheDefaultOkButtonAndEscapeCancels) {
  const int enter = RunAboutBox([](QDialog* box) {
    auto* ok = box->findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    EXPECT_FALSE(box->isVisible());
  });
  EXPECT_EQ(enter, int(IDOK));

  const int escape = RunAboutBox([](QDialog* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  });
  EXPECT_EQ(escape, int(IDCANCEL));
}

// The box is opened again and again in a long run: each time must free all it
// made, and its icon must still show.
TEST(AboutBoxLifetime, EveryBoxFreesItsWidgetsAndShowsTheIcon) {
  RunAboutBox([](QDialog*) {});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const auto widgets = QApplication::allWidgets().size();
  for (int i = 0; i < 20; ++i) {
    RunAboutBox([](QDialog* box) {
      int icons = 0;
      for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        ++icons;
        EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
      }
      EXPECT_EQ(icons, 1);
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(QApplication::allWidgets().size(), widgets);
}

}  // namespace about_box_test

#include "platform/window/dialog.h"

#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "platform/core/icon_resource.h"
#include "platform/core/message_loop.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/draw/resource_image.h"
#include "platform/window/main_wnd.h"
#include "platform/window/wnd_state.h"

namespace {

// Dialog units to pixels: a quarter of the font's average character width
// across, an eighth of its height down.
struct DialogUnits {
  double baseX = 0.0;
  double baseY = 0.0;
  QRect ToPixels(const DluRect& r) const {
    return QRect(int(std::lround(r.x * baseX / 4)), int(std::lround(r.y * baseY / 8)),
                 int(std::lround(r.width * baseX / 4)), int(std::lround(r.height * baseY / 8)));
  }
};

QFont DialogFont(const DialogTemplate& dt) {
  const QString family = QString::fromUtf8(dt.fontName ? dt.fontName : "");
  QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(dt.fontPointSize > 0 ? dt.fontPointSize : 8);
  return font;
}

DialogUnits UnitsFor(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  // The average of the 52 letters, rounded up half a character as the window system does.
  const double average = (metrics.horizontalAdvance(letters) / 26.0 + 1.0) / 2.0;
  return {std::floor(average), double(metrics.height())};
}

}  // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

void PressDialogButton(CDialog* dialog, int id) {
  if (id == int(IDOK)) {
    dialog->OnOK();
  } else if (id == int(IDCANCEL)) {
    dialog->OnCancel();
  } else {
    dialog->EndDialog(id);
  }
}

int CDialog::DoModal() {
  const DialogTemplate* dt = FindDialogTemplate(m_templateId);
  if (dt == nullptr || m_hWnd != nullptr) return -1;
  if (IsQuitPosted()) return int(IDCANCEL);
  CWnd* parent = m_pParentWnd;
  if (parent == nullptr) parent = AfxGetMainWnd();

  CREATESTRUCT cs;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.lpszName = dt->caption;
  if (!CreateEx(cs)) return -1;
  auto* dialog = qobject_cast<QDialog*>(WidgetOf(this));

  const QFont font = DialogFont(*dt);
  const DialogUnits units = UnitsFor(font);
  dialog->setFont(font);
  dialog->setFixedSize(units.ToPixels(dt->rect).size());
  dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  const HWND self = m_hWnd;
  for (const DialogControl& control : dt->controls) {
    const QRect where = units.ToPixels(control.rect);
    switch (control.kind) {
      case DialogControlKind::icon: {
        auto* label = new QLabel(dialog);
        // The icon keeps its own 32 x 32 size, at the control's top-left corner.
        label->setPixmap(LoadIconPixmap(control.iconId, kLargeIconSize, label->devicePixelRatioF()));
        label->setGeometry(where.x(), where.y(), kLargeIconSize, kLargeIconSize);
        break;
      }
      case DialogControlKind::staticText: {
        auto* label = new QLabel(QString::fromUtf8(control.text ? control.text : ""), dialog);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(where);
        break;
      }
      case DialogControlKind::pushButton: {
        auto* button = new QPushButton(QString::fromUtf8(control.text ? control.text : ""), dialog);
        button->setGeometry(where);
        button->setDefault(control.defaultButton);
        button->setAutoDefault(control.defaultButton);
        const int id = control.id;
        QObject::connect(button, &QPushButton::clicked, button, [self, id] {
          if (auto* wnd = dynamic_cast<CDialog*>(CWnd::FromHandle(self))) PressDialogButton(wnd, id);
        });
        break;
      }
    }
  }
  // Escape closes the dialog as Cancel would.
  QObject::connect(dialog, &QDialog::rejected, dialog, [self] {
    if (auto* wnd = dynamic_cast<CDialog*>(CWnd::FromHandle(self))) wnd->OnCancel();
  });

  OnInitDialog();
  const int result = dialog->exec();
  DestroyWindow();
  return IsQuitPosted() ? int(IDCANCEL) : result;  // cancelled on the way out, whatever it said
}

void CDialog::EndDialog(int result) {
  if (auto* dialog = qobject_cast<QDialog*>(WidgetOf(this))) dialog->done(result);
}

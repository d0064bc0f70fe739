#include "platform/window/status_bar.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/wnd_state.h"

namespace {

QStatusBar* StatusBarOf(const CWnd* wnd) { return qobject_cast<QStatusBar*>(WidgetOf(wnd)); }

// Panes are labels in the bar, in the order of the ids.
QLabel* PaneLabel(const CWnd* wnd, int index) {
  QStatusBar* bar = StatusBarOf(wnd);
  if (bar == nullptr) return nullptr;
  return bar->findChild<QLabel*>(QStringLiteral("pane%1").arg(index), Qt::FindDirectChildrenOnly);
}

}  // namespace

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  return CWnd::Create(nullptr, nullptr, style | WS_CHILD, Rect{}, parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  QStatusBar* bar = StatusBarOf(this);
  if (bar == nullptr || count < 0) return FALSE;
  for (QLabel* old : bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    bar->removeWidget(old);
    delete old;
  }
  m_panes.assign(ids, ids + count);
  BOOL allFound = TRUE;
  for (int i = 0; i < count; ++i) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("pane%1").arg(i));
    if (ids[i] == ID_SEPARATOR) {
      const char* idle = LoadResourceString(AFX_IDS_IDLEMESSAGE);
      label->setText(QString::fromUtf8(idle ? idle : ""));
      bar->addWidget(label, 1);  // hidden while a prompt is shown over it
      continue;
    }
    const char* text = LoadResourceString(ids[i]);
    if (text == nullptr) allFound = FALSE;
    // An indicator keeps the width of its text; its update handler blanks
    // the text while the state it shows is off.
    label->setText(QString::fromUtf8(text ? text : ""));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(text ? text : "")) + 8);
    bar->addPermanentWidget(label);
  }
  return allFound;
}

void CStatusBar::SetPaneText(int index, const std::string& text) {
  if (QLabel* label = PaneLabel(this, index)) label->setText(QString::fromStdString(text));
}

void CStatusBar::OnUpdateCmdUI(CCmdTarget* target, BOOL) {
  for (int i = 0; i < GetCount(); ++i) {
    const UINT id = m_panes[std::size_t(i)];
    if (id == ID_SEPARATOR) continue;
    CCmdUI state(id);
    state.DoUpdate(target, FALSE);
    const char* text = LoadResourceString(id);
    if (state.EnableChanged()) SetPaneText(i, state.IsEnabled() && text ? text : "");
  }
}

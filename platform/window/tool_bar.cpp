#include "platform/window/tool_bar.h"

#include <QToolBar>

#include "platform/core/bitmap_resource.h"
#include "platform/core/resource_pictures.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/draw/resource_image.h"
#include "platform/window/command_actions.h"
#include "platform/window/status_tip_filter.h"
#include "platform/window/wnd_state.h"

namespace {

QToolBar* ToolBarOf(const CWnd* wnd) { return qobject_cast<QToolBar*>(WidgetOf(wnd)); }

// Button images cut from the strip, the button face showing through.
std::vector<QIcon> ButtonImages(UINT bitmapId, int width, int height, int count) {
  std::vector<QIcon> icons;
  const DecodedImage strip = LoadBitmapResource(bitmapId);
  if (!strip.image) return icons;
  const QImage image = ToQImage(*strip.image, kButtonFaceColour);
  for (int i = 0; i < count && (i + 1) * width <= image.width(); ++i) {
    icons.push_back(IconForScreens(image.copy(i * width, 0, width, height)));
  }
  return icons;
}

}  // namespace

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
  m_barStyle = style & (CBRS_ALIGN_ANY | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
  if (!CWnd::Create(nullptr, "Standard", style | WS_CHILD, Rect{}, parent, id)) return FALSE;
  QToolBar* bar = ToolBarOf(this);
  bar->setMovable(false);  // until the frame lets it dock
  bar->setFloatable(false);
  bar->setObjectName(QStringLiteral("toolbar%1").arg(id));
  SetBarStyle(m_barStyle);
  // Fly-by text reaches the frame from a floating bar too.
  RouteStatusTips(bar, parent->m_hWnd);
  return TRUE;
}

void CToolBar::OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) {
  QToolBar* bar = ToolBarOf(this);
  if (bar == nullptr) return;
  for (QAction* action : bar->actions()) {
    if (!action->isSeparator()) UpdateActionState(action, target, disableIfNoHandler);
  }
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
  QToolBar* bar = ToolBarOf(this);
  if (bar == nullptr || count < 0) return FALSE;
  bar->clear();
  m_buttons.assign(ids, ids + count);
  CWnd* owner = GetParent();
  for (UINT id : m_buttons) {
    if (id == ID_SEPARATOR) {
      bar->addSeparator();
    } else {
      bar->addAction(MakeCommandAction(bar, owner ? owner->m_hWnd : nullptr, id, QString()));
    }
  }
  SetBarStyle(m_barStyle);
  return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id) {
  const ToolBarResource* resource = FindToolBar(id);
  if (resource == nullptr || ToolBarOf(this) == nullptr) return FALSE;
  if (!SetButtons(resource->buttons.data(), int(resource->buttons.size()))) return FALSE;
  QToolBar* bar = ToolBarOf(this);
  bar->setIconSize(QSize(resource->buttonWidth, resource->buttonHeight));
  int images = 0;
  for (UINT button : m_buttons) images += button != ID_SEPARATOR;
  const std::vector<QIcon> icons = ButtonImages(id, resource->buttonWidth, resource->buttonHeight, images);
  if (int(icons.size()) != images) return FALSE;
  std::size_t next = 0;
  for (QAction* action : bar->actions()) {
    if (!action->isSeparator()) action->setIcon(icons[next++]);
  }
  return TRUE;
}

void CToolBar::SetBarStyle(DWORD style) {
  m_barStyle = style;
  QToolBar* bar = ToolBarOf(this);
  if (bar == nullptr) return;
  for (QAction* action : bar->actions()) {
    if (action->isSeparator()) continue;
    // The prompt's parts are kept aside so the style can turn them off and on again.
    const QString tip = action->property("promptTip").isValid() ? action->property("promptTip").toString()
                                                                 : action->toolTip();
    action->setProperty("promptTip", tip);
    action->setToolTip((style & CBRS_TOOLTIPS) ? tip : QString());
    const QString flyBy = action->property("promptFlyBy").isValid() ? action->property("promptFlyBy").toString()
                                                                     : action->statusTip();
    action->setProperty("promptFlyBy", flyBy);
    action->setStatusTip((style & CBRS_FLYBY) ? flyBy : QString());
  }
}

#pragma once
// A modal dialog built from a dialog template. DoModal runs the dialog's own
// loop: the application's loop waits until the dialog closes.

#include "platform/window/wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not
  // be made. IDCANCEL, without showing it or once it is gone, when the quit
  // message has been posted.
  virtual int DoModal();
  void EndDialog(int result);
  WidgetKind GetWidgetKind() const override { return WidgetKind::Dialog; }

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(1); }
  virtual void OnCancel() { EndDialog(2); }
  void OnClose() { OnCancel(); }

  DECLARE_MESSAGE_MAP()

 private:
  friend void PressDialogButton(CDialog* dialog, int id);
  UINT m_templateId;
  CWnd* m_pParentWnd;
};

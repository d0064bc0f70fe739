#pragma once
// The application object. Its loop drives the animation: whenever the queue
// is empty and the framework's idle work is done, it steps the picture if
// more than kStepIntervalMs have passed since the last step.

#include <cstdint>

#include "platform/shell/win_app.h"

inline constexpr std::uint32_t kStepIntervalMs = 40;

class CKorTalwindApp : public CWinApp {
 public:
  // Hands the program's resources to the framework.
  CKorTalwindApp();

  BOOL InitInstance() override;
  int Run() override;

 protected:
  void OnAppAbout();

  DECLARE_MESSAGE_MAP()
};

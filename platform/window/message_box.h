#pragma once
// The framework's message box: a modal question with the application's
// title as its caption.

#include <functional>
#include <string>

#include "platform/core/standard_ids.h"
#include "platform/core/win_types.h"

inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_YESNOCANCEL = 0x0003;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows text and returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO);
// IDCANCEL, unasked or once the box is gone, when the quit message has been posted.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
// The text is string promptId of the string table.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = UINT(-1));

// For tests: answers message boxes instead of showing them. An empty
// function shows them again.
void SetMessageBoxHandler(std::function<int(const std::string& text, UINT type)> handler);

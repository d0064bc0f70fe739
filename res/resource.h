#pragma once
// The program's own resource ids. The framework's standard ids (commands,
// bars, indicators, its strings) are in platform/core/standard_ids.h.

inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDP_SOCKETS_INIT_FAILED = 104;
inline constexpr unsigned IDR_MAINFRAME = 128;   // menu, accelerators, toolbar, icon, template string
inline constexpr unsigned IDR_KORTALTYPE = 129;  // the document icon

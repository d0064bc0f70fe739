#include "app/about_dialog.h"

#include "res/resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

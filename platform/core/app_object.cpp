#include "platform/core/app_object.h"

#include <string>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"

namespace {
std::string& GivenName() {
  static std::string name;
  return name;
}
CCmdTarget* appTarget = nullptr;
}  // namespace

const char* AfxGetAppName() {
  if (!GivenName().empty()) return GivenName().c_str();
  const char* title = LoadResourceString(AFX_IDS_APP_TITLE);
  return title ? title : "";
}

void SetAppName(const char* name) { GivenName() = name ? name : ""; }

CCmdTarget* AppCommandTarget() { return appTarget; }

void SetAppCommandTarget(CCmdTarget* app) { appTarget = app; }

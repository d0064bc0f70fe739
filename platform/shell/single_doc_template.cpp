#include "platform/shell/single_doc_template.h"

#include "platform/core/resource_registry.h"
#include "platform/shell/create_context.h"
#include "platform/shell/document.h"
#include "platform/shell/frame_wnd.h"
#include "platform/shell/view.h"
#include "platform/window/main_wnd.h"

namespace {

// The name of a document that has none yet, when the template gives none.
constexpr const char* kUntitled = "Untitled";

CFrameWnd* FrameOf(const CDocument* doc) {
  for (CDocumentViewLink* link : doc->GetViews()) {
    CWnd* frame = static_cast<CView*>(link)->GetParentFrame();
    if (frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(frame);
  }
  return nullptr;
}

}  // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, const CRuntimeClass* docClass,
                                       const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(docClass), m_pFrameClass(frameClass), m_pViewClass(viewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  if (m_pOnlyDoc != nullptr) {
    m_pOnlyDoc->m_pDocTemplate = nullptr;
    delete m_pOnlyDoc;
  }
}

std::string CSingleDocTemplate::GetDocString(DocStringIndex index) const {
  const char* text = LoadResourceString(m_nIDResource);
  return text ? std::string(DocStringField(text, index)) : std::string();
}

void CSingleDocTemplate::RemoveDocument(CDocument* doc) {
  if (m_pOnlyDoc == doc) m_pOnlyDoc = nullptr;
  doc->m_pDocTemplate = nullptr;
}

CDocument* CSingleDocTemplate::CreateNewDocument() {
  CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
  if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CDocument))) {
    delete object;
    return nullptr;
  }
  auto* doc = static_cast<CDocument*>(object);
  doc->m_pDocTemplate = this;
  m_pOnlyDoc = doc;
  return doc;
}

CFrameWnd* CSingleDocTemplate::CreateNewFrame(CDocument* doc) {
  CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
  if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    delete object;
    return nullptr;
  }
  auto* frame = static_cast<CFrameWnd*>(object);
  CCreateContext context;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pCurrentDoc = doc;
  context.m_pNewDocTemplate = this;
  context.m_pCurrentFrame = frame;
  // A frame that fails to be created deletes itself.
  if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return nullptr;
  return frame;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* doc) {
  const std::string name = GetDocString(DocStringIndex::docName);
  doc->SetTitle(name.empty() ? kUntitled : name);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path, BOOL makeVisible) {
  CDocument* doc = m_pOnlyDoc;
  bool created = false;
  CFrameWnd* frame = nullptr;
  if (doc != nullptr) {
    if (!doc->SaveModified()) return nullptr;
    frame = FrameOf(doc);
  } else {
    doc = CreateNewDocument();
    if (doc == nullptr) return nullptr;
    created = true;
  }
  if (frame == nullptr) {
    frame = CreateNewFrame(doc);
    if (frame == nullptr) {
      if (created) delete doc;
      return nullptr;
    }
  }

  if (path == nullptr) {
    if (!doc->OnNewDocument()) {
      if (created) doc->OnCloseDocument();
      return nullptr;
    }
    SetDefaultTitle(doc);
  } else {
    if (!doc->OnOpenDocument(path)) {
      if (created) doc->OnCloseDocument();
      return nullptr;
    }
    doc->SetPathName(path);
  }

  if (AfxGetMainWnd() == nullptr) SetMainWnd(frame);
  frame->InitialUpdateFrame(doc, makeVisible);
  return doc;
}

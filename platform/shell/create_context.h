#pragma once
// What a frame needs to make its view: passed through WM_CREATE.

struct CRuntimeClass;
class CDocument;
class CFrameWnd;
class CSingleDocTemplate;

struct CCreateContext {
  const CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CSingleDocTemplate* m_pNewDocTemplate = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

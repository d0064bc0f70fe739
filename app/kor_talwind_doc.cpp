#include "app/kor_talwind_doc.h"

IMPLEMENT_DYNCREATE(CKorTalwindDoc, CDocument)

BOOL CKorTalwindDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void CKorTalwindDoc::Serialize(CArchive&) {}

#pragma once
// The document: it holds nothing, so it saves an empty file and reads
// nothing from an opened one.

#include "platform/shell/document.h"

class CKorTalwindDoc : public CDocument {
  DECLARE_DYNCREATE(CKorTalwindDoc)

 public:
  BOOL OnNewDocument() override;
  void Serialize(CArchive& archive) override;

 protected:
  CKorTalwindDoc() = default;
};

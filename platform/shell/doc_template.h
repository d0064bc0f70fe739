#pragma once
// What a document asks of the template that made it, and what a document
// asks of the views that show it. The template and the views know the
// document's class; the document knows them only through these.

#include "platform/core/cmd_target.h"

class CDocument;

class CDocTemplate : public CCmdTarget {
 public:
  // The document is being deleted.
  virtual void RemoveDocument(CDocument* doc) = 0;
};

class CDocumentViewLink {
 public:
  // The document's title changed: the caption around the view shows it.
  virtual void OnDocumentTitleChanged() = 0;
  // The document closes: the window around the view goes, and the view with it.
  virtual void OnDocumentClosing() = 0;
  // The document is being deleted.
  virtual void OnDocumentDeleted() = 0;

 protected:
  ~CDocumentViewLink() = default;
};

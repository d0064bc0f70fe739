#pragma once
// Run-time class information: a class's name, its base and, for creatable
// classes, a factory, so the document template can make a document, a
// frame and a view from class descriptions alone.

class CObject;

struct CRuntimeClass {
  const char* className;
  CObject* (*createObject)();  // null when the class is not dynamically creatable
  const CRuntimeClass* baseClass;

  CObject* CreateObject() const { return createObject ? createObject() : nullptr; }
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

  static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(name) (&name::class##name)

#define DECLARE_DYNAMIC(name)                   \
 public:                                         \
  static const CRuntimeClass class##name;        \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(name) \
  DECLARE_DYNAMIC(name)         \
  static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(name, base)                                                    \
  const CRuntimeClass name::class##name = {#name, nullptr, RUNTIME_CLASS(base)};         \
  const CRuntimeClass* name::GetRuntimeClass() const { return RUNTIME_CLASS(name); }

#define IMPLEMENT_DYNCREATE(name, base)                                                  \
  CObject* name::CreateObject() { return new name; }                                     \
  const CRuntimeClass name::class##name = {#name, &name::CreateObject, RUNTIME_CLASS(base)}; \
  const CRuntimeClass* name::GetRuntimeClass() const { return RUNTIME_CLASS(name); }

#pragma once
#include <windows.h>

class CCmdTarget;
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

// A class's name, its base and how to make one, so that a document template can create the
// documents, frames and views it was given by class. A class without a create function is
// abstract and cannot be made.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class; null for an abstract class.
    CCmdTarget* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(theClass) (&theClass::classInfo)

#define DECLARE_DYNAMIC(theClass)                        \
public:                                                  \
    static const CRuntimeClass classInfo;                \
    virtual const CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass)       \
    static CCmdTarget* CreateObject();

#define IMPLEMENT_DYNAMIC(theClass, baseClass)                                          \
    const CRuntimeClass theClass::classInfo = {#theClass, nullptr, RUNTIME_CLASS(baseClass)}; \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return &classInfo; }

// The root classes of the hierarchy name no base.
#define IMPLEMENT_DYNAMIC_ROOT(theClass)                                       \
    const CRuntimeClass theClass::classInfo = {#theClass, nullptr, nullptr};  \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return &classInfo; }

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                                                      \
    CCmdTarget* theClass::CreateObject() { return new theClass; }                                      \
    const CRuntimeClass theClass::classInfo = {#theClass, &theClass::CreateObject, RUNTIME_CLASS(baseClass)}; \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return &classInfo; }

// What a frame needs to build its client when a template creates it: the document it
// shows, the class of its first view, and the template.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

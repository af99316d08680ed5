#include "framework/RuntimeClass.h"

#include "framework/CmdTarget.h"
#include "framework/Debug.h"

CCmdTarget* CRuntimeClass::CreateObject() const
{
    ASSERT(m_pfnCreateObject != nullptr);
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* level = this; level != nullptr; level = level->m_pBaseClass)
        if (level == base)
            return TRUE;
    return FALSE;
}

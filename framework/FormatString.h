#pragma once
#include <windows.h>

#include "framework/CString.h"

// result = string id of the resource module with every "%1" replaced by text; empty when
// there is no such string. Other '%' sequences stay as they are.
void AfxFormatString1(CString& result, UINT id, LPCTSTR text);

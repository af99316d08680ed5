#pragma once
#include "framework/CString.h"

// Name parts of a path, stepping by character so a 0x5C trail byte is never a separator.
namespace FilePathParts {

// The part after the last '\', '/' or ':'.
CString NameOf(const CString& path);
// NameOf without its extension (from the last '.').
CString TitleOf(const CString& path);
// The part before the last '\' or '/' (empty when there is none).
CString FolderOf(const CString& path);

} // namespace FilePathParts

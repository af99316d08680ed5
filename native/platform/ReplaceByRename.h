#pragma once
#include <functional>

// The native build's way of replacing a file whole: write fills a new temporary file beside
// path (named by the path it is given), which is then renamed over path; an existing file's
// permissions carry over. False, with the temporary removed and path as it was, when write
// or the rename failed.
bool ReplaceByRename(const char* path, const std::function<bool(const char* tempPath)>& write);

#pragma once

#include <string>
#include <vector>

// File-system questions of the link-file search, kept apart so the rest of the detection
// does not depend on the platform.

// Full paths of the files (not folders, not hidden ones) of folder (ending in a backslash)
// whose names match a wildcard such as "首行.*", in the order the file system lists them.
std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& name);

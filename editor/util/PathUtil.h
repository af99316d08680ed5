#pragma once

#include "framework/Collections.h"
#include "framework/CString.h"

// Helpers on file paths and file-dialog filters. Paths are GBK byte strings and are walked
// by character, so a trail byte 0x5C or 0x7C is never taken for '\' or '|'. Results are new
// strings; a null argument counts as an empty string.

// --- Names (no file-system access) ---

// Splits "description|patterns|description|patterns|..." (final '|' optional) into its
// pairs; a pair is kept only when both pieces are non-empty. Both arrays are emptied first.
// False only for a null filter.
bool SplitFilterString(const char* filter, CStringArray& descriptions, CStringArray& patterns);
// True when the name matches one of the ';'-separated patterns: "*.*" matches everything,
// "*.ext" a name ending in ".ext" (ASCII letters fold). Other pattern forms never match.
bool MatchFileFilter(const char* fileName, const char* patternList);
// The path without one trailing '\'.
CString StripTrailingBackslash(const char* path);
// A server path turned into a relative local name below the cache folder: '/' becomes '\';
// '%', the signs a file name cannot hold ('*', '?', ':', '<', '>', '|', '"'), control bytes
// and every byte that is not part of a double-byte character of code page 936 are written
// "%XX" (their value in hexadecimal), so two server names never share a cache file; a
// component made only of dots and blanks with two dots or more has its dots written "%2E",
// so the name can never climb out of the cache folder or name a drive.
CString RemotePathToCacheName(const char* remotePath);
// After dropping one trailing '\' (or, without one, one trailing '/'): the text before the
// last '\' (or the last '/' when there is no '\'); empty when there is neither.
CString GetDirectoryPart(const char* path);
// After the same drop: the text behind the last separator; the whole path without one.
CString GetFileNamePart(const char* path);
// GetFileNamePart without its last '.' and what follows.
CString GetFileTitlePart(const char* path);
// From the last '.' of the whole path (dot included) to the end; empty without a '.'.
CString GetExtensionPart(const char* path);
// The path up to its last '.'; the whole path without one.
CString StripExtension(const char* path);

// --- File system ---

// Whether something is at exactly this path: a file (not a folder), a folder, or either. A
// path with a wildcard names no file, so all three are false for a pattern.
bool FileExists(const char* path);
bool FolderExists(const char* path);
bool FileOrFolderExists(const char* path);
// Appends the full path of every matching entry that is neither a directory nor hidden, in
// listing order; true when at least one was added.
bool CollectFiles(CStringArray& files, const char* pattern);
// The system's short (8.3) form; empty when the path does not exist or the form exceeds
// kShortPathMaxBytes.
constexpr int kShortPathMaxBytes = 2048;
CString GetShortPath(const char* path);
// The path rebuilt component by component with each name as the directory listing stores
// it (long form, stored letter case). "." is dropped, ".." removes the previous component;
// a drive ("C:") or network ("\\server\share") prefix and components that do not exist
// stay unchanged, as does a component holding wildcards.
CString GetLongPath(const char* path);
// Creates every missing directory along the path; a last component without a trailing '\'
// becomes an empty file. True when the whole path exists afterwards.
bool EnsurePathExists(const char* path);

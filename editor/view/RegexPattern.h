#pragma once
#include "framework/CString.h"

// The regular-expression engine knows no class shorthands, so a typed pattern is rewritten
// before it is compiled: \s \S \w \W \a \A \d \D \h \H become bracket sets and \t a tab. A
// doubled backslash stays a literal backslash, so "\\d" still means a backslash and a d.
CString BuildRegexPattern(const CString& typed);

// Every "\t" of a replacement template becomes a tab byte; other escapes are left for the
// engine's template expansion. Double-byte characters are stepped over whole.
CString ExpandTemplateTabs(const CString& replacementTemplate);

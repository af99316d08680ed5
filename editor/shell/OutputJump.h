#pragma once
#include <vector>

#include "framework/CString.h"

// The jump from an output line to the file and line it names, and the files that the
// source conversion's success lines name. Compiler lines look like
// "[错误] C:\项目\主程序.墨(12) : ..." or "包含于 图形.接口(40)", find-in-files hits
// "C:\项目\主程序.墨(12,5): ..."; a folder may itself hold
// a "(2)" or "(x86)", and the message after the line number may hold a "(1)".

// A tag is "[", two double-byte characters and "]"; the success lines carry this one.
constexpr int kJumpTagBytes = 6;
extern const char kSuccessTag[];  // "[恭喜]"
// No name of this many bytes or more is a path (MAX_PATH).
constexpr int kMaxJumpNameBytes = 260;

struct JumpTarget {
    CString name;          // the file name as the line gives it, tag and prefix removed
    int line = 0;          // 1 or more
    bool success = false;  // the line carries "[恭喜]"
};

// Every reading of the line, most likely first: the text before each "(digits)" group,
// from the last group to the first. A leading "[警告]", "[错误]", "[致命]", "[信息]" or
// "[恭喜]" is removed with the blanks after it; a line without a tag loses its leading
// blanks and a "包含于" prefix. Groups with line 0, an empty name or a name of kMaxJumpNameBytes or more give no
// reading. Window-free (JumpLines.cpp).
std::vector<JumpTarget> ParseJumpLine(const char* text);

// The first reading that names an existing file: a name without a folder is tried beside
// the active document first (when there is one), then as given. False when none exists.
bool ResolveJumpLine(const char* text, const CString& activeDocumentPath, JumpTarget& target);

// A success line of the conversion ("[恭喜]name(1) 成功生成！"): the name between the tag
// (and the blanks after it) and its last "(1)", tried beside the active document first, then as given; false unless such a file
// exists.
bool ResolveCongratsLine(const char* text, const CString& activeDocumentPath, CString& file);

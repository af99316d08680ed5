#pragma once
#include "editor/view/ViewTypes.h"
#include "framework/CString.h"

// The dialogs and message boxes the view's commands need, implemented by the window layer
// (find, replace and go-to dialogs, the replace confirmation, the result messages); tests
// script them.
class IViewPrompts {
public:
    virtual ~IViewPrompts() = default;

    // What the find and replace dialogs hand back on OK.
    struct SearchRequest {
        CString text;
        CString replacement;
        int flags = 0;            // SearchFlag bits
        bool searchUp = false;    // find: search backward
        enum Scope { kNextMatch, kAllInSelection, kAllInFile, kAllInOpenFiles } scope = kNextMatch;
    };
    // The find (replace) dialog, preset to the request's text; false when cancelled.
    virtual bool AskFind(SearchRequest& request) = 0;
    virtual bool AskReplace(SearchRequest& request) = 0;
    // The go-to-line dialog for lines first..last, preset to line; false when cancelled.
    virtual bool AskGoToLine(int first, int last, int& line) = 0;

    // The replace confirmation shown near the selected match (client point): replace this
    // match and stop, or and go on to the next; replace every match in the file; skip to the
    // next or previous match; stop.
    enum ReplaceChoice {
        kReplaceThis,
        kReplaceAndFindNext,
        kReplaceAll,
        kFindNext,
        kFindPrevious,
        kCancel
    };
    virtual ReplaceChoice ConfirmReplace(int clientX, int clientY) = 0;

    // "找不到字符串‘%s’." with the search text.
    virtual void ReportNotFound(const CString& text) = 0;
    // "共替换 %d 次."
    virtual void ReportReplaceCount(int count) = 0;
    // "编译正则表达式 '%s' 失败." with the pattern.
    virtual void ReportBadPattern(const CString& text) = 0;
    // "无效宏定义 '%s'.\n取消记录的按键信息." with the command's name; the recording ends.
    virtual void ReportRefusedWhileRecording(const char* command) = 0;
    // "内存不足。": an action ran out of memory and was taken back.
    virtual void ReportOutOfMemory() = 0;
};

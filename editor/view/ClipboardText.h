#pragma once
#include "editor/document/StringLineList.h"
#include "editor/view/ViewInterfaces.h"

// The strings joined by CR LF (none after the last) onto the clipboard; false when the
// clipboard refused them.
bool SetClipboardText(IClipboard& clipboard, const CStringLineList& lines);
// Replaces the lines by the clipboard's text cut at its line ends; false when it holds no
// text.
bool GetClipboardText(IClipboard& clipboard, CStringLineList& lines);

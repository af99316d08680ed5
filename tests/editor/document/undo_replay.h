#pragma once
#include <string>
#include <vector>

#include "editor/document/TextDocument.h"

// Replays the newest group of the undo set (undo) or the redo set as the view does: the
// inverse of each step, newest first, recorded as one group of the other set.
void ReplayNewestGroup(CTextDocument& doc, bool undo);

// The document's lines as plain strings, and the document filled from them (logs cleared).
std::vector<std::string> DocumentTexts(const CTextDocument& doc);
void SetDocumentTexts(CTextDocument& doc, const std::vector<std::string>& texts);

#pragma once
#include <string>
#include <vector>

// The texts the operator picker hands to the view carry markers: backslash-n stands for the
// Enter key, backslash-b for one indentation step back, two backslashes for one, and 【…】
// encloses a hint for the reader. Both functions scan by GBK character, so a trail byte
// 0x5C is never a marker and 【 and 】 are found only where a character starts.

// Replaces every hint, from a 【 to the next 】, by one blank. A backslash directly before
// 【 is dropped and that 【 stays as a character; a 【 that no 】 closes is no hint and
// stays as written, with the text after it.
std::string RemoveInsertHints(const std::string& text);

// One step of a pending insert: a piece of text (its own edit group), the Enter key, or one
// indentation step removed from the start of the caret line.
struct PendingInsertStep {
    enum Kind { Text, Enter, Back };
    Kind kind;
    std::string text;  // Text only

    bool operator==(const PendingInsertStep& other) const { return kind == other.kind && text == other.text; }
};

// The steps of a text, left to right; no empty text steps.
std::vector<PendingInsertStep> SplitPendingInsert(const std::string& text);

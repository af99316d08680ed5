#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One line of a prompt syntax file:
//   kind display insert[:offset] key[:*[d]|:+|:-][:[level]] ...
// Texts are quoted ("…") or bare runs; a bare insert text also ends at ":". The caret
// offset counts bytes from the start of the insert text.

// An abbreviation and the prefixes it registers.
struct PromptKey {
    std::string text;
    int startLength = 0; // 0: only the whole key
    int level = 1;       // low 8 bits of the number written
};

struct PromptLine {
    int kind = 0; // low 8 bits of the number written
    std::string display;
    std::string insert;
    int caretOffset = 0; // 0 when absent or beyond the insert text
    std::vector<PromptKey> keys;
};

// Parses one line (without its line end). False when the line is not an entry line or
// breaks the format; such a line yields no entries.
bool ParsePromptLine(const char* line, size_t length, PromptLine& out);

// The keys an abbreviation registers, in order: the prefixes of the starting length up to
// 7 bytes, then the whole key.
std::vector<std::string> ExpandPromptKey(const PromptKey& key);

#pragma once
#include <cstdint>
#include <string>

// One key (an abbreviation or one of its prefixes) of a prompt syntax line. All entries made
// from one line share its display and insert texts, which the prompt tables own.
struct PromptEntry {
    std::string key;
    const char* display = "";
    const char* insert = "";
    // bits 0-7 kind, 8-15 level, 16-25 caret offset in the insert text, 26-30 full key
    // length (31: longer), 31 set on the line's first entry, which stands for the texts.
    uint32_t packed = 0;
    // PromptKeyHash(key), kept so walks can stop at the end of a bucket.
    uint32_t hash = 0;

    int Kind() const { return (int)(packed & 0xFF); }
    int Level() const { return (int)((packed >> 8) & 0xFF); }
    int CaretOffset() const { return (int)((packed >> 16) & 0x3FF); }
    int FullKeyLength() const { return (int)((packed >> 26) & 0x1F); }
    bool OwnsTexts() const { return (packed >> 31) != 0; }
};

// Largest caret offset the packed word holds; a larger one is stored as 0 (end of text).
constexpr int kMaxPromptCaretOffset = 1023;
constexpr int kPromptKeyLengthSaturated = 31;
constexpr int kPromptBucketCount = 1024;

// kind and level keep their low 8 bits; an offset beyond the field becomes 0.
uint32_t PackPromptWord(int kind, int level, int caretOffset, size_t fullKeyLength, bool ownsTexts);

// Hash of the first 8 bytes of a key, 0-1023.
uint32_t PromptKeyHash(const char* key);

#include "editor/inputaids/PromptEntry.h"

uint32_t PackPromptWord(int kind, int level, int caretOffset, size_t fullKeyLength, bool ownsTexts)
{
    uint32_t offset = (caretOffset < 0 || caretOffset > kMaxPromptCaretOffset) ? 0 : (uint32_t)caretOffset;
    uint32_t keyLength = fullKeyLength >= (size_t)kPromptKeyLengthSaturated
                             ? (uint32_t)kPromptKeyLengthSaturated
                             : (uint32_t)fullKeyLength;
    return ((uint32_t)kind & 0xFF) | (((uint32_t)level & 0xFF) << 8) | (offset << 16)
           | (keyLength << 26) | (ownsTexts ? 0x80000000u : 0u);
}

uint32_t PromptKeyHash(const char* key)
{
    uint32_t h = 21845;
    for (int i = 0; i < 8 && key[i] != '\0'; ++i)
        h = (h << 2) ^ (unsigned char)key[i];
    return (h + (h >> 10)) & (kPromptBucketCount - 1);
}

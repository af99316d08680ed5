/* The hash of a text or of its first bytes (FNV-1a), for the converter's word indexes;
   TextHashStep extends the hash of a text by one byte. */
#ifndef MOYU_CONVERTER_TEXT_HASH_H
#define MOYU_CONVERTER_TEXT_HASH_H

#include <stdint.h>

static inline uint32_t TextHashStep(uint32_t hash, char byte)
{
    return (hash ^ (unsigned char)byte) * 16777619u;
}

static inline uint32_t TextHashN(const char* text, int length)
{
    uint32_t hash = 2166136261u;
    for (int i = 0; i < length && text[i] != '\0'; ++i)
        hash = TextHashStep(hash, text[i]);
    return hash;
}

static inline uint32_t TextHash(const char* text)
{
    uint32_t hash = 2166136261u;
    for (; *text != '\0'; ++text)
        hash = TextHashStep(hash, *text);
    return hash;
}

#endif

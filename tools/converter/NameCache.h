/* A bounded memo of names by word, for a conversion that meets the same identifiers again
   and again: when it is full it starts afresh. */
#ifndef MOYU_CONVERTER_NAME_CACHE_H
#define MOYU_CONVERTER_NAME_CACHE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { kNameCacheSlots = 4096, kNameCacheBytes = 256 * 1024 };

typedef struct NameCacheSlot {
    uint32_t hash;
    int32_t word;    /* offset of the word in the text store; -1: empty slot */
    int32_t name;    /* offset of its name */
} NameCacheSlot;

typedef struct NameCache {
    int ready;
    int used;        /* slots in use */
    int textLength;  /* bytes of the text store in use */
    NameCacheSlot slots[kNameCacheSlots];
    char text[kNameCacheBytes];
} NameCache;

/* The name stored for word, or null. */
const char* NameCacheFind(NameCache* cache, const char* word);
/* Stores the name of a word that is not in the cache yet. */
void NameCacheAdd(NameCache* cache, const char* word, const char* name);

#ifdef __cplusplus
}
#endif

#endif

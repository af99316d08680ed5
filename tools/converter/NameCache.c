/* The name memo: open addressing over a fixed number of slots, texts in one store. */
#include "tools/converter/NameCache.h"

#include <string.h>
#include "tools/converter/TextHash.h"

static void Clear(NameCache* cache)
{
    for (int i = 0; i < kNameCacheSlots; ++i)
        cache->slots[i].word = -1;
    cache->used = 0;
    cache->textLength = 0;
    cache->ready = 1;
}

/* The slot of word, or the empty slot where it would go. */
static NameCacheSlot* SlotOf(NameCache* cache, const char* word, uint32_t hash)
{
    if (!cache->ready)
        Clear(cache);
    for (uint32_t i = hash;; ++i) {
        NameCacheSlot* slot = &cache->slots[i % kNameCacheSlots];
        if (slot->word < 0 || (slot->hash == hash && strcmp(cache->text + slot->word, word) == 0))
            return slot;
    }
}

const char* NameCacheFind(NameCache* cache, const char* word)
{
    NameCacheSlot* slot = SlotOf(cache, word, TextHash(word));
    return slot->word >= 0 ? cache->text + slot->name : NULL;
}

void NameCacheAdd(NameCache* cache, const char* word, const char* name)
{
    size_t wordSize = strlen(word) + 1;
    size_t nameSize = strlen(name) + 1;
    if (wordSize + nameSize > kNameCacheBytes / 4)
        return;
    /* A quarter of the slots stay empty, so that every search ends. */
    if (cache->used >= kNameCacheSlots * 3 / 4 || cache->textLength + wordSize + nameSize > kNameCacheBytes)
        Clear(cache);
    uint32_t hash = TextHash(word);
    NameCacheSlot* slot = SlotOf(cache, word, hash);
    if (slot->word >= 0)
        return;
    slot->hash = hash;
    slot->word = cache->textLength;
    memcpy(cache->text + cache->textLength, word, wordSize);
    cache->textLength += (int)wordSize;
    slot->name = cache->textLength;
    memcpy(cache->text + cache->textLength, name, nameSize);
    cache->textLength += (int)nameSize;
    ++cache->used;
}

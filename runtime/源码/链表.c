/* The keyed list and the memory utilities beside it. Invariant: walking next from the
   anchor visits every node once and returns to the anchor; previous walks the same ring
   backwards. */
#include "runtime/源码/链表.h"
#include "runtime/源码/内存.h"

#include <string.h>

/* Source lines the module reports to the allocator. */
enum {
    kLineNewHead = 21, kLineAddNode = 64, kLineAddCopy = 70, kLineFreeCopy = 95,
    kLineFreeNode = 96, kLineFreeData = 155, kLineFreeHead = 178
};

KeyedList* ListNew(int elementSize)
{
    if (elementSize < 0)
        return NULL;
    KeyedList* list = (KeyedList*)MemAlloc(sizeof(KeyedList), kSourceListModule, kLineNewHead);
    if (!list)
        return NULL;
    list->anchor.next = &list->anchor;
    list->anchor.previous = &list->anchor;
    list->anchor.key = 0;
    list->anchor.element = NULL;
    list->elementSize = elementSize;
    return list;
}

static KeyedListNode* FindNode(KeyedList* list, int key)
{
    if (key == 0)
        return NULL;
    for (KeyedListNode* node = list->anchor.next; node != &list->anchor; node = node->next) {
        if (node->key == key)
            return node;
    }
    return NULL;
}

void* ListAdd(KeyedList* list, const void* data, int key)
{
    if (!list || !data)
        return NULL;
    KeyedListNode* existing = FindNode(list, key);
    if (existing) {
        if (list->elementSize > 0) {
            memcpy(existing->element, data, (size_t)list->elementSize);
            return existing->element;
        }
        void* old = existing->element;
        existing->element = (void*)data;
        return old;
    }
    KeyedListNode* node = (KeyedListNode*)MemAlloc(sizeof(KeyedListNode), kSourceListModule,
                                                   kLineAddNode);
    if (!node)
        return NULL;
    void* element = (void*)data;
    if (list->elementSize > 0) {
        element = MemAlloc((size_t)list->elementSize, kSourceListModule, kLineAddCopy);
        if (!element) {
            MemFree(node, kSourceListModule, kLineFreeNode);
            return NULL;
        }
        memcpy(element, data, (size_t)list->elementSize);
    }
    node->key = key;
    node->element = element;
    node->next = &list->anchor;
    node->previous = list->anchor.previous;
    list->anchor.previous->next = node;
    list->anchor.previous = node;
    return element;
}

static void UnlinkAndFree(KeyedList* list, KeyedListNode* node)
{
    node->previous->next = node->next;
    node->next->previous = node->previous;
    if (list->elementSize > 0)
        MemFree(node->element, kSourceListModule, kLineFreeCopy);
    MemFree(node, kSourceListModule, kLineFreeNode);
}

int ListRemoveKey(KeyedList* list, int key)
{
    if (!list)
        return 1;
    KeyedListNode* node = FindNode(list, key);
    if (!node)
        return 1;
    UnlinkAndFree(list, node);
    return 0;
}

void* ListFind(KeyedList* list, int key)
{
    if (!list)
        return NULL;
    KeyedListNode* node = FindNode(list, key);
    return node ? node->element : NULL;
}

KeyedListNode* ListNext(KeyedList* list, KeyedListNode* node)
{
    if (!list)
        return NULL;
    KeyedListNode* next = node ? node->next : list->anchor.next;
    return next == &list->anchor ? NULL : next;
}

KeyedListNode* ListPrev(KeyedList* list, KeyedListNode* node)
{
    if (!list)
        return NULL;
    KeyedListNode* previous = node ? node->previous : list->anchor.previous;
    return previous == &list->anchor ? NULL : previous;
}

void* ListNodeData(KeyedListNode* node, int* key)
{
    if (!node)
        return NULL;
    if (key)
        *key = node->key;
    return node->element;
}

int ListRemoveNode(KeyedList* list, KeyedListNode* node)
{
    if (!list || !node || node == &list->anchor)
        return 1;
    UnlinkAndFree(list, node);
    return 0;
}

void ListFreeData(KeyedList* list)
{
    if (!list || list->elementSize > 0)
        return;
    for (KeyedListNode* node = list->anchor.next; node != &list->anchor; node = node->next) {
        MemFree(node->element, kSourceListModule, kLineFreeData);
        node->element = NULL;
    }
}

KeyedList* ListFree(KeyedList* list)
{
    if (!list)
        return NULL;
    KeyedListNode* node = list->anchor.next;
    while (node != &list->anchor) {
        KeyedListNode* next = node->next;
        if (list->elementSize > 0)
            MemFree(node->element, kSourceListModule, kLineFreeCopy);
        MemFree(node, kSourceListModule, kLineFreeNode);
        node = next;
    }
    MemFree(list, kSourceListModule, kLineFreeHead);
    return NULL;
}

void* ListCopyItem(const void* source, void* destination, int count)
{
    if (source && destination && count > 0)
        memcpy(destination, source, (size_t)count);
    return destination;
}

void* MemCopyUntil(const void* source, int stop, void* destination, int count)
{
    if (!source || !destination)
        return NULL;
    const unsigned char* from = (const unsigned char*)source;
    unsigned char* to = (unsigned char*)destination;
    for (int i = 0; i < count; i++) {
        to[i] = from[i];
        if (from[i] == (unsigned char)stop)
            return to + i + 1;
    }
    return NULL;
}

static int CompareBytes(const char* a, const char* b, int foldCase)
{
    if (!a || !b)
        return (a ? 1 : 0) - (b ? 1 : 0);
    for (;; a++, b++) {
        signed char x = (signed char)*a, y = (signed char)*b;
        if (foldCase) {
            if (x >= 'A' && x <= 'Z')
                x = (signed char)(x + ('a' - 'A'));
            if (y >= 'A' && y <= 'Z')
                y = (signed char)(y + ('a' - 'A'));
        }
        if (x != y || x == 0)
            return x - y;
    }
}

int TextCompare(const char* a, const char* b)
{
    return CompareBytes(a, b, 0);
}

int TextCompareNoCase(const char* a, const char* b)
{
    return CompareBytes(a, b, 1);
}

void* MemMove(const void* source, int count, void* destination)
{
    if (source && destination && count > 0)
        memmove(destination, source, (size_t)count);
    return destination;
}

void* MemFill(void* block, int byte, int count)
{
    if (block && count > 0)
        memset(block, byte, (size_t)count);
    return block;
}

void* MemFindByte(const void* block, int byte, int count)
{
    if (!block || count <= 0)
        return NULL;
    return memchr(block, byte & 0xFF, (size_t)count);
}

void* MemFind(const void* block, int blockLength, const void* pattern, int patternLength)
{
    if (!block || !pattern || patternLength <= 0 || blockLength < patternLength)
        return NULL;
    const unsigned char* base = (const unsigned char*)block;
    for (int i = 0; i <= blockLength - patternLength; i++) {
        if (memcmp(base + i, pattern, (size_t)patternLength) == 0)
            return (void*)(base + i);
    }
    return NULL;
}

int MemReplaceAll(void* block, int blockLength, const void* pattern, int patternLength,
                  const void* replacement)
{
    if (!replacement)
        return 0;
    int count = 0;
    unsigned char* position = (unsigned char*)block;
    int remaining = blockLength;
    unsigned char* found;
    while ((found = (unsigned char*)MemFind(position, remaining, pattern, patternLength))) {
        memcpy(found, replacement, (size_t)patternLength);
        count++;
        remaining -= (int)(found - position) + patternLength;
        position = found + patternLength;
    }
    return count;
}

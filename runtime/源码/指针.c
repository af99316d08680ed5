/* The pointer list: chunks of 32 slots; slot n lies in chunk n / 32 at index n % 32. */
#include "runtime/源码/指针.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"

#include <stddef.h>

/* Source lines the module reports to the allocator. */
enum {
    kLineCreate = 13, kLineAddChunk = 42, kLineAddStringChunk = 81,
    kLineDeleteFound = 120, kLineDeleteMissing = 124, kLineDeleteAt = 157,
    kLineClearFirstBlocks = 313, kLineClearOtherBlocks = 322, kLineClearChunk = 325,
    kLineFreeChunk = 342
};

enum {
    kWordsPerChunk = sizeof(PtrListChunk) / sizeof(void*),
    kWordsPerHead = sizeof(PtrListHead) / sizeof(void*)
};

static PtrListHead* HeadOf(PtrListChunk* list)
{
    return (PtrListHead*)list;
}

PtrListChunk* PtrListCreate(void)
{
    PtrListHead* head = (PtrListHead*)MemCalloc(kWordsPerHead, sizeof(void*), kSourcePointerModule,
                                                kLineCreate);
    if (!head)
        return NULL;
    head->cursorChunk = &head->chunk;
    head->cursorIndex = 0;
    return &head->chunk;
}

/* Slot number of the first slot holding pointer, or -1. */
static int FindSlot(PtrListChunk* list, const void* pointer)
{
    int base = 0;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next, base += kPtrListChunkSlots) {
        for (int i = 0; i < kPtrListChunkSlots; i++) {
            if (chunk->slots[i] == pointer)
                return base + i;
        }
    }
    return -1;
}

/* Stores pointer in the first empty slot, appending a chunk when all are taken. */
static int StoreInFreeSlot(PtrListChunk* list, void* pointer, int chunkLine)
{
    int base = 0;
    PtrListChunk* last = list;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next, base += kPtrListChunkSlots) {
        for (int i = 0; i < kPtrListChunkSlots; i++) {
            if (!chunk->slots[i]) {
                chunk->slots[i] = pointer;
                return base + i;
            }
        }
        last = chunk;
    }
    PtrListChunk* added = (PtrListChunk*)MemCalloc(kWordsPerChunk, sizeof(void*), kSourcePointerModule,
                                                   chunkLine);
    if (!added)
        return -2;
    last->next = added;
    added->slots[0] = pointer;
    return base;
}

int PtrListAdd(PtrListChunk* list, void* pointer)
{
    if (!list || !pointer)
        return -1;
    int slot = FindSlot(list, pointer);
    return slot >= 0 ? slot : StoreInFreeSlot(list, pointer, kLineAddChunk);
}

static int FindText(PtrListChunk* list, const char* text)
{
    int base = 0;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next, base += kPtrListChunkSlots) {
        for (int i = 0; i < kPtrListChunkSlots; i++) {
            if (chunk->slots[i] && StrCompare((const char*)chunk->slots[i], text) == 0)
                return base + i;
        }
    }
    return -1;
}

int PtrListAddString(PtrListChunk* list, const char* text, KindWord check)
{
    if (!list || !text)
        return -1;
    if (check == 检查 || check == 1) {
        int slot = FindText(list, text);
        if (slot >= 0)
            return slot;
    }
    char* copy = StrDup(text, 0, 0);
    if (!copy)
        return -2;
    int slot = StoreInFreeSlot(list, copy, kLineAddStringChunk);
    if (slot < 0)
        MemFree(copy, kSourcePointerModule, kLineAddStringChunk);
    return slot;
}

/* The slot's address, or null for a negative number or one beyond the last chunk. */
static void** SlotAddress(PtrListChunk* list, int slot)
{
    if (!list || slot < 0)
        return NULL;
    PtrListChunk* chunk = list;
    for (int n = slot / kPtrListChunkSlots; n > 0 && chunk; n--)
        chunk = chunk->next;
    return chunk ? &chunk->slots[slot % kPtrListChunkSlots] : NULL;
}

int PtrListRemove(PtrListChunk* list, void* pointer)
{
    if (!list || !pointer)
        return 0;
    void** slot = SlotAddress(list, FindSlot(list, pointer));
    if (!slot)
        return 0;
    *slot = NULL;
    return 1;
}

int PtrListDelete(PtrListChunk* list, void* pointer)
{
    if (!pointer)
        return 0;
    int found = PtrListRemove(list, pointer);
    MemFree(pointer, kSourcePointerModule, found ? kLineDeleteFound : kLineDeleteMissing);
    return found;
}

void* PtrListTakeAt(PtrListChunk* list, int slot)
{
    void** address = SlotAddress(list, slot);
    if (!address)
        return NULL;
    void* pointer = *address;
    *address = NULL;
    return pointer;
}

int PtrListDeleteAt(PtrListChunk* list, int slot)
{
    void** address = SlotAddress(list, slot);
    if (!address || !*address)
        return 0;
    MemFree(*address, kSourcePointerModule, kLineDeleteAt);
    *address = NULL;
    return 1;
}

void* PtrListGetAt(PtrListChunk* list, int slot)
{
    void** address = SlotAddress(list, slot);
    return address ? *address : NULL;
}

void** PtrListSlotAt(PtrListChunk* list, int slot)
{
    return SlotAddress(list, slot);
}

int PtrListCapacity(PtrListChunk* list)
{
    int capacity = 0;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next)
        capacity += kPtrListChunkSlots;
    return capacity;
}

int PtrListCount(PtrListChunk* list)
{
    int count = 0;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next) {
        for (int i = 0; i < kPtrListChunkSlots; i++)
            count += chunk->slots[i] != NULL;
    }
    return count;
}

void* PtrListGetNth(PtrListChunk* list, int n)
{
    if (n < 1)
        return NULL;
    for (PtrListChunk* chunk = list; chunk; chunk = chunk->next) {
        for (int i = 0; i < kPtrListChunkSlots; i++) {
            if (chunk->slots[i] && --n == 0)
                return chunk->slots[i];
        }
    }
    return NULL;
}

/* Finds the first non-null slot at or after (chunk, index) and moves the cursor to it. */
static void* SeekFrom(PtrListHead* head, PtrListChunk* chunk, int index)
{
    for (; chunk; chunk = chunk->next, index = 0) {
        for (; index < kPtrListChunkSlots; index++) {
            if (chunk->slots[index]) {
                head->cursorChunk = chunk;
                head->cursorIndex = index;
                return chunk->slots[index];
            }
        }
    }
    return NULL;
}

void* PtrListIterate(PtrListChunk* list, KindWord mode)
{
    if (!list)
        return NULL;
    PtrListHead* head = HeadOf(list);
    if (mode == 起始 || mode == 0)
        return SeekFrom(head, list, 0);
    if (!head->cursorChunk)
        return NULL;
    if (mode == 当前 || mode == 1)
        return head->cursorChunk->slots[head->cursorIndex];
    return SeekFrom(head, head->cursorChunk, head->cursorIndex + 1);
}

static void FreeBlocks(PtrListChunk* chunk, int line)
{
    for (int i = 0; i < kPtrListChunkSlots; i++) {
        if (chunk->slots[i]) {
            MemFree(chunk->slots[i], kSourcePointerModule, line);
            chunk->slots[i] = NULL;
        }
    }
}

void PtrListClear(PtrListChunk* list)
{
    if (!list)
        return;
    PtrListHead* head = HeadOf(list);
    FreeBlocks(list, kLineClearFirstBlocks);
    PtrListChunk* chunk = list->next;
    int releasedChunks = chunk != NULL;
    while (chunk) {
        PtrListChunk* next = chunk->next;
        FreeBlocks(chunk, kLineClearOtherBlocks);
        MemFree(chunk, kSourcePointerModule, kLineClearChunk);
        chunk = next;
    }
    list->next = NULL;
    head->cursorIndex = 0;
    head->cursorChunk = releasedChunks ? NULL : list;
}

int PtrListFree(PtrListChunk* list)
{
    PtrListChunk* chunk = list;
    while (chunk) {
        PtrListChunk* next = chunk->next;
        MemFree(chunk, kSourcePointerModule, kLineFreeChunk);
        chunk = next;
    }
    return 0;
}

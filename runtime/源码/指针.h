/* The pointer list: pointers in chained chunks of 32 slots with stable slot numbers,
   reuse of emptied slots, duplicate-free insertion and one built-in iteration cursor.
   A list is referred to by its first chunk. */
#ifndef MOYU_RUNTIME_POINTER_LIST_H
#define MOYU_RUNTIME_POINTER_LIST_H

#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kPtrListChunkSlots = 32 };

/* 32 slots (null = empty) and the link to the next chunk (33 words). */
typedef struct PtrListChunk {
    void* slots[kPtrListChunkSlots];
    struct PtrListChunk* next;
} PtrListChunk;

/* The first chunk carries the cursor as well (35 words). */
typedef struct PtrListHead {
    PtrListChunk chunk;
    PtrListChunk* cursorChunk;
    int cursorIndex;
} PtrListHead;

PtrListChunk* PtrListCreate(void);
/* Slot number, -1 for a null list or pointer, -2 when a chunk cannot be allocated. */
int PtrListAdd(PtrListChunk* list, void* pointer);
/* check 检查 or 1: reuse the slot of an equal stored text. */
int PtrListAddString(PtrListChunk* list, const char* text, KindWord check);
int PtrListRemove(PtrListChunk* list, void* pointer);
/* Releases the block whether or not it was stored. */
int PtrListDelete(PtrListChunk* list, void* pointer);
void* PtrListTakeAt(PtrListChunk* list, int slot);
int PtrListDeleteAt(PtrListChunk* list, int slot);
void* PtrListGetAt(PtrListChunk* list, int slot);
void** PtrListSlotAt(PtrListChunk* list, int slot);
int PtrListCapacity(PtrListChunk* list);
int PtrListCount(PtrListChunk* list);
/* n counts from 1 over the non-null pointers. */
void* PtrListGetNth(PtrListChunk* list, int n);
/* 起始 or 0: first; 当前 or 1: at the cursor; anything else: next after the cursor. */
void* PtrListIterate(PtrListChunk* list, KindWord mode);
/* Releases the stored blocks and every chunk after the first. */
void PtrListClear(PtrListChunk* list);
/* Releases the chunks, not the stored blocks. */
int PtrListFree(PtrListChunk* list);

#ifdef __cplusplus
}
#endif

#endif

/* The keyed list: a circular doubly linked list with a sentinel head whose nodes carry an
   integer key (0 = none) and either the caller's pointer (element size 0) or a list-owned
   copy of a fixed-size element. All memory comes from the tracking allocator. Beside it,
   small memory and text utilities. */
#ifndef MOYU_RUNTIME_KEYED_LIST_H
#define MOYU_RUNTIME_KEYED_LIST_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define kSourceListModule "源码\\墨语言链表.墨"

typedef struct KeyedListNode {
    struct KeyedListNode* next;
    struct KeyedListNode* previous;
    int key;
    void* element;
} KeyedListNode;

/* The head: its anchor is the sentinel node, so anchor.next is the first node and
   anchor.previous the last (the anchor itself when the list is empty). elementSize 0 means
   the list stores the caller's pointers. */
typedef struct KeyedList {
    KeyedListNode anchor;
    int elementSize;
} KeyedList;

KeyedList* ListNew(int elementSize);
/* The stored element (the list's copy, or the caller's pointer), or null. A key already in
   the list updates that node: a sized list copies over its element and returns it, a
   pointer list stores the new pointer and returns the old one to the caller. */
void* ListAdd(KeyedList* list, const void* data, int key);
/* 0 removed, 1 absent or null list. */
int ListRemoveKey(KeyedList* list, int key);
void* ListFind(KeyedList* list, int key);
/* The node after (before) node, the first (last) one for a null node; null at the end. */
KeyedListNode* ListNext(KeyedList* list, KeyedListNode* node);
KeyedListNode* ListPrev(KeyedList* list, KeyedListNode* node);
void* ListNodeData(KeyedListNode* node, int* key);
/* 0 done, 1 for a null list or node or the head itself. */
int ListRemoveNode(KeyedList* list, KeyedListNode* node);
/* A pointer list's elements are freed with MemFree and cleared; the nodes stay. */
void ListFreeData(KeyedList* list);
/* Frees the nodes, the copies of a sized list and the head; returns null. */
KeyedList* ListFree(KeyedList* list);
void* ListCopyItem(const void* source, void* destination, int count);

/* Copies at most count bytes, stopping after the first stop byte; the position after that
   byte in destination, or null when it was not met. */
void* MemCopyUntil(const void* source, int stop, void* destination, int count);
/* Signed-character byte comparison; a null text sorts first. */
int TextCompare(const char* a, const char* b);
int TextCompareNoCase(const char* a, const char* b);
void* MemMove(const void* source, int count, void* destination);
void* MemFill(void* block, int byte, int count);
void* MemFindByte(const void* block, int byte, int count);
void* MemFind(const void* block, int blockLength, const void* pattern, int patternLength);
/* Overwrites each non-overlapping occurrence, left to right; the number replaced. */
int MemReplaceAll(void* block, int blockLength, const void* pattern, int patternLength,
                  const void* replacement);

#ifdef __cplusplus
}
#endif

#endif

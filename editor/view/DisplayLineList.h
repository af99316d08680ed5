#pragma once
#include <cstdint>

#include "editor/view/BlockAllocator.h"
#include "editor/view/DisplayLine.h"

// A view's display lines in order: a doubly linked list (head, tail, count) whose nodes come
// from a block allocator of 10, indexed by a balanced tree (a treap over list order) that
// counts display lines and first display lines in every subtree. So display line k, the
// first display line of document line n and the number of a given line are all found in
// O(log n), and inserting or removing a line costs O(log n): nothing walks from the head.
//
// Invariant (Check): in-order tree order equals list order; every subtree count is the sum
// of its children's plus one; every priority is at most its parent's; count equals the
// root's subtree count.
class CDisplayLineList {
public:
    static const int kNodesPerBlock = 10;

    CDisplayLineList() = default;
    ~CDisplayLineList() { RemoveAll(); }
    CDisplayLineList(const CDisplayLineList&) = delete;
    CDisplayLineList& operator=(const CDisplayLineList&) = delete;

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    CDisplayLine* GetHead() const { return m_head; }
    CDisplayLine* GetTail() const { return m_tail; }
    // Display lines with continuation index 0, i.e. document lines laid out.
    int GetFirstLineCount() const { return m_root ? m_root->m_subtreeFirsts : 0; }

    // Display line k; null when k is outside the list.
    CDisplayLine* GetAt(DisplayLineIndex k) const;
    // The first display line of document line n (the (n+1)-th line with continuation index
    // 0); null when there are not that many.
    CDisplayLine* GetFirstOfDocLine(LineIndex n) const;
    // Position of a line in the list.
    DisplayLineIndex IndexOf(const CDisplayLine* line) const;
    // The document line a display line belongs to: first lines up to and including it, -1.
    LineIndex DocLineOf(const CDisplayLine* line) const;

    // Inserts a new empty line (continuation index 0) after the given one, or at the head
    // when after is null; returns it.
    CDisplayLine* InsertAfter(CDisplayLine* after);
    CDisplayLine* AddTail() { return InsertAfter(m_tail); }
    // Removes and frees the line.
    void Remove(CDisplayLine* line);
    void RemoveAll();

    // Changes a line's continuation index, keeping the first-line counts right.
    void SetContinuationIndex(CDisplayLine* line, int index);

    int GetAllocatorBlockCount() const { return m_nodes.GetBlockCount(); }
    bool Check() const;

private:
    static int Lines(const CDisplayLine* node) { return node ? node->m_subtreeLines : 0; }
    static int Firsts(const CDisplayLine* node) { return node ? node->m_subtreeFirsts : 0; }
    static void Update(CDisplayLine* node);
    static void UpdatePath(CDisplayLine* node);
    void RotateUp(CDisplayLine* node);
    uint32_t NextPriority();
    bool CheckSubtree(const CDisplayLine* node, const CDisplayLine*& expected, int& lines,
                      int& firsts) const;

    CBlockAllocator<CDisplayLine, kNodesPerBlock> m_nodes;
    CDisplayLine* m_head = nullptr;
    CDisplayLine* m_tail = nullptr;
    CDisplayLine* m_root = nullptr;
    int m_count = 0;
    uint32_t m_random = 0x9E3779B9u;
};

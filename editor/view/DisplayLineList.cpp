#include "editor/view/DisplayLineList.h"

void CDisplayLineList::Update(CDisplayLine* node)
{
    node->m_subtreeLines = 1 + Lines(node->m_left) + Lines(node->m_right);
    node->m_subtreeFirsts =
        (node->m_continuation == 0 ? 1 : 0) + Firsts(node->m_left) + Firsts(node->m_right);
}

void CDisplayLineList::UpdatePath(CDisplayLine* node)
{
    for (; node; node = node->m_parent)
        Update(node);
}

// Rotates node above its parent, keeping in-order (list) order.
void CDisplayLineList::RotateUp(CDisplayLine* node)
{
    CDisplayLine* parent = node->m_parent;
    CDisplayLine* grand = parent->m_parent;
    if (parent->m_left == node) {
        parent->m_left = node->m_right;
        if (node->m_right)
            node->m_right->m_parent = parent;
        node->m_right = parent;
    } else {
        parent->m_right = node->m_left;
        if (node->m_left)
            node->m_left->m_parent = parent;
        node->m_left = parent;
    }
    parent->m_parent = node;
    node->m_parent = grand;
    if (!grand)
        m_root = node;
    else if (grand->m_left == parent)
        grand->m_left = node;
    else
        grand->m_right = node;
    Update(parent);
    Update(node);
}

uint32_t CDisplayLineList::NextPriority()
{
    // xorshift32: deterministic, so a layout's shape repeats from run to run.
    m_random ^= m_random << 13;
    m_random ^= m_random >> 17;
    m_random ^= m_random << 5;
    return m_random;
}

CDisplayLine* CDisplayLineList::GetAt(DisplayLineIndex k) const
{
    if (k < 0 || k >= m_count)
        return nullptr;
    CDisplayLine* node = m_root;
    while (node) {
        const int left = Lines(node->m_left);
        if (k < left) {
            node = node->m_left;
        } else if (k == left) {
            return node;
        } else {
            k -= left + 1;
            node = node->m_right;
        }
    }
    return nullptr;
}

CDisplayLine* CDisplayLineList::GetFirstOfDocLine(LineIndex n) const
{
    if (n < 0 || n >= GetFirstLineCount())
        return nullptr;
    CDisplayLine* node = m_root;
    while (node) {
        const int left = Firsts(node->m_left);
        const int self = node->m_continuation == 0 ? 1 : 0;
        if (n < left) {
            node = node->m_left;
        } else if (self && n == left) {
            return node;
        } else {
            n -= left + self;
            node = node->m_right;
        }
    }
    return nullptr;
}

DisplayLineIndex CDisplayLineList::IndexOf(const CDisplayLine* line) const
{
    if (!line)
        return -1;
    int index = Lines(line->m_left);
    for (const CDisplayLine* node = line; node->m_parent; node = node->m_parent) {
        if (node->m_parent->m_right == node)
            index += Lines(node->m_parent->m_left) + 1;
    }
    return index;
}

LineIndex CDisplayLineList::DocLineOf(const CDisplayLine* line) const
{
    if (!line)
        return -1;
    int firsts = Firsts(line->m_left) + (line->m_continuation == 0 ? 1 : 0);
    for (const CDisplayLine* node = line; node->m_parent; node = node->m_parent) {
        const CDisplayLine* parent = node->m_parent;
        if (parent->m_right == node)
            firsts += Firsts(parent->m_left) + (parent->m_continuation == 0 ? 1 : 0);
    }
    return firsts - 1;
}

CDisplayLine* CDisplayLineList::InsertAfter(CDisplayLine* after)
{
    CDisplayLine* node = m_nodes.New();
    node->m_priority = NextPriority();
    CDisplayLine* next = after ? after->m_next : m_head;
    node->m_prev = after;
    node->m_next = next;
    if (after)
        after->m_next = node;
    else
        m_head = node;
    if (next)
        next->m_prev = node;
    else
        m_tail = node;
    ++m_count;

    // The new node becomes a leaf right after `after` in order: its right child when it
    // has none, else the left child of its successor (which then has none).
    if (!m_root) {
        m_root = node;
    } else if (after && !after->m_right) {
        after->m_right = node;
        node->m_parent = after;
    } else {
        next->m_left = node;
        node->m_parent = next;
    }
    UpdatePath(node->m_parent);
    while (node->m_parent && node->m_priority > node->m_parent->m_priority)
        RotateUp(node);
    return node;
}

void CDisplayLineList::Remove(CDisplayLine* line)
{
    if (!line)
        return;
    while (line->m_left || line->m_right) {
        CDisplayLine* child;
        if (!line->m_left)
            child = line->m_right;
        else if (!line->m_right)
            child = line->m_left;
        else
            child = line->m_left->m_priority > line->m_right->m_priority ? line->m_left : line->m_right;
        RotateUp(child);
    }
    CDisplayLine* parent = line->m_parent;
    if (!parent)
        m_root = nullptr;
    else if (parent->m_left == line)
        parent->m_left = nullptr;
    else
        parent->m_right = nullptr;
    UpdatePath(parent);

    if (line->m_prev)
        line->m_prev->m_next = line->m_next;
    else
        m_head = line->m_next;
    if (line->m_next)
        line->m_next->m_prev = line->m_prev;
    else
        m_tail = line->m_prev;
    --m_count;
    m_nodes.Delete(line);
}

void CDisplayLineList::RemoveAll()
{
    CDisplayLine* node = m_head;
    while (node) {
        CDisplayLine* next = node->m_next;
        m_nodes.Delete(node);
        node = next;
    }
    m_head = m_tail = m_root = nullptr;
    m_count = 0;
}

void CDisplayLineList::SetContinuationIndex(CDisplayLine* line, int index)
{
    const bool wasFirst = line->m_continuation == 0;
    line->m_continuation = (int16_t)index;
    if (wasFirst != (index == 0))
        UpdatePath(line);
}

bool CDisplayLineList::CheckSubtree(const CDisplayLine* node, const CDisplayLine*& expected,
                                    int& lines, int& firsts) const
{
    lines = firsts = 0;
    if (!node)
        return true;
    int leftLines, leftFirsts, rightLines, rightFirsts;
    if (node->m_left && (node->m_left->m_parent != node || node->m_left->m_priority > node->m_priority))
        return false;
    if (!CheckSubtree(node->m_left, expected, leftLines, leftFirsts))
        return false;
    if (node != expected)
        return false;
    expected = node->m_next;
    if (node->m_right && (node->m_right->m_parent != node || node->m_right->m_priority > node->m_priority))
        return false;
    if (!CheckSubtree(node->m_right, expected, rightLines, rightFirsts))
        return false;
    lines = leftLines + rightLines + 1;
    firsts = leftFirsts + rightFirsts + (node->m_continuation == 0 ? 1 : 0);
    return lines == node->m_subtreeLines && firsts == node->m_subtreeFirsts;
}

bool CDisplayLineList::Check() const
{
    if ((m_count == 0) != (m_root == nullptr) || (m_root && m_root->m_parent))
        return false;
    if (m_head && m_head->m_prev)
        return false;
    if (m_tail && m_tail->m_next)
        return false;
    const CDisplayLine* expected = m_head;
    int lines, firsts;
    if (!CheckSubtree(m_root, expected, lines, firsts))
        return false;
    return expected == nullptr && lines == m_count && m_nodes.GetLiveCount() == m_count;
}

#include "editor/document/LineList.h"

#include <algorithm>
#include <cstring>
#include <new>

CLineList::~CLineList()
{
    RemoveAll();
}

CTextLine* CLineList::NewLine(const char* text, int length)
{
    if (m_freeSlots.empty()) {
        m_slabs.emplace_back(new LineSlot[kSlabLines]);
        LineSlot* slab = m_slabs.back().get();
        for (int i = kSlabLines - 1; i >= 0; --i)
            m_freeSlots.push_back(&slab[i]);
    }
    LineSlot* slot = m_freeSlots.back();
    m_freeSlots.pop_back();
    if (text == nullptr)
        return new (slot->bytes) CTextLine;
    return new (slot->bytes) CTextLine(text, length);
}

void CLineList::DeleteLine(CTextLine* line)
{
    line->~CTextLine();
    m_freeSlots.push_back(reinterpret_cast<LineSlot*>(line));
}

CLineList::Location CLineList::Locate(LineIndex n) const
{
    const int blockCount = (int)m_blocks.size();
    int b = m_lastBlock < blockCount ? m_lastBlock : 0;
    auto contains = [&](int block) {
        return n >= m_blockStarts[block] &&
               n < m_blockStarts[block] + (int)m_blocks[block].size();
    };
    if (!contains(b)) {
        if (b + 1 < blockCount && contains(b + 1)) {
            ++b;
        } else {
            auto it = std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), n);
            b = (int)(it - m_blockStarts.begin()) - 1;
        }
    }
    m_lastBlock = b;
    return {b, n - m_blockStarts[b]};
}

CTextLine* CLineList::GetLine(LineIndex n) const
{
    if (m_count == 0)
        return nullptr;
    if (n < 0 || n >= m_count)
        return m_blocks.back().back();
    Location at = Locate(n);
    return m_blocks[at.block][at.offset];
}

CTextLine* CLineList::AddTail(const char* text, int length)
{
    return InsertLine(m_count, text, length);
}

CTextLine* CLineList::InsertLine(LineIndex n, const char* text, int length)
{
    n = std::max(0, std::min(n, m_count));
    CTextLine* line = NewLine(text, length);
    // Appending past a full last block starts a new one, so a loaded file fills its blocks.
    if (m_blocks.empty() || (n == m_count && (int)m_blocks.back().size() >= kMaxBlockLines)) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(kMaxBlockLines + 1);
        m_blockStarts.push_back(m_count);
    }
    Location at;
    if (n == m_count)
        at = {(int)m_blocks.size() - 1, (int)m_blocks.back().size()};
    else
        at = Locate(n);
    std::vector<CTextLine*>& block = m_blocks[at.block];
    block.insert(block.begin() + at.offset, line);
    ++m_count;
    ShiftStartsAfter(at.block, 1);
    if ((int)block.size() > kMaxBlockLines)
        SplitBlock(at.block);
    return line;
}

void CLineList::ShiftStartsAfter(int block, int delta)
{
    for (size_t b = (size_t)block + 1; b < m_blockStarts.size(); ++b)
        m_blockStarts[b] += delta;
}

void CLineList::SplitBlock(int block)
{
    std::vector<CTextLine*>& full = m_blocks[block];
    const int half = (int)full.size() / 2;
    std::vector<CTextLine*> upper;
    upper.reserve(kMaxBlockLines + 1);
    upper.assign(full.begin() + half, full.end());
    full.resize((size_t)half);
    m_blocks.insert(m_blocks.begin() + block + 1, std::move(upper));
    m_blockStarts.insert(m_blockStarts.begin() + block + 1, m_blockStarts[block] + half);
}

void CLineList::RemoveLines(LineIndex first, int count)
{
    if (first < 0) {
        count += first;
        first = 0;
    }
    count = std::min(count, m_count - first);
    if (count <= 0)
        return;
    Location at = Locate(first);
    int b = at.block;
    int offset = at.offset;
    int left = count;
    while (left > 0) {
        std::vector<CTextLine*>& block = m_blocks[b];
        const int take = std::min(left, (int)block.size() - offset);
        for (int i = offset; i < offset + take; ++i)
            DeleteLine(block[i]);
        block.erase(block.begin() + offset, block.begin() + offset + take);
        left -= take;
        if (block.empty()) {
            m_blocks.erase(m_blocks.begin() + b);
            m_blockStarts.erase(m_blockStarts.begin() + b);
        } else {
            ++b;
        }
        offset = 0;
    }
    m_count -= count;
    // Merge a small block left behind with its successor so blocks stay well filled.
    const int touched = at.block;
    if (touched + 1 < (int)m_blocks.size() &&
        m_blocks[touched].size() + m_blocks[touched + 1].size() <= (size_t)kMaxBlockLines / 2) {
        std::vector<CTextLine*>& next = m_blocks[touched + 1];
        m_blocks[touched].insert(m_blocks[touched].end(), next.begin(), next.end());
        m_blocks.erase(m_blocks.begin() + touched + 1);
        m_blockStarts.erase(m_blockStarts.begin() + touched + 1);
    }
    // Blocks before the first touched one keep their starts.
    for (size_t i = (size_t)std::max(touched, 0); i < m_blocks.size(); ++i)
        m_blockStarts[i] = i == 0 ? 0 : m_blockStarts[i - 1] + (int)m_blocks[i - 1].size();
    if (m_blocks.empty()) {
        m_lastBlock = 0;
        m_freeSlots.clear();
        m_slabs.clear();
        m_textArena.reset();
    }
}

void CLineList::RemoveAll()
{
    for (std::vector<CTextLine*>& block : m_blocks)
        for (CTextLine* line : block)
            line->~CTextLine();
    m_blocks.clear();
    m_freeSlots.clear();
    m_slabs.clear();
    m_blockStarts.clear();
    m_count = 0;
    m_lastBlock = 0;
    m_textArena.reset();
}

CTextLine* CLineList::AppendLoadedLine(const char* text, int length)
{
    if (!m_textArena)
        m_textArena.reset(new CLineArena);
    char* copy = static_cast<char*>(m_textArena->Allocate((size_t)length + 1, 1));
    std::memcpy(copy, text, (size_t)length);
    copy[length] = '\0';
    CTextLine* line = InsertLine(m_count, nullptr, 0);
    line->BorrowText(copy, length);
    return line;
}

bool CLineList::HasOverlongLine() const
{
    for (const std::vector<CTextLine*>& block : m_blocks)
        for (const CTextLine* line : block)
            if (line->GetLength() > kMaxAnalysedColumn && line->HasFlag(kLineOverlong))
                return true;
    return false;
}

bool CLineList::Check() const
{
    if (m_blocks.size() != m_blockStarts.size())
        return false;
    int expectedStart = 0;
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const int size = (int)m_blocks[b].size();
        if (size == 0 || size > kMaxBlockLines || m_blockStarts[b] != expectedStart)
            return false;
        for (const CTextLine* line : m_blocks[b])
            if (line == nullptr)
                return false;
        expectedStart += size;
    }
    return expectedStart == m_count;
}

#include "editor/view/DisplayLineCounts.h"

#include <algorithm>

int CDisplayLineCounts::Clamped(int value)
{
    if (value <= 0)
        return 0;
    if (value & kPending)
        return PendingValue(value & ~kPending);
    return std::min(value, kMaxCount);
}

void CDisplayLineCounts::Clear()
{
    m_blocks.clear();
    m_docStarts.clear();
    m_displayStarts.clear();
    m_docLines = 0;
    m_displayLines = 0;
}

void CDisplayLineCounts::Reset(int lines, int value)
{
    Clear();
    value = Clamped(value);
    for (int start = 0; start < lines; start += kMaxBlockLines) {
        Block block;
        block.lines = std::min(kMaxBlockLines, lines - start);
        block.uniform = value;
        block.displayLines = block.lines * Displayed(value);
        m_blocks.push_back(std::move(block));
    }
    m_docStarts.resize(m_blocks.size());
    m_displayStarts.resize(m_blocks.size());
    UpdateStartsFrom(0);
}

std::vector<CDisplayLineCounts::Block> CDisplayLineCounts::MakeBlocks(const uint16_t* values, int count)
{
    std::vector<Block> blocks;
    blocks.reserve((size_t)(count + kMaxBlockLines - 1) / kMaxBlockLines);
    for (int start = 0; start < count; start += kMaxBlockLines) {
        Block block;
        block.lines = std::min(kMaxBlockLines, count - start);
        const uint16_t* first = values + start;
        const uint16_t* end = first + block.lines;
        if (std::all_of(first, end, [first](uint16_t v) { return v == *first; })) {
            block.uniform = Clamped(*first);
            block.displayLines = block.lines * Displayed(block.uniform);
        } else {
            block.values.reserve((size_t)block.lines);
            for (const uint16_t* v = first; v != end; ++v) {
                block.values.push_back((uint16_t)Clamped(*v));
                block.displayLines += Displayed(block.values.back());
            }
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

void CDisplayLineCounts::Assign(const std::vector<uint16_t>& values)
{
    Clear();
    m_blocks = MakeBlocks(values.data(), (int)values.size());
    m_docStarts.resize(m_blocks.size());
    m_displayStarts.resize(m_blocks.size());
    UpdateStartsFrom(0);
}

int CDisplayLineCounts::InsertValues(LineIndex at, const std::vector<uint16_t>& values)
{
    const int count = (int)values.size();
    if (count == 0)
        return 0;
    at = std::max(0, std::min(at, m_docLines));
    std::vector<Block> fresh = MakeBlocks(values.data(), count);
    int added = 0;
    for (const Block& block : fresh)
        added += block.displayLines;
    int b = (int)m_blocks.size();
    if (at < m_docLines) {
        const Location loc = Locate(at);
        b = loc.block;
        if (loc.offset > 0) {
            SplitBlock(b, loc.offset);
            ++b;
        }
    }
    const size_t inserted = fresh.size();
    m_blocks.insert(m_blocks.begin() + b, std::make_move_iterator(fresh.begin()),
                    std::make_move_iterator(fresh.end()));
    m_docStarts.insert(m_docStarts.begin() + b, inserted, 0);
    m_displayStarts.insert(m_displayStarts.begin() + b, inserted, 0);
    // The pieces either side of the new blocks may be small: join them to their neighbours.
    const int after = b + (int)inserted;
    MergeSmall(after - 1);
    MergeSmall(b - 1);
    UpdateStartsFrom(std::max(0, b - 1));
    return added;
}

void CDisplayLineCounts::UpdateStartsFrom(int block)
{
    int doc = block > 0 ? m_docStarts[block - 1] + m_blocks[block - 1].lines : 0;
    int display = block > 0 ? m_displayStarts[block - 1] + m_blocks[block - 1].displayLines : 0;
    for (size_t b = (size_t)std::max(block, 0); b < m_blocks.size(); ++b) {
        m_docStarts[b] = doc;
        m_displayStarts[b] = display;
        doc += m_blocks[b].lines;
        display += m_blocks[b].displayLines;
    }
    m_docLines = doc;
    m_displayLines = display;
}

CDisplayLineCounts::Location CDisplayLineCounts::Locate(LineIndex n) const
{
    auto it = std::upper_bound(m_docStarts.begin(), m_docStarts.end(), n);
    const int b = (int)(it - m_docStarts.begin()) - 1;
    return {b, n - m_docStarts[b]};
}

int CDisplayLineCounts::GetValue(LineIndex n) const
{
    if (n < 0 || n >= m_docLines)
        return 0;
    const Location at = Locate(n);
    return ValueIn(m_blocks[at.block], at.offset);
}

int CDisplayLineCounts::GetCount(LineIndex n) const
{
    return Displayed(GetValue(n));
}

DisplayLineIndex CDisplayLineCounts::StartOf(LineIndex n) const
{
    if (n >= m_docLines)
        return m_displayLines;
    if (n <= 0)
        return 0;
    const Location at = Locate(n);
    const Block& block = m_blocks[at.block];
    DisplayLineIndex k = m_displayStarts[at.block];
    if (block.values.empty())
        return k + at.offset * Displayed(block.uniform);
    for (int i = 0; i < at.offset; ++i)
        k += Displayed(block.values[i]);
    return k;
}

LineIndex CDisplayLineCounts::DocLineAt(DisplayLineIndex k, int* continuation) const
{
    if (continuation)
        *continuation = 0;
    if (m_docLines == 0)
        return -1;
    k = std::max(0, std::min(k, m_displayLines - 1));
    auto it = std::upper_bound(m_displayStarts.begin(), m_displayStarts.end(), k);
    const int b = (int)(it - m_displayStarts.begin()) - 1;
    const Block& block = m_blocks[b];
    int rest = k - m_displayStarts[b];
    if (block.values.empty()) {
        const int each = Displayed(block.uniform);
        if (continuation)
            *continuation = rest % each;
        return m_docStarts[b] + rest / each;
    }
    int i = 0;
    for (; i < block.lines - 1; ++i) {
        const int count = Displayed(block.values[i]);
        if (rest < count)
            break;
        rest -= count;
    }
    if (continuation)
        *continuation = rest;
    return m_docStarts[b] + i;
}

void CDisplayLineCounts::Expand(Block& block)
{
    if (block.values.empty())
        block.values.assign((size_t)block.lines, (uint16_t)block.uniform);
}

int CDisplayLineCounts::SetValue(LineIndex n, int value)
{
    if (n < 0 || n >= m_docLines)
        return 0;
    value = Clamped(value);
    const Location at = Locate(n);
    Block& block = m_blocks[at.block];
    const int old = ValueIn(block, at.offset);
    if (old == value)
        return Displayed(old);
    Expand(block);
    block.values[at.offset] = (uint16_t)value;
    const int delta = Displayed(value) - Displayed(old);
    if (delta != 0) {
        block.displayLines += delta;
        for (size_t b = (size_t)at.block + 1; b < m_blocks.size(); ++b)
            m_displayStarts[b] += delta;
        m_displayLines += delta;
    }
    return Displayed(old);
}

void CDisplayLineCounts::SplitBlock(int b, int offset)
{
    Block& full = m_blocks[b];
    Expand(full);
    Block upper;
    upper.values.assign(full.values.begin() + offset, full.values.end());
    upper.lines = full.lines - offset;
    for (uint16_t v : upper.values)
        upper.displayLines += Displayed(v);
    full.values.resize((size_t)offset);
    full.lines = offset;
    full.displayLines -= upper.displayLines;
    m_blocks.insert(m_blocks.begin() + b + 1, std::move(upper));
    m_docStarts.insert(m_docStarts.begin() + b + 1, 0);
    m_displayStarts.insert(m_displayStarts.begin() + b + 1, 0);
}

void CDisplayLineCounts::Insert(LineIndex at, int count, int value)
{
    if (count <= 0)
        return;
    value = Clamped(value);
    at = std::max(0, std::min(at, m_docLines));
    if (m_blocks.empty()) {
        Reset(count, value);
        return;
    }
    // Past the end the lines join the last block.
    Location loc = at < m_docLines ? Locate(at) : Location{(int)m_blocks.size() - 1, m_blocks.back().lines};
    int b = loc.block;
    int offset = loc.offset;
    int left = count;
    while (left > 0) {
        Block& block = m_blocks[b];
        const int take = std::min(left, std::max(1, kMaxBlockLines - block.lines));
        if (block.values.empty() && block.uniform == value) {
            block.lines += take;
        } else {
            Expand(block);
            block.values.insert(block.values.begin() + offset, (size_t)take, (uint16_t)value);
            block.lines += take;
        }
        block.displayLines += take * Displayed(value);
        left -= take;
        offset += take;
        if (block.lines > kMaxBlockLines) {
            SplitBlock(b, m_blocks[b].lines / 2);
            if (offset > m_blocks[b].lines) {
                offset -= m_blocks[b].lines;
                ++b;
            }
        }
    }
    UpdateStartsFrom(loc.block);
}

int CDisplayLineCounts::Remove(LineIndex first, int count)
{
    if (first < 0) {
        count += first;
        first = 0;
    }
    count = std::min(count, m_docLines - first);
    if (count <= 0)
        return 0;
    const Location at = Locate(first);
    int b = at.block;
    int offset = at.offset;
    int left = count;
    int removed = 0;
    while (left > 0) {
        Block& block = m_blocks[b];
        const int take = std::min(left, block.lines - offset);
        if (block.values.empty()) {
            removed += take * Displayed(block.uniform);
            block.displayLines -= take * Displayed(block.uniform);
        } else {
            int gone = 0;
            for (int i = offset; i < offset + take; ++i)
                gone += Displayed(block.values[i]);
            removed += gone;
            block.displayLines -= gone;
            block.values.erase(block.values.begin() + offset, block.values.begin() + offset + take);
        }
        block.lines -= take;
        left -= take;
        if (block.lines == 0) {
            m_blocks.erase(m_blocks.begin() + b);
            m_docStarts.erase(m_docStarts.begin() + b);
            m_displayStarts.erase(m_displayStarts.begin() + b);
        } else {
            ++b;
        }
        offset = 0;
    }
    MergeSmall(std::min(at.block, (int)m_blocks.size() - 1));
    UpdateStartsFrom(std::max(0, std::min(at.block, (int)m_blocks.size())));
    if (m_blocks.empty())
        Clear();
    return removed;
}

void CDisplayLineCounts::MergeSmall(int b)
{
    if (b < 0 || b + 1 >= (int)m_blocks.size())
        return;
    Block& block = m_blocks[b];
    Block& next = m_blocks[b + 1];
    if (block.lines + next.lines > kMaxBlockLines / 2)
        return;
    if (block.values.empty() && next.values.empty() && block.uniform == next.uniform) {
        block.lines += next.lines;
    } else {
        Expand(block);
        Expand(next);
        block.values.insert(block.values.end(), next.values.begin(), next.values.end());
        block.lines += next.lines;
    }
    block.displayLines += next.displayLines;
    m_blocks.erase(m_blocks.begin() + b + 1);
    m_docStarts.erase(m_docStarts.begin() + b + 1);
    m_displayStarts.erase(m_displayStarts.begin() + b + 1);
}

void CDisplayLineCounts::FindNotLaidOut(LineIndex first, int count, int limit,
                                        std::vector<LineIndex>& out) const
{
    out.clear();
    first = std::max(0, first);
    const LineIndex end = std::min(m_docLines, first + std::max(0, count));
    if (first >= end || limit <= 0)
        return;
    Location at = Locate(first);
    for (LineIndex n = first; n < end && (int)out.size() < limit;) {
        const Block& block = m_blocks[at.block];
        const int stop = std::min(block.lines, at.offset + (end - n));
        if (block.values.empty()) {
            if (IsPending(block.uniform))
                for (int i = at.offset; i < stop && (int)out.size() < limit; ++i)
                    out.push_back(n + i - at.offset);
        } else {
            for (int i = at.offset; i < stop && (int)out.size() < limit; ++i)
                if (IsPending(block.values[i]))
                    out.push_back(n + i - at.offset);
        }
        n += stop - at.offset;
        at = {at.block + 1, 0};
    }
}

bool CDisplayLineCounts::Check() const
{
    if (m_docStarts.size() != m_blocks.size() || m_displayStarts.size() != m_blocks.size())
        return false;
    int doc = 0;
    int display = 0;
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const Block& block = m_blocks[b];
        if (block.lines <= 0 || block.lines > kMaxBlockLines)
            return false;
        if (m_docStarts[b] != doc || m_displayStarts[b] != display)
            return false;
        int sum = 0;
        if (block.values.empty()) {
            sum = block.lines * Displayed(block.uniform);
        } else {
            if ((int)block.values.size() != block.lines)
                return false;
            for (uint16_t v : block.values)
                sum += Displayed(v);
        }
        if (sum != block.displayLines)
            return false;
        doc += block.lines;
        display += block.displayLines;
    }
    return doc == m_docLines && display == m_displayLines;
}

#include "editor/settings/PositionHistory.h"

#include <cstdlib>
#include <new>

const std::string* PositionHistory::Intern(const char* file)
{
    std::string name = file ? file : "";
    auto found = m_names.find(name);
    if (found == m_names.end())
        found = m_names.emplace(name, std::unique_ptr<std::string>(new std::string(name))).first;
    return found->second.get();
}

int PositionHistory::NewNode()
{
    if (m_free != kNone) {
        int node = m_free;
        m_free = m_nodes[node].next;
        m_nodes[node] = Node();
        return node;
    }
    m_nodes.push_back(Node());
    return (int)m_nodes.size() - 1;
}

int PositionHistory::FindNear(const std::string* file, int line) const
{
    for (int node = m_first; node != kNone; node = m_nodes[node].next) {
        if (m_nodes[node].file == file && std::abs(m_nodes[node].line - line) <= 1)
            return node;
    }
    return kNone;
}

void PositionHistory::Unlink(int node)
{
    Node& n = m_nodes[node];
    if (node == m_current)
        m_current = n.prev != kNone ? n.prev : n.next;
    if (n.prev != kNone)
        m_nodes[n.prev].next = n.next;
    else
        m_first = n.next;
    if (n.next != kNone)
        m_nodes[n.next].prev = n.prev;
    n.prev = n.next = kNone;
}

void PositionHistory::LinkAfter(int node, int anchor)
{
    Node& n = m_nodes[node];
    n.prev = anchor;
    n.next = m_nodes[anchor].next;
    if (n.next != kNone)
        m_nodes[n.next].prev = node;
    m_nodes[anchor].next = node;
}

void PositionHistory::LinkBefore(int node, int anchor)
{
    Node& n = m_nodes[node];
    n.next = anchor;
    n.prev = m_nodes[anchor].prev;
    if (n.prev != kNone)
        m_nodes[n.prev].next = node;
    else
        m_first = node;
    m_nodes[anchor].prev = node;
}

void PositionHistory::ReleaseChain(int node)
{
    while (node != kNone) {
        int next = m_nodes[node].next;
        m_nodes[node].prev = kNone;
        m_nodes[node].next = m_free;
        m_free = node;
        node = next;
    }
}

int PositionHistory::TakeNodeFor(const char* file, int column, int line)
{
    try {
        const std::string* name = Intern(file);
        int node = FindNear(name, line);
        if (node != kNone) {
            if (node == m_current)
                return kNone;
            Unlink(node);  // the place moves, keeping its stored line
            return node;
        }
        node = NewNode();
        m_nodes[node].file = name;
        m_nodes[node].column = column;
        m_nodes[node].line = line;
        return node;
    } catch (const std::bad_alloc&) {
        return kNone;
    }
}

bool PositionHistory::Record(const char* file, int column, int line)
{
    int node = TakeNodeFor(file, column, line);
    if (node == kNone)
        return false;
    if (m_first == kNone) {
        m_first = node;
    } else {
        int cut = m_nodes[m_current].next;
        if (cut != kNone) {
            m_nodes[m_current].next = kNone;
            ReleaseChain(cut);
        }
        LinkAfter(node, m_current);
    }
    m_current = node;
    return true;
}

bool PositionHistory::Insert(const char* file, int column, int line, bool before)
{
    int node = TakeNodeFor(file, column, line);
    if (node == kNone)
        return false;
    if (m_first == kNone)
        m_first = node;
    else if (before)
        LinkBefore(node, m_current);
    else
        LinkAfter(node, m_current);
    m_current = node;
    return true;
}

PositionHistory::Position PositionHistory::PositionOf(int node) const
{
    Position position;
    position.file = m_nodes[node].file->c_str();
    position.column = m_nodes[node].column;
    position.line = m_nodes[node].line;
    return position;
}

bool PositionHistory::Step(bool forward, Position& position)
{
    if (m_current == kNone)
        return false;
    int neighbour = forward ? m_nodes[m_current].next : m_nodes[m_current].prev;
    if (neighbour == kNone)
        return false;
    m_current = neighbour;
    position = PositionOf(m_current);
    return true;
}

void PositionHistory::FreeAll()
{
    m_nodes.clear();
    m_names.clear();
    m_first = m_current = m_free = kNone;
}

bool PositionHistory::Navigate(bool forward, Position& position)
{
    bool moved = Step(forward, position);
    if (moved)
        SetLastPosition(position.file, position.line);
    m_bias = forward ? kBias : -kBias;
    return moved;
}

bool PositionHistory::RecordJump(const char* file, int column, int line)
{
    if (m_bias == 0)
        return Record(file, column, line);
    bool before = m_bias == -kBias;
    m_bias += m_bias < 0 ? 1 : -1;
    return Insert(file, column, line, before);
}

void PositionHistory::SetLastPosition(const char* file, int line)
{
    m_last.file = file;
    m_last.column = 0;
    m_last.line = line;
}

int PositionHistory::Count() const
{
    int count = 0;
    for (int node = m_first; node != kNone; node = m_nodes[node].next)
        ++count;
    return count;
}

std::vector<PositionHistory::Position> PositionHistory::Snapshot() const
{
    std::vector<Position> positions;
    for (int node = m_first; node != kNone; node = m_nodes[node].next)
        positions.push_back(PositionOf(node));
    return positions;
}

int PositionHistory::CurrentIndex() const
{
    int index = 0;
    for (int node = m_first; node != kNone; node = m_nodes[node].next, ++index) {
        if (node == m_current)
            return index;
    }
    return -1;
}

bool PositionHistory::Check() const
{
    std::vector<int> seen(m_nodes.size(), 0);
    bool currentFound = false;
    int prev = kNone;
    for (int node = m_first; node != kNone; node = m_nodes[node].next) {
        if (node < 0 || node >= (int)m_nodes.size() || seen[node]++ || m_nodes[node].prev != prev ||
            !m_nodes[node].file)
            return false;
        currentFound |= node == m_current;
        prev = node;
    }
    if (currentFound != (m_first != kNone) || (m_first == kNone && m_current != kNone))
        return false;
    for (int node = m_free; node != kNone; node = m_nodes[node].next) {
        if (node < 0 || node >= (int)m_nodes.size() || seen[node]++)
            return false;
    }
    for (int mark : seen) {
        if (mark != 1)
            return false;
    }
    return true;
}

PositionHistory& ThePositionHistory()
{
    static PositionHistory history;
    return history;
}

#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/CString.h"

// The places the user jumped from and to (file and line), for the back and forward
// commands, like a browser's history. Recording after going back cuts the forward part;
// positions of one file within one line of each other count as one place.
//
// Invariant: the nodes from the first one, linked by next, are the history in order, with
// prev the mirror of next; current is one of them (or none exactly when the history is
// empty); every other node is on the free list. Check() verifies it.
class PositionHistory {
public:
    struct Position {
        CString file;
        int column = 0;
        int line = 0;  // 1-based
    };

    // Each returns false when nothing was recorded: the place is already the current one,
    // or memory ran out.
    bool Record(const char* file, int column, int line);
    // Like Record, but places the node directly before (or after) the current one and
    // keeps the rest of the list.
    bool Insert(const char* file, int column, int line, bool before);
    // The neighbour, which becomes current; false at the end of the history.
    bool Back(Position& position) { return Step(false, position); }
    bool Forward(Position& position) { return Step(true, position); }
    void FreeAll();

    // The back and forward commands: the neighbour to open, if any. Either way the next
    // five recordings are steered by NavigationBias().
    bool NavigateBack(Position& position) { return Navigate(false, position); }
    bool NavigateForward(Position& position) { return Navigate(true, position); }
    // -5 after back, +5 after forward, one step nearer 0 with each RecordJump.
    int NavigationBias() const { return m_bias; }
    // What the view records before a jump: while a navigation bias is left, the place goes
    // in before (right after back) or after the current node; otherwise it is recorded.
    bool RecordJump(const char* file, int column, int line);

    // The position recorded or navigated to last.
    const Position& LastPosition() const { return m_last; }
    void SetLastPosition(const char* file, int line);

    int Count() const;
    // The history from first to last, for tests and display.
    std::vector<Position> Snapshot() const;
    // Index of the current node in Snapshot(), -1 when empty.
    int CurrentIndex() const;
    bool Check() const;

private:
    static constexpr int kNone = -1;
    static constexpr int kBias = 5;
    struct Node {
        int column = 0;
        int line = 0;
        const std::string* file = nullptr;
        int prev = kNone;
        int next = kNone;
    };

    const std::string* Intern(const char* file);
    int NewNode();
    int FindNear(const std::string* file, int line) const;
    void Unlink(int node);
    void LinkAfter(int node, int anchor);
    void LinkBefore(int node, int anchor);
    // Moves a chain (from node on) to the free list.
    void ReleaseChain(int node);
    // Finds or makes the node for a place; kNone when it is current or memory ran out.
    int TakeNodeFor(const char* file, int column, int line);
    Position PositionOf(int node) const;
    bool Step(bool forward, Position& position);
    bool Navigate(bool forward, Position& position);

    std::vector<Node> m_nodes;
    std::unordered_map<std::string, std::unique_ptr<std::string>> m_names;
    int m_first = kNone;
    int m_current = kNone;
    int m_free = kNone;
    int m_bias = 0;
    Position m_last;
};

// The IDE's history.
PositionHistory& ThePositionHistory();

#pragma once
#include <cstddef>
#include <string>
#include <vector>

class CString;

// Node opcodes of a compiled program. A node is three bytes, {opcode, offset to the next
// node as 16 bits low byte first, 0 = none}, followed for ANYOF, ANYBUT and EXACTLY by a
// zero-terminated operand (for a set: each range as its first and last character). BACK's
// offset points backwards, every other one forwards. Every node that consumes text
// consumes whole GBK characters.
enum RegexOpcode : unsigned char {
    kOpEnd = 0,      // success
    kOpBol = 1,      // the subject's start
    kOpEol = 2,      // the subject's end
    kOpAny = 3,      // any one character
    kOpAnyOf = 4,    // one character of the set
    kOpAnyBut = 5,   // one character not in the set, not the end
    kOpBranch = 6,   // the node behind it, else the next BRANCH of the chain
    kOpBack = 7,     // no-op jumping backwards (loops)
    kOpExactly = 8,  // the literal
    kOpNothing = 9,  // the empty string
    kOpStar = 10,    // the following simple node 0 or more times, longest first
    kOpPlus = 11,    // the following simple node 1 or more times, longest first
    kOpOpen = 20,    // + n: start of group n (1-9)
    kOpClose = 30,   // + n: end of group n
};

constexpr size_t kRegexNodeSize = 3;
// Group 0 is the whole match; groups 1-9 are the parenthesised ones.
constexpr int kRegexGroupCount = 10;
// Next-node offsets are 16 bits, so no program may be larger than they can span.
constexpr size_t kRegexMaxProgramSize = 0xFFFF;
// The matcher recurses once per alternative, group boundary and repeat; this keeps a
// search over a long line far from the end of the stack.
constexpr int kRegexMaxRecursionDepth = 6000;
// Nodes visited and bytes spanned by repeats in one Find, or in all the Finds of one
// CRegexSearchBudget; past it Find reports no match, so a pathological pattern cannot hang
// the editor.
constexpr long kRegexMaxMatchSteps = 10000000;

// Compiles a pattern (metacharacters ^ $ . [ ( ) | ? + * and the backslash, up to nine
// groups) into a node program and searches zero-terminated byte strings for it with a
// backtracking matcher. It has no options: callers lower-case pattern and text for a
// case-insensitive search and rewrite class shorthands such as \w into bracket sets.
// Literal runs, escapes, bracket sets and replacement templates step over double-byte
// characters whole, so a GBK trail byte is never read as a metacharacter; matches start and
// end where characters do, and '.', sets and ranges match whole characters.
class CRegexEngine {
public:
    CRegexEngine();
    ~CRegexEngine();
    CRegexEngine(const CRegexEngine&) = delete;
    CRegexEngine& operator=(const CRegexEngine&) = delete;

    // Releases everything: no program, no match.
    void Reset();
    // Frees the program and the copy of the match.
    void Free();

    // The engine, or null on a syntax error, a null pattern or a program too large for its
    // offsets. After a failure there is no program and Find reports no match.
    CRegexEngine* Compile(const char* pattern);

    // Byte offset of the first match in subject, or -1 (also when the search ran past its
    // step or depth bound). On success the group positions point into subject and a copy of
    // the matched bytes is kept.
    int Find(const char* subject);
    // Whether the last Find, or any Find of the current CRegexSearchBudget, stopped at the
    // step or depth bound.
    bool RanOutOfSteps() const { return m_exhausted; }

    // End minus start of the whole match; 0 without a match.
    int GetMatchLength() const;
    // The matched text; false without a match.
    bool GetMatchText(CString& text) const;
    // The template with "&" replaced by the whole match and "\0" to "\9" by the groups
    // ("\\" gives a backslash, "\&" an ampersand); false without a match or without memory.
    bool GetReplacementText(const char* replacementTemplate, CString& text) const;

    // Moves the match found in searchedSubject to the same offsets of subject, whose bytes up
    // to the match's end must exist, and keeps the copy from there: a search in a lower-cased
    // copy of a line then yields the line's own text for the match and its groups.
    void RebaseMatch(const char* searchedSubject, const char* subject);

    // The runs of bytes every match holds, in the order they stand, read from the program:
    // literals behind '?' or '*', in one of several alternatives or inside a loop do not
    // count, and zero-width nodes (groups, NOTHING) do not split a run. None when no literal
    // is required or nothing is compiled. A byte search for them passes over text that
    // cannot match.
    std::vector<std::string> RequiredLiterals() const;

    // The compiled program (null before a successful compile) and its size in bytes.
    const unsigned char* GetProgram() const { return m_program; }
    size_t GetProgramSize() const { return m_programSize; }

private:
    friend class CRegexSearchBudget;

    // Offset of a node in the program; kNoNode for none and for a failed parse step.
    using NodeOffset = size_t;
    static constexpr NodeOffset kNoNode = static_cast<NodeOffset>(-1);

    void ClearGroups();
    void FreeMatchCopy();

    NodeOffset ParseExpression(bool inGroup, unsigned* flags);
    NodeOffset ParseBranch(unsigned* flags);
    NodeOffset ParsePiece(unsigned* flags);
    NodeOffset ParseAtom(unsigned* flags);
    NodeOffset ParseBracketSet(unsigned* flags);
    NodeOffset ParseLiteralRun(unsigned* flags);
    NodeOffset EmitNode(unsigned char opcode);
    void EmitByte(unsigned char byte);
    void InsertNode(unsigned char opcode, NodeOffset at);
    void SetTail(NodeOffset chain, NodeOffset target);
    void SetOperandTail(NodeOffset branch, NodeOffset target);
    void Optimize(unsigned flags);

    unsigned char Op(NodeOffset node) const { return m_program[node]; }
    NodeOffset Next(NodeOffset node) const;
    const unsigned char* Operand(NodeOffset node) const { return m_program + node + kRegexNodeSize; }

    // The byte lengths of the characters a STAR or PLUS has taken, kept on one list shared
    // by the nested repeats of a match: each repeat pushes its own and drops them when it
    // returns. A run of single-byte characters at the start is only counted, so a repeat
    // over ASCII text pushes nothing.
    class RepeatLengths {
    public:
        explicit RepeatLengths(std::vector<unsigned char>& list) : m_list(list), m_base(list.size()) {}
        ~RepeatLengths()
        {
            if (m_list.size() != m_base) m_list.resize(m_base);
        }
        RepeatLengths(const RepeatLengths&) = delete;
        RepeatLengths& operator=(const RepeatLengths&) = delete;
        // A run of single-byte characters that starts the repeat.
        void PushSingles(size_t count) { m_singles += count; }
        void Push(int length)
        {
            if (length == 1 && m_list.size() == m_base)
                ++m_singles;
            else
                m_list.push_back(static_cast<unsigned char>(length));
        }
        // The length of character `index` of this repeat.
        int Length(size_t index) const { return index < m_singles ? 1 : m_list[m_base + index - m_singles]; }

    private:
        std::vector<unsigned char>& m_list;
        size_t m_base;
        size_t m_singles = 0;
    };

    bool TryAt(const unsigned char* position);
    bool Match(NodeOffset node, int depth);
    bool MatchRepeat(NodeOffset repeat, size_t minimum, int depth);
    size_t CountRepeats(NodeOffset node, RepeatLengths& lengths, const unsigned char*& end);
    size_t ExpandTemplate(const unsigned char* replacementTemplate, char* out) const;

    int m_compiled;
    char* m_matchCopy;
    const unsigned char* m_groupStart[kRegexGroupCount];
    const unsigned char* m_groupEnd[kRegexGroupCount];
    unsigned char m_firstByte;
    unsigned char m_anchored;
    const unsigned char* m_requiredLiteral;
    size_t m_requiredLength;
    unsigned char* m_program;
    size_t m_programSize;

    const unsigned char* m_parse;
    int m_nextGroup;
    bool m_emitting;
    size_t m_emit;
    size_t m_sizeCount;
    bool m_parseFailed;

    const unsigned char* m_input;
    const unsigned char* m_subjectStart;
    long m_steps;
    bool m_exhausted;
    // Open CRegexSearchBudget scopes; while any is open Find neither resets the step count
    // nor searches again once the bound was reached.
    int m_budgetScopes;
    std::vector<unsigned char> m_repeatLengths;
};

// One step budget for every Find on an engine while it lives. A search that calls Find once
// per candidate match (a backward search, a rejected whole-word or '$' match, the matches of
// one line in a replace-all) then costs at most one budget, not one per call. Scopes nest:
// an inner one shares the outer budget.
class CRegexSearchBudget {
public:
    explicit CRegexSearchBudget(CRegexEngine& engine);
    ~CRegexSearchBudget();
    CRegexSearchBudget(const CRegexSearchBudget&) = delete;
    CRegexSearchBudget& operator=(const CRegexSearchBudget&) = delete;

private:
    CRegexEngine& m_engine;
};

#include "editor/util/RegexEngine.h"

#include "editor/util/CharClasses.h"
#include "editor/util/MbSearch.h"
#include "framework/CString.h"

#include <cstring>
#include <new>

namespace {

// What a parsed piece can do, collected while compiling.
constexpr unsigned kHasWidth = 1;  // never matches the empty string
constexpr unsigned kSimple = 2;    // exactly one character wide: STAR and PLUS can repeat it
constexpr unsigned kStartsWithRepeat = 4;  // the first piece carries '*' or '+'

bool IsMetaByte(unsigned char c)
{
    return c != 0 && strchr("^$.[()|?+*\\", c) != nullptr;
}

bool IsSuffix(unsigned char c)
{
    return c == '*' || c == '+' || c == '?';
}

int CharLength(const unsigned char* p)
{
    return GbkText::CharLength(reinterpret_cast<const char*>(p));
}

// A character's code: its byte, or lead * 256 + trail for a double-byte one, so that GBK
// order is code order.
unsigned CharCode(const unsigned char* p, int length)
{
    return length == 2 ? (static_cast<unsigned>(p[0]) << 8) | p[1] : p[0];
}

// Whether the literal's last character is a lead byte with no trail byte after it.
bool EndsWithLoneLeadByte(const unsigned char* literal, size_t length)
{
    if (!GbkText::IsLeadByte(literal[length - 1])) return false;
    size_t at = 0;
    while (at + 1 < length) at += static_cast<size_t>(CharLength(literal + at));
    return at == length - 1;
}

// Whether a set operand (pairs of characters, the first and the last of a range) holds the
// character with this code.
bool SetHolds(const unsigned char* set, unsigned code)
{
    while (*set) {
        int length = CharLength(set);
        unsigned low = CharCode(set, length);
        set += length;
        if (*set == '\0') return false;  // a damaged operand: half a range
        length = CharLength(set);
        unsigned high = CharCode(set, length);
        set += length;
        if (low <= code && code <= high) return true;
    }
    return false;
}

// Whether the character at p is in (or, for ANYBUT, out of) the set; its length in bytes
// when it is, 0 when not or at the subject's end.
int SetMatch(unsigned char op, const unsigned char* set, const unsigned char* p)
{
    if (*p == '\0') return 0;
    int length = CharLength(p);
    bool held = SetHolds(set, CharCode(p, length));
    return held == (op == kOpAnyOf) ? length : 0;
}

}  // namespace

CRegexEngine::CRegexEngine()
    : m_compiled(0),
      m_matchCopy(nullptr),
      m_program(nullptr),
      m_programSize(0),
      m_budgetScopes(0)
{
    Reset();
}

CRegexEngine::~CRegexEngine()
{
    Free();
}

void CRegexEngine::Reset()
{
    Free();
    m_firstByte = 0;
    m_anchored = 0;
    m_requiredLiteral = nullptr;
    m_requiredLength = 0;
    m_parse = nullptr;
    m_nextGroup = 1;
    m_emitting = false;
    m_emit = 0;
    m_sizeCount = 0;
    m_parseFailed = false;
    m_input = nullptr;
    m_subjectStart = nullptr;
    m_steps = 0;
    m_exhausted = false;
}

void CRegexEngine::Free()
{
    delete[] m_program;
    m_program = nullptr;
    m_programSize = 0;
    m_compiled = 0;
    m_requiredLiteral = nullptr;
    m_requiredLength = 0;
    FreeMatchCopy();
    ClearGroups();
}

void CRegexEngine::ClearGroups()
{
    for (int i = 0; i < kRegexGroupCount; ++i) {
        m_groupStart[i] = nullptr;
        m_groupEnd[i] = nullptr;
    }
}

void CRegexEngine::FreeMatchCopy()
{
    delete[] m_matchCopy;
    m_matchCopy = nullptr;
}

// ---------------------------------------------------------------------------------------
// Compiling. The first pass only counts the program's size (emission is a no-op that
// counts); the second emits into a zero-filled program of exactly that size.

CRegexEngine* CRegexEngine::Compile(const char* pattern)
{
    Free();
    if (!pattern) return nullptr;

    m_parse = reinterpret_cast<const unsigned char*>(pattern);
    m_nextGroup = 1;
    m_emitting = false;
    m_sizeCount = 0;
    m_parseFailed = false;
    unsigned flags = 0;
    if (ParseExpression(false, &flags) == kNoNode || m_parseFailed) {
        m_parse = nullptr;
        return nullptr;
    }

    m_program = new (std::nothrow) unsigned char[m_sizeCount]();
    if (!m_program) return nullptr;
    m_programSize = m_sizeCount;
    m_parse = reinterpret_cast<const unsigned char*>(pattern);
    m_nextGroup = 1;
    m_emitting = true;
    m_emit = 0;
    if (ParseExpression(false, &flags) == kNoNode || m_parseFailed || m_emit != m_programSize) {
        m_parse = nullptr;
        Free();
        return nullptr;
    }
    m_parse = nullptr;  // the pattern is the caller's and may not outlive this call
    Optimize(flags);
    m_compiled = 1;
    return this;
}

// A single top-level branch lets Find skip ahead: to its first literal byte, to the
// subject's start only, or past subjects that lack a literal every match must contain.
void CRegexEngine::Optimize(unsigned flags)
{
    m_firstByte = 0;
    m_anchored = 0;
    m_requiredLiteral = nullptr;
    m_requiredLength = 0;
    NodeOffset branch = 0;
    NodeOffset after = Next(branch);
    if (after == kNoNode || Op(after) != kOpEnd) return;

    NodeOffset scan = branch + kRegexNodeSize;
    if (Op(scan) == kOpExactly)
        m_firstByte = *Operand(scan);
    else if (Op(scan) == kOpBol)
        m_anchored = 1;
    if (!(flags & kStartsWithRepeat)) return;
    // Only the top-level chain is walked: its EXACTLY nodes are in every match.
    for (; scan != kNoNode; scan = Next(scan)) {
        if (Op(scan) != kOpExactly) continue;
        size_t length = strlen(reinterpret_cast<const char*>(Operand(scan)));
        if (length >= m_requiredLength) {
            m_requiredLiteral = Operand(scan);
            m_requiredLength = length;
        }
    }
}

// Walks the nodes every match passes through, in order: a BRANCH with one alternative is
// entered, one with several is passed over to where its alternatives join (what they hold is
// not required, nor is a loop's body after its first pass); STAR repeats may be empty; PLUS
// over a literal byte takes that byte at least once, so it ends one run and starts the next.
std::vector<std::string> CRegexEngine::RequiredLiterals() const
{
    std::vector<std::string> runs;
    if (!m_compiled || !m_program) return runs;
    std::string run;
    auto endRun = [&]() {
        if (!run.empty()) runs.push_back(run);
        run.clear();
    };
    // Every step moves forward through the program, so this bound is never reached by a
    // program Compile made; it only keeps a damaged one from looping.
    size_t steps = m_programSize;
    for (NodeOffset scan = 0; scan != kNoNode && scan + kRegexNodeSize <= m_programSize && steps-- > 0;) {
        unsigned char op = Op(scan);
        NodeOffset next = Next(scan);
        switch (op) {
        case kOpBranch:
            if (next == kNoNode || Op(next) != kOpBranch) {
                next = scan + kRegexNodeSize;
                break;
            }
            endRun();
            while (next != kNoNode && Op(next) == kOpBranch) next = Next(next);
            break;
        case kOpExactly:
            run += reinterpret_cast<const char*>(Operand(scan));
            break;
        case kOpPlus: {
            NodeOffset operand = scan + kRegexNodeSize;
            bool literal = Op(operand) == kOpExactly;
            if (literal) run += static_cast<char>(*Operand(operand));
            endRun();
            if (literal) run += static_cast<char>(*Operand(operand));
            break;
        }
        case kOpNothing:
            break;
        case kOpStar:
        case kOpAny:
        case kOpAnyOf:
        case kOpAnyBut:
        case kOpBol:
        case kOpEol:
            endRun();
            break;
        default:
            if ((op > kOpOpen && op < kOpOpen + kRegexGroupCount) ||
                (op > kOpClose && op < kOpClose + kRegexGroupCount))
                break;  // OPEN n, CLOSE n
            endRun();  // END, or BACK on a damaged program
            return runs;
        }
        scan = next;
    }
    endRun();
    return runs;
}

// expression = branch { '|' branch }; in a group also the OPEN and CLOSE around it.
CRegexEngine::NodeOffset CRegexEngine::ParseExpression(bool inGroup, unsigned* flags)
{
    *flags = kHasWidth;
    NodeOffset result = kNoNode;
    int group = 0;
    if (inGroup) {
        if (m_nextGroup >= kRegexGroupCount) return kNoNode;
        group = m_nextGroup++;
        result = EmitNode(static_cast<unsigned char>(kOpOpen + group));
    }

    unsigned branchFlags = 0;
    NodeOffset branch = ParseBranch(&branchFlags);
    if (branch == kNoNode) return kNoNode;
    if (result != kNoNode)
        SetTail(result, branch);
    else
        result = branch;
    if (!(branchFlags & kHasWidth)) *flags &= ~kHasWidth;
    *flags |= branchFlags & kStartsWithRepeat;

    while (*m_parse == '|') {
        ++m_parse;
        branch = ParseBranch(&branchFlags);
        if (branch == kNoNode) return kNoNode;
        SetTail(result, branch);
        if (!(branchFlags & kHasWidth)) *flags &= ~kHasWidth;
        *flags |= branchFlags & kStartsWithRepeat;
    }

    NodeOffset ender = EmitNode(static_cast<unsigned char>(inGroup ? kOpClose + group : kOpEnd));
    SetTail(result, ender);
    if (m_emitting) {
        for (NodeOffset b = result; b != kNoNode; b = Next(b)) SetOperandTail(b, ender);
    }

    if (inGroup) {
        if (*m_parse != ')') return kNoNode;  // '(' without ')'
        ++m_parse;
    } else if (*m_parse != '\0') {
        return kNoNode;  // ')' without '('
    }
    return m_parseFailed ? kNoNode : result;
}

// branch = BRANCH node followed by its pieces (NOTHING when it has none).
CRegexEngine::NodeOffset CRegexEngine::ParseBranch(unsigned* flags)
{
    *flags = 0;
    NodeOffset result = EmitNode(kOpBranch);
    NodeOffset chain = kNoNode;
    while (*m_parse != '\0' && *m_parse != '|' && *m_parse != ')') {
        if (m_parseFailed) return kNoNode;
        unsigned pieceFlags = 0;
        NodeOffset latest = ParsePiece(&pieceFlags);
        if (latest == kNoNode) return kNoNode;
        *flags |= pieceFlags & kHasWidth;
        if (chain == kNoNode)
            *flags |= pieceFlags & kStartsWithRepeat;
        else
            SetTail(chain, latest);
        chain = latest;
    }
    if (chain == kNoNode) EmitNode(kOpNothing);
    return result;
}

// piece = atom with an optional '*', '+' or '?'.
CRegexEngine::NodeOffset CRegexEngine::ParsePiece(unsigned* flags)
{
    unsigned atomFlags = 0;
    NodeOffset result = ParseAtom(&atomFlags);
    if (result == kNoNode) return kNoNode;

    unsigned char op = *m_parse;
    if (!IsSuffix(op)) {
        *flags = atomFlags;
        return result;
    }
    // A loop over something that can match nothing would never advance.
    if (!(atomFlags & kHasWidth) && op != '?') return kNoNode;
    *flags = op == '*' ? kStartsWithRepeat : op == '+' ? kHasWidth | kStartsWithRepeat : 0;

    if (op == '*' && (atomFlags & kSimple)) {
        InsertNode(kOpStar, result);
    } else if (op == '*') {
        // x* becomes (x BACK-to-start | NOTHING).
        InsertNode(kOpBranch, result);
        SetOperandTail(result, EmitNode(kOpBack));
        SetOperandTail(result, result);
        SetTail(result, EmitNode(kOpBranch));
        SetTail(result, EmitNode(kOpNothing));
    } else if (op == '+' && (atomFlags & kSimple)) {
        InsertNode(kOpPlus, result);
    } else if (op == '+') {
        // x+ becomes x (BACK-to-x | NOTHING).
        NodeOffset next = EmitNode(kOpBranch);
        SetTail(result, next);
        SetTail(EmitNode(kOpBack), result);
        SetTail(next, EmitNode(kOpBranch));
        SetTail(result, EmitNode(kOpNothing));
    } else {
        // x? becomes (x | NOTHING).
        InsertNode(kOpBranch, result);
        SetTail(result, EmitNode(kOpBranch));
        NodeOffset next = EmitNode(kOpNothing);
        SetTail(result, next);
        SetOperandTail(result, next);
    }
    ++m_parse;
    if (IsSuffix(*m_parse)) return kNoNode;  // a**, a+?, b?*
    return result;
}

CRegexEngine::NodeOffset CRegexEngine::ParseAtom(unsigned* flags)
{
    *flags = 0;
    switch (*m_parse) {
    case '^':
        ++m_parse;
        return EmitNode(kOpBol);
    case '$':
        ++m_parse;
        return EmitNode(kOpEol);
    case '.':
        ++m_parse;
        *flags = kHasWidth | kSimple;
        return EmitNode(kOpAny);
    case '[':
        ++m_parse;
        return ParseBracketSet(flags);
    case '(': {
        ++m_parse;
        unsigned groupFlags = 0;
        NodeOffset result = ParseExpression(true, &groupFlags);
        if (result == kNoNode) return kNoNode;
        *flags = groupFlags & kHasWidth;
        return result;
    }
    case '\0':
    case '|':
    case ')':
    case '?':
    case '+':
    case '*':
        return kNoNode;  // nothing to repeat, or no atom at all
    case '\\': {
        ++m_parse;
        if (*m_parse == '\0') return kNoNode;  // trailing backslash
        NodeOffset result = EmitNode(kOpExactly);
        int length = CharLength(m_parse);
        for (int i = 0; i < length; ++i) EmitByte(*m_parse++);
        EmitByte(0);
        *flags = length == 1 ? kHasWidth | kSimple : kHasWidth;
        return result;
    }
    default:
        return ParseLiteralRun(flags);
    }
}

// '[' already consumed. A ']' first is literal, a '-' first or before ']' too; a-z is every
// character from a to z in GBK order, so 啊-座 spans double-byte characters. The operand is
// a list of ranges, each its first and last character (a lone character is both); a trail
// byte is never taken for ']' or '-'.
CRegexEngine::NodeOffset CRegexEngine::ParseBracketSet(unsigned* flags)
{
    NodeOffset result;
    if (*m_parse == '^') {
        ++m_parse;
        result = EmitNode(kOpAnyBut);
    } else {
        result = EmitNode(kOpAnyOf);
    }
    for (bool first = true; *m_parse != '\0' && (first || *m_parse != ']'); first = false) {
        const unsigned char* low = m_parse;
        int lowLength = CharLength(low);
        m_parse += lowLength;
        const unsigned char* high = low;
        int highLength = lowLength;
        if (*m_parse == '-' && m_parse[1] != ']' && m_parse[1] != '\0') {
            high = m_parse + 1;
            highLength = CharLength(high);
            m_parse = high + highLength;
            if (CharCode(low, lowLength) > CharCode(high, highLength)) return kNoNode;  // [z-a]
        }
        for (int i = 0; i < lowLength; ++i) EmitByte(low[i]);
        for (int i = 0; i < highLength; ++i) EmitByte(high[i]);
    }
    EmitByte(0);
    if (*m_parse != ']') return kNoNode;  // missing ']'
    ++m_parse;
    *flags = kHasWidth | kSimple;
    return result;
}

// The longest run up to the next metacharacter becomes one EXACTLY node; when a suffix
// follows a longer run, its last character is left for the suffix to apply to alone.
CRegexEngine::NodeOffset CRegexEngine::ParseLiteralRun(unsigned* flags)
{
    size_t length = 0;
    size_t lastCharLength = 0;
    while (m_parse[length] != '\0' && !IsMetaByte(m_parse[length])) {
        lastCharLength = static_cast<size_t>(CharLength(m_parse + length));
        length += lastCharLength;
    }
    if (length == 0) return kNoNode;
    if (length > lastCharLength && IsSuffix(m_parse[length])) length -= lastCharLength;

    *flags = length == 1 ? kHasWidth | kSimple : kHasWidth;
    NodeOffset result = EmitNode(kOpExactly);
    for (size_t i = 0; i < length; ++i) EmitByte(*m_parse++);
    EmitByte(0);
    return result;
}

CRegexEngine::NodeOffset CRegexEngine::EmitNode(unsigned char opcode)
{
    if (!m_emitting) {
        m_sizeCount += kRegexNodeSize;
        if (m_sizeCount > kRegexMaxProgramSize) m_parseFailed = true;
        return 0;
    }
    if (m_emit + kRegexNodeSize > m_programSize) {
        m_parseFailed = true;
        return 0;
    }
    NodeOffset node = m_emit;
    m_program[m_emit++] = opcode;
    m_program[m_emit++] = 0;
    m_program[m_emit++] = 0;
    return node;
}

void CRegexEngine::EmitByte(unsigned char byte)
{
    if (!m_emitting) {
        if (++m_sizeCount > kRegexMaxProgramSize) m_parseFailed = true;
        return;
    }
    if (m_emit >= m_programSize) {
        m_parseFailed = true;
        return;
    }
    m_program[m_emit++] = byte;
}

// Moves the operand that starts at `at` up by one node and puts a new node in its place.
void CRegexEngine::InsertNode(unsigned char opcode, NodeOffset at)
{
    if (!m_emitting) {
        m_sizeCount += kRegexNodeSize;
        if (m_sizeCount > kRegexMaxProgramSize) m_parseFailed = true;
        return;
    }
    if (m_emit + kRegexNodeSize > m_programSize || at > m_emit) {
        m_parseFailed = true;
        return;
    }
    memmove(m_program + at + kRegexNodeSize, m_program + at, m_emit - at);
    m_emit += kRegexNodeSize;
    m_program[at] = opcode;
    m_program[at + 1] = 0;
    m_program[at + 2] = 0;
}

// Points the last node of the chain that starts at `chain` to `target`.
void CRegexEngine::SetTail(NodeOffset chain, NodeOffset target)
{
    if (!m_emitting || m_parseFailed) return;
    NodeOffset last = chain;
    for (NodeOffset next = Next(last); next != kNoNode; next = Next(last)) last = next;
    size_t offset = Op(last) == kOpBack ? last - target : target - last;
    m_program[last + 1] = static_cast<unsigned char>(offset & 0xFF);
    m_program[last + 2] = static_cast<unsigned char>(offset >> 8);
}

// SetTail on the operand of a BRANCH; nothing for other nodes.
void CRegexEngine::SetOperandTail(NodeOffset branch, NodeOffset target)
{
    if (!m_emitting || m_parseFailed || Op(branch) != kOpBranch) return;
    SetTail(branch + kRegexNodeSize, target);
}

CRegexEngine::NodeOffset CRegexEngine::Next(NodeOffset node) const
{
    size_t offset = m_program[node + 1] | (static_cast<size_t>(m_program[node + 2]) << 8);
    if (offset == 0) return kNoNode;
    return Op(node) == kOpBack ? node - offset : node + offset;
}

// ---------------------------------------------------------------------------------------
// Searching.

int CRegexEngine::Find(const char* subject)
{
    FreeMatchCopy();
    ClearGroups();
    if (m_budgetScopes == 0) {
        m_steps = 0;
        m_exhausted = false;
    } else if (m_exhausted) {
        return -1;
    }
    if (!m_compiled || !m_program || !subject) return -1;
    if (m_requiredLiteral &&
        !MbFindString(subject, reinterpret_cast<const char*>(m_requiredLiteral)))
        return -1;

    const unsigned char* start = reinterpret_cast<const unsigned char*>(subject);
    m_subjectStart = start;

    const unsigned char* found = nullptr;
    if (m_anchored) {
        if (TryAt(start)) found = start;
    } else if (m_firstByte != 0) {
        for (const unsigned char* s = start; s && !m_exhausted;) {
            if (TryAt(s)) {
                found = s;
                break;
            }
            if (*s == '\0') break;
            s = reinterpret_cast<const unsigned char*>(
                MbFindChar(reinterpret_cast<const char*>(s + CharLength(s)), m_firstByte));
        }
    } else {
        // Matches start only where a character starts, never on a trail byte.
        for (const unsigned char* s = start;; s += CharLength(s)) {
            if (TryAt(s)) {
                found = s;
                break;
            }
            if (m_exhausted || *s == '\0') break;
        }
    }

    if (!found) {
        ClearGroups();
        return -1;
    }
    size_t length = static_cast<size_t>(m_groupEnd[0] - m_groupStart[0]);
    m_matchCopy = new (std::nothrow) char[length + 1];
    if (m_matchCopy) {
        memcpy(m_matchCopy, m_groupStart[0], length);
        m_matchCopy[length] = '\0';
    }
    return static_cast<int>(found - start);
}

bool CRegexEngine::TryAt(const unsigned char* position)
{
    ClearGroups();
    m_input = position;
    m_repeatLengths.clear();
    bool matched = false;
    try {
        matched = Match(0, 0);
    } catch (const std::bad_alloc&) {
        m_exhausted = true;  // no room to track a repeat: reported like a search past its bound
    }
    if (!matched) return false;
    m_groupStart[0] = position;
    m_groupEnd[0] = m_input;
    return true;
}

// Runs the node chain from `node` at m_input; true when it reaches END. On failure m_input
// is unspecified: callers that retry restore it.
bool CRegexEngine::Match(NodeOffset node, int depth)
{
    if (m_exhausted) return false;
    if (depth > kRegexMaxRecursionDepth) {
        m_exhausted = true;
        return false;
    }
    for (NodeOffset scan = node; scan != kNoNode;) {
        if (++m_steps > kRegexMaxMatchSteps) {
            m_exhausted = true;
            return false;
        }
        NodeOffset next = Next(scan);
        unsigned char op = Op(scan);
        switch (op) {
        case kOpBol:
            if (m_input != m_subjectStart) return false;
            break;
        case kOpEol:
            if (*m_input != '\0') return false;
            break;
        case kOpAny:
            if (*m_input == '\0') return false;
            m_input += CharLength(m_input);
            break;
        case kOpExactly: {
            const unsigned char* literal = Operand(scan);
            size_t length = strlen(reinterpret_cast<const char*>(literal));
            if (*literal != *m_input) return false;
            // strncmp stops at the subject's end; the literal holds no zero byte.
            if (length > 1 && strncmp(reinterpret_cast<const char*>(literal),
                                      reinterpret_cast<const char*>(m_input), length) != 0)
                return false;
            // A lone lead byte ending the pattern is a character of its own, not the first
            // half of the subject's.
            if (m_input[length] != '\0' && EndsWithLoneLeadByte(literal, length)) return false;
            m_input += length;
            break;
        }
        case kOpAnyOf:
        case kOpAnyBut: {
            int length = SetMatch(op, Operand(scan), m_input);
            if (length == 0) return false;
            m_input += length;
            break;
        }
        case kOpNothing:
        case kOpBack:
            break;
        case kOpBranch: {
            if (next == kNoNode || Op(next) != kOpBranch) {
                next = scan + kRegexNodeSize;  // a single alternative: no choice to make
                break;
            }
            const unsigned char* save = m_input;
            for (NodeOffset alternative = scan; alternative != kNoNode && Op(alternative) == kOpBranch;
                 alternative = Next(alternative)) {
                if (Match(alternative + kRegexNodeSize, depth + 1)) return true;
                if (m_exhausted) return false;
                m_input = save;
            }
            return false;
        }
        case kOpStar:
        case kOpPlus:
            return MatchRepeat(scan, op == kOpStar ? 0 : 1, depth);
        case kOpEnd:
            return true;
        default:
            if (op > kOpOpen && op < kOpOpen + kRegexGroupCount) {
                int group = op - kOpOpen;
                const unsigned char* save = m_input;
                if (!Match(next, depth + 1)) return false;
                // The deepest try of a group (its last repetition) records first.
                if (!m_groupStart[group]) m_groupStart[group] = save;
                return true;
            }
            if (op > kOpClose && op < kOpClose + kRegexGroupCount) {
                int group = op - kOpClose;
                const unsigned char* save = m_input;
                if (!Match(next, depth + 1)) return false;
                if (!m_groupEnd[group]) m_groupEnd[group] = save;
                return true;
            }
            return false;  // not a node of ours: a damaged program matches nothing
        }
        scan = next;
    }
    return false;  // a chain that ends without END: damaged program
}

// The simple node after `repeat` taken as often as it matches, then the nodes after the
// repeat; the longest run is tried first and gives back one character at a time. Kept out
// of Match, so that Match's own frame stays small.
bool CRegexEngine::MatchRepeat(NodeOffset repeat, size_t minimum, int depth)
{
    NodeOffset next = Next(repeat);
    unsigned char following = 0;
    if (next != kNoNode && Op(next) == kOpExactly) following = *Operand(next);
    RepeatLengths lengths(m_repeatLengths);
    const unsigned char* end = m_input;
    size_t count = CountRepeats(repeat + kRegexNodeSize, lengths, end);
    for (;;) {
        if (count < minimum) return false;
        if (following == 0 || *end == following) {
            m_input = end;
            if (Match(next, depth + 1)) return true;
            if (m_exhausted) return false;
        }
        if (count == 0) return false;
        end -= lengths.Length(--count);
    }
}

// How many times the simple node matches from `end` on; `end` moves past them. A
// single-byte literal repeats byte by byte; the other nodes match whole characters, whose
// lengths go on the repeat's list.
size_t CRegexEngine::CountRepeats(NodeOffset node, RepeatLengths& lengths, const unsigned char*& end)
{
    const unsigned char* p = end;
    const unsigned char* operand = Operand(node);
    size_t count = 0;
    unsigned char op = Op(node);
    if (op == kOpExactly) {
        while (*p && *p == *operand) ++p;
        count = static_cast<size_t>(p - end);
        lengths.PushSingles(count);
    } else {
        for (;;) {
            int length = op == kOpAny ? (*p ? CharLength(p) : 0) : SetMatch(op, operand, p);
            if (length == 0) break;
            lengths.Push(length);
            p += length;
            ++count;
        }
    }
    end = p;
    m_steps += static_cast<long>(count);
    return count;
}

CRegexSearchBudget::CRegexSearchBudget(CRegexEngine& engine) : m_engine(engine)
{
    if (m_engine.m_budgetScopes++ == 0) {
        m_engine.m_steps = 0;
        m_engine.m_exhausted = false;
    }
}

CRegexSearchBudget::~CRegexSearchBudget()
{
    --m_engine.m_budgetScopes;
}

// ---------------------------------------------------------------------------------------
// Match results.

void CRegexEngine::RebaseMatch(const char* searchedSubject, const char* subject)
{
    if (!m_groupStart[0] || !m_groupEnd[0] || !searchedSubject || !subject) return;
    const unsigned char* from = reinterpret_cast<const unsigned char*>(searchedSubject);
    const unsigned char* to = reinterpret_cast<const unsigned char*>(subject);
    for (int i = 0; i < kRegexGroupCount; ++i) {
        if (m_groupStart[i]) m_groupStart[i] = to + (m_groupStart[i] - from);
        if (m_groupEnd[i]) m_groupEnd[i] = to + (m_groupEnd[i] - from);
    }
    if (m_matchCopy) memcpy(m_matchCopy, m_groupStart[0], static_cast<size_t>(GetMatchLength()));
}

int CRegexEngine::GetMatchLength() const
{
    if (!m_groupStart[0] || !m_groupEnd[0]) return 0;
    return static_cast<int>(m_groupEnd[0] - m_groupStart[0]);
}

bool CRegexEngine::GetMatchText(CString& text) const
{
    if (!m_groupStart[0] || !m_groupEnd[0] || !m_matchCopy) return false;
    // The kept copy, not the subject: the caller's subject may be gone by now.
    try {
        text = CString(m_matchCopy, GetMatchLength());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CRegexEngine::GetReplacementText(const char* replacementTemplate, CString& text) const
{
    if (!m_groupStart[0] || !m_groupEnd[0] || !m_matchCopy || !replacementTemplate) return false;
    const unsigned char* source = reinterpret_cast<const unsigned char*>(replacementTemplate);
    size_t length = ExpandTemplate(source, nullptr);
    if (length > 0x7FFFFFFF) return false;
    try {
        char* buffer = text.GetBufferSetLength(static_cast<int>(length));
        ExpandTemplate(source, buffer);
        text.ReleaseBuffer(static_cast<int>(length));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Writes the expanded template to out (when not null); returns its length in bytes.
size_t CRegexEngine::ExpandTemplate(const unsigned char* source, char* out) const
{
    size_t length = 0;
    size_t matchLength = static_cast<size_t>(GetMatchLength());
    auto put = [&](const char* bytes, size_t count) {
        if (out) memcpy(out + length, bytes, count);
        length += count;
    };
    while (*source) {
        int group = -1;
        if (*source == '&') {
            group = 0;
            ++source;
        } else if (*source == '\\' && source[1] >= '0' && source[1] <= '9') {
            group = source[1] - '0';
            source += 2;
        }
        if (group < 0) {
            if (*source == '\\' && (source[1] == '\\' || source[1] == '&')) ++source;
            // A double-byte character is copied whole, so its trail byte is never an escape.
            int charLength = CharLength(source);
            put(reinterpret_cast<const char*>(source), static_cast<size_t>(charLength));
            source += charLength;
            continue;
        }
        const unsigned char* start = m_groupStart[group];
        const unsigned char* end = m_groupEnd[group];
        if (!start || !end || end <= start || start < m_groupStart[0]) continue;
        size_t offset = static_cast<size_t>(start - m_groupStart[0]);
        size_t count = static_cast<size_t>(end - start);
        if (offset > matchLength || count > matchLength - offset) continue;
        put(m_matchCopy + offset, count);
    }
    return length;
}

#include "editor/inputaids/VocabularyList.h"

#include "editor/inputaids/GbkBytes.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

const size_t kMaxLookupNameLength = 254;

bool CharIs(const char* at, size_t step, const char* character)
{
    return step == strlen(character) && memcmp(at, character, step) == 0;
}

bool IsOpening(const char* at, size_t step)
{
    return CharIs(at, step, "(") || CharIs(at, step, "（") || CharIs(at, step, "〔");
}

bool IsClosing(const char* at, size_t step)
{
    return CharIs(at, step, ")") || CharIs(at, step, "）") || CharIs(at, step, "〕");
}

bool IsBrace(const char* at, size_t step)
{
    return CharIs(at, step, "{") || CharIs(at, step, "｛");
}

bool IsNameSeparator(const char* at, size_t step)
{
    return CharIs(at, step, " ") || CharIs(at, step, "\t") || CharIs(at, step, "　")
           || CharIs(at, step, "】");
}

// Finds the name of the call in a text: the text qualifies when, scanning by character, an
// opening parenthesis is followed later by a closing one with no brace before the first or
// after the matching one. The name ends at the first opening parenthesis and starts after
// the last separator before it.
bool FindCallName(const char* text, std::string& name)
{
    size_t length = strlen(text);
    int state = 1;
    bool haveName = false;
    size_t nameStart = 0, nameEnd = 0;
    for (size_t index = 0; index < length;) {
        size_t step = GbkBytes::CharLength(text, length, index);
        const char* at = text + index;
        if (!haveName && IsNameSeparator(at, step))
            nameStart = index + step;
        if (IsOpening(at, step)) {
            if (!haveName) {
                haveName = true;
                nameEnd = index;
            }
            if (state == 1)
                state = 2;
        } else if (IsClosing(at, step)) {
            if (state == 2)
                state = 3;
        } else if (IsBrace(at, step)) {
            if (state == 1 || state == 3)
                state = 0;
        }
        index += step;
    }
    if (length == 0 || state != 3 || nameEnd <= nameStart)
        return false;
    name.assign(text + nameStart, nameEnd - nameStart);
    return true;
}

// Runs of blanks and tabs, and the hint brackets 【 】, become a single blank.
std::string NormaliseEntry(const char* entry)
{
    std::string text;
    size_t length = strlen(entry);
    for (size_t index = 0; index < length;) {
        size_t step = GbkBytes::CharLength(entry, length, index);
        const char* at = entry + index;
        bool blank = CharIs(at, step, " ") || CharIs(at, step, "\t") || CharIs(at, step, "【")
                     || CharIs(at, step, "】");
        if (!blank)
            text.append(at, step);
        else if (text.empty() || text.back() != ' ')
            text += ' ';
        index += step;
    }
    return text;
}

bool KeyLess(const std::string& a, const std::string& b)
{
    return strcmp(a.c_str(), b.c_str()) < 0;
}

int g_vocabularyTreeLoaded = 0;

CVocabularyList& ProcessVocabularyList()
{
    static CVocabularyList list;
    return list;
}

} // namespace

int CVocabularyList::Add(const char* entry, int tableNumber)
{
    if (!entry)
        return 0;
    try {
        std::unique_ptr<Node> node(new Node);
        if (!FindCallName(entry, node->key))
            return 0;
        node->text = NormaliseEntry(entry);
        node->tableNumber = tableNumber;
        // After every node with an equal key.
        auto place = std::upper_bound(m_nodes.begin(), m_nodes.end(), node->key,
                                      [](const std::string& key, const std::unique_ptr<Node>& n) {
                                          return KeyLess(key, n->key);
                                      });
        m_nodes.insert(place, std::move(node));
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

const char* CVocabularyList::Lookup(const char* name) const
{
    if (!name)
        return nullptr;
    std::string key(name);
    auto found = std::lower_bound(m_nodes.begin(), m_nodes.end(), key,
                                  [](const std::unique_ptr<Node>& n, const std::string& k) {
                                      return KeyLess(n->key, k);
                                  });
    if (found == m_nodes.end() || (*found)->key != key)
        return nullptr;
    return (*found)->text.c_str();
}

const char* CVocabularyList::LookupBefore(const char* text) const
{
    if (!text)
        return nullptr;
    std::string name;
    if (!FindCallName(text, name) || name.size() > kMaxLookupNameLength)
        return nullptr;
    return Lookup(name.c_str());
}

void CVocabularyList::Clear()
{
    m_nodes.clear();
}

int CVocabularyList::TableNumberAt(size_t index) const
{
    return index < m_nodes.size() ? m_nodes[index]->tableNumber : 0;
}

bool CVocabularyList::Check() const
{
    for (size_t i = 1; i < m_nodes.size(); ++i)
        if (KeyLess(m_nodes[i]->key, m_nodes[i - 1]->key))
            return false;
    return true;
}

int ParseVocabularyEntry(const char* entry, int tableNumber)
{
    return ProcessVocabularyList().Add(entry, tableNumber);
}

const char* LookupVocabulary(const char* name)
{
    return ProcessVocabularyList().Lookup(name);
}

const char* LookupVocabularyBefore(const char* text)
{
    return ProcessVocabularyList().LookupBefore(text);
}

void FreeVocabularyList()
{
    ProcessVocabularyList().Clear();
}

int SetVocabularyTreeLoaded(int loaded)
{
    g_vocabularyTreeLoaded = loaded;
    return g_vocabularyTreeLoaded;
}

int IsVocabularyTreeLoaded()
{
    return g_vocabularyTreeLoaded;
}

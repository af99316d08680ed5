#pragma once
#include <memory>
#include <string>
#include <vector>

// The call-tip index: function name -> the normalised declaration text of a vocabulary
// entry. Keys ascend byte-wise (bytes unsigned); equal keys keep the order they came in.
// Texts handed out stay valid until Clear().
class CVocabularyList {
public:
    // Adds the entry when it holds a call "name(...)" with no brace before its opening or
    // after its closing parenthesis. 1 when added, else 0.
    int Add(const char* entry, int tableNumber);
    // The text of the first entry whose key equals the name, or null.
    const char* Lookup(const char* name) const;
    // The text for the call in the text (the name before its first opening parenthesis),
    // or null when the text holds no complete call or its name is longer than 254 bytes.
    const char* LookupBefore(const char* text) const;
    void Clear();

    size_t Count() const { return m_nodes.size(); }
    // The table number the entry at index came from (entries in key order).
    int TableNumberAt(size_t index) const;
    // True when the keys ascend.
    bool Check() const;

private:
    struct Node {
        std::string key;
        std::string text;
        int tableNumber;
    };
    std::vector<std::unique_ptr<Node>> m_nodes; // in key order
};

// Process-wide list fed by the vocabulary table reader at start-up.
int ParseVocabularyEntry(const char* entry, int tableNumber = 0);
const char* LookupVocabulary(const char* name);
const char* LookupVocabularyBefore(const char* text);
void FreeVocabularyList();

// Tells the vocabulary table reader whether to pass entries to the list; returns the flag.
int SetVocabularyTreeLoaded(int loaded);
int IsVocabularyTreeLoaded();

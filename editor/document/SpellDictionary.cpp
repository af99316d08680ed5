#include "editor/document/SpellDictionary.h"

#include "editor/document/GbkCompare.h"
#include "editor/document/ProgressSink.h"
#include "framework/AppEnvironment.h"

#include <cstdio>
#include <cstring>

namespace {

const int kMaxWordLength = 255;

// Size of a file in bytes; 0 when it cannot be opened.
long FileSize(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    long size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    std::fclose(file);
    return size > 0 ? size : 0;
}

} // namespace

const char CSpellDictionary::kSystemFileName[] = "vuze.字典";
const char CSpellDictionary::kUserFileName[] = "用户.字典";

bool CSpellDictionary::Load(const std::string& programFolder, IProgressSink* progress)
{
    std::string systemPath = programFolder + "\\" + kSystemFileName;
    std::string userPath = programFolder + "\\" + kUserFileName;
    long systemSize = FileSize(systemPath);

    CProgressScope display(progress, "Loading Dictionary...");
    auto drawProgress = [&](size_t position) {
        display.Draw(systemSize > 0 ? (int)((double)position * 100.0 / (double)systemSize) : 100);
    };
    // Read into a table of its own, so that a load that fails halfway leaves the words
    // already in force, and a second load replaces them rather than adding to them.
    CKeywordTable words(m_words.GetBucketCount());
    if (!words.LoadWordList(systemPath.c_str(), drawProgress))
        return false;
    if (!words.LoadWordList(userPath.c_str()))
        return false;
    m_words.Swap(words);
    m_checkOn = true;
    return true;
}

bool CSpellDictionary::Contains(const char* word, int length) const
{
    if (word == nullptr || length < 0 || length > kMaxWordLength)
        return false;
    char lowered[kMaxWordLength + 1];
    std::memcpy(lowered, word, (size_t)length);
    lowered[length] = '\0';
    GbkCompare::LowerInPlace(lowered, (size_t)length);
    return m_words.Lookup(lowered, length, nullptr) != nullptr;
}

CSpellDictionary& TheSpellDictionary()
{
    static CSpellDictionary dictionary;
    return dictionary;
}

bool LoadSpellDictionaries(const std::string& programFolder, IProgressSink* progress)
{
    return TheSpellDictionary().Load(programFolder, progress);
}

bool LoadSpellDictionaries(IProgressSink* progress)
{
    return LoadSpellDictionaries(std::string(GetProgramFolder()), progress);
}

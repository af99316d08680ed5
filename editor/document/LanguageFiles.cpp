#include "editor/document/LanguageFiles.h"

#include "editor/document/GbkCompare.h"
#include "editor/document/LinkFolder.h"
#include "editor/util/CharClasses.h"
#include "editor/util/PathUtil.h"
#include "framework/AppEnvironment.h"

namespace {

// Link files are read in lines of this many bytes at most.
const int kLinkLineLimit = 1023;

const char kLinkFolder[] = "\\链接\\";
const char kEnglishLinkFolder[] = "\\链接\\link\\";
const char kSpecFolder[] = "\\规范\\";
const char kEnglishSpecFolder[] = "\\规范\\spec\\";
const char kDefaultExtension[] = ".墨";

enum LinkKey { kKeySpec, kKeyKeywords, kKeyContains, kKeyUnknown };

struct LinkKeyName {
    const char* name;
    LinkKey key;
};

const LinkKeyName kLinkKeys[] = {
    {"SPECIFICATION", kKeySpec}, {"LANGSPEC", kKeySpec},        {"语言规范", kKeySpec},
    {"KEYWORDS", kKeyKeywords},  {"关键词", kKeyKeywords},      {"CONTAINS", kKeyContains},
    {"包含", kKeyContains},
};

LinkKey FindLinkKey(const std::string& key)
{
    for (const LinkKeyName& entry : kLinkKeys) {
        if (GbkCompare::EqualsNoCase(key, entry.name, std::char_traits<char>::length(entry.name)))
            return entry.key;
    }
    return kKeyUnknown;
}

// Reads the key lines of a link file and hands each known one to use(key, value).
template <class Use>
bool ReadLinkLines(const std::string& linkPath, SkippedLines* skipped, Use use)
{
    CDescriptionFile file;
    if (!file.Open(linkPath.c_str(), kLinkLineLimit))
        return false;
    std::string line;
    while (file.ReadLine(line)) {
        if (line.empty())
            continue;
        size_t colon = line.find(':');
        LinkKey key = colon == std::string::npos || file.LineWasCut()
                          ? kKeyUnknown
                          : FindLinkKey(line.substr(0, colon));
        if (key == kKeyUnknown) {
            if (skipped)
                skipped->push_back({file.LineNumber(), line});
            continue;
        }
        if (!use(key, line.substr(colon + 1)))
            break;
    }
    return true;
}

} // namespace

std::string PathExtension(const std::string& path)
{
    size_t dot = std::string::npos;
    size_t at = 0;
    while (at < path.size()) {
        char c = path[at];
        if (c == '\\' || c == '/')
            dot = std::string::npos;
        else if (c == '.')
            dot = at;
        at += GbkText::IsLeadByte((unsigned char)c) && at + 1 < path.size() ? 2 : 1;
    }
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

CLanguageFiles::CLanguageFiles() : CLanguageFiles(std::string(::GetProgramFolder()))
{
}

CLanguageFiles::CLanguageFiles(std::string programFolder)
    : m_programFolder(std::move(programFolder)), m_keywords(CKeywordTable::kDocumentBuckets)
{
}

void CLanguageFiles::Clear()
{
    m_specFileName.clear();
    m_keywordFileName.clear();
    m_inForce = InForce{std::string(), std::string(), m_linkLanguage};
    m_failedFile.clear();
    m_langSpec.Reset();
    m_keywords.RemoveAll();
}

void CLanguageFiles::RestoreInForce()
{
    m_specFileName = m_inForce.specFileName;
    m_keywordFileName = m_inForce.keywordFileName;
    m_linkLanguage = m_inForce.linkLanguage;
}

std::string CLanguageFiles::ExtensionLinkPath(LinkLanguage language,
                                              const std::string& extension) const
{
    if (language == kLinkChinese)
        return m_programFolder + kLinkFolder + "后缀" + extension;
    return m_programFolder + kEnglishLinkFolder + "extension" + extension;
}

std::string CLanguageFiles::LinkPattern(LinkLanguage language, const char* chineseStem,
                                        const char* englishStem) const
{
    return language == kLinkChinese ? chineseStem : englishStem;
}

bool CLanguageFiles::MatchLinkFolder(const std::string& pattern, const std::string& text,
                                     std::string& linkPath) const
{
    std::string folder =
        m_programFolder + (m_linkLanguage == kLinkChinese ? kLinkFolder : kEnglishLinkFolder);
    std::string loweredText = text;
    GbkCompare::LowerInPlace(loweredText);
    for (const std::string& file : ListMatchingFiles(folder, pattern)) {
        std::string contains;
        if (!ReadContainsPattern(file, contains))
            continue;
        GbkCompare::LowerInPlace(contains);
        if (GbkCompare::FindAtCharStart(loweredText, contains) != std::string::npos) {
            linkPath = file;
            return true;
        }
    }
    return false;
}

bool CLanguageFiles::MatchFirstLine(const std::string& firstLineText, std::string& linkPath) const
{
    return MatchLinkFolder(LinkPattern(m_linkLanguage, "首行.*", "firstline.*"), firstLineText,
                           linkPath);
}

bool CLanguageFiles::MatchPathName(const std::string& path, std::string& linkPath) const
{
    return MatchLinkFolder(LinkPattern(m_linkLanguage, "文件名.*", "pathname.*"), path, linkPath);
}

bool CLanguageFiles::FindForLanguage(LinkLanguage language, const std::string& extension,
                                     const std::string& path, const std::string& firstLineText,
                                     std::string& linkPath)
{
    m_linkLanguage = language;
    if (!extension.empty()) {
        std::string byExtension = ExtensionLinkPath(language, extension);
        if (FileExists(byExtension.c_str())) {
            linkPath = byExtension;
            return true;
        }
    }
    return MatchFirstLine(firstLineText, linkPath) || MatchPathName(path, linkPath);
}

bool CLanguageFiles::DetectSyntaxType(const std::string& path, const std::string& firstLineText)
{
    std::string extension = PathExtension(path);
    std::string linkPath;
    if (!FindForLanguage(kLinkChinese, extension, path, firstLineText, linkPath)
        && !FindForLanguage(kLinkEnglish, extension, path, firstLineText, linkPath))
        return false;
    return ReadLinkFile(linkPath);
}

bool CLanguageFiles::Choose(const std::string& path, const std::string& firstLineText)
{
    if (!DetectSyntaxType(path, firstLineText)) {
        Clear();
        return false;
    }
    LoadLanguageFiles();
    return true;
}

bool CLanguageFiles::DetectDefaultSyntaxType()
{
    for (LinkLanguage language : {kLinkChinese, kLinkEnglish}) {
        m_linkLanguage = language;
        std::string linkPath = ExtensionLinkPath(language, kDefaultExtension);
        if (FileExists(linkPath.c_str()))
            return ReadLinkFile(linkPath);
    }
    return false;
}

bool CLanguageFiles::ReadLinkFile(const std::string& linkPath, SkippedLines* skipped)
{
    m_specFileName.clear();
    m_keywordFileName.clear();
    bool opened = ReadLinkLines(linkPath, skipped, [&](LinkKey key, const std::string& value) {
        if (key == kKeySpec)
            m_specFileName = value;
        else if (key == kKeyKeywords)
            m_keywordFileName = value;
        return true;
    });
    return opened && !m_specFileName.empty() && !m_keywordFileName.empty();
}

bool CLanguageFiles::ReadContainsPattern(const std::string& linkPath, std::string& pattern)
{
    bool found = false;
    ReadLinkLines(linkPath, nullptr, [&](LinkKey key, const std::string& value) {
        if (key != kKeyContains)
            return true;
        pattern = value;
        found = true;
        return false;
    });
    return found;
}

std::string CLanguageFiles::DescriptionFolder() const
{
    return m_programFolder + (m_linkLanguage == kLinkChinese ? kSpecFolder : kEnglishSpecFolder);
}

bool CLanguageFiles::LoadLanguageFiles()
{
    m_failedFile.clear();
    if (m_specFileName.empty() || m_keywordFileName.empty()) {
        RestoreInForce();
        return false;
    }
    // Both files are read aside and put in force together.
    const std::string folder = DescriptionFolder();
    const std::string specPath = folder + m_specFileName;
    const std::string keywordPath = folder + m_keywordFileName;
    CLangSpec spec;
    CKeywordTable keywords(m_keywords.GetBucketCount());
    if (!spec.Load(specPath.c_str()))
        m_failedFile = specPath;
    else if (!keywords.LoadKeywords(keywordPath.c_str(), spec.m_caseSensitive))
        m_failedFile = keywordPath;
    if (!m_failedFile.empty()) {
        RestoreInForce();
        return false;
    }
    m_langSpec = std::move(spec);
    m_keywords.Swap(keywords);
    m_inForce = InForce{m_specFileName, m_keywordFileName, m_linkLanguage};
    return true;
}

bool CLanguageFiles::UseSyntaxType(const std::string& specFileName,
                                   const std::string& keywordFileName)
{
    if (specFileName.empty() || keywordFileName.empty())
        return false;
    m_specFileName = specFileName;
    m_keywordFileName = keywordFileName;
    return LoadLanguageFiles();
}

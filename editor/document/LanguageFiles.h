#pragma once

#include "editor/document/DescriptionFile.h"
#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"

#include <string>

// Which spelling of the description folders found a document's link file: Chinese names
// ("链接", "规范") or English ones ("链接\link", "规范\spec").
enum LinkLanguage { kLinkEnglish = 0, kLinkChinese = 1 };

// The language description of one document: the spec and keyword file names chosen through
// the link files of the program folder, which spelling found them, and the spec and keyword
// table parsed from them. The document owns one and re-detects whenever its name changes.
class CLanguageFiles {
public:
    // Uses the editor's program folder (GetProgramFolder).
    CLanguageFiles();
    // programFolder: the folder holding "链接" and "规范", without a trailing backslash.
    explicit CLanguageFiles(std::string programFolder);

    void SetProgramFolder(const std::string& folder) { m_programFolder = folder; }
    const std::string& GetProgramFolder() const { return m_programFolder; }

    // Clears both names, resets the spec and empties the keywords: plain text.
    void Clear();

    // Chooses the link file for a document by its extension, then its first line, then its
    // path, first among the Chinese link files and then the English ones. True when a link
    // file was found and named both files (the names are then set).
    bool DetectSyntaxType(const std::string& path, const std::string& firstLineText);
    // What a document does when its name changes: detect, and when a link file named both
    // files, load them; when detection fails, Clear. Returns the detection's result; a load
    // that fails is told by GetFailedFile.
    bool Choose(const std::string& path, const std::string& firstLineText);
    // For a new document without a name: only the extension links for ".墨".
    bool DetectDefaultSyntaxType();

    // Reads both names from a link file; true when it was read and both are non-empty.
    bool ReadLinkFile(const std::string& linkPath, SkippedLines* skipped = nullptr);
    // The value of the first "CONTAINS"/"包含" line; false when there is none.
    static bool ReadContainsPattern(const std::string& linkPath, std::string& pattern);
    // The first first-line (path-name) link file of the current spelling whose pattern occurs
    // in the text, compared without case.
    bool MatchFirstLine(const std::string& firstLineText, std::string& linkPath) const;
    bool MatchPathName(const std::string& path, std::string& linkPath) const;

    // Loads the named spec and keyword files from "规范" (Chinese) or "规范\spec" (English).
    // True when both were read. False when either name is empty or a file cannot be read:
    // the names, spelling, spec and keywords in force before stay, and GetFailedFile names
    // the file that could not be read.
    bool LoadLanguageFiles();
    // Takes the names of a syntax-type entry, keeping the current spelling, and loads them.
    bool UseSyntaxType(const std::string& specFileName, const std::string& keywordFileName);
    // The full path of the file the last load could not read; empty when it succeeded or
    // had no names to load.
    const std::string& GetFailedFile() const { return m_failedFile; }

    // The folder holding spec and keyword files for the current spelling (with trailing "\").
    std::string DescriptionFolder() const;

    const std::string& GetSpecFileName() const { return m_specFileName; }
    const std::string& GetKeywordFileName() const { return m_keywordFileName; }
    LinkLanguage GetLinkLanguage() const { return m_linkLanguage; }
    void SetLinkLanguage(LinkLanguage language) { m_linkLanguage = language; }
    const CLangSpec& GetLangSpec() const { return m_langSpec; }
    CLangSpec& GetLangSpec() { return m_langSpec; }
    const CKeywordTable& GetKeywords() const { return m_keywords; }
    CKeywordTable& GetKeywords() { return m_keywords; }

private:
    std::string ExtensionLinkPath(LinkLanguage language, const std::string& extension) const;
    std::string LinkPattern(LinkLanguage language, const char* chineseStem,
                            const char* englishStem) const;
    bool MatchLinkFolder(const std::string& pattern, const std::string& text,
                         std::string& linkPath) const;
    bool FindForLanguage(LinkLanguage language, const std::string& extension,
                         const std::string& path, const std::string& firstLineText,
                         std::string& linkPath);

    // The names and spelling of the files whose contents are in force.
    struct InForce {
        std::string specFileName;
        std::string keywordFileName;
        LinkLanguage linkLanguage = kLinkEnglish;
    };
    void RestoreInForce();

    std::string m_programFolder;
    std::string m_specFileName;
    std::string m_keywordFileName;
    LinkLanguage m_linkLanguage = kLinkEnglish;
    InForce m_inForce;
    std::string m_failedFile;
    CLangSpec m_langSpec;
    CKeywordTable m_keywords;
};

// The extension of a path with its dot ("" when the file name has none).
std::string PathExtension(const std::string& path);

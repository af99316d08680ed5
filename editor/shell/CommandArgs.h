#pragma once
#include <string>
#include <vector>

#include "framework/Collections.h"
#include "framework/CString.h"

// The IDE's command line, from the run-time's argument vector or from a line handed over
// by a later start: positional arguments (file names and wildcards) in order, and options
// ("/" or "-", a letter, and an optional ":" value) by upper-cased name.
class CCommandArgs {
public:
    // The words of a text, the program name included.
    static constexpr int kMaxWords = 1024;

    explicit CCommandArgs(const char* text);
    // vector[0] is the program name.
    CCommandArgs(int count, const char* const* vector);

    // name upper-case.
    bool GetOption(const char* name, CString& value) const;
    int GetCount() const { return m_positional.GetSize(); }
    CString GetAt(int index) const { return m_positional.GetAt(index); }

    // Word 0 is "__program_name", then the words of the text (at most kMaxWords in all;
    // the rest is dropped). Double quotes group blanks into a word and are dropped; \"
    // gives a double quote. Returns the word count.
    static int Split(const char* text, std::vector<CString>& words);
    static bool IsOption(const char* word);
    static bool SplitOption(const char* word, CString& name, CString& value);

private:
    void Parse(int count, const char* const* words);

    CStringArray m_positional;
    CMapStringToString m_options;
};

// The non-empty lines of a hand-off file's text, whole and in order, without their line ends,
// appended to lines.
void SplitHandoffText(const std::string& text, CStringArray& lines);

// What one command line asks the IDE to open.
struct CommandLineTarget {
    CString path;        // full path
    int line = 1;
    bool project = false;  // a ".项目" file, opened as a project
    bool created = false;  // did not exist and was created empty
};

// Whether resolving a command line may create the files it names.
enum class MissingFiles { create, skip };

// Resolves the positional arguments against the /D: folder (else the start folder),
// expands wildcards, and creates missing files (and their folders) unless /NC was given or
// missing is skip. Names that match nothing otherwise are skipped.
std::vector<CommandLineTarget> ResolveCommandLine(const CCommandArgs& args, const CString& startFolder,
                                                  MissingFiles missing = MissingFiles::create);

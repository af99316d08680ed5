#pragma once

#include <string>
#include <vector>

// Reads the small text files that describe languages (spec, keyword and link files) as
// lines of bounded length. A line ends at LF, CR LF or a lone CR and never keeps its line
// end, so a file written on Windows reads the same as one written elsewhere. A line longer
// than the bound keeps its first bytes only (cut at a character boundary); the rest of it
// is dropped rather than read as a line of its own.
class CDescriptionFile {
public:
    // Reads the whole file; false when it cannot be opened or read.
    bool Open(const char* path, int maxLineLength);

    // Next line into text; false at the end of the file. lineNumber counts from 1.
    bool ReadLine(std::string& text);
    int LineNumber() const { return m_lineNumber; }
    // True when the line just read was longer than the bound.
    bool LineWasCut() const { return m_lineWasCut; }

private:
    std::string m_content;
    size_t m_position = 0;
    int m_maxLineLength = 0;
    int m_lineNumber = 0;
    bool m_lineWasCut = false;
};

// Lines of a description file that its loader read but could not use (an unknown key, a
// line outside any keyword group, a cut line…), so that shipped files can be checked.
struct SkippedLine {
    int lineNumber;
    std::string text;
};
using SkippedLines = std::vector<SkippedLine>;

// Reads a whole file into bytes; false when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& bytes);

#pragma once
#include <string>
#include <vector>

#include <windows.h>

// Fixtures are UTF-8 in the repository and GBK at run time; string literals in the tests
// are compiled to GBK already.
std::string Utf8ToGbk(const std::string& utf8);
std::string GbkToUtf8(const std::string& gbk);
// CR LF pairs (text-mode output) as LF.
std::string WithLineFeeds(const std::string& text);

// Converts lines with one block state carried across them, as the program does; each
// result without its line end.
std::vector<std::string> ConvertLines(const std::vector<std::string>& lines);
// One line from a fresh state.
std::string ConvertOneLine(const std::string& line);

struct MatforgeRun {
    std::string output;  // standard output and error, LF line ends
    DWORD exitCode = 0xFFFFFFFF;
};

// Runs the staged matforge.exe with the arguments in a folder.
MatforgeRun RunMatforge(const std::string& arguments, const std::string& folder);

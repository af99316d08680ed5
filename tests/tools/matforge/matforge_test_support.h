#pragma once
#include <string>
#include <vector>

#include "child_process.h"
#include "text_codec.h"

// Converts lines with one block state carried across them, as the program does; each
// result without its line end.
std::vector<std::string> ConvertLines(const std::vector<std::string>& lines);
// One line from a fresh state.
std::string ConvertOneLine(const std::string& line);

// Runs the staged matforge.exe with the arguments in a folder.
ProgramRun RunMatforge(const std::string& arguments, const std::string& folder);

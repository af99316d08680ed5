#pragma once
#include <string>
#include <vector>

#include "text_codec.h"
#include "tools/converter/ConverterOptions.h"

// Compares a golden file with the actual text; with MOYU_WRITE_GOLDEN=1 in the environment
// the file is (re)written instead, for reviewing a deliberate change in the diff.
void ExpectGolden(const std::string& path, const std::string& actual);

// A whole file, empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// The names of the files in a folder with the given extension (".in"), sorted.
std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& extension);

// A fresh option record, conversion table and lexer for each test.
class ConverterState {
public:
    explicit ConverterState(ConvertDirection direction);
    ~ConverterState();
    ConverterState(const ConverterState&) = delete;
    ConverterState& operator=(const ConverterState&) = delete;

    // Loads GBK table text through a temporary file, as the program reads table files.
    void LoadTable(const std::string& gbkText);
    // The repository's default table.
    void LoadDefaultTableMaster();
};

// Runs ConvertStream over GBK text (through temporary files in text mode, as the program
// opens them) and returns the output with LF line ends.
std::string ConvertText(const std::string& gbkInput);

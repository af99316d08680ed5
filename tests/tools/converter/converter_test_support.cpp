#include "converter_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "temp_dir.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConvertDriver.h"
#include "tools/converter/Lexer.h"

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*" + extension).c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            names.push_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectGolden(const std::string& path, const std::string& actual)
{
    const char* write = getenv("MOYU_WRITE_GOLDEN");
    if (write != nullptr && std::string(write) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(ReadBytes(path), actual) << path;
}

ConverterState::ConverterState(ConvertDirection direction)
{
    ResetOptions();
    TableFree();
    LexReset();
    LexSetC51Mode(0);
    Options()->direction = (uint8_t)direction;
}

ConverterState::~ConverterState()
{
    TableFree();
    LexReset();
    LexSetC51Mode(0);
    ResetOptions();
}

void ConverterState::LoadTable(const std::string& gbkText)
{
    TempDir dir;
    std::string path = dir.WriteFile("table.zhb", gbkText);
    FILE* stream = fopen(path.c_str(), "r");
    TableLoad(stream);
    if (stream)
        fclose(stream);
}

void ConverterState::LoadDefaultTableMaster()
{
    LoadTable(Utf8ToGbk(ReadBytes(MOYU_CONVERTER_TABLE_MASTER)));
}

std::string ConvertText(const std::string& gbkInput)
{
    TempDir dir;
    std::string inputPath = dir.WriteFile("input.txt", gbkInput);
    std::string outputPath = dir / "output.txt";
    FILE* input = fopen(inputPath.c_str(), "r");
    FILE* output = fopen(outputPath.c_str(), "w");
    if (input == nullptr || output == nullptr)
        return "<cannot open>";
    LexReset();
    ConvertStream(input, output);
    fclose(input);
    fclose(output);
    return WithLineFeeds(ReadBytes(outputPath));
}

#pragma once
#include <string>

// Fixtures are UTF-8 in the repository and GBK at run time (string literals in the tests
// are compiled to GBK already).
std::string Utf8ToGbk(const std::string& utf8);
std::string GbkToUtf8(const std::string& gbk);
// Text-mode output with its CR LF pairs as LF.
std::string WithLineFeeds(const std::string& text);

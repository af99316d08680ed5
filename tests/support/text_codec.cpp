#include "text_codec.h"

#include <windows.h>

namespace {

std::string Recode(const std::string& text, UINT from, UINT to)
{
    if (text.empty()) return text;
    int wide = MultiByteToWideChar(from, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring buffer(wide, L'\0');
    MultiByteToWideChar(from, 0, text.data(), (int)text.size(), &buffer[0], wide);
    int bytes = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, &result[0], bytes, nullptr, nullptr);
    return result;
}

}  // namespace

std::string Utf8ToGbk(const std::string& utf8) { return Recode(utf8, CP_UTF8, 936); }
std::string GbkToUtf8(const std::string& gbk) { return Recode(gbk, 936, CP_UTF8); }

std::string WithLineFeeds(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) result += text[i];
    }
    return result;
}

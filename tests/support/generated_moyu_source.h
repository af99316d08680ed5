// A generated GBK Moyu source of any size for the hand-run benchmarks: a function-sized
// block of typical lines (comments, keywords, strings, numbers) repeated with changing names.
#pragma once

#include <cstdio>
#include <string>

namespace generated_moyu_source {

inline const char* const kTemplates[] = {
    "#包含 “标准输入输出.接口”",
    "/* 第%d段：统计每个分组的计数器 */",
    "整数类型 函数%d（整数类型 参数甲，字符类型 *名称）",
    "开始",
    "    整数类型 计数器%d 赋值 0；",
    "    如果（参数甲 大于 %d 并且 名称 不等于 空指针）开始",
    "        计数器%d 赋值 计数器%d 加 参数甲 乘 0x1F；  // 累加第%d项",
    "        打印（“结果：%%d，名称：%%s\\n”，计数器%d，名称）；",
    "    结束 否则 开始",
    "        步进循环（序号 赋值 0；序号 小于 %d；序号 加加）",
    "            数组[序号] 赋值 序号 除 2.5e+3；",
    "    结束",
    "    返回 计数器%d；",
    "结束",
    "",
};

}  // namespace generated_moyu_source

// Writes at least targetBytes of CR LF lines to path; written gets the size. False when the
// file cannot be written.
inline bool WriteGeneratedMoyuSource(const std::string& path, size_t targetBytes, size_t& written)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::string block;
    char line[256];
    written = 0;
    for (int n = 0; written < targetBytes; ++n) {
        const char* format = generated_moyu_source::kTemplates[n % (sizeof generated_moyu_source::kTemplates / sizeof generated_moyu_source::kTemplates[0])];
        std::snprintf(line, sizeof line, format, n % 997, n % 89, n % 53, n % 7);
        block += line;
        block += "\r\n";
        if (block.size() > (1 << 20)) {
            std::fwrite(block.data(), 1, block.size(), file);
            written += block.size();
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), file);
    written += block.size();
    return std::fclose(file) == 0;
}


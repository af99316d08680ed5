/* The built-in word tables. Inside a table the first hit wins, so a row marked for one mode
   stands before the row of the same word for the other. */
#include "tools/converter/WordTableData.h"

#define TABLE(name, rows) const WordTable name = { rows, (int)(sizeof rows / sizeof rows[0]) }

static const WordRow kOperatorRowsToC[] = {
    {"加", "+", 19}, {"加加", "++", 29}, {"加等", "+=", 20},
    {"减", "-", 21}, {"减减", "--", 30}, {"减等", "-=", 22},
    {"乘", "*", 23}, {"乘等", "*=", 24}, {"除", "/", 25}, {"除等", "/=", 26},
    {"模除", "%", 27}, {"模等", "%=", 28}, {"赋值", "=", 39}, {"等于", "==", 40},
    {"大于", ">", 42}, {"大于等于", ">=", 43}, {"小于", "<", 44}, {"小于等于", "<=", 45},
    {"左移", "<<", 46}, {"右移", ">>", 47}, {"并且", "&&", 32}, {"与", "&&", 32},
    {"或", "||", 34}, {"非", "!", 36}, {"位与", "&", 33}, {"位或", "|", 35},
    {"位非", "~", 37}, {"异或", "^", 38}, {"指向的", "->", 31}, {"的", ".", 60},
    {"不等于", "!=", 41}, {"不", "!", 68, kC51Only}, {"取地址", "&", 69, kC51Only},
    {"左移等", "<<=", 74}, {"右移等", ">>=", 75}, {"位或等", "|=", 76}, {"异或等", "^=", 77},
    {"位与等", "&=", 78},
};
TABLE(kOperatorWordsToC, kOperatorRowsToC);

static const WordRow kDirectiveRowsToC[] = {
    {"包含", "include", 1}, {"加载", "include", 71}, {"定义", "define", 2},
    {"取消定义", "undef", 3}, {"如果", "if", 4}, {"或者", "elif", 5}, {"否则", "else", 6},
    {"如果结束", "endif", 7}, {"如果已定义", "ifdef", 8}, {"如果未定义", "ifndef", 9},
    {"错误", "error", 10}, {"行", "line", 11}, {"编译指令", "pragma", 12},
    {"已定义", "defined", kDirectiveDefinedToC},
};
TABLE(kDirectiveWordsToC, kDirectiveRowsToC);

const char kDirectiveDefinedFromC[] = "defined";

static const WordRow kDirectiveRowsFromC[] = {
    {"include", "包含", 1}, {"define", "定义", 2}, {"undef", "取消定义", 3}, {"if", "如果", 4},
    {"elif", "或者", 5}, {"else", "否则", 6}, {"endif", "如果结束", 7},
    {"ifdef", "如果已定义", 8}, {"ifndef", "如果未定义", 9}, {"error", "错误", 10},
    {"line", "行", 11}, {"pragma", "编译指令", 12}, {kDirectiveDefinedFromC, "已定义", 12},
};
TABLE(kDirectiveWordsFromC, kDirectiveRowsFromC);

static const WordRow kUnderscoreRowsToC[] = {
    {"__变参__", "__VA_ARGS__", 14}, {"__文件名__", "__FILE__", 15}, {"__行__", "__LINE__", 16},
    {"__日期__", "__DATE__", 17}, {"__时间__", "__TIME__", 18}, {"_汇编", "__asm", 66},
};
TABLE(kUnderscoreKeywordsToC, kUnderscoreRowsToC);

static const WordRow kKeywordRowsToC[] = {
    {"字符类型", "char", 19},
    {"字符", "char", 19, kC51Only},
    {"字节", "unsigned char", 34, kC51Only},
    {"字节类型", "unsigned char", 34, kC51Only},
    {"字类型", "unsigned short", 35, kC51Only},
    {"字符串类型", "char *", 37, kC51Only},
    {"字节串类型", "unsigned char *", 37, kC51Only},
    {"短整数类型", "int", 20, kC51Only},
    {"短整数", "int", 20, kC51Only},
    {"短整数类型", "short", 20, kNormalOnly},
    {"整数类型", "long", 21, kC51Only},
    {"整数", "long", 21, kC51Only},
    {"整数类型", "int", 21, kNormalOnly},
    {"长整数类型", "__int64", 22},
    {"长度类型", "unsigned long", 33, kC51Only},
    {"浮点数类型", "float", 23},
    {"浮点数", "float", 23, kC51Only},
    {"双精度类型", "double", 24},
    {"双精度", "double", 24, kC51Only},
    {"双字类型", "unsigned long", 36, kC51Only},
    {"高精度", "long double", 26},
    {"高精度类型", "long double", 26},
    {"小数", "float", 25, kC51Only},
    {"小数类型", "float", 25, kC51Only},
    {"自然数", "unsigned long", 33, kC51Only},
    {"自然数类型", "unsigned long", 33, kC51Only},
    {"汉字类型", "unsigned long", 33, kC51Only},
    {"宽字符类型", "unsigned short", 72, kC51Only},
    {"宽字符串类型", "unsigned short *", 73, kC51Only},
    {"布尔类型", "bit", 74, kC51Only},
    {"枚举类型", "enum", 27},
    {"结构类型", "struct", 28},
    {"共用体类型", "union", 69},
    {"联合类型", "union", 29},
    {"无类型", "void", 30},
    {"无参数", "void", 31, kC51Only},
    {"无返回值", "void", 32, kC51Only},
    {"无符号", "unsigned", 55},
    {"只读的", "const", 57},
    {"只读串类型", "const char *", 37, kC51Only},
    {"只读字节串类型", "const unsigned char *", 37, kC51Only},
    {"常量", "const", 59, kC51Only},
    {"外部的", "extern", 53},
    {"静态的", "static", 54},
    {"本地的", "static", 60, kC51Only},
    {"易变的", "volatile", 56},
    {"寄存器变量", "register", 58},
    {"类型长度", "sizeof", 61},
    {"类型定义", "typedef", 62},
    {"墨调用", "__cdecl", 63},
    {"标准调用", "__stdcall", 64},
    {"内联", "inline", 65},
    {"如果", "if", 4},
    {"或者", "else if", 5},
    {"否则", "else", 6},
    {"步进循环", "for", 39},
    {"循环", "for", 40},
    {"重复", "do", 41},
    {"直到", "while", 42},
    {"当", "while", 43},
    {"分支", "switch", 44},
    {"检查", "switch", 70},
    {"若等于", "case", 45},
    {"其他值", "default", 46},
    {"跳出", "break", 47},
    {"继续", "continue", 48},
    {"跳转到", "goto", 49},
    {"返回", "return", 50},
    {"开始", "{", 51},
    {"结束", "}", 52},
    {"真", "1", 67},
    {"假", "0", 68},
    {"空指针", "(void *)0", 75, kC51Only},
    {"成功", "0", 76, kC51Only},
};
TABLE(kKeywordsToC, kKeywordRowsToC);

static const WordRow kUnderscoreRowsFromC[] = {
    {"__VA_ARGS__", "__变参__", 14}, {"__FILE__", "__文件名__", 15}, {"__LINE__", "__行__", 16},
    {"__DATE__", "__日期__", 17}, {"__TIME__", "__时间__", 18}, {"__asm", "_汇编", 66},
    {"__int64", "长整数类型", 22}, {"__cdecl", "墨调用", 63}, {"__stdcall", "标准调用", 64},
};
TABLE(kUnderscoreKeywordsFromC, kUnderscoreRowsFromC);

static const WordRow kKeywordRowsFromC[] = {
    {"break", "跳出", 47},
    {"bit", "布尔类型", 74, kC51Only},
    {"case", "若等于", 45},
    {"char", "字符类型", 19},
    {"const", "只读的", 57},
    {"continue", "继续", 48},
    {"default", "其他值", 46},
    {"do", "重复", 41},
    {"double", "双精度类型", 24},
    {"else", "否则", 6},
    {"enum", "枚举类型", 27},
    {"extern", "外部的", 53},
    {"float", "浮点数类型", 23},
    {"for", "步进循环", 39},
    {"goto", "跳转到", 49},
    {"if", "如果", 4},
    {"inline", "内联", 65},
    {"int", "短整数类型", 20, kC51Only},
    {"int", "整数类型", 21, kNormalOnly},
    {"long", "整数类型", 21, kC51Only},
    {"register", "寄存器变量", 58},
    {"return", "返回", 50},
    {"short", "短整数类型", 20},
    {"sizeof", "类型长度", 61},
    {"static", "静态的", 54},
    {"struct", "结构类型", 28},
    {"switch", "检查", 70},
    {"typedef", "类型定义", 62},
    {"union", "共用体类型", 69},
    {"unsigned", "无符号", 55},
    {"void", "无类型", 30},
    {"volatile", "易变的", 56},
    {"while", "当", 43},
};
TABLE(kKeywordsFromC, kKeywordRowsFromC);

static const WordRow kPragmaRows[] = {
    {"包含", 0, 1}, {"加载", 0, 71}, {"接口", 0, 100}, {"定义", 0, 101}, {"墨", 0, 102},
    {"对齐", 0, 103}, {"入栈", 0, 104}, {"出栈", 0, 105}, {"显示", 0, 106},
};
TABLE(kPragmaWords, kPragmaRows);

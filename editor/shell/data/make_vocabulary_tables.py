#!/usr/bin/env python3
"""Writes the IDE's four vocabulary tables (UTF-8 masters, staged in GBK by the build)
from what the repository actually offers:

  墨语言词汇函数  the Chinese words of the converter's default table (墨转换.zhb), by its
                  sections: the call form is the Chinese word, the note its C word;
  墨语言图形函数  the drawing, display and text-console functions of the GUI library;
  墨语言视窗函数  the window and dialog functions of the GUI library;
  墨语言扩展函数  the functions of the language runtime library and the keyed list.

Runtime functions have no Chinese names of their own: an entry is named by the function,
its full text is the call form with the parameter names, its note the comment above the
declaration (or the return type). Run from anywhere: python3 make_vocabulary_tables.py
"""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, '..', '..', '..'))
RUNTIME = os.path.join(REPO, 'runtime', '源码')
CONVERTER_TABLE = os.path.join(REPO, 'tools', 'converter', 'data', '墨转换.zhb')
OUT = os.path.join(HERE, 'bin', '配置')

# Header -> the category it becomes, per table.
GRAPHICS = [('图形', '绘图'), ('显示', '虚拟显示器'), ('文本控制台', '文本控制台')]
WINDOWS = [('视窗', '窗口与控件'), ('视窗支持', '对话框与位图')]
EXTENSIONS = [('字符', '字符'), ('字符串', '字符串'), ('内存', '内存分配'), ('指针', '指针表'),
              ('系统', '系统'), ('格式化', '格式化输入输出'), ('控制台读写', '控制台'),
              ('文件名处理', '文件名'), ('目录', '目录'), ('文件', '文件'), ('文件格式化', '文件格式化'),
              ('描述符', '文件描述符'), ('调试', '调试输出'), ('暂停', '暂停'), ('选项', '命令行选项'),
              ('进程', '进程'), ('宽字符', '宽字符'), ('链表', '链表')]


def value(text):
    """A text an attribute value can hold: no double quote, no line break, and no
    backslash-n or backslash-b, which the tree would read as a break."""
    text = ' '.join(text.split())
    return text.replace('"', "'").replace('\\', '＼')


def first_sentence(comment):
    text = ' '.join(comment.split())
    match = re.match(r'(.+?\.)(\s|$)', text)
    sentence = match.group(1) if match else text.rstrip(':;') + '.'
    return sentence if len(sentence) <= 160 else sentence[:157] + '...'


def parameter_name(parameter):
    parameter = parameter.strip()
    if parameter in ('', 'void'):
        return None
    if parameter == '...':
        return '...'
    pointer = re.search(r'\(\s*\*\s*(\w+)\s*\)', parameter)
    if pointer:
        return pointer.group(1)
    names = re.findall(r'[A-Za-z_]\w*', parameter)
    return names[-1] if names else None


def split_parameters(text):
    parts, depth, current = [], 0, ''
    for ch in text:
        if ch == ',' and depth == 0:
            parts.append(current)
            current = ''
            continue
        depth += ch == '('
        depth -= ch == ')'
        current += ch
    parts.append(current)
    return parts


DECLARATION = re.compile(r'^(?!typedef|struct|enum|union|return)([A-Za-z_][\w\s\*]*?[\s\*])(\w+)\s*\((.*)\)\s*;$', re.S)


def header_functions(path):
    """(section, name, call form, note) of every function declared in a header."""
    with open(path, encoding='utf-8') as f:
        source = f.read()
    source = re.sub(r'#ifdef __cplusplus.*?#endif', '', source, flags=re.S)
    functions, section = [], ''
    comment, statement, depth, breaks = '', '', 0, 0
    tokens = re.split(r'(/\*.*?\*/|//[^\n]*|\n)', source, flags=re.S)
    for token in tokens:
        if not token:
            continue
        if token.startswith('/*') or token.startswith('//'):
            body = token[2:-2] if token.startswith('/*') else token[2:]
            heading = re.match(r'\s*-{3,}\s*(.*?)\s*-{3,}\s*$', body)
            if heading:
                section, comment = heading.group(1), ''
            elif not statement.strip():
                comment, breaks = body, 0
            continue
        if token == '\n':
            statement += ' '
            breaks += 1
            if breaks > 1 and not statement.strip():
                comment = ''  # a comment over a blank line speaks of a group, not of one function
            continue
        if token.lstrip().startswith('#') and not statement.strip():
            comment = ''
            continue
        for ch in token:
            statement += ch
            if ch == '{':
                depth += 1
            elif ch == '}':
                depth -= 1
            elif ch == ';' and depth == 0:
                match = DECLARATION.match(' '.join(statement.split()))
                if match:
                    return_type, name, parameters = match.group(1).strip(), match.group(2), match.group(3)
                    names = [n for n in map(parameter_name, split_parameters(parameters)) if n]
                    note = first_sentence(comment) if comment.strip() else '返回 ' + return_type + '。'
                    functions.append((section, name, '%s(%s)' % (name, ', '.join(names)), note))
                statement, comment = '', ''
    return functions


def write_table(file_name, categories):
    lines = ['<词汇函数表 版本="1.0">']
    for category, groups in categories:
        lines.append('\t<类目 名字="%s" 展开="否">' % value(category))
        for group, entries in groups:
            indent = '\t\t'
            if group:
                lines.append('\t\t<子类 名字="%s" 展开="否">' % value(group))
                indent = '\t\t\t'
            for name, full, note in entries:
                lines.append('%s<项 名称="%s" 全称="%s" 注释="%s" />' % (indent, value(name), value(full), value(note)))
            if group:
                lines.append('\t\t</子类>')
        lines.append('\t</类目>')
    lines.append('</词汇函数表>')
    with open(os.path.join(OUT, file_name + '.表'), 'w', encoding='utf-8', newline='\r\n') as f:
        f.write('\n'.join(lines) + '\n')


def runtime_table(file_name, headers):
    categories = []
    for header, category in headers:
        groups, order = {}, []
        for section, name, call, note in header_functions(os.path.join(RUNTIME, header + '.h')):
            if section not in groups:
                groups[section] = []
                order.append(section)
            groups[section].append((name, call, note))
        if order:
            categories.append((category, [(section, groups[section]) for section in order]))
    write_table(file_name, categories)


# The parameters of the C library functions the converter's table names, by the C word,
# so that a call tip has something to say.
C_PARAMETERS = {
    'printf': '格式, ...', 'scanf': '格式, ...', 'sprintf': '缓冲区, 格式, ...', 'sscanf': '串, 格式, ...',
    'fprintf': '文件, 格式, ...', 'fscanf': '文件, 格式, ...', 'putchar': '字符', 'getchar': '',
    'puts': '串', 'gets': '缓冲区', 'fopen': '文件名, 方式', 'fclose': '文件', 'fgetc': '文件',
    'fputc': '字符, 文件', 'fgets': '缓冲区, 长度, 文件', 'fputs': '串, 文件',
    'fread': '缓冲区, 大小, 个数, 文件', 'fwrite': '缓冲区, 大小, 个数, 文件', 'fseek': '文件, 偏移, 起点',
    'ftell': '文件', 'rewind': '文件', 'feof': '文件', 'fflush': '文件', 'remove': '文件名',
    'rename': '旧名, 新名', 'malloc': '大小', 'calloc': '个数, 大小', 'realloc': '指针, 大小',
    'free': '指针', 'exit': '状态', 'abort': '', 'atoi': '串', 'atol': '串', 'atof': '串',
    'strtol': '串, 结束位置, 进制', 'abs': '整数', 'rand': '', 'srand': '种子',
    'qsort': '数组, 个数, 大小, 比较函数', 'bsearch': '键, 数组, 个数, 大小, 比较函数', 'system': '命令',
    'getenv': '名字', 'strlen': '串', 'strcpy': '目标, 源', 'strncpy': '目标, 源, 个数',
    'strcat': '目标, 源', 'strncat': '目标, 源, 个数', 'strcmp': '串1, 串2', 'strncmp': '串1, 串2, 个数',
    'strchr': '串, 字符', 'strrchr': '串, 字符', 'strstr': '串, 子串', 'memcpy': '目标, 源, 个数',
    'memmove': '目标, 源, 个数', 'memset': '目标, 值, 个数', 'memcmp': '块1, 块2, 个数',
    'isdigit': '字符', 'isalpha': '字符', 'isalnum': '字符', 'isspace': '字符', 'isupper': '字符',
    'islower': '字符', 'toupper': '字符', 'tolower': '字符', 'sqrt': 'x', 'pow': 'x, y', 'sin': 'x',
    'cos': 'x', 'tan': 'x', 'fabs': 'x', 'floor': 'x', 'ceil': 'x', 'log': 'x', 'exp': 'x', 'clock': '',
    'difftime': '结束时间, 开始时间',
}


def converter_table():
    categories, entries, category = [], [], None
    with open(CONVERTER_TABLE, encoding='utf-8') as f:
        for raw in f:
            line = raw.strip()
            heading = re.match(r'[;；]\s*-+\s*(.*?)\s*-+$', line)
            if heading:
                if category and entries:
                    categories.append((category, [('', entries)]))
                category, entries = re.sub(r'（.*?）', '', heading.group(1)), []
                continue
            if not line or line[0] in ';；【' or category is None:
                continue
            words = line.split()
            if len(words) != 2:
                continue
            c_word, chinese = words
            if c_word[0] in '#＃':
                entries.append((chinese, '#包含 <%s.h>' % chinese, '标准头文件 %s.h' % c_word[1:]))
            elif category == '常用常量与类型':
                entries.append((chinese, chinese, 'C 语言的 %s' % c_word))
            else:
                entries.append((chinese, '%s(%s)' % (chinese, C_PARAMETERS.get(c_word, '')),
                                'C 语言的 %s 函数' % c_word))
    if category and entries:
        categories.append((category, [('', entries)]))
    write_table('墨语言词汇函数', categories)


if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    converter_table()
    runtime_table('墨语言图形函数', GRAPHICS)
    runtime_table('墨语言视窗函数', WINDOWS)
    runtime_table('墨语言扩展函数', EXTENSIONS)

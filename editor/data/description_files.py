#!/usr/bin/env python3
"""Writes the shipped language description files of the IDE in GBK, the code page the
editor reads them in: link files under program/链接 (English names under program/链接/link)
and spec and keyword files under 规范 (staged to both "规范" and "规范/spec" of the program
folder, so every syntax type loads whichever spelling found the document).

This script is the master copy: edit the tables here and run it again.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
LINK_DIR = os.path.join(HERE, "program", "链接")
ENGLISH_LINK_DIR = os.path.join(LINK_DIR, "link")
SPEC_DIR = os.path.join(HERE, "规范")


def write_gbk(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("gbk"))


def spec_file(name, comment, entries):
    lines = ["; " + comment]
    lines += ["%s=%s" % (key, value) for key, value in entries]
    write_gbk(os.path.join(SPEC_DIR, name), lines)


def keyword_file(name, comment, groups):
    """groups: (header, words) with header such as "[KEYWORDS0:]" or "[关键词1:范围1]"."""
    lines = ["# " + comment]
    for header, words in groups:
        lines.append(header)
        words = words.split()
        for start in range(0, len(words), 8):
            line = " ".join(words[start:start + 8])
            # A line that starts with "#" is a comment in a keyword file.
            lines.append(" " + line if line.startswith("#") else line)
        lines.append("")
    write_gbk(os.path.join(SPEC_DIR, name), lines)


def link_file(folder, name, spec, keywords, contains=None, chinese=True):
    if chinese:
        lines = ["语言规范:" + spec, "关键词:" + keywords]
        if contains is not None:
            lines.append("包含:" + contains)
    else:
        lines = ["LANGSPEC:" + spec, "KEYWORDS:" + keywords]
        if contains is not None:
            lines.append("CONTAINS:" + contains)
    write_gbk(os.path.join(folder, name), lines)


# ---------------------------------------------------------------------------------------
# Moyu sources: .墨, .墨双, .接口, .定义

MOYU_FULL_WIDTH_DELIMITERS = (
    "（）｛｝［］〈〉【】＋－×／％＝“”‘’～！＠＃￥＆｜＼？：；，。"
    "、《》〖〗≠≥≤→↑")

spec_file("墨程序.规范", "墨语言源程序 (.墨 .墨双 .接口 .定义)", [
    ("$区分大小写", "是"),
    ("$多行字符串常量", "否"),
    ("$定界符", "(){}[]<>+-*/%=,\"'~!@#$^&|\\?:;."),
    ("$中文定界符", MOYU_FULL_WIDTH_DELIMITERS),
    ("$关键词前缀", "#＃"),
    ("$十六进制数标志", "0x"),
    ("$转义符", "\\"),
    ("$引号符号1", "\""),
    ("$引号符号2", "'"),
    ("$中文引号符号1", "“"),
    ("$中文引号符号2", "”"),
    ("$中文引号符号3", "‘"),
    ("$中文引号符号4", "’"),
    ("$缩进开始", "{"),
    ("$缩进结束", "}"),
    ("$中文缩进开始", "｛"),
    ("$中文缩进结束", "｝"),
    ("$行注释", "//"),
    ("$块注释开", "/*"),
    ("$块注释关", "*/"),
    ("$块注释1开", "【"),
    ("$块注释1关", "】"),
    ("$逻辑块1", "()"),
    ("$逻辑块2", "[]"),
    ("$逻辑块3", "{}"),
    ("$中文逻辑块1", "（）"),
    ("$中文逻辑块2", "［］"),
    ("$中文逻辑块3", "｛｝"),
])

MOYU_STATEMENTS = """如果 或者 否则 步进循环 循环 重复 直到 当 分支 检查 若等于 其他值 跳出 继续
跳转到 返回 开始 结束"""
MOYU_TYPES = """字符类型 字符 字节 字节类型 字类型 字符串类型 字节串类型 短整数类型 短整数 整数类型
整数 长整数类型 长度类型 浮点数类型 浮点数 双精度类型 双精度 双字类型 高精度 高精度类型 小数
小数类型 自然数 自然数类型 汉字类型 宽字符类型 宽字符串类型 布尔类型 枚举类型 结构类型 共用体类型
联合类型 无类型 无参数 无返回值 无符号 只读的 只读串类型 只读字节串类型 常量 外部的 静态的 本地的
易变的 寄存器变量 类型长度 类型定义 墨调用 标准调用 内联 _汇编"""
MOYU_OPERATORS = """加 加加 加等 减 减减 减等 乘 乘等 除 除等 模除 模等 赋值 等于 不等于 大于 大于等于
小于 小于等于 左移 右移 并且 与 或 非 不 位与 位或 位非 异或 指向的 的 取地址"""
MOYU_DIRECTIVES = " ".join(
    mark + word
    for word in "包含 加载 定义 取消定义 如果 或者 否则 如果结束 如果已定义 如果未定义 错误 行 编译指令".split()
    for mark in ("#", "＃")) + " 已定义"
MOYU_CONSTANTS = "真 假 空指针 成功 __变参__ __文件名__ __行__ __日期__ __时间__ 主程序"

keyword_file("墨程序.关键词", "墨语言的关键词、类型词、运算词和预处理词", [
    ("[关键词0:]", MOYU_STATEMENTS),
    ("[关键词1:]", MOYU_TYPES),
    ("[关键词2:]", MOYU_OPERATORS),
    ("[关键词3:]", MOYU_DIRECTIVES),
    ("[关键词4:]", MOYU_CONSTANTS),
])

# ---------------------------------------------------------------------------------------
# Resource scripts: .素材 (the words matforge converts)

spec_file("素材.规范", "墨语言素材脚本 (.素材)", [
    ("$区分大小写", "是"),
    ("$定界符", "(){}[]<>+-*/%=,\"'~!@#$^&|\\?:;."),
    ("$中文定界符", "（）｛｝［］〈〉＋－×／％＝“”‘’～！＠＃￥＆｜＼？：；，。、"),
    ("$关键词前缀", "#"),
    ("$十六进制数标志", "0x"),
    ("$转义符", "\\"),
    ("$引号符号1", "\""),
    ("$行注释", "//"),
    ("$块注释开", "/*"),
    ("$块注释关", "*/"),
    ("$逻辑块1", "()"),
])

keyword_file("素材.关键词", "素材脚本的中文关键词", [
    ("[关键词0:]", "#定义 #如果 #如果已定义 #如果未定义 #或者 #否则 #如果结束 #包含 已定义"),
    ("[关键词1:]", """字符串表 【版本信息】 版本信息 开始 结束 弹出 菜单项 块 值 图标 位图 菜单
分隔符"""),
    ("[关键词2:]", """文件版本 产品版本 文件标志 文件标志掩码 操作系统 文件类型 文件子类型 文件信息短语
文件信息变量 注释 文件说明 文件描述 公司名 内部名 版权 商标 文件名 原始文件名 内部版本 产品名 产品名称
专用版本 翻译"""),
    ("[关键词3:]", "预加载 可丢弃的 选择的 无效的"),
])

# ---------------------------------------------------------------------------------------
# The Chinese assembler 中汇 (.汇编, .汇51): Intel syntax with MASM directives

spec_file("中汇.规范", "中汇 汇编程序 (.汇编 .汇51)", [
    ("$区分大小写", "否"),
    ("$定界符", "()[]<>+-*/=,\"'!&|?:;."),
    ("$中文定界符", "（）［］＋－×／＝，：；。"),
    ("$关键词前缀", ".#"),
    ("$引号符号1", "\""),
    ("$引号符号2", "'"),
    ("$行注释", ";"),
    ("$行注释1", "；"),
    ("$逻辑块1", "()"),
    ("$逻辑块2", "[]"),
])

keyword_file("中汇.关键词", "中汇的指令、寄存器和伪指令", [
    ("[关键词0:]", """aaa aad aam aas adc add and call cbw cdq clc cld cli cmc cmp cmpsb cmpsd
cmpsw cwd cwde daa das dec div enter hlt idiv imul in inc int into iret ja jae jb jbe jc jcxz
je jecxz jg jge jl jle jmp jna jnae jnb jnbe jnc jne jng jnge jnl jnle jno jnp jns jnz jo jp
jpe jpo js jz lahf lds lea leave les lodsb lodsd lodsw loop loope loopne loopnz loopz mov
movsb movsd movsw movsx movzx mul neg nop not or out pop popa popad popf popfd push pusha
pushad pushf pushfd rcl rcr rep repe repne repnz repz ret retf retn rol ror sahf sal sar sbb
scasb scasd scasw seta setae setb setbe sete setg setge setl setle setne setz shl shld shr
shrd stc std sti stosb stosd stosw sub test xchg xlat xor"""),
    ("[关键词1:]", """al ah ax eax bl bh bx ebx cl ch cx ecx dl dh dx edx si esi di edi bp ebp sp
esp cs ds es fs gs ss"""),
    ("[关键词2:]", """.386 .486 .586 .model .code .data .const .stack flat stdcall c near far
assume byte word dword qword tbyte db dw dd dq dt dup end endp ends equ extern extrn include
includelib invoke local macro endm offset proc ptr public segment struct proto type sizeof
#包含 #定义"""),
])

# ---------------------------------------------------------------------------------------
# The other default syntax types (English spec and keyword file names)

C_DELIMITERS = "(){}[]<>+-*/%=,\"'~!@#$^&|\\?:;."

spec_file("CPLUSPLUS.SPC", "C/C++ programs", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", C_DELIMITERS),
    ("$KEYWORDPREFIX", "#"),
    ("$HEXADECIMALMARK", "0x"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$LINECOMMENT", "//"),
    ("$BLOCKCOMMENTON", "/*"),
    ("$BLOCKCOMMENTOFF", "*/"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
    ("$PAIRS3", "{}"),
])
keyword_file("CPLUSPLUS.KEY", "C and C++ keywords", [
    ("[KEYWORDS0:]", """asm auto break case catch class const const_cast continue default delete
do dynamic_cast else enum explicit export extern false for friend goto if inline mutable
namespace new operator private protected public register reinterpret_cast return sizeof
static static_cast struct switch template this throw true try typedef typeid typename union
using virtual volatile while nullptr constexpr noexcept override final decltype"""),
    ("[KEYWORDS1:]", """bool char double float int long short signed unsigned void wchar_t size_t
BOOL BYTE WORD DWORD UINT LONG LPSTR LPCSTR HANDLE HWND"""),
    ("[KEYWORDS2:]", """#define #elif #else #endif #error #if #ifdef #ifndef #include #line
#pragma #undef defined"""),
])

spec_file("JAVA.SPC", "Java programs", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", C_DELIMITERS),
    ("$KEYWORDPREFIX", "@"),
    ("$HEXADECIMALMARK", "0x"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$LINECOMMENT", "//"),
    ("$BLOCKCOMMENTON", "/*"),
    ("$BLOCKCOMMENTOFF", "*/"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
    ("$PAIRS3", "{}"),
])
JAVA_KEYWORDS = """abstract assert break case catch class const continue default do else enum
extends final finally for goto if implements import instanceof interface native new package
private protected public return static strictfp super switch synchronized this throw throws
transient try volatile while true false null"""
JAVA_TYPES = "boolean byte char double float int long short void String Object"
keyword_file("JAVA.KEY", "Java keywords", [
    ("[KEYWORDS0:]", JAVA_KEYWORDS),
    ("[KEYWORDS1:]", JAVA_TYPES),
    ("[KEYWORDS2:]", "@Override @Deprecated @SuppressWarnings @FunctionalInterface"),
])

HTML_TAGS = """a abbr address area b base bdo big blockquote body br button caption center cite
code col colgroup dd del dfn div dl dt em fieldset font form frame frameset h1 h2 h3 h4 h5 h6
head hr html i iframe img input ins kbd label legend li link map meta noframes noscript object
ol optgroup option p param pre q s samp script select small span strike strong style sub sup
table tbody td textarea tfoot th thead title tr tt u ul var"""
HTML_ATTRIBUTES = """action align alt background bgcolor border cellpadding cellspacing checked
class color cols colspan content height href id lang language method name onblur onchange
onclick onfocus onload onmouseover onmouseout onsubmit rows rowspan selected size src style
target type valign value width"""

spec_file("HTML.SPC", "HTML documents", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "<>=/\"'&;:,.()[]{}!?"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$BLOCKCOMMENTON", "<!--"),
    ("$BLOCKCOMMENTOFF", "-->"),
    ("$PAIRS1", "<>"),
])
keyword_file("HTML.KEY", "HTML tags and attributes", [
    ("[KEYWORDS0:]", HTML_TAGS),
    ("[KEYWORDS1:]", HTML_ATTRIBUTES),
])

spec_file("ASP.SPC", "ASP documents: VBScript between <% and %> inside HTML", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "<>=/\"&;:,.()[]{}!?+-*"),
    ("$QUOTATIONMARK1", "\""),
    ("$LINECOMMENT", "'"),
    ("$LINECOMMENT2", "REM"),
    ("$BLOCKCOMMENTON", "<!--"),
    ("$BLOCKCOMMENTOFF", "-->"),
    ("$RANGE1BEG", "<%"),
    ("$RANGE1END", "%>"),
    ("$QUOTATIONMARKRANGE", "RANGE1"),
    ("$LINECOMMENTRANGE", "RANGE1"),
    ("$BLOCKCOMMENTRANGE", "!RNGE1"),
    ("$PAIRS1", "()"),
])
keyword_file("ASP.KEY", "VBScript keywords and ASP objects inside <% %>, HTML outside", [
    ("[KEYWORDS0:RANGE1]", """and call case const dim do each else elseif end erase error exit
explicit false for function if in is loop mod next not nothing null on option or private
public randomize redim resume select set step sub then to true until wend while with xor"""),
    ("[KEYWORDS1:RANGE1]", """application request response server session objectcontext write
redirect form querystring cookies createobject"""),
    ("[KEYWORDS2:!RNGE1]", HTML_TAGS),
])

spec_file("JSP.SPC", "JSP pages: Java between <% and %> inside HTML", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", C_DELIMITERS),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$LINECOMMENT", "//"),
    ("$BLOCKCOMMENTON", "<%--"),
    ("$BLOCKCOMMENTOFF", "--%>"),
    ("$BLOCKCOMMENT2ON", "<!--"),
    ("$BLOCKCOMMENT2OFF", "-->"),
    ("$RANGE1BEG", "<%"),
    ("$RANGE1END", "%>"),
    ("$LINECOMMENTRANGE", "RANGE1"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "{}"),
])
keyword_file("JSP.KEY", "Java inside <% %>, JSP objects and HTML tags", [
    ("[KEYWORDS0:RANGE1]", JAVA_KEYWORDS),
    ("[KEYWORDS1:RANGE1]", JAVA_TYPES + " request response out session application pageContext page config exception"),
    ("[KEYWORDS2:!RNGE1]", HTML_TAGS),
])

spec_file("BASIC.SPC", "Basic programs", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "()<>+-*/\\^=,\":;.&"),
    ("$HEXADECIMALMARK", "&H"),
    ("$QUOTATIONMARK1", "\""),
    ("$LINECOMMENT", "'"),
    ("$LINECOMMENT2", "REM"),
    ("$PAIRS1", "()"),
])
keyword_file("BASIC.KEY", "Basic keywords", [
    ("[KEYWORDS0:]", """and as byval byref call case close const declare dim do each else elseif
end erase error exit false for function get gosub goto if input is let line loop mod next not
on open or print private public put redim resume return select shared step stop sub then to
true type until wend while with xor"""),
    ("[KEYWORDS1:]", "boolean byte currency date double integer long object single string variant"),
])

spec_file("CSS.SPC", "Cascading style sheets", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "{}()[]:;,.>+~*=\"'!/"),
    ("$KEYWORDPREFIX", "@"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$BLOCKCOMMENTON", "/*"),
    ("$BLOCKCOMMENTOFF", "*/"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$PAIRS1", "{}"),
    ("$PAIRS2", "()"),
])
keyword_file("CSS.KEY", "CSS properties, values and at-rules", [
    ("[KEYWORDS0:]", """background background-color background-image background-position
background-repeat border border-bottom border-collapse border-color border-left border-right
border-style border-top border-width bottom clear clip color cursor display float font
font-family font-size font-style font-variant font-weight height left letter-spacing
line-height list-style margin margin-bottom margin-left margin-right margin-top overflow
padding padding-bottom padding-left padding-right padding-top position right text-align
text-decoration text-indent text-transform top vertical-align visibility white-space width
word-spacing z-index"""),
    ("[KEYWORDS1:]", """absolute auto block bold center collapse dashed dotted fixed hidden
inherit inline italic justify left none normal relative right solid static transparent
underline uppercase lowercase visible"""),
    ("[KEYWORDS2:]", "@charset @font-face @import @media @page"),
])

spec_file("FORTRAN77.SPC", "Fortran programs", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "()+-*/=,':.$"),
    ("$QUOTATIONMARK1", "'"),
    ("$QUOTATIONMARK2", "\""),
    ("$LINECOMMENT", "!"),
    ("$LINECOMMENTONFIRSTPOSITION", "C"),
    ("$LINECOMMENT2ONFIRSTPOSITION", "*"),
    ("$PAIRS1", "()"),
])
keyword_file("FORTRAN77.KEY", "Fortran 77 keywords and intrinsics", [
    ("[KEYWORDS0:]", """assign backspace block call close common continue data dimension do
else elseif end enddo endfile endif entry equivalence external format function go goto if
implicit inquire intrinsic open parameter pause print program read return rewind save stop
subroutine then to write"""),
    ("[KEYWORDS1:]", "character complex double integer logical precision real"),
    ("[KEYWORDS2:]", """abs acos aint anint asin atan atan2 char cmplx cos cosh dble exp float
ichar index int len log log10 max min mod nint sign sin sinh sqrt tan tanh"""),
])

spec_file("LATEX.SPC", "LaTeX documents", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", "{}[]()$&#^_~%=,.;:!?\"'"),
    ("$KEYWORDPREFIX", "\\"),
    ("$LINECOMMENT", "%"),
    ("$PAIRS1", "{}"),
    ("$PAIRS2", "[]"),
])
keyword_file("LATEX.KEY", "LaTeX commands", [
    ("[KEYWORDS0:]", r"""\begin \end \documentclass \usepackage \section \subsection
\subsubsection \chapter \part \paragraph \title \author \date \maketitle \tableofcontents
\label \ref \pageref \cite \bibliography \bibliographystyle \include \input \newcommand
\renewcommand \newenvironment \item \caption \footnote"""),
    ("[KEYWORDS1:]", r"""\textbf \textit \emph \texttt \underline \small \large \Large \huge
\tiny \centering \hline \newline \newpage \linebreak \vspace \hspace \frac \sqrt \sum \int
\alpha \beta \gamma \delta"""),
])

spec_file("MATLAB.SPC", "Matlab programs", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", "()[]{}+-*/\\^=<>~&|,;:.'\""),
    ("$QUOTATIONMARK1", "'"),
    ("$QUOTATIONMARK2", "\""),
    ("$LINECOMMENT", "%"),
    ("$BLOCKCOMMENTON", "%{"),
    ("$BLOCKCOMMENTOFF", "%}"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
])
keyword_file("MATLAB.KEY", "Matlab keywords and functions", [
    ("[KEYWORDS0:]", """break case catch continue else elseif end for function global if
otherwise persistent return switch try while"""),
    ("[KEYWORDS1:]", """abs disp eye figure find hold length linspace max min numel ones plot
rand size sqrt sum title xlabel ylabel zeros"""),
])

spec_file("PASCAL.SPC", "Pascal programs", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "()[]+-*/=<>,;:.^@'"),
    ("$HEXADECIMALMARK", "$"),
    ("$QUOTATIONMARK1", "'"),
    ("$LINECOMMENT", "//"),
    ("$BLOCKCOMMENTON", "{"),
    ("$BLOCKCOMMENTOFF", "}"),
    ("$BLOCKCOMMENT2ON", "(*"),
    ("$BLOCKCOMMENT2OFF", "*)"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
])
keyword_file("PASCAL.KEY", "Pascal keywords", [
    ("[KEYWORDS0:]", """and array begin case const div do downto else end file for function
goto if in label mod nil not of or packed procedure program record repeat set then to type
until uses var while with xor unit interface implementation"""),
    ("[KEYWORDS1:]", "boolean byte char integer longint real string word true false"),
])

spec_file("PERL.SPC", "Perl scripts", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", "(){}[]<>+-*/%=,\"'~!&|\\?:;.`^"),
    ("$VARIABLEPREFIX", "$@%"),
    ("$VARIABLEENCLOSEDBY", "{}"),
    ("$SPECIALVARIABLECHARS", "$#&_!@0123456789"),
    ("$HEXADECIMALMARK", "0x"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$QUOTATIONMARK3", "`"),
    ("$LINECOMMENT", "#"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
    ("$PAIRS3", "{}"),
])
keyword_file("PERL.KEY", "Perl keywords and functions", [
    ("[KEYWORDS0:]", """if elsif else unless while until for foreach do last next redo return
sub my our local package use require no BEGIN END and or not eq ne lt gt le ge cmp"""),
    ("[KEYWORDS1:]", """chomp chop chr close defined delete die each eval exists exit grep join
keys lc length map open pop print printf push ref reverse scalar shift sort splice split
sprintf substr uc undef unlink unshift values wantarray warn"""),
])

spec_file("PHP.SPC", "PHP scripts: code between <? and ?> inside HTML", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", C_DELIMITERS),
    ("$VARIABLEPREFIX", "$"),
    ("$HEXADECIMALMARK", "0x"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$LINECOMMENT", "//"),
    ("$LINECOMMENT2", "#"),
    ("$BLOCKCOMMENTON", "/*"),
    ("$BLOCKCOMMENTOFF", "*/"),
    ("$BLOCKCOMMENT2ON", "<!--"),
    ("$BLOCKCOMMENT2OFF", "-->"),
    ("$RANGE1BEG", "<?"),
    ("$RANGE1END", "?>"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
    ("$PAIRS3", "{}"),
])
keyword_file("PHP.KEY", "PHP keywords and functions inside <? ?>, HTML outside", [
    ("[KEYWORDS0:RANGE1]", """abstract and array as break case catch class clone const continue
declare default do echo else elseif empty endfor endforeach endif endswitch endwhile extends
final for foreach function global if implements include include_once interface isset list new
or print private protected public require require_once return static switch throw try unset
use var while xor true false null php"""),
    ("[KEYWORDS1:RANGE1]", """count explode implode in_array is_array mysql_query preg_match
preg_replace sprintf str_replace strlen strpos substr trim"""),
    ("[KEYWORDS2:!RNGE1]", HTML_TAGS),
])

spec_file("PLSQL.SPC", "PL/SQL scripts", [
    ("$CASESENSITIVE", "NO"),
    ("$DELIMITERS", "()+-*/<>=,;:.|%'\"@"),
    ("$QUOTATIONMARK1", "'"),
    ("$QUOTATIONMARK2", "\""),
    ("$LINECOMMENT", "--"),
    ("$BLOCKCOMMENTON", "/*"),
    ("$BLOCKCOMMENTOFF", "*/"),
    ("$PAIRS1", "()"),
])
keyword_file("PLSQL.KEY", "PL/SQL keywords and types", [
    ("[KEYWORDS0:]", """all alter and as asc begin between body by case close commit constant
create cursor declare default delete desc distinct drop else elsif end exception exit fetch
for from function goto grant group having if in index insert into is like loop not null open
or order package pragma procedure raise return rollback select set table then to trigger type
union update values view when where while"""),
    ("[KEYWORDS1:]", """binary_integer boolean char date integer number pls_integer raw rowid
varchar varchar2"""),
])

spec_file("PYTHON.SPC", "Python programs", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", "()[]{}<>+-*/%=,\"'~!&|^\\?:;.@"),
    ("$HEXADECIMALMARK", "0x"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$QUOTATIONMARK2", "'"),
    ("$LINECOMMENT", "#"),
    ("$INDENTATIONON", ":"),
    ("$PAIRS1", "()"),
    ("$PAIRS2", "[]"),
    ("$PAIRS3", "{}"),
])
keyword_file("PYTHON.KEY", "Python keywords and built-ins", [
    ("[KEYWORDS0:]", """and as assert break class continue def del elif else except finally
for from global if import in is lambda nonlocal not or pass raise return try while with yield
True False None"""),
    ("[KEYWORDS1:]", """abs all any bool dict dir enumerate float int isinstance len list map
max min open print range repr set sorted str sum super tuple type zip self"""),
])

spec_file("TCLTK.SPC", "Tcl/Tk scripts", [
    ("$CASESENSITIVE", "YES"),
    ("$DELIMITERS", "()[]{}<>+-*/%=,\"~!&|^\\?:;."),
    ("$VARIABLEPREFIX", "$"),
    ("$VARIABLEENCLOSEDBY", "{}"),
    ("$ESCAPECHAR", "\\"),
    ("$QUOTATIONMARK1", "\""),
    ("$LINECOMMENT", "#"),
    ("$INDENTATIONON", "{"),
    ("$INDENTATIONOFF", "}"),
    ("$PAIRS1", "{}"),
    ("$PAIRS2", "[]"),
])
keyword_file("TCLTK.KEY", "Tcl commands and Tk widgets", [
    ("[KEYWORDS0:]", """after append array break catch cd close concat continue else elseif
eof error eval exec exit expr file flush for foreach format gets glob global if incr info
join lappend lindex linsert list llength lrange lreplace lsearch lsort namespace open proc
puts read regexp regsub rename return scan seek set source split string switch tell then
time trace unset update uplevel upvar variable vwait while"""),
    ("[KEYWORDS1:]", """bind button canvas checkbutton destroy entry focus frame grid label
listbox menu menubutton message pack place radiobutton scale scrollbar text toplevel wm winfo"""),
])

# ---------------------------------------------------------------------------------------
# Link files

MOYU = ("墨程序.规范", "墨程序.关键词")
for extension in (".墨", ".墨双", ".接口", ".定义"):
    link_file(LINK_DIR, "后缀" + extension, *MOYU)
link_file(LINK_DIR, "后缀.素材", "素材.规范", "素材.关键词")
for extension in (".汇编", ".汇51"):
    link_file(LINK_DIR, "后缀" + extension, "中汇.规范", "中汇.关键词")
link_file(LINK_DIR, "后缀.橙语", "JAVA.SPC", "JAVA.KEY")
link_file(LINK_DIR, "首行.墨", *MOYU, contains="#包含")

ENGLISH_EXTENSIONS = {
    "ASP": ".asp .asa",
    "BASIC": ".bas .frm .vbs",
    "CPLUSPLUS": ".c .cc .cpp .cxx .h .hh .hpp .hxx .pc",
    "CSS": ".css",
    "FORTRAN77": ".f .for .f77 .f90 .f95",
    "HTML": ".html .htm .shtml",
    "JAVA": ".java .jav",
    "JSP": ".jsp .jhtml",
    "LATEX": ".tex .sty",
    "MATLAB": ".m",
    "PASCAL": ".pas .pp .dpr",
    "PERL": ".pl .pm .perl .cgi",
    "PHP": ".php .phtml .php3 .php4",
    "PLSQL": ".sql .pls .pkb .pks",
    "PYTHON": ".py .pyw",
    "TCLTK": ".tcl .tk",
}
for language, extensions in ENGLISH_EXTENSIONS.items():
    for extension in extensions.split():
        link_file(ENGLISH_LINK_DIR, "extension" + extension, language + ".SPC",
                  language + ".KEY", chinese=False)

for name, language, pattern in (
        ("firstline.perl", "PERL", "#!/usr/bin/perl"),
        ("firstline.python", "PYTHON", "#!/usr/bin/python"),
        ("firstline.tcl", "TCLTK", "#!/usr/bin/wish"),
        ("firstline.php", "PHP", "<?php"),
        ("firstline.html", "HTML", "<!doctype html")):
    link_file(ENGLISH_LINK_DIR, name, language + ".SPC", language + ".KEY", contains=pattern,
              chinese=False)
link_file(ENGLISH_LINK_DIR, "pathname.cgi", "PERL.SPC", "PERL.KEY", contains="\\cgi-bin\\",
          chinese=False)

print("description files written")

#include "editor/shell/VocabularyTable.h"

#include "editor/settings/MarkupLine.h"
#include "editor/settings/TextSettings.h"
#include "editor/util/PathUtil.h"
#include "framework/Gbk.h"

namespace {

const char kExtension[] = ".表";
const int kExtensionFiles = 100;

class TableReader {
public:
    TableReader(VocabularyReadResult& result, const std::function<void(const CString&)>& onEntry)
        : m_result(result), m_onEntry(onEntry)
    {
    }

    // Reads the children of parent up to the closing word (ASCII case folded); the end of
    // the file also ends the level.
    bool ReadItems(const CStringArray& lines, int& next, VocabularyItem& parent, const CString& closing)
    {
        while (next < lines.GetSize()) {
            const CString& text = lines[next++];
            MarkupLine line = ScanMarkupWord(text);
            if (line.word.IsEmpty())
                continue;
            if (line.Is(closing))
                return true;
            bool category = line.Is("<类目");
            bool subcategory = line.Is("<子类");
            if (!category && !subcategory && !line.Is("<项")) {
                ++m_result.skipped;
                continue;
            }
            if (!ScanMarkupLine(text, line))
                return Fail(VocabularyStatus::scanError);
            if (category || subcategory) {
                const CString* name = line.Find("名字");
                if (!name)
                    return Fail(VocabularyStatus::badEntry);
                VocabularyItem& item = Add(parent, category ? VocabularyKind::category : VocabularyKind::subcategory, *name);
                if (!ReadItems(lines, next, item, category ? "</类目>" : "</子类>"))
                    return false;
                const CString* expanded = line.Find("展开");
                item.expanded = expanded && *expanded == "是";
                continue;
            }
            const CString* name = line.Find("名称");
            const CString* fullText = line.Find("全称");
            if (!name || !fullText)
                return Fail(VocabularyStatus::badEntry);
            VocabularyItem& entry = Add(parent, VocabularyKind::entry, *name);
            entry.fullText = *fullText;
            if (const CString* note = line.Find("注释"))
                entry.note = *note;
            ++m_result.entries;
            if (m_onEntry)
                m_onEntry(entry.fullText);
        }
        return true;
    }

private:
    static VocabularyItem& Add(VocabularyItem& parent, VocabularyKind kind, const CString& text)
    {
        parent.children.push_back(std::make_unique<VocabularyItem>());
        VocabularyItem& item = *parent.children.back();
        item.kind = kind;
        item.text = text;
        return item;
    }

    bool Fail(VocabularyStatus status)
    {
        m_result.status = status;
        return false;
    }

    VocabularyReadResult& m_result;
    const std::function<void(const CString&)>& m_onEntry;
};

// The index of the first non-blank line, or the line count.
int FirstWordLine(const CStringArray& lines)
{
    int index = 0;
    while (index < lines.GetSize() && ScanMarkupWord(lines[index]).word.IsEmpty())
        ++index;
    return index;
}

} // namespace

VocabularyReadResult ReadVocabularyTable(const CString& base, VocabularyItem& root,
                                         const std::function<void(const CString&)>& onEntry)
{
    VocabularyReadResult result;
    root = VocabularyItem();
    root.text = GetFileTitlePart(base + kExtension);
    result.filePath = base + kExtension;
    CStringArray lines;
    int next = 0;
    MarkupLine header;
    if (ReadTextLines(result.filePath, lines) && (next = FirstWordLine(lines)) < lines.GetSize())
        header = ScanMarkupWord(lines[next]);
    if (!header.Is("<词汇函数表")) {
        result.status = VocabularyStatus::missingTable;
        return result;
    }
    if (!ScanMarkupLine(lines[next], header)) {
        result.status = VocabularyStatus::scanError;
        return result;
    }
    if (!header.Find("版本")) {
        result.status = VocabularyStatus::missingTable;
        return result;
    }
    TableReader reader(result, onEntry);
    if (!reader.ReadItems(lines, ++next, root, "</词汇函数表>"))
        return result;

    for (int number = 0; number < kExtensionFiles; ++number) {
        CString path;
        path.Format("%s_%d%s", (LPCTSTR)base, number, kExtension);
        if (!ReadTextLines(path, lines))
            continue;
        result.filePath = path;
        next = FirstWordLine(lines);
        if (next >= lines.GetSize())
            continue;
        CString word = ScanMarkupWord(lines[next++]).word;
        CString name = word.Mid(1);
        name.TrimRight('>');
        if (word.Left(1) != "<" || name.IsEmpty())
            continue;
        auto category = std::make_unique<VocabularyItem>();
        category->kind = VocabularyKind::category;
        category->text = name;
        VocabularyItem& added = *category;
        root.children.push_back(std::move(category));
        if (!reader.ReadItems(lines, next, added, "</" + name + ">"))
            return result;
    }
    result.filePath = base + kExtension;
    root.expanded = true;
    return result;
}

CString VocabularyReadMessage(const VocabularyReadResult& result)
{
    if (result.status == VocabularyStatus::scanError)
        return "分析项目属性时发生错误.\n(" + result.filePath + ")";
    return CString();
}

void SplitVocabularyText(const CString& text, CStringArray& lines)
{
    lines.RemoveAll();
    CString line;
    int length = text.GetLength();
    for (int i = 0; i < length;) {
        int step = GbkText::CharLength(text, length, i);
        if (step == 1 && text[i] == '\\' && i + 1 < length && (text[i + 1] == 'n' || text[i + 1] == 'b')) {
            if (text[i + 1] == 'n') {
                lines.Add(line);
                line.Empty();
            }
            i += 2;
            continue;
        }
        line += text.Mid(i, step);
        i += step;
    }
    lines.Add(line);
}

void VocabularyEntryLines(const VocabularyItem& entry, CStringArray& lines)
{
    SplitVocabularyText(entry.fullText, lines);
    lines.Add(CString());
    if (entry.note.IsEmpty())
        return;
    lines.Add("说明：");
    CStringArray note;
    SplitVocabularyText(entry.note, note);
    lines.Append(note);
}

VocabularyAction ClassifyVocabularyEntry(const CString& fullText, CString& argument)
{
    struct Prefix {
        const char* text;
        VocabularyAction action;
    };
    static const Prefix prefixes[] = {
        {"!!!", VocabularyAction::openFile},
        {"!@!", VocabularyAction::openAddress},
        {"!?!", VocabularyAction::runFile},
    };
    for (const Prefix& prefix : prefixes)
        if (fullText.Left(3) == prefix.text) {
            argument = fullText.Mid(3);
            return prefix.action;
        }
    argument = fullText;
    return VocabularyAction::insertText;
}

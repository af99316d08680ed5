#include <cstring>
#include <string>
#include <vector>

#include "editor/document/FileHandle.h"
#include "editor/document/FileMessages.h"
#include "editor/document/LineList.h"
#include "editor/document/TextDecoding.h"

// Files are read and written in blocks this big: one read per block, not per line.
static const size_t kFileBlockBytes = 1 << 20;

// Appends the lines a file load cuts, their text in the list's arena.
class CLineList::CLoadSink : public ILineSink {
public:
    explicit CLoadSink(CLineList& lines) : m_lines(lines) {}
    void AddLine(const char* text, size_t length) override
    {
        m_lines.AppendLoadedLine(text, (int)length);
    }

private:
    CLineList& m_lines;
};

bool CLineList::Load(const char* path, EncodingCode encoding, LineEndCode lineEnd,
                     TextLoadReport* report)
{
    CFileHandle file;
    if (!file.OpenForReading(path))
        return false;
    RemoveAll();
    CLoadSink sink(*this);
    CLineSplitter splitter = CLineSplitter::ForLineEnd(sink, lineEnd);
    CGbkDecoder decoder(encoding);
    std::vector<unsigned char> raw(kFileBlockBytes);
    std::string decoded;
    bool ok = true;
    for (bool first = true;; first = false) {
        size_t got = 0;
        if (!file.ReadFully(raw.data(), raw.size(), &got)) {
            ok = false;
            break;
        }
        const bool atEnd = got < raw.size();
        const size_t mark = first ? CGbkDecoder::MarkLength(encoding, raw.data(), got) : 0;
        if (decoder.PassesThrough()) {
            splitter.Feed(reinterpret_cast<const char*>(raw.data()) + mark, got - mark);
        } else {
            decoded.clear();
            decoder.Decode(raw.data() + mark, got - mark, atEnd, decoded);
            splitter.Feed(decoded.data(), decoded.size());
        }
        if (atEnd)
            break;
    }
    // The lines read so far stay, even after a read error.
    splitter.Finish();
    if (report != nullptr)
        report->replacedCharacters = decoder.ReplacedCharacters();
    return ok;
}

namespace {

// Writes the lines to an open file in big blocks.
bool WriteLines(const CLineList& lines, CFileHandle& out, EncodingCode encoding,
                LineEndCode lineEnd)
{
    CGbkEncoder encoder(encoding);
    std::string lineEndBytes;
    const char* lineEndText = GetLineEndBytes(lineEnd);
    encoder.Encode(lineEndText, strlen(lineEndText), lineEndBytes);

    std::string buffer = encoder.Mark();
    buffer.reserve(kFileBlockBytes + 4096);
    const int count = lines.GetCount();
    for (int i = 0; i < count; ++i) {
        const CTextLine* line = lines.GetLine(i);
        encoder.Encode(line->GetText(), (size_t)line->GetLength(), buffer);
        if (i + 1 < count)
            buffer += lineEndBytes;
        if (buffer.size() >= kFileBlockBytes) {
            if (!out.WriteAll(buffer.data(), buffer.size()))
                return false;
            buffer.clear();
        }
    }
    return out.WriteAll(buffer.data(), buffer.size()) && out.Flush();
}

} // namespace

bool CLineList::Save(const char* path, EncodingCode encoding, LineEndCode lineEnd) const
{
    return ReplaceFileByWriting(path, [&](CFileHandle& out) {
        return WriteLines(*this, out, encoding, lineEnd);
    });
}

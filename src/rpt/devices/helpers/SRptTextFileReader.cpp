#include "rpt/devices/helpers/SRptTextFileReader.h"

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SInputMultiFormat.h"
#include "platform/base/SRtfDocument.h"
#include "rpt/devices/helpers/SRptRtfPlainText.h"

SString SRptTextFileReader::Read(const SString& sPath) {
    return Read(sPath, false);
}

SString SRptTextFileReader::ReadPlain(const SString& sPath) {
    return SRptRtfPlainText::PlainOf(Read(sPath, true));
}

SString SRptTextFileReader::Read(const SString& sPath, bool bEndMessage) {
    if (sPath.IsEmpty()) return "No file was specified.\r\n";
    std::string bytes;
    if (!ReadBytes(sPath, bytes)) {
        SString missing;
        missing.Format("File '%s' not found.", sPath.c_str());
        return bEndMessage ? missing + "\r\n" : missing;
    }
    return TextOf(std::move(bytes));
}

bool SRptTextFileReader::ReadBytes(const SString& sPath, std::string& bytes) {
    try {
        SInputFile file(sPath);
        const int64_t size = file.GetSize();
        if (size > kMaxFileSize) return false;
        // One buffer of the file's size: the text is read once, without growing.
        bytes.resize(static_cast<size_t>(size));
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        return true;
    } catch (const SEIOException&) {
        return false;
    }
}

SString SRptTextFileReader::TextOf(std::string bytes) {
    // An RTF file says itself how its characters are stored, and its binary data is no text of
    // any encoding: after a UTF-8 mark, its bytes are read as any RTF file's.
    const std::string_view afterMark = SInputMultiFormat::AfterUtf8Mark(bytes);
    if (SRtfDocument::IsRtf(afterMark)) {
        bytes.erase(0, bytes.size() - afterMark.size());
        return RtfOf(SString(std::move(bytes)));
    }
    std::string text = SInputMultiFormat::Decode(bytes);
    // The bytes go before the lines are made (an assignment would keep their buffer).
    std::string().swap(bytes);
    if (SRtfDocument::IsRtf(text)) return RtfOf(SString(std::move(text)));
    return LinesOf(text);
}

SString SRptTextFileReader::RtfOf(SString rtf) {
    // Binary data is no text, NULs and all: made text first, it keeps its bytes through the
    // reading of the characters.
    SRtfDocument(rtf).ConvertBinary();
    // An RTF file's 8-bit bytes are characters of its own code pages, which only its header and
    // font table tell. A NUL is no text: nothing that reads it passes one on.
    SInputMultiFormat::RemoveNuls(rtf.str());
    SRtfDocument(rtf).ToUnicode();
    return rtf;
}

SString SRptTextFileReader::LinesOf(std::string_view text) {
    // Each line end becomes CR LF; the last line gets one when it has none.
    size_t length = text.size() + 2;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\n' && (pos == 0 || text[pos - 1] != '\r')) ++length;
        if (text[pos] == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n')) ++length;
    }
    std::string lines;
    lines.reserve(length);
    for (size_t pos = 0; pos < text.size();) {
        const size_t end = text.find_first_of("\r\n", pos);
        lines.append(text, pos, (end == std::string_view::npos ? text.size() : end) - pos);
        lines += "\r\n";
        if (end == std::string_view::npos) break;
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    return SString(std::move(lines));
}

#include "rpt/devices/SRptPhysicalItemTextFile.h"

#include <memory>

#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SRtfDocument.h"
#include "rpt/devices/SRptHtmlRtfText.h"
#include "rpt/devices/SRptOutputHelper.h"
#include "varod9/ISRptTextFile.h"

HRESULT SRptPhysicalItemTextFile::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptTextFile>(para);
}

HRESULT SRptPhysicalItemTextFile::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = ReadContents(helper->GetFirstText());
    return S_OK;
}

SString SRptPhysicalItemTextFile::ReadContents(const SString& path) {
    SString contents;
    if (path.IsEmpty()) return SString("No file was specified.\r\n");
    if (!SFile::Exists(path)) {
        contents.Format("File '%s' not found.", path.c_str());
        return contents + "\r\n";
    }
    SInputStringStream lines(std::make_unique<SInputFile>(path));
    SString line;
    while (lines.ReadLn(line)) contents += line + "\r\n";
    if (SRtfDocument::IsRtf(contents.view())) return SRptHtmlRtfText::ToText(contents.view());
    return contents;
}

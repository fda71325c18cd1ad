#include "rpt/devices/helpers/SRptTextFileReader.h"

#include <memory>

#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SInputMultiFormat.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SRtfDocument.h"
#include "rpt/devices/html/SRptHtmlRtfText.h"

SString SRptTextFileReader::Read(const SString& sPath) {
    return Read(sPath, false);
}

SString SRptTextFileReader::ReadPlain(const SString& sPath) {
    const SString contents = Read(sPath, true);
    return SRtfDocument::IsRtf(contents.view()) ? SRptHtmlRtfText::ToText(contents.view()) : contents;
}

SString SRptTextFileReader::Read(const SString& sPath, bool bEndMessage) {
    if (sPath.IsEmpty()) return "No file was specified.\r\n";
    if (!SFile::Exists(sPath)) {
        SString missing;
        missing.Format("File '%s' not found.", sPath.c_str());
        return bEndMessage ? missing + "\r\n" : missing;
    }
    SInputStringStream lines(std::make_unique<SInputMultiFormat>(std::make_unique<SInputFile>(sPath)));
    SString contents;
    SString line;
    while (lines.ReadLn(line)) contents += line + "\r\n";
    return contents;
}

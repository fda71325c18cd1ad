#include "rpt/devices/helpers/SRptTextFileReader.h"

#include <memory>

#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SInputMultiFormat.h"
#include "platform/base/SInputStringStream.h"
#include "rpt/devices/helpers/SRptRtfPlainText.h"

SString SRptTextFileReader::Read(const SString& sPath) {
    return Read(sPath, false);
}

SString SRptTextFileReader::ReadPlain(const SString& sPath) {
    return SRptRtfPlainText::PlainOf(Read(sPath, true));
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

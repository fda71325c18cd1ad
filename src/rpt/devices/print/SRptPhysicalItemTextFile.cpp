#include "rpt/devices/print/SRptPhysicalItemTextFile.h"

#include "rpt/devices/helpers/SRptOutputHelper.h"
#include "rpt/devices/helpers/SRptTextFileReader.h"
#include "varod9/ISRptTextFile.h"

HRESULT SRptPhysicalItemTextFile::GetPara(ISRptPara** para) {
    return ParaOfKind<ISRptTextFile>(para);
}

HRESULT SRptPhysicalItemTextFile::GetText(SString* text) {
    if (!text) return E_POINTER;
    if (SRptOutputHelper* helper = GetOutputHelper()) *text = SRptTextFileReader::ReadPlain(helper->GetFirstText());
    return S_OK;
}

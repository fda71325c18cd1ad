#include "rpt/devices/helpers/SRptOutputHelperTextFile.h"

#include "varod9/ISRptTextFile.h"

HRESULT SRptOutputHelperTextFile::Init(IUnknown*) {
    m_path = ItemAs<ISRptTextFile>()->GetAbsPath();
    return S_OK;
}

SString SRptOutputHelperTextFile::GetText() {
    // The file's content is the writers' to read: a contents entry shows no path.
    return SString();
}

SString SRptOutputHelperTextFile::GetFirstText() {
    return m_path;
}

#include "rpt/objs/SRptAttributeGuard.h"

#include "platform/base/SExceptionDialog.h"
#include "platform/base/SExceptionResult.h"

HRESULT SRptAttributeGuard::Fail(const char* format, int32_t id, int32_t line) const {
    SString text;
    const HRESULT hr = SExceptionResult::FromCurrent(text);
    Report(format, id, text.IsEmpty() ? SString("unknow") : text, line);
    return hr;
}

void SRptAttributeGuard::Report(const char* format, int32_t id, const SString& text,
                                int32_t line) const {
    SExceptionDialog_(m_sourceFile, line, format, m_className,
                      static_cast<uint32_t>(id), text);
}

#include "rpt/objs/SRptAttributeGuard.h"

#include "platform/base/SExceptionDialog.h"

void SRptAttributeGuard::Report(const char* format, int32_t id, const SString& text,
                                int32_t line) const {
    SExceptionDialog_(m_sourceFile, line, format, m_className,
                      static_cast<uint32_t>(id), text);
}

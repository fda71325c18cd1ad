#include "rpt/objs/SRptAttributeGuard.h"

#include "platform/base/SExceptionDialog.h"

void SRptAttributeGuard::Report(const char* format, int32_t id, const SString& text,
                                const std::source_location& where) const {
    SExceptionDialog_(m_sourceFile, static_cast<int32_t>(where.line()), format, m_className,
                      static_cast<uint32_t>(id), text);
}

#include "rpt/editor/SRptSysCmdUI.h"

#include "platform/host/CopyToHostBuffer.h"

void SRptSysCmdUI::SetText(const char* text) {
    // Cut at a character boundary first, so that the base's cut to the buffer never falls
    // inside a surrogate pair.
    const uint32_t size = m_length > 0 ? static_cast<uint32_t>(m_length) : 0;
    const SString fitted = SString::FromU16(FitToHostBuffer(SString(text).ToU16(), size));
    SSysCmdUI::SetText(fitted.c_str());
}

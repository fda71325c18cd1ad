#include "rpt/module/SRptModuleTableKey.h"

#include "platform/base/SMbcs.h"

int SRptModuleTableKey::Compare::operator()(const SRptModuleTableKey& a, const SRptModuleTableKey& b) const {
    const int byModule = _mbscmp(a.m_moduleId.c_str(), b.m_moduleId.c_str());
    return byModule != 0 ? byModule : _mbscmp(a.m_name.c_str(), b.m_name.c_str());
}

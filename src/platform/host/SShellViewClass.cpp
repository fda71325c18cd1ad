#include "platform/host/SShellViewClass.h"

#include "platform/host/SShellModule.h"

void SShellViewClass::AttachModule(SShellModule* module) {
    m_module = module;
    if (module && !m_hostFrame) m_hostFrame.Reset(module->GetHostFrame());
}

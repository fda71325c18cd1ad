#pragma once
// The part of a kind of view that its shell module knows: the face it shows the host, and the
// module and host frame it belongs to once the module has entered it in its list.
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellViewClass.h"

class SShellModule;

class SShellViewClass {
public:
    SShellViewClass() = default;
    SShellViewClass(const SShellViewClass&) = delete;
    SShellViewClass& operator=(const SShellViewClass&) = delete;
    virtual ~SShellViewClass() = default;

    // The face the host knows the kind of view by, without a reference of the caller's.
    virtual ISShellViewClass* GetViewClassFace() = 0;
    // Remembers the module; a class without a host frame takes the module's.
    virtual void AttachModule(SShellModule* module);

    SShellModule* GetModule() const { return m_module; }
    ISShellHostFrame* GetHostFrame() const { return m_hostFrame.Get(); }

protected:
    SShellModule* m_module = nullptr;
    SComWrap<ISShellHostFrame> m_hostFrame;
};

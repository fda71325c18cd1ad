#pragma once
// The base of a module of the host's shell: its reference count, the face the host drives it
// through (ISShellModule), the host frame it keeps, the kinds of views it offers, the sink through
// which it hears the host's events, and a further face that it answers only once it enables it.
// A module derives from it and gives the initialisation and the two forms of action.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellModule.h"
#include "platform/host/ISShellModuleExt.h"
#include "platform/host/ISShellViewClass.h"
#include "platform/host/SShellEventSink.h"

class SShellView;
class SShellViewClass;
class SProgressIndicatorEx;

class SShellModule : public ISShellModule, public ISShellModuleExt {
public:
    // The module is held by its shell-module face.
    static constexpr GUID iid = ISShellModule::iid;

    SShellModule(const SShellModule&) = delete;
    SShellModule& operator=(const SShellModule&) = delete;

    // IUnknown, the same on every face of the module: the shell-module face for IUnknown and
    // ISShellModule, the further face while it is enabled, nothing else (the event sink is
    // handed to the host directly). The count starts at 0; the object goes when it falls back to 0.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT Initialize(ISShellHostFrame* hostFrame) override;
    HRESULT Reserved(int32_t) override { return S_OK; }
    HRESULT GetFormatFilter(ISFormatFilter** filter) override;
    HRESULT InitializeEx(ISShellHostFrame* hostFrame, int32_t flag) override;
    HRESULT OnActionFromHost(uint32_t action, IUnknown* object, uint32_t flags, IUnknown** result) override;
    HRESULT OnActionPathFromHost(uint32_t action, const char16_t* path, uint32_t flags, IUnknown** result) override;
    HRESULT GetNextViewClass(int32_t* position, ISShellViewClass** viewClass) override;
    // Lets go of the host frame (and of the host's events first); S_OK.
    HRESULT Terminate() override;

    // The further face: nothing is implemented.
    HRESULT Unused1() override { return E_NOTIMPL; }
    HRESULT Unused2() override { return E_NOTIMPL; }

    // What the module gives: its initialisation once it has the host frame (1 from Initialize,
    // the host's flag from InitializeEx), and the host's actions on an object or on a path.
    virtual HRESULT OnInitialize(int32_t arg) = 0;
    virtual HRESULT OnAction(uint32_t action, IUnknown* argument, uint32_t flags, SShellView** view,
                             SProgressIndicatorEx* progress, IUnknown** result) = 0;
    virtual HRESULT OnAction(uint32_t action, const char16_t* path, uint32_t flags, SShellView** view,
                             SProgressIndicatorEx* progress, IUnknown** result) = 0;

    // Enters a kind of view at the end of the list (holding a reference on its face) and attaches
    // it to the module: 1; 0 for a null class or when the list cannot grow.
    int32_t AddViewClass(SShellViewClass* viewClass);
    // Takes the first entry of that kind of view out of the list and releases it: 1; 0 when it is
    // not in the list.
    int32_t RemoveViewClass(SShellViewClass* viewClass);
    int32_t GetViewClassCount() const { return static_cast<int32_t>(m_viewClasses.size()); }

    // Advises (non-zero) or unadvises (0) the event sink on the host frame's connection point of
    // ISShellEvents: 1 when the connection point took the Advise or Unadvise; 0 when there is
    // nothing to do (already in that state), no host frame, no container, no such connection
    // point, or the connection point refused (a refused Advise leaves no cookie). Throws
    // SECOMException for a failed container query other than E_NOINTERFACE, and with E_POINTER
    // for a connection point reported found but missing.
    int32_t ConnectEvents(int32_t connect);
    bool IsConnected() const { return m_cookie != 0; }
    ISShellEvents* GetEventSink() { return &m_sink; }

    // The host frame, without a reference of the caller's; null before Initialize and after Terminate.
    ISShellHostFrame* GetHostFrame() const { return m_hostFrame.Get(); }
    int32_t GetRefCount() const { return m_refCount; }

protected:
    SShellModule() = default;
    virtual ~SShellModule();

    // Makes the further face answer (non-zero) or not (0).
    void EnableExtFace(int32_t enable) { m_extFaceEnabled = enable; }

private:
    int32_t m_refCount = 0;
    SShellEventSink m_sink{static_cast<ISShellModule*>(this)};
    SComWrap<ISShellHostFrame> m_hostFrame;
    uint32_t m_cookie = 0;
    int32_t m_extFaceEnabled = 0;
    std::vector<SComWrap<ISShellViewClass>> m_viewClasses;
};

#pragma once
// The base of a module of the host's shell: its reference count, the face the host drives it
// through (ISShellModule) and the host frame it keeps. A module derives from it and gives the
// initialisation and the two forms of action; the kinds of views it offers join with the editor
// views that use them.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellModule.h"

class SShellView;
class SProgressIndicatorEx;

class SShellModule : public ISShellModule {
public:
    SShellModule(const SShellModule&) = delete;
    SShellModule& operator=(const SShellModule&) = delete;

    // IUnknown: the shell-module face for IUnknown and ISShellModule, nothing else. The count
    // starts at 0; the object goes when it falls back to 0.
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
    HRESULT Terminate() override;

    // What the module gives: its initialisation once it has the host frame (1 from Initialize,
    // the host's flag from InitializeEx), and the host's actions on an object or on a path.
    virtual HRESULT OnInitialize(int32_t arg) = 0;
    virtual HRESULT OnAction(uint32_t action, IUnknown* argument, uint32_t flags, SShellView** view,
                             SProgressIndicatorEx* progress, IUnknown** result) = 0;
    virtual HRESULT OnAction(uint32_t action, const char16_t* path, uint32_t flags, SShellView** view,
                             SProgressIndicatorEx* progress, IUnknown** result) = 0;

    // The host frame, without a reference of the caller's; null before Initialize and after Terminate.
    ISShellHostFrame* GetHostFrame() const { return m_hostFrame.Get(); }
    int32_t GetRefCount() const { return m_refCount; }

protected:
    SShellModule() = default;
    virtual ~SShellModule() = default;

private:
    int32_t m_refCount = 0;
    SComWrap<ISShellHostFrame> m_hostFrame;
};

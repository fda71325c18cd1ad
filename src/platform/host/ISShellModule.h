#pragma once
// A module of the host application's shell, as the host drives it: it is initialised with the
// host frame, carries out the host's actions (a new document, opening one by its path), names the
// kinds of views it offers, and is terminated when the host ends.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellHostFrame;
struct ISShellViewClass;
struct ISFormatFilter;

struct ISShellModule : IUnknown {
    static constexpr GUID iid = IID_ISShellModule;

    // Keeps the host frame (with a reference) and initialises the module; the initialisation's result.
    virtual HRESULT Initialize(ISShellHostFrame* hostFrame) = 0;
    // Does nothing; S_OK.
    virtual HRESULT Reserved(int32_t value) = 0;
    // The module's format filter, or null and S_FALSE when it has none; E_POINTER for null.
    virtual HRESULT GetFormatFilter(ISFormatFilter** filter) = 0;
    // As Initialize, the initialisation given the host's flag.
    virtual HRESULT InitializeEx(ISShellHostFrame* hostFrame, int32_t flag) = 0;
    // An action of the host on an object, or on a document by its path (UTF-16); no view is
    // asked for. The action's result.
    virtual HRESULT OnActionFromHost(uint32_t action, IUnknown* object, uint32_t flags, IUnknown** result) = 0;
    virtual HRESULT OnActionPathFromHost(uint32_t action, const char16_t* path, uint32_t flags, IUnknown** result) = 0;
    // The view class at `*position` (no reference of the caller's) and the position moved on:
    // S_OK; S_FALSE past the last one.
    virtual HRESULT GetNextViewClass(int32_t* position, ISShellViewClass** viewClass) = 0;
    // Lets go of the host frame; S_OK.
    virtual HRESULT Terminate() = 0;

protected:
    ~ISShellModule() = default;
};

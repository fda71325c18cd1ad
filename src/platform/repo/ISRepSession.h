#pragma once
// A repository session: one document's objects. Its model collection holds the document's top
// objects; closing the session deletes them. Objects hold a reference on their session, so a
// session with objects in its model lives until it is closed.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepClassCol;
struct ISRepSessionView;

struct ISRepSession : IUnknown {
    static constexpr GUID iid = IID_ISRepSession;

    virtual HRESULT GetName(SString* name) noexcept = 0;
    virtual HRESULT SetName(const SString& name) noexcept = 0;
    // The name of the form the document is read and written in ("XML", "Binary" ...).
    virtual HRESULT GetFormatName(SString* format) noexcept = 0;
    virtual HRESULT SetFormatName(const SString& format) noexcept = 0;
    // Creates an object of a registered class in this session, outside any collection; with
    // `initialise` its OnInitialize runs once with no parent.
    virtual HRESULT CreateObject(const GUID& clsid, void** out, const GUID& riid,
                                 bool initialise = true) noexcept = 0;
    // Creates an object of a registered class among the model's top objects, at `position` (-1
    // appends), answering `riid`; with `initialise` its OnInitialize runs once with no parent. A
    // failure on the way deletes the new object again.
    virtual HRESULT CreateModelObject(const GUID& clsid, void** out, const GUID& riid, int32_t position = -1,
                                      bool initialise = true) noexcept = 0;
    // Deletes the model's objects; afterwards the session creates nothing. S_FALSE when closed already.
    virtual HRESULT Close() noexcept = 0;
    // S_OK while open, S_FALSE once closed.
    virtual HRESULT IsOpen() noexcept = 0;
    virtual HRESULT GetObjects(ISRepClassCol** model) noexcept = 0;
    // The model's first object, answering `riid`; S_FALSE and null when the model is empty.
    virtual HRESULT GetRootObject(const GUID& riid, void** out) noexcept = 0;
    // Whether the document has changes that are not saved; a new session has none.
    virtual HRESULT SetModified(bool modified) noexcept = 0;
    virtual HRESULT IsModified() noexcept = 0;  // S_OK modified, S_FALSE not
    virtual HRESULT GetPathName(SString* path) noexcept = 0;
    virtual HRESULT SetPathName(const SString& path) noexcept = 0;
    // The views of the document: each is held with a reference until it withdraws. E_POINTER for
    // null, E_UNEXPECTED once the document is closed; withdrawing a view that is not there is
    // S_FALSE.
    virtual HRESULT AdviseSessionSink(ISRepSessionView* view) noexcept = 0;
    virtual HRESULT UnadviseSessionSink(ISRepSessionView* view) noexcept = 0;
    // 1 while the session holds an open document; 0 once its document was closed.
    virtual int32_t GetOpenState() noexcept = 0;
    // Closes the document when every view lets it (the first refusal is the answer and nothing
    // changes); then each view is told (SessionClose) and let go. The arguments are reserved. The
    // objects stay until Discard.
    virtual HRESULT CloseDocument(void* reserved1, void* reserved2, void* reserved3, void* reserved4,
                                  void* reserved5, void* reserved6) noexcept = 0;
    // The final step after CloseDocument: the document's objects go (as Close does).
    virtual HRESULT Discard() noexcept = 0;

protected:
    ~ISRepSession() = default;
};

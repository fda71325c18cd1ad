#pragma once
// The repository session: a name, the document's path and form, and its model collection.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/repo/SRepClassCol.h"

class SRepSession final : public ISRepSession {
public:
    // A new open session with the caller's reference.
    static HRESULT Create(const SString& name, ISRepSession** session);

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT GetName(SString* name) noexcept override;
    HRESULT SetName(const SString& name) noexcept override;
    HRESULT GetFormatName(SString* format) noexcept override;
    HRESULT SetFormatName(const SString& format) noexcept override;
    HRESULT CreateObject(const GUID& clsid, void** out, const GUID& riid, bool initialise = true) noexcept override;
    HRESULT CreateModelObject(const GUID& clsid, void** out, const GUID& riid, int32_t position = -1,
                              bool initialise = true) noexcept override;
    HRESULT Close() noexcept override;
    HRESULT IsOpen() noexcept override;
    HRESULT GetObjects(ISRepClassCol** model) noexcept override;
    HRESULT GetRootObject(const GUID& riid, void** out) noexcept override;
    HRESULT SetModified(bool modified) noexcept override;
    HRESULT IsModified() noexcept override;
    HRESULT GetPathName(SString* path) noexcept override;
    HRESULT SetPathName(const SString& path) noexcept override;
    HRESULT AdviseSessionSink(ISRepSessionView* view) noexcept override;
    HRESULT UnadviseSessionSink(ISRepSessionView* view) noexcept override;
    int32_t GetOpenState() noexcept override;
    HRESULT CloseDocument(void*, void*, void*, void*, void*, void*) noexcept override;
    HRESULT Discard() noexcept override;

private:
    explicit SRepSession(const SString& name) : m_name(name) {}
    ~SRepSession();

    // A new object of a class in this session, placed among the model's top objects when
    // `modelPosition` is given, then initialised and handed out as `riid`.
    HRESULT MakeObject(const GUID& clsid, void** out, const GUID& riid, const int32_t* modelPosition,
                       bool initialise) noexcept;

    int32_t m_refCount = 0;
    SString m_name;
    SString m_formatName;
    SString m_pathName;
    bool m_open = true;
    bool m_modified = false;
    bool m_documentOpen = true;
    std::vector<SComWrap<ISRepSessionView>> m_views;
    SComWrap<SRepClassCol> m_model;
};

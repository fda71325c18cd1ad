#pragma once
// The repository session: a name, the document's path and form, and its model collection.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepClassCol.h"

class SRepSession final : public ISRepSession {
public:
    // A new open session with the caller's reference.
    static HRESULT Create(const SString& name, ISRepSession** session);

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT GetName(SString* name) override;
    HRESULT SetName(const SString& name) override;
    HRESULT GetFormatName(SString* format) override;
    HRESULT SetFormatName(const SString& format) override;
    HRESULT CreateObject(const GUID& clsid, void** out, const GUID& riid, bool initialise = true) override;
    HRESULT Close() override;
    HRESULT IsOpen() override;
    HRESULT GetObjects(ISRepClassCol** model) override;
    HRESULT GetRootObject(const GUID& riid, void** out) override;
    HRESULT GetPathName(SString* path) override;
    HRESULT SetPathName(const SString& path) override;

private:
    explicit SRepSession(const SString& name) : m_name(name) {}
    ~SRepSession();

    int32_t m_refCount = 0;
    SString m_name;
    SString m_formatName;
    SString m_pathName;
    bool m_open = true;
    SComWrap<SRepClassCol> m_model;
};

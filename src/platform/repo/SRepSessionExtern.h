#pragma once
// The framework's session-reference class. Its registry belongs to the framework, not to a
// library: it is built the first time a session is made and lives for the process, so that any
// document can create references whatever library's classes it holds.
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/ISRepSessionExtern.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepQueryClassInterface.h"
#include "platform/repo/SRepRegistry.h"

inline constexpr GUID CLSID_SRepSessionExtern = MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}");

class SRepSessionExternRegistry;

class SRepSessionExtern : public SRepObjectBaseImpl, public virtual ISRepSessionExtern {
public:
    using Registry = SRepSessionExternRegistry;

    bool IsKindOf(const GUID& clsid) const override;
    HRESULT GetExternSession(ISRepSession** session) noexcept override;
    HRESULT SetExternSession(ISRepSession* session) noexcept override;

    SREP_QUERY_CLASS_INTERFACE(ISRepSessionExtern, SRepObjectBaseImpl)

protected:
    explicit SRepSessionExtern(ISRepSession* session) : SRepObjectBaseImpl(session) {}
    // A copy refers to the same session.
    SRepSessionExtern(const SRepSessionExtern& source)
        : SRepObjectBaseImpl(source), m_externSession(source.m_externSession) {}

private:
    SComWrap<ISRepSession> m_externSession;
};

class SRepSessionExternRegistry : public SRepRegistry {
public:
    // The class's registry, built on the first call and never destroyed.
    static SRepSessionExternRegistry* Get();

private:
    SRepSessionExternRegistry();
};

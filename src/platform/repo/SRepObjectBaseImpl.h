#pragma once
// The root of every class's in-memory half: built in a session (null allowed) or as a copy of
// an object of the same class; the factory attaches the session and then runs FinalConstruct,
// the first step of every class's set-up.
#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/repo/SRepObjectBaseMem.h"

class SRepObjectBaseImpl : public SRepObjectBaseMem {
public:
    // Holds `session` (null allowed) with a reference, letting the previous one go.
    HRESULT SetSession(ISRepSession* session);
    // The class's set-up after its session is attached; a failure makes the factory delete the
    // object and return the code. Overrides call their base's first.
    virtual HRESULT FinalConstruct();
    // Whether an attribute may not be written now (`value` is the value that would be written):
    // while the object is locked, for an attribute flagged read-only, and for the framework's
    // own attributes that it produces (the owner, the class's name). Editors ask before they
    // write; classes widen or narrow the rule for their own attributes.
    virtual bool IsAttrReadOnly(int32_t id, const SRepVariant& value);
    // The repair of an object read from a document of an older version, with a table for the
    // messages it has for the user; the framework's own does nothing. S_OK, or the failure.
    virtual HRESULT InternalAutoFix(STable<SString>& messages);

protected:
    explicit SRepObjectBaseImpl(ISRepSession* session);
    SRepObjectBaseImpl(const SRepObjectBaseImpl& source) : SRepObjectBaseMem(source) {}
};

#pragma once
// A document type's load/save manager: the framework asks it which documents it accepts and how
// their elements are named, and reads and writes them through it. A shell module hands its
// manager out under this id. The operations answer every failure with a code.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;
struct ISRepSession;
class SRepMetaDTD;
class SProgressIndicatorEx;

struct ISLoadSaveManager : IUnknown {
    static constexpr GUID iid = IID_ISLoadSaveManager;

    // The data flags of the document type that accepts the file at `url` (a "file://" URL or a
    // path), 0 when none does; the type's name into `typeName` when given.
    virtual uint32_t AcceptDocument(const SString& url, SString* typeName) noexcept = 0;
    // The filters of the file dialogs: "description|pattern|" for each type that can be opened,
    // and for each type that can be saved (those with a name).
    virtual SString GetOpenFilter() noexcept = 0;
    virtual SString GetSaveAsFilter() noexcept = 0;
    // Fills the element-name table of a file written by an older version: 0 when complete, a
    // positive code when names of that version have no current counterpart, 1 when the version
    // needs no table; a failure code.
    virtual HRESULT GetMetaDTD(SRepMetaDTD* dtd, const SString& version) noexcept = 0;
    // Reads the document at `path` into the session (its top objects into the session's model);
    // `typeText` (optional) receives the text of its type. `caller` and `progress` may be null.
    virtual HRESULT Load(IUnknown* caller, const SString& path, ISRepObject* root, ISRepSession* session,
                         SString* typeText, SProgressIndicatorEx* progress) noexcept = 0;
    // Writes the document that holds `root` to `path` as the type of that name.
    virtual HRESULT Save(IUnknown* caller, const SString& path, ISRepObject* root, const SString& typeName,
                         SProgressIndicatorEx* progress) noexcept = 0;
    // Puts the backup of the file at `path` back in its place.
    virtual HRESULT Restore(const SString& path, const SString& typeName) noexcept = 0;

protected:
    ~ISLoadSaveManager() = default;
};

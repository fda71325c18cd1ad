#pragma once
// A document type's load/save manager: the framework asks it which documents it accepts and how
// their elements are named, and reads and writes them through it. The operations come with the
// managers of the document types; a shell module hands its manager out under this id.
#include "platform/com/IUnknown.h"

struct ISLoadSaveManager : IUnknown {
    static constexpr GUID iid = MakeGUID("{CD012761-3B37-11D1-83D9-444553540000}");

protected:
    ~ISLoadSaveManager() = default;
};

inline constexpr IID IID_ISLoadSaveManager = ISLoadSaveManager::iid;

#pragma once
// Reads and writes repository documents on streams in the XML form (SRepXMLWriter,
// SRepXMLReader), with the operations of the binary form's manager. A document of an older
// version is read through the element-name table that the document type's load/save manager
// fills for that version, then through the current names.
#include "platform/repo/SRepStreamManager.h"

class SRepXMLStreamManager : public SRepStreamManager {
public:
    using SRepStreamManager::Load;

    // Writes as it goes: the document is checked whole before its first byte.
    void WriteDocument(SOutputStream& out, ISRepObject* root) override;
    HRESULT Load(SInputStream& in, ISLoadSaveManager* manager, ISRepSession* session,
                 SReadResult* result = nullptr) override;

    // Whether a version is older than the one this library writes (compared without case).
    static bool IsOlderVersion(const SString& version);

protected:
    void ParseSignature(SInputStream& in) override;
};

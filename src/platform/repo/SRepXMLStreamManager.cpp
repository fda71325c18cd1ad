#include "platform/repo/SRepXMLStreamManager.h"

#include <memory>

#include "platform/base/SMbcs.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepDocumentBuilder.h"
#include "platform/repo/SRepFormatException.h"
#include "platform/repo/SRepLoadSaveManager.h"
#include "platform/repo/SRepMetaDTD.h"
#include "platform/repo/SRepXMLReader.h"
#include "platform/repo/SRepXMLWriter.h"

bool SRepXMLStreamManager::IsOlderVersion(const SString& version) {
    return !version.IsEmpty() && _tcsicmp(version.c_str(), SRepLoadSaveManager::sCurrentVersion) < 0;
}

void SRepXMLStreamManager::ParseSignature(SInputStream& in) {
    SRepXMLReader(in).ReadSignature(m_typeName, m_version, m_map);
}

void SRepXMLStreamManager::WriteDocument(SOutputStream& out, ISRepObject* root) {
    const auto top = SRepXMLWriter::TopObjectsOf(root);
    SRepXMLWriter::CheckNesting(top, SRepDocumentLimits::kMaxDepth);
    SRepXMLWriter writer(out);
    writer.BeginDocument(m_signatureType, m_signatureVersion, m_signatureMap);
    writer.BeginBody(m_bodyName);
    for (const auto& object : top) writer.WriteObject(object.Get());
    writer.EndBody(m_bodyName);
    writer.EndDocument();
}

HRESULT SRepXMLStreamManager::Load(SInputStream& in, ISLoadSaveManager* manager, ISRepSession* session,
                                   SReadResult* result) {
    if (!session) return E_POINTER;
    return GuardRead(in, result, [&]() -> HRESULT {
        std::unique_ptr<SRepMetaDTD> dtd;
        HRESULT typeCheck = S_OK;
        // Once the signature is known: the element names of its version, if it is an old one.
        SRepXMLReader::SignatureHandler onSignature = [&](const SString& typeName,
                                                          const SString& version) -> const SRepMetaDTD* {
            typeCheck = CheckType(typeName);
            if (FAILED(typeCheck)) SComThrow(typeCheck);
            if (!manager || !IsOlderVersion(version)) return nullptr;
            dtd = std::make_unique<SRepMetaDTD>();
            const HRESULT filled = manager->GetMetaDTD(dtd.get(), version);
            if (FAILED(filled)) SComThrow(filled);
            return filled == S_FALSE || dtd->IsEmpty() ? nullptr : dtd.get();
        };
        m_map = SStringMap();
        SRepDocumentBuilder builder(session);
        try {
            SRepXMLReader(in).Read(m_typeName, m_version, m_map, builder, onSignature);
        } catch (...) {
            if (FAILED(typeCheck)) return typeCheck;
            throw;
        }
        CommitTopObjects(builder, session);
        return S_OK;
    });
}

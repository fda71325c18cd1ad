#include "platform/repo/SRepStreamManager.h"

#include "platform/base/SExceptionResult.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepBinFormat.h"
#include "platform/repo/SRepBinReader.h"
#include "platform/repo/SRepBinWriter.h"
#include "platform/repo/SRepDocumentBuilder.h"
#include "platform/repo/SRepFormatException.h"

HRESULT SRepStreamManager::GuardRead(SInputStream& in, SReadResult* result,
                                     const std::function<HRESULT()>& body) noexcept {
    SReadResult local;
    SReadResult& answer = result ? *result : local;
    answer = SReadResult{};
    try {
        answer.code = body();
    } catch (const SRepFormatException& e) {
        answer = e.ToReadResult();
    } catch (const SEIOException&) {
        // The stream itself failed (a file that cannot be read on): where it stood.
        answer = SReadResult{E_IOFAILURE, static_cast<uint64_t>(in.GetPosition()), 0, 0};
    } catch (...) {
        answer = SReadResult{SExceptionResult::FromCurrent(), static_cast<uint64_t>(in.GetPosition()), 0, 0};
    }
    return answer.code;
}

void SRepStreamManager::SetDocumentBodyName(const SString& name) {
    // The name becomes an element of the XML form: letters and digits only, a letter first.
    bool plain = !name.IsEmpty() && name.GetLength() <= 64;
    for (int32_t i = 0; plain && i < name.GetLength(); ++i) {
        const char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        plain = letter || (i > 0 && c >= '0' && c <= '9');
    }
    m_bodyName = plain ? name : SString(kDefaultBodyName);
}

void SRepStreamManager::SetSignature(const SString& typeName, const SString& version, const SStringMap& map) {
    m_signatureType = typeName;
    m_signatureVersion = version;
    m_signatureMap = map;
}

HRESULT SRepStreamManager::CheckType(const SString& typeName) const {
    return m_signatureType.IsEmpty() || m_signatureType == typeName ? S_OK : E_FAIL;
}

void SRepStreamManager::CommitTopObjects(SRepDocumentBuilder& builder, ISRepSession* session) {
    SComWrap<ISRepClassCol> model;
    SComCheck(session->GetObjects(&model));
    if (!model) SComThrow(E_POINTER);
    int32_t inserted = 0;
    for (const auto& object : builder.GetTopObjects()) {
        const HRESULT hr = model->Insert(-1, object.Get());
        if (FAILED(hr)) {
            // The builder deletes every top object, those already in the model among them.
            while (inserted-- > 0) {
                int32_t count = 0;
                model->GetCount(&count);
                model->Remove(count - 1);
            }
            SComThrow(hr);
        }
        ++inserted;
    }
    builder.Commit();
}

HRESULT SRepStreamManager::ReadSignature(SInputStream& in, SString* typeName, SString* version, SStringMap* map,
                                         SReadResult* result) {
    return GuardRead(in, result, [&]() -> HRESULT {
        m_typeName.Empty();
        m_version.Empty();
        m_map = SStringMap();
        ParseSignature(in);
        if (typeName) *typeName = m_typeName;
        if (version) *version = m_version;
        if (map) *map = m_map;
        return S_OK;
    });
}

void SRepStreamManager::ParseSignature(SInputStream& in) {
    SRepBinReader(in).ReadSignature(m_typeName, m_version, m_map);
}

HRESULT SRepStreamManager::Save(SOutputStream& out, ISRepObject* root) {
    return SExceptionResult::Guard([&]() -> HRESULT {
        WriteDocument(out, root);
        return S_OK;
    });
}

void SRepStreamManager::WriteDocument(SOutputStream& out, ISRepObject* root) {
    // Everything is put together first: a document that cannot be made writes nothing.
    std::string bytes(SRepBinFormat::kMagic, sizeof SRepBinFormat::kMagic);
    SRepBinWriter::PutWord(bytes, SRepBinFormat::kFormatVersion);
    SRepBinWriter::PutText(bytes, m_signatureType.str());
    SRepBinWriter::PutText(bytes, m_signatureVersion.str());
    SRepBinWriter::PutWord(bytes, static_cast<uint32_t>(m_signatureMap.GetCount()));
    for (SStringMap::Iterator it(m_signatureMap); !it.IsEnd(); it.Next()) {
        SRepBinWriter::PutText(bytes, it.GetKey().str());
        SRepBinWriter::PutText(bytes, it.GetValue().str());
    }
    SRepBinWriter::PutText(bytes, m_bodyName.str());
    const auto top = SRepBinWriter::TopObjectsOf(root);
    SRepBinWriter writer;
    for (const auto& object : top) writer.WriteObject(object.Get());
    SRepBinWriter::PutWord(bytes, static_cast<uint32_t>(top.size()));
    out.Write(bytes.data(), bytes.size());
    out.Write(writer.GetBytes().data(), writer.GetBytes().size());
    out.Write(SRepBinFormat::kEndMarker, sizeof SRepBinFormat::kEndMarker);
}

HRESULT SRepStreamManager::Load(SInputStream& in, ISLoadSaveManager*, ISRepSession* session, SReadResult* result) {
    if (!session) return E_POINTER;
    return GuardRead(in, result, [&]() -> HRESULT {
        SRepBinReader reader(in);
        m_map = SStringMap();
        reader.ReadSignature(m_typeName, m_version, m_map);
        const HRESULT hr = CheckType(m_typeName);
        if (FAILED(hr)) return hr;
        SRepDocumentBuilder builder(session);
        SString bodyName;
        reader.ReadBody(builder, bodyName);
        CommitTopObjects(builder, session);
        return S_OK;
    });
}

HRESULT SRepStreamManager::Save(SOutputStream& out, ISRepObject* object, int32_t flags) {
    if (!object) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        SRepBinWriter writer(SRepDocumentLimits::kMaxRecordDepth);
        if (flags & kSaveDeep) {
            writer.WriteObject(object);
        } else {
            // Without what it owns: a copy of the object alone.
            SComWrap<ISRepObject> alone;
            SComCheck(object->Duplicate(nullptr, 0, nullptr, &alone));
            writer.WriteObject(alone.Get());
            alone->Delete();
        }
        // An object of a class that no type library declares has no record.
        if (writer.GetBytes().empty()) return E_INVALIDARG;
        out.Write(writer.GetBytes().data(), writer.GetBytes().size());
        return S_OK;
    });
}

HRESULT SRepStreamManager::Load(SInputStream& in, ISRepObject** object, ISRepSession* session, SReadResult* result) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!session) return E_POINTER;
    return GuardRead(in, result, [&]() -> HRESULT {
        SRepDocumentBuilder builder(session, SRepDocumentLimits::kMaxRecordDepth);
        SRepBinReader(in).ReadObjectRecord(builder);
        if (!builder.GetTopObjects().empty()) builder.GetTopObjects().front().CopyTo(object);
        builder.Commit();
        return S_OK;
    });
}

#pragma once
// A data source of repository objects, as a drag picks them up; each held with a reference.
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepDataSrc.h"
#include "platform/repo/ISRepObject.h"

class SRepDataSrc final : public ISRepDataSrc {
public:
    static SComWrap<ISRepDataSrc> Create(const std::vector<ISRepObject*>& objects);

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_refCount; }
    uint32_t Release() override;
    HRESULT GetCount(int32_t* count) override;
    HRESULT Item(int32_t position, ISRepObject** object) override;

private:
    SRepDataSrc() = default;
    ~SRepDataSrc() = default;
    uint32_t m_refCount = 0;
    std::vector<SComWrap<ISRepObject>> m_objects;
};

#pragma once
// A concrete paragraph container for the tests: the container's default answers, and a switch
// per object that fails the look-up of its Paragraphs.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaContainerMem.h"

inline constexpr GUID CLSID_SRptTestParaContainer = MakeGUID("{5D3A1C70-2B8E-4F6A-9C41-7E0D2A9B6F13}");

class SRptTestParaContainerRegistry;

class SRptTestParaContainerImpl : public SRptParaContainerImpl {
public:
    using Registry = SRptTestParaContainerRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    HRESULT GetCollection(int32_t id, ISRepClassCol** collection) noexcept override;
    using SRptParaContainerImpl::GetCollection;

    static bool ClassIsKindOf(const GUID& clsid);

    HRESULT failParagraphs = S_OK;

protected:
    explicit SRptTestParaContainerImpl(ISRepSession* session) : SRptParaContainerImpl(session) {}
    SRptTestParaContainerImpl(const SRptTestParaContainerImpl& source) : SRptParaContainerImpl(source) {}
};

class SRptTestParaContainerRegistry : public SRepStaticRegistry<SRptTestParaContainerRegistry> {
public:
    SRptTestParaContainerRegistry();
    static const SAttrEditorMap attrEditorMap;
};

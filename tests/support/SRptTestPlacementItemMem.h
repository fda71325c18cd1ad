#pragma once
// SRptTestPlacementItem: a test item (on SRptTestItem) for the template's placement, with switches
// that its copies inherit: whether it may be dropped anywhere, whether Duplicate gives a copy,
// what its ISRptAddToContents calls answer, and whether its next Delete refuses. Its hooks and
// deletions are written to a log the test owns, and a hook keeps the copy it ran on, so that the
// test can look at a copy the template dropped.
#include <string>
#include <vector>

#include "support/SRptTestItemMem.h"
#include "varod9/ISRptAddToContents.h"

inline constexpr GUID CLSID_SRptTestPlacementItem = MakeGUID("{6C1D2E0B-3F7A-4B59-9D08-2A6E41C7B3F5}");

class SRptTestPlacementItemRegistry;

class SRptTestPlacementItemImpl : public SRptTestItemImpl, public ISRptAddToContents {
public:
    using Registry = SRptTestPlacementItemRegistry;

    // What the placement items did, in order, and the copies their hooks ran on.
    struct Log {
        std::vector<std::string> events;
        std::vector<SComWrap<ISRptItem>> hooked;
    };

    HRESULT QueryInterface(const GUID& riid, void** out) override { return SRepObjectMem::QueryInterface(riid, out); }
    uint32_t AddRef() override { return SRepObjectMem::AddRef(); }
    uint32_t Release() override { return SRepObjectMem::Release(); }

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_SRptTestPlacementItem || SRptTestItemImpl::ClassIsKindOf(clsid);
    }

    // "pre"/"post" with the label, whether the copy has a parent item and is marked in a template.
    HRESULT OnPreAddToContents() noexcept override { return Hook("pre", preResult); }
    HRESULT OnPostAddToContents() noexcept override { return Hook("post", postResult); }
    // Refused everywhere when `droppable` is off, else the item's own rule.
    HRESULT CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) override;
    // No copy at all, with S_OK, when `givesNoCopy` is on.
    HRESULT Duplicate(ISRepSession* session, uint32_t flags, SRepObjectMap* map, ISRepObject** copy) noexcept override;
    // "delete" with the label; the first call answers `refusedDelete` without deleting when set.
    HRESULT Delete() noexcept override;

    static SRptTestPlacementItemImpl* From(IUnknown* object);

    bool droppable = true;
    bool givesNoCopy = false;
    HRESULT preResult = S_OK;
    HRESULT postResult = S_OK;
    HRESULT refusedDelete = S_OK;
    Log* log = nullptr;

protected:
    explicit SRptTestPlacementItemImpl(ISRepSession* session) : SRptTestItemImpl(session) {}
    SRptTestPlacementItemImpl(const SRptTestPlacementItemImpl& source)
        : SRptTestItemImpl(source),
          droppable(source.droppable),
          givesNoCopy(source.givesNoCopy),
          preResult(source.preResult),
          postResult(source.postResult),
          refusedDelete(source.refusedDelete),
          log(source.log) {}

    void* InternalQueryInterface(const GUID& riid) override;

private:
    HRESULT Hook(const char* name, HRESULT result) noexcept;
    void Record(const std::string& event) noexcept;
};

class SRptTestPlacementItemRegistry : public SRepStaticRegistry<SRptTestPlacementItemRegistry> {
public:
    SRptTestPlacementItemRegistry();
    static const SAttrEditorMap attrEditorMap;
};

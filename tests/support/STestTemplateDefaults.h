#pragma once
// The template's own operations for test templates that stand in for the real one where only
// its class and its report matter: every attribute reads its initial value and takes no new one,
// and every operation changes nothing.
#include "varod9/ISRptTemplate.h"

class STestTemplateDefaults : public virtual ISRptTemplate {
public:
    SString GetName() override { return "Template items"; }
    HRESULT PutName(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetCode() override { return SString(); }
    HRESULT PutCode(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetHeader() override { return SString(); }
    HRESULT PutHeader(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetExpHeader() override { return SString(); }
    HRESULT PutExpHeader(const SString&) noexcept override { return E_NOTIMPL; }
    bool GetHeaderNeedExpand() override { return true; }
    HRESULT PutHeaderNeedExpand(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasHeaderBorder() override { return true; }
    HRESULT PutHasHeaderBorder(bool) noexcept override { return E_NOTIMPL; }
    SString GetFooter() override { return SString(); }
    HRESULT PutFooter(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetExpFooter() override { return SString(); }
    HRESULT PutExpFooter(const SString&) noexcept override { return E_NOTIMPL; }
    bool GetFooterNeedExpand() override { return true; }
    HRESULT PutFooterNeedExpand(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFooterBorder() override { return true; }
    HRESULT PutHasFooterBorder(bool) noexcept override { return E_NOTIMPL; }
    bool GetHeadUserDef() override { return false; }
    HRESULT PutHeadUserDef(bool) noexcept override { return E_NOTIMPL; }
    bool GetFootUserDef() override { return false; }
    HRESULT PutFootUserDef(bool) noexcept override { return E_NOTIMPL; }
    RECT GetMargin() override { return RECT{}; }
    HRESULT PutMargin(const RECT&) noexcept override { return E_NOTIMPL; }
    RECT GetMinMargin() override { return RECT{}; }
    HRESULT PutMinMargin(const RECT&) noexcept override { return E_NOTIMPL; }
    POINT GetPaperSize() override { return POINT{}; }
    HRESULT PutPaperSize(const POINT&) noexcept override { return E_NOTIMPL; }
    int32_t GetOrientation() override { return 1; }
    HRESULT PutOrientation(int32_t) noexcept override { return E_NOTIMPL; }
    int32_t GetPaperFormat() override { return 9; }
    HRESULT PutPaperFormat(int32_t) noexcept override { return E_NOTIMPL; }
    int16_t GetZoomPerct() override { return 100; }
    SString GetDispHeader() override { return SString(); }
    SString GetExDefHeader() override { return SString(); }
    SString GetDispFooter() override { return SString(); }
    SString GetExDefFooter() override { return SString(); }
    HRESULT AddTemplateItem(ISRptItem*, ISRptItem*, int32_t, ISRptItem** pNewItem) override { return Refuse(pNewItem); }
    HRESULT AddTemplateItemWithParent(ISRptItem*, ISRptItem*, int32_t, ISRptItem** pNewItem) override {
        return Refuse(pNewItem);
    }
    HRESULT DeleteTemplateItem(ISRptItem*) override { return E_NOTIMPL; }
    HRESULT InitHeaderFooter(ISRptDevice*) override { return S_OK; }
    HRESULT MoveContentsItemDirctn(const SComTable<ISRepObject>&, uint32_t) override { return S_OK; }
    HRESULT SetHeaderFooter(const RPTHEADERFOOTERDEF*) override { return E_NOTIMPL; }
    HRESULT ComputeParentReport(ISRepObject** pParent) override { return Refuse(pParent); }
    HRESULT UpdateUserDefinedItems() override { return S_OK; }
    SRepClassColPtr Report() override { return SRepClassColPtr(); }

private:
    template <class T>
    static HRESULT Refuse(T** out) {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
};

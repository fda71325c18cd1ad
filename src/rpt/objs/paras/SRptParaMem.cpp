#include "rpt/objs/paras/SRptParaMem.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SMbcs.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/repo/SRepRegistry.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptFontDesc.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptParaMem", "SRptParaMem");

// Every stored attribute has these flags; the computed ones theirs.
constexpr uint32_t kStoredFlags = 0x8;
constexpr uint32_t kDispNameFlags = 0x401;
constexpr uint32_t kParaNameFlags = 0x400;
constexpr uint32_t kParaFontIDFlags = 0x401;

// Points to HIMETRIC: a point is 20 twips, a twip 1 / 0.56693 HIMETRIC.
constexpr double kTwipsToHimetric = 1.763886194062759;

// The spacing of the title kinds: 12 or 10 points before, 3 after (in HIMETRIC).
constexpr int16_t kMainTitleSpBefore = 423;
constexpr int16_t kTitleSpBefore = 353;
constexpr int16_t kTitleSpAfter = 106;

bool IsStored(int32_t id) {
    const auto& ids = SRptParaMem::kStoredAttributes;
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

uint32_t StoredType(int32_t id) {
    switch (id) {
        case RPTPARA_FONTNAME: return SREP_VT_TEXT;
        case RPTPARA_FONTHEIGHT: return SREP_VT_INT;
        case RPTPARA_BOX:
        case RPTPARA_FILLTABS:
        case RPTPARA_INTABLE: return SREP_VT_BOOL;
        default: return SREP_VT_SHORT;
    }
}

// Saves a device context's mapping and puts it back on every path.
class SMappingGuard {
public:
    explicit SMappingGuard(SDC& dc)
        : m_dc(dc), m_mode(dc.GetMapMode()), m_window(dc.GetWindowExt()), m_viewport(dc.GetViewportExt()) {}
    ~SMappingGuard() {
        m_dc.SetMapMode(m_mode);
        m_dc.SetWindowExt(m_window);
        m_dc.SetViewportExt(m_viewport);
    }
    SMappingGuard(const SMappingGuard&) = delete;
    SMappingGuard& operator=(const SMappingGuard&) = delete;

private:
    SDC& m_dc;
    int32_t m_mode;
    SIZE m_window;
    SIZE m_viewport;
};

// Metrics of a font selected into a device context, the context's font put back afterwards;
// false (the metrics left alone) when the font could not be selected or measured there.
bool MeasureFont(SDC& dc, const SFontOld& font, TEXTMETRICA* metrics) {
    const HFONT previous = dc.SelectFont(&font);
    if (!previous) return false;
    const bool measured = dc.GetTextMetrics(metrics);
    dc.SelectFont(previous);
    return measured;
}

}  // namespace

const int32_t SRptParaMem::kStoredAttributes[26] = {
    RPTPARA_FONTNAME,       RPTPARA_FONTHEIGHT,        RPTPARA_FONTSTYLE,        RPTPARA_FONTFAMILY,
    RPTPARA_FONTPITCH,      RPTPARA_FONTCHARSET,       RPTPARA_ALIGNMENT,        RPTPARA_LEFT,
    RPTPARA_RIGHT,          RPTPARA_FIRST,             RPTPARA_SPBEFORE,         RPTPARA_SPAFTER,
    RPTPARA_SPBETWEEN,      RPTPARA_SPTYPE,            RPTPARA_BORDER,           RPTPARA_BORDERWIDTH,
    RPTPARA_BOX,            RPTPARA_BOXWIDTH,          RPTPARA_SPTXTBORDERTOP,   RPTPARA_SPTXTBORDERBOTTOM,
    RPTPARA_SPTXTBORDERLEFT, RPTPARA_SPTXTBORDERRIGHT, RPTPARA_FLOW,             RPTPARA_DEFAULTTABSIZE,
    RPTPARA_FILLTABS,       RPTPARA_INTABLE,
};

// ---- SRptParaMem: construction and defaults ----

SRptParaMem::SRptParaMem(ISRepSession* session)
    : SRptBaseImpl(session),
      m_fontName(SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT)),
      m_fontHeight(SRptFont::GetDefaultFontHeight(SRptFont::RPT_FONT_TEXT)),
      m_fontStyle(static_cast<int16_t>(SRptFont::GetDefaultFontStyle(SRptFont::RPT_FONT_TEXT))),
      m_fontFamily(static_cast<int16_t>(SRptFont::GetDefaultFontFamily())),
      m_fontPitch(static_cast<int16_t>(SRptFont::GetDefaultFontPitch())),
      m_fontCharSet(static_cast<int16_t>(SRptFont::GetDefaultFontCharSet())),
      m_alignment(RPT_PARA_ALIGN_LEFT),
      m_spBetween(100),
      m_spType(RPT_PARA_SPTYPE_MULTIPLE),
      m_borderWidth(RPT_PARA_BORDER_WIDTH_DEFAULT),
      m_box(true),
      m_boxWidth(RPT_PARA_BOX_WIDTH_DEFAULT),
      m_spTxtBorderTop(RPT_PARA_SPTXTBORDER_TOP_DEFAULT),
      m_spTxtBorderBottom(RPT_PARA_SPTXTBORDER_BOTTOM_DEFAULT),
      m_spTxtBorderLeft(RPT_PARA_SPTXTBORDER_LEFT_DEFAULT),
      m_spTxtBorderRight(RPT_PARA_SPTXTBORDER_RIGHT_DEFAULT),
      m_defaultTabSize(RPT_PARA_DEFAULT_TABSIZE) {}

SRepVariant SRptParaMem::MakeDefault(int32_t id) {
    SRepVariant value;
    switch (id) {
        case RPTPARA_FONTNAME: value.SetText(SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT)); break;
        case RPTPARA_FONTHEIGHT: value.SetInt(SRptFont::GetDefaultFontHeight(SRptFont::RPT_FONT_TEXT)); break;
        case RPTPARA_FONTSTYLE:
            value.SetShort(static_cast<int16_t>(SRptFont::GetDefaultFontStyle(SRptFont::RPT_FONT_TEXT)));
            break;
        case RPTPARA_FONTFAMILY: value.SetShort(static_cast<int16_t>(SRptFont::GetDefaultFontFamily())); break;
        case RPTPARA_FONTPITCH: value.SetShort(static_cast<int16_t>(SRptFont::GetDefaultFontPitch())); break;
        case RPTPARA_FONTCHARSET: value.SetShort(static_cast<int16_t>(SRptFont::GetDefaultFontCharSet())); break;
        case RPTPARA_ALIGNMENT: value.SetShort(RPT_PARA_ALIGN_LEFT); break;
        case RPTPARA_SPBETWEEN: value.SetShort(100); break;
        case RPTPARA_SPTYPE: value.SetShort(RPT_PARA_SPTYPE_MULTIPLE); break;
        case RPTPARA_BORDERWIDTH: value.SetShort(RPT_PARA_BORDER_WIDTH_DEFAULT); break;
        case RPTPARA_BOX: value.SetBool(true); break;
        case RPTPARA_BOXWIDTH: value.SetShort(RPT_PARA_BOX_WIDTH_DEFAULT); break;
        case RPTPARA_SPTXTBORDERTOP: value.SetShort(RPT_PARA_SPTXTBORDER_TOP_DEFAULT); break;
        case RPTPARA_SPTXTBORDERBOTTOM: value.SetShort(RPT_PARA_SPTXTBORDER_BOTTOM_DEFAULT); break;
        case RPTPARA_SPTXTBORDERLEFT: value.SetShort(RPT_PARA_SPTXTBORDER_LEFT_DEFAULT); break;
        case RPTPARA_SPTXTBORDERRIGHT: value.SetShort(RPT_PARA_SPTXTBORDER_RIGHT_DEFAULT); break;
        case RPTPARA_DEFAULTTABSIZE: value.SetShort(RPT_PARA_DEFAULT_TABSIZE); break;
        case RPTPARA_FILLTABS:
        case RPTPARA_INTABLE: value.SetBool(false); break;
        case RPTPARA_LEFT:
        case RPTPARA_RIGHT:
        case RPTPARA_FIRST:
        case RPTPARA_SPBEFORE:
        case RPTPARA_SPAFTER:
        case RPTPARA_BORDER:
        case RPTPARA_FLOW: value.SetShort(0); break;
        default: break;
    }
    return value;
}

// ---- SRptParaMem: the attribute protocol ----

HRESULT SRptParaMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTPARA_FONTNAME: value->SetText(m_fontName); return S_OK;
            case RPTPARA_FONTHEIGHT: value->SetInt(m_fontHeight); return S_OK;
            case RPTPARA_FONTSTYLE: value->SetShort(m_fontStyle); return S_OK;
            case RPTPARA_FONTFAMILY: value->SetShort(m_fontFamily); return S_OK;
            case RPTPARA_FONTPITCH: value->SetShort(m_fontPitch); return S_OK;
            case RPTPARA_FONTCHARSET: value->SetShort(m_fontCharSet); return S_OK;
            case RPTPARA_ALIGNMENT: value->SetShort(m_alignment); return S_OK;
            case RPTPARA_LEFT: value->SetShort(m_left); return S_OK;
            case RPTPARA_RIGHT: value->SetShort(m_right); return S_OK;
            case RPTPARA_FIRST: value->SetShort(m_first); return S_OK;
            case RPTPARA_SPBEFORE: value->SetShort(m_spBefore); return S_OK;
            case RPTPARA_SPAFTER: value->SetShort(m_spAfter); return S_OK;
            case RPTPARA_SPBETWEEN: value->SetShort(m_spBetween); return S_OK;
            case RPTPARA_SPTYPE: value->SetShort(m_spType); return S_OK;
            case RPTPARA_BORDER: value->SetShort(m_border); return S_OK;
            case RPTPARA_BORDERWIDTH: value->SetShort(m_borderWidth); return S_OK;
            case RPTPARA_BOX: value->SetBool(m_box); return S_OK;
            case RPTPARA_BOXWIDTH: value->SetShort(m_boxWidth); return S_OK;
            case RPTPARA_SPTXTBORDERTOP: value->SetShort(m_spTxtBorderTop); return S_OK;
            case RPTPARA_SPTXTBORDERBOTTOM: value->SetShort(m_spTxtBorderBottom); return S_OK;
            case RPTPARA_SPTXTBORDERLEFT: value->SetShort(m_spTxtBorderLeft); return S_OK;
            case RPTPARA_SPTXTBORDERRIGHT: value->SetShort(m_spTxtBorderRight); return S_OK;
            case RPTPARA_FLOW: value->SetShort(m_flow); return S_OK;
            case RPTPARA_DEFAULTTABSIZE: value->SetShort(m_defaultTabSize); return S_OK;
            case RPTPARA_FILLTABS: value->SetBool(m_fillTabs); return S_OK;
            case RPTPARA_INTABLE: value->SetBool(m_inTable); return S_OK;
            case RPTPARA_DISPNAME: value->SetChar(GetDispName()); return S_OK;
            case RPTPARA_PARANAME: value->SetText(GetParaName()); return S_OK;
            case RPTPARA_PARAFONTID: value->SetInt(GetParaFontID()); return S_OK;
            case RPTPARA_TABS:
            case RPTPARA_PARACONTAINERFROMPARA: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptParaMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTPARA_FONTNAME: return VSet_TEXT(id, value, m_fontName);
            case RPTPARA_FONTHEIGHT: return VSet_INT(id, value, m_fontHeight);
            case RPTPARA_FONTSTYLE: return VSet_SHORT(id, value, m_fontStyle);
            case RPTPARA_FONTFAMILY: return VSet_SHORT(id, value, m_fontFamily);
            case RPTPARA_FONTPITCH: return VSet_SHORT(id, value, m_fontPitch);
            case RPTPARA_FONTCHARSET: return VSet_SHORT(id, value, m_fontCharSet);
            case RPTPARA_ALIGNMENT: return VSet_SHORT(id, value, m_alignment);
            case RPTPARA_LEFT: return VSet_SHORT(id, value, m_left);
            case RPTPARA_RIGHT: return VSet_SHORT(id, value, m_right);
            case RPTPARA_FIRST: return VSet_SHORT(id, value, m_first);
            case RPTPARA_SPBEFORE: return VSet_SHORT(id, value, m_spBefore);
            case RPTPARA_SPAFTER: return VSet_SHORT(id, value, m_spAfter);
            case RPTPARA_SPBETWEEN: return VSet_SHORT(id, value, m_spBetween);
            case RPTPARA_SPTYPE: return VSet_SHORT(id, value, m_spType);
            case RPTPARA_BORDER: return VSet_SHORT(id, value, m_border);
            case RPTPARA_BORDERWIDTH: return VSet_SHORT(id, value, m_borderWidth);
            case RPTPARA_BOX: return VSet_BOOL(id, value, m_box);
            case RPTPARA_BOXWIDTH: return VSet_SHORT(id, value, m_boxWidth);
            case RPTPARA_SPTXTBORDERTOP: return VSet_SHORT(id, value, m_spTxtBorderTop);
            case RPTPARA_SPTXTBORDERBOTTOM: return VSet_SHORT(id, value, m_spTxtBorderBottom);
            case RPTPARA_SPTXTBORDERLEFT: return VSet_SHORT(id, value, m_spTxtBorderLeft);
            case RPTPARA_SPTXTBORDERRIGHT: return VSet_SHORT(id, value, m_spTxtBorderRight);
            case RPTPARA_FLOW: return VSet_SHORT(id, value, m_flow);
            case RPTPARA_DEFAULTTABSIZE: return VSet_SHORT(id, value, m_defaultTabSize);
            case RPTPARA_FILLTABS: return VSet_BOOL(id, value, m_fillTabs);
            case RPTPARA_INTABLE: return VSet_BOOL(id, value, m_inTable);
            case RPTPARA_PARANAME:
                if (!value.IsText()) return DISP_E_TYPEMISMATCH;
                return PutParaName(value.GetText());
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptParaMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        if (IsStored(id)) {
            SRptParaRegistry* registry = SRptParaRegistry::Get();
            const SRepVariant* kept = registry ? registry->FindDefault(id) : nullptr;
            *value = kept ? *kept : MakeDefault(id);
            return S_OK;
        }
        // The computed attributes have no default: an empty value of their type.
        switch (id) {
            case RPTPARA_DISPNAME: value->SetChar(""); return E_NOTIMPL;
            case RPTPARA_PARANAME: value->SetText(""); return E_NOTIMPL;
            case RPTPARA_PARAFONTID: value->SetInt(0); return E_NOTIMPL;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptParaMem::GetAttributeFlags(int32_t id) const {
    if (IsStored(id)) return kStoredFlags;
    switch (id) {
        case RPTPARA_DISPNAME: return kDispNameFlags;
        case RPTPARA_PARANAME: return kParaNameFlags;
        case RPTPARA_PARAFONTID: return kParaFontIDFlags;
        default: return id == -1 ? 0 : SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptParaMem::GetAttributeType(int32_t id) const {
    if (IsStored(id)) return StoredType(id);
    switch (id) {
        case RPTPARA_DISPNAME: return SREP_VT_CHAR254;
        case RPTPARA_PARANAME: return SREP_VT_TEXT;
        case RPTPARA_PARAFONTID: return SREP_VT_INT;
        default: return id == -1 ? 0 : SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptParaMem::HasAttribute(int32_t id) const {
    return IsStored(id) || id == RPTPARA_DISPNAME || id == RPTPARA_PARANAME || id == RPTPARA_PARAFONTID ||
           SRptBaseImpl::HasAttribute(id);
}

bool SRptParaMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptPara || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptParaMem::ClassHasCollection(int32_t id) {
    return id == RPTPARA_TABS || id == RPTPARA_PARACONTAINERFROMPARA || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptParaMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptParaRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptParaImpl: the container's answers ----

SRptParaImpl::~SRptParaImpl() {
    DropTmpFont();
}

SString SRptParaImpl::GetDispName() {
    return GetParaName();
}

HRESULT SRptParaImpl::GetParentItem(ISRepObject** pParent) {
    if (!pParent) return E_POINTER;
    *pParent = nullptr;
    SComWrap<ISRepClassCol> owners;
    HRESULT hr = static_cast<ISRepObject*>(this)->GetCollection(RPTPARA_PARACONTAINERFROMPARA, &owners);
    if (FAILED(hr)) return hr;
    if (!owners) return E_POINTER;
    int32_t count = 0;
    hr = owners->GetCount(&count);
    if (FAILED(hr)) throw SECOMException(hr);
    if (count < 1) return S_FALSE;
    return owners->Item(0, pParent);
}

SString SRptParaImpl::GetParaName() {
    SComWrap<ISRepObject> owner;
    if (GetParentItem(&owner) != S_OK) return SString();
    SComWrap<ISRptParaContainer> container;
    container = static_cast<IUnknown*>(owner.Get());
    return container ? container->GetParaName(this) : SString();
}

int32_t SRptParaImpl::GetParaFontID() {
    SComWrap<ISRepObject> owner;
    if (GetParentItem(&owner) != S_OK) return -1;
    SComWrap<ISRptParaContainer> container;
    container = static_cast<IUnknown*>(owner.Get());
    return container ? container->GetParaFontID(this) : -1;
}

HRESULT SRptParaImpl::PutParaName(const SString& value) {
    // The name is the container's: another text is announced but never kept.
    if (_mbscmp(value.c_str(), GetParaName().c_str()) == 0) return S_FALSE;
    PostSetAttribute(RPTPARA_PARANAME);
    return S_OK;
}

// ---- SRptParaImpl: set-up ----

HRESULT SRptParaImpl::OnInitialize(ISRepObject* parent) {
    const HRESULT hr = SRptParaMem::OnInitialize(parent);
    PutBox(false);
    return hr;
}

HRESULT SRptParaImpl::ConstructStockPara(uint32_t nStockParaID) {
    if (nStockParaID >= static_cast<uint32_t>(SRptFont::kFontKindCount)) return E_INVALIDARG;
    const int32_t kind = static_cast<int32_t>(nStockParaID);
    PutFontName(SRptFont::GetDefaultFontName(kind));
    PutFontStyle(static_cast<int16_t>(SRptFont::GetDefaultFontStyle(kind)));
    PutFontHeight(SRptFont::GetDefaultFontHeight(kind));
    switch (kind) {
        case SRptFont::RPT_FONT_REPORT_TITLE:
        case SRptFont::RPT_FONT_TITLE:
            PutSpBefore(kMainTitleSpBefore);
            PutSpAfter(kTitleSpAfter);
            break;
        case SRptFont::RPT_FONT_TOC_TITLE:
        case SRptFont::RPT_FONT_LIST_TITLE:
        case SRptFont::RPT_FONT_BOOK_TITLE:
        case SRptFont::RPT_FONT_FOLDER_TITLE:
        case SRptFont::RPT_FONT_FORM_TITLE:
        case SRptFont::RPT_FONT_GROUP_TEXT_TITLE:
            PutSpBefore(kTitleSpBefore);
            PutSpAfter(kTitleSpAfter);
            break;
        default: break;
    }
    return S_OK;
}

// ---- SRptParaImpl: tab stops ----

SComWrap<ISRptTabulation> SRptParaImpl::TabAt(int32_t index) {
    SComWrap<ISRepObject> element = Tabs().Item(index);
    if (!element) throw SECOMException(E_INVALIDARG);
    SComWrap<ISRptTabulation> tab;
    tab = static_cast<IUnknown*>(element.Get());
    if (!tab) throw SECOMException(E_NOINTERFACE);
    return tab;
}

int32_t SRptParaImpl::GetNbTabs() {
    return Tabs().GetCount();
}

int32_t SRptParaImpl::FindTab(int32_t position, std::optional<int32_t> alignment) {
    const int32_t count = GetNbTabs();
    for (int32_t index = 0; index < count; ++index) {
        SComWrap<ISRptTabulation> tab = TabAt(index);
        if (tab->GetPosition() != position) continue;
        if (alignment && tab->GetAlignment() != *alignment) continue;
        return index;
    }
    return -1;
}

HRESULT SRptParaImpl::RemoveTab(int32_t index) {
    SRepClassColPtr tabs = Tabs();
    if (index < 0) {
        tabs.DeleteAll();
        return S_OK;
    }
    SComWrap<ISRepObject> tab = tabs.Item(index);
    if (!tab) return E_INVALIDARG;
    tab->Delete();
    return S_OK;
}

HRESULT SRptParaImpl::AddTab(const RPTTABPOS& tab) {
    SComWrap<ISRepObject> created;
    HRESULT hr = CreateObject(CLSID_SRptTabulation, reinterpret_cast<void**>(&created), ISRepObject::iid,
                              RPTPARA_TABS, -1, true);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptTabulation> stop;
    stop = static_cast<IUnknown*>(created.Get());
    if (!stop) throw SECOMException(E_POINTER);
    stop->PutPosition(tab.position);
    stop->PutAlignment(tab.alignment);
    return S_OK;
}

HRESULT SRptParaImpl::SortTabs() {
    struct Entry {
        SComWrap<ISRptTabulation> tab;
        int32_t position;
        int32_t alignment;
    };
    const int32_t count = GetNbTabs();
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int32_t index = 0; index < count; ++index) {
        SComWrap<ISRptTabulation> tab = TabAt(index);
        const int32_t position = tab->GetPosition();
        const int32_t alignment = tab->GetAlignment();
        entries.push_back({std::move(tab), position, alignment});
    }
    // Stable, so that stops equal in both keys keep the order they had.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.position != b.position ? a.position < b.position : a.alignment < b.alignment;
    });
    // The array holds every stop while the collection lets go of them and takes them back.
    SRepClassColPtr tabs = Tabs();
    tabs.ClearAll();
    for (const Entry& entry : entries) tabs.Insert(-1, entry.tab.Get());
    return S_OK;
}

void SRptParaImpl::ReplaceTab(const RPTTABPOS& tab) {
    const int32_t index = FindTab(tab.position, std::nullopt);
    if (index >= 0) RemoveTab(index);
    AddTab(tab);
}

HRESULT SRptParaImpl::SetTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) {
    if (nNbTabs > 0 && !pTabs) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        RemoveTab(-1);
        for (int32_t i = 0; i < nNbTabs; ++i) AddTab(pTabs[i]);
        const HRESULT hr = SortTabs();
        return FAILED(hr) ? hr : S_OK;
    });
}

HRESULT SRptParaImpl::AddTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) {
    if (nNbTabs > 0 && !pTabs) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        for (int32_t i = 0; i < nNbTabs; ++i) ReplaceTab(pTabs[i]);
        SortTabs();
        return S_OK;
    });
}

HRESULT SRptParaImpl::PlayTabPosLog(int32_t nNbOps, const SRptTabPosOp* pOps) {
    if (nNbOps > 0 && !pOps) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        for (int32_t i = 0; i < nNbOps; ++i) {
            const SRptTabPosOp& op = pOps[i];
            switch (op.op) {
                case RPT_TABPOS_OP_ADD: ReplaceTab(op.tab); break;
                case RPT_TABPOS_OP_REMOVE: {
                    const int32_t index = FindTab(op.tab.position, op.tab.alignment);
                    if (index >= 0) RemoveTab(index);
                    break;
                }
                case RPT_TABPOS_OP_REMOVEALL: RemoveTab(-1); break;
                default: break;  // an unknown operation is skipped
            }
        }
        const HRESULT hr = SortTabs();
        return FAILED(hr) ? hr : S_OK;
    });
}

HRESULT SRptParaImpl::GetTabPosAtIndex(int32_t index, ISRptTabulation** pTab) {
    if (!pTab) return E_POINTER;
    *pTab = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT { return TabAt(index).CopyTo(pTab); });
}

HRESULT SRptParaImpl::GetOwnerTabPos(int32_t nLocation, ISRptTabulation** pTab) {
    if (!pTab) return E_POINTER;
    *pTab = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT {
        const int32_t count = GetNbTabs();
        for (int32_t index = 0; index < count; ++index) {
            SComWrap<ISRptTabulation> tab = TabAt(index);
            if (tab->GetPosition() > nLocation) return tab.CopyTo(pTab);
        }
        // Past the last stop: a default stop every DefaultTabSize. A size that gives no stops
        // takes the attribute's default instead.
        const int64_t size = m_defaultTabSize > 0 ? m_defaultTabSize : RPT_PARA_DEFAULT_TABSIZE;
        const int64_t position = (nLocation / size + 1) * size;
        SComWrap<ISRptTabulation> stop;
        SComWrap<ISRepSession> session;
        GetSession(&session);
        HRESULT hr;
        if (session) {
            hr = session->CreateObject(CLSID_SRptTabulation, reinterpret_cast<void**>(&stop), ISRptTabulation::iid);
        } else {
            SComWrap<ISRepObject> created;
            hr = SRepRegistry::CreateObject(CLSID_SRptTabulation, nullptr, &created);
            if (SUCCEEDED(hr)) stop = static_cast<IUnknown*>(created.Get());
        }
        if (FAILED(hr)) return hr;
        if (!stop) return E_POINTER;
        stop->PutPosition(static_cast<int32_t>(std::min<int64_t>(position, std::numeric_limits<int32_t>::max())));
        stop->PutAlignment(RPT_TABPOS_ALIGN_LEFT);
        *pTab = stop.Detach();
        return S_OK;
    });
}

// ---- SRptParaImpl: fonts and metrics ----

SFontOld* SRptParaImpl::GetTmpFont() {
    if (m_tmpFont) return m_tmpFont.get();
    LOGFONTA logFont;
    // Points to HIMETRIC, to the nearest unit: a character height in HIMETRIC logical units.
    const double himetric = m_fontHeight * 20.0 * kTwipsToHimetric + 0.5;
    const double limit = std::numeric_limits<int32_t>::max();
    logFont.lfHeight = -static_cast<int32_t>(std::clamp(himetric, -limit, limit));
    logFont.lfWeight = (m_fontStyle & RPT_FONT_STYLE_BOLD) ? FW_BOLD : FW_THIN;
    logFont.lfItalic = (m_fontStyle & RPT_FONT_STYLE_ITALIC) ? 1 : 0;
    logFont.lfUnderline = (m_fontStyle & RPT_FONT_STYLE_UNDERLINE) ? 1 : 0;
    logFont.lfStrikeOut = (m_fontStyle & RPT_FONT_STYLE_STRIKEOUT) ? 1 : 0;
    logFont.SetFaceName(m_fontName.view());
    m_tmpFont.reset(SFontOld::CreateFontA(logFont));
    return m_tmpFont.get();
}

void SRptParaImpl::DropTmpFont() {
    if (!m_tmpFont) return;
    // What was cached for the handle goes with the font.
    SRptFont::ForgetHandle(m_tmpFont->GetSafeHandle());
    m_tmpFont.reset();
}

SFontOldPtr SRptParaImpl::GetFont(SDC* dc) {
    std::optional<SWindowDC> ownScreen;
    SDC* screen = SRptFont::GetScreenDC(ownScreen);
    if (!dc) dc = screen;
    LOGFONTA logFont;
    SFontOld* font = GetTmpFont();
    if (!font) {
        const SRptFontDesc desc(m_fontName, m_fontHeight, m_fontStyle, SRptFont::GetDefaultFontFamily(),
                                SRptFont::GetDefaultFontPitch(), SRptFont::GetDefaultFontCharSet());
        logFont = desc.ToLogFont(dc);
    } else if (const LOGFONTA* cached = SRptFont::GetLogFontFromHandle(font->GetSafeHandle(), dc)) {
        logFont = *cached;
    } else {
        // The face the mapper chose for the screen font gives the family, pitch and character set.
        // It is measured in HIMETRIC, as the metrics kept for the handle are, so that what this
        // measure leaves in the cache is what GetTextMetricsHimetric would have put there.
        TEXTMETRICA metrics;
        GetTextMetricsHimetric(screen, &metrics);
        const int32_t family = metrics.tmPitchAndFamily & 0xF0;
        const int32_t pitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) ? VARIABLE_PITCH : FIXED_PITCH;
        const SRptFontDesc desc(m_fontName, m_fontHeight, m_fontStyle, family, pitch, metrics.tmCharSet);
        logFont = desc.ToLogFont(dc);
        SRptFont::AddLogFontForHandle(font->GetSafeHandle(), logFont, dc);
    }
    return SFontOldPtr(SFontOld::CreateFontA(logFont));
}

HRESULT SRptParaImpl::GetTextMetricsHimetric(SDC* dc, TEXTMETRICA* lptm) {
    if (!lptm) return E_INVALIDARG;
    *lptm = TEXTMETRICA{};
    SFontOld* font = GetTmpFont();
    if (!font) return S_OK;
    std::optional<SWindowDC> ownScreen;
    if (!dc) dc = SRptFont::GetScreenDC(ownScreen);
    SMappingGuard mapping(*dc);
    dc->SetMapMode(MM_HIMETRIC);
    if (const TEXTMETRICA* cached = SRptFont::GetMetricsFromHandle(font->GetSafeHandle())) {
        *lptm = *cached;
    } else if (MeasureFont(*dc, *font, lptm)) {
        // Only what was really measured is kept: a device that cannot measure must not leave
        // empty metrics for every device after it.
        SRptFont::AddMetricsForHandle(font->GetSafeHandle(), *lptm);
    }
    return S_OK;
}

int32_t SRptParaImpl::GetSpBetweenHimetric(SDC* dc) {
    switch (m_spType) {
        case RPT_PARA_SPTYPE_EXACT: return m_spBetween;
        case RPT_PARA_SPTYPE_MULTIPLE: {
            TEXTMETRICA metrics;
            GetTextMetricsHimetric(dc, &metrics);
            const int64_t line = int64_t(metrics.tmHeight) + MulDiv(metrics.tmExternalLeading, 75, 100);
            // A huge font at a huge percentage goes beyond 32 bits: the devices get the largest
            // distance rather than one wrapped round to a negative number.
            const int64_t distance = m_spBetween * line / 100;
            return static_cast<int32_t>(std::clamp<int64_t>(distance, std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        }
        default: return 0;
    }
}

// ---- SRptParaImpl: reactions to changes ----

HRESULT SRptParaImpl::OnUpdateAttribute(int32_t id) {
    switch (id) {
        case RPTPARA_FONTNAME:
        case RPTPARA_FONTHEIGHT:
        case RPTPARA_FONTSTYLE: DropTmpFont(); break;
        case RPTPARA_BOX:
        case RPTPARA_BOXWIDTH: KeepFormBoxInStep(); break;
        case RPTPARA_SPTXTBORDERTOP:
        case RPTPARA_SPTXTBORDERBOTTOM:
        case RPTPARA_SPTXTBORDERLEFT:
        case RPTPARA_SPTXTBORDERRIGHT: KeepFormBorderSpacingInStep(); break;
        default: break;
    }
    return SRptParaMem::OnUpdateAttribute(id);
}

bool SRptParaImpl::GetFormParagraphs(SComWrap<ISRptPara>& label, SComWrap<ISRptPara>& text) {
    SComWrap<ISRepObject> owner;
    if (GetParentItem(&owner) != S_OK || !owner) return false;
    SComWrap<ISRptForm> form;
    form = static_cast<IUnknown*>(owner.Get());
    if (!form) return false;
    SComWrap<ISRptParaContainer> container;
    container = static_cast<IUnknown*>(owner.Get());
    // While the form is still making its paragraphs there is nothing to keep in step yet.
    container->GetParaAtPos(1, &label);
    container->GetParaAtPos(2, &text);
    return label && text;
}

bool SRptParaImpl::IsSyncing(ISRptPara* para) {
    const auto* impl = dynamic_cast<const SRptParaImpl*>(SRepObjectMem::FromObject(static_cast<ISRepObject*>(para)));
    return impl && impl->m_formSync;
}

void SRptParaImpl::KeepFormBoxInStep() {
    SComWrap<ISRptPara> label, text;
    if (!GetFormParagraphs(label, text)) return;
    // The label's box is the text's; a change of the text's own box stays its own.
    if (!label.IsEqualObject(static_cast<ISRepObject*>(this))) return;
    SFormSyncScope scope(*this);
    text->PutBox(label->GetBox());
    text->PutBoxWidth(label->GetBoxWidth());
}

void SRptParaImpl::KeepFormBorderSpacingInStep() {
    SComWrap<ISRptPara> label, text;
    if (!GetFormParagraphs(label, text)) return;
    SComWrap<ISRptPara> from, to;
    if (label.IsEqualObject(static_cast<ISRepObject*>(this))) {
        from = label;
        to = text;
    } else if (text.IsEqualObject(static_cast<ISRepObject*>(this))) {
        from = text;
        to = label;
    } else {
        return;
    }
    // The other paragraph takes all four values of this one. While it does, its own reaction
    // must not copy its older values back here: that would undo the change being spread.
    if (IsSyncing(to.Get())) return;
    SFormSyncScope scope(*this);
    to->PutSpTxtBorderTop(from->GetSpTxtBorderTop());
    to->PutSpTxtBorderBottom(from->GetSpTxtBorderBottom());
    to->PutSpTxtBorderLeft(from->GetSpTxtBorderLeft());
    to->PutSpTxtBorderRight(from->GetSpTxtBorderRight());
}

// ---- SRptParaRegistry ----

const SAttrEditorMap SRptParaRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptParaRegistry::SRptParaRegistry()
    : SRepStaticRegistry(CLSID_SRptPara, &attrEditorMap, &SRepComObject<SRptParaImpl>::Factory,
                         &SRptParaMem::ClassIsKindOf, &SRptParaMem::ClassHasCollection, 1, SRptGetModuleState()) {}

const SRepVariant* SRptParaRegistry::FindDefault(int32_t id) {
    if (!m_defaults) {
        std::map<int32_t, SRepVariant> defaults;
        for (int32_t stored : SRptParaMem::kStoredAttributes) defaults.emplace(stored, SRptParaMem::MakeDefault(stored));
        m_defaults = std::move(defaults);
    }
    auto it = m_defaults->find(id);
    return it == m_defaults->end() ? nullptr : &it->second;
}

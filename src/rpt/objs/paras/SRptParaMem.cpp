#include "rpt/objs/paras/SRptParaMem.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SMbcs.h"
#include "platform/com/SComCheck.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/repo/SRepRegistry.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptFontDesc.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptApi.h"

namespace {

// Points to HIMETRIC: a point is 20 twips, a twip 1 / 0.56693 HIMETRIC.
constexpr double kTwipsToHimetric = 1.763886194062759;

// The spacing of the title kinds: 12 or 10 points before, 3 after (in HIMETRIC).
constexpr int16_t kMainTitleSpBefore = 423;
constexpr int16_t kTitleSpBefore = 353;
constexpr int16_t kTitleSpAfter = 106;

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

// ---- SRptParaMem ----

const std::vector<int32_t> SRptParaMem::kStoredAttributes = [] {
    std::vector<int32_t> ids;
    for (const SRptAttributeRow* row = SRptParaMem::attributeRows; row->id != 0; ++row)
        if (!row->IsCollection() && !row->IsComputed()) ids.push_back(row->id);
    return ids;
}();

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
    SComCheck(hr);
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

HRESULT SRptParaImpl::PutParaName(const SString& value) noexcept {
    return SExceptionResult::Guard([&] { return SetParaName(value); });
}

HRESULT SRptParaImpl::SetParaName(const SString& value) {
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

HRESULT SRptParaImpl::ConstructStockPara(uint32_t nStockParaID) noexcept {
    if (nStockParaID >= static_cast<uint32_t>(SRptFont::kFontKindCount)) return E_INVALIDARG;
    const int32_t kind = static_cast<int32_t>(nStockParaID);
    return SExceptionResult::Guard([&]() -> HRESULT {
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
    });
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

HRESULT SRptParaImpl::SetTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept {
    if (nNbTabs > 0 && !pTabs) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        RemoveTab(-1);
        for (int32_t i = 0; i < nNbTabs; ++i) AddTab(pTabs[i]);
        const HRESULT hr = SortTabs();
        return FAILED(hr) ? hr : S_OK;
    });
}

HRESULT SRptParaImpl::AddTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept {
    if (nNbTabs > 0 && !pTabs) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        for (int32_t i = 0; i < nNbTabs; ++i) ReplaceTab(pTabs[i]);
        SortTabs();
        return S_OK;
    });
}

HRESULT SRptParaImpl::PlayTabPosLog(int32_t nNbOps, const SRptTabPosOp* pOps) noexcept {
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

HRESULT SRptParaImpl::GetTabPosAtIndex(int32_t index, ISRptTabulation** pTab) noexcept {
    if (!pTab) return E_POINTER;
    *pTab = nullptr;
    return SExceptionResult::Guard([&]() -> HRESULT { return TabAt(index).CopyTo(pTab); });
}

HRESULT SRptParaImpl::GetOwnerTabPos(int32_t nLocation, ISRptTabulation** pTab) noexcept {
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

HRESULT SRptParaImpl::GetTextMetricsHimetric(SDC* dc, TEXTMETRICA* lptm) noexcept {
    if (!lptm) return E_INVALIDARG;
    *lptm = TEXTMETRICA{};
    return SExceptionResult::Guard([&]() -> HRESULT {
        SFontOld* font = GetTmpFont();
        if (!font) return S_OK;
        std::optional<SWindowDC> ownScreen;
        if (!dc) dc = SRptFont::GetScreenDC(ownScreen);
        SMappingGuard mapping(*dc);
        dc->SetMapMode(MM_HIMETRIC);
        if (const TEXTMETRICA* cached = SRptFont::GetMetricsFromHandle(font->GetSafeHandle(), dc)) {
            *lptm = *cached;
        } else if (MeasureFont(*dc, *font, lptm)) {
            // Only what was really measured is kept: a device that cannot measure must not leave
            // empty metrics for every device after it.
            SRptFont::AddMetricsForHandle(font->GetSafeHandle(), *lptm, dc);
        }
        return S_OK;
    });
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

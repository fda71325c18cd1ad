#pragma once
// SRptPara: the format of one paragraph of generated text (font, indents, spacing, alignment,
// borders, box, flow, tab stops) and what the output devices ask of it: a font for a device
// context, HIMETRIC metrics and line distance, the tab stop for a location. A paragraph belongs to
// a paragraph container (ParaContainerFromPara), which names it and gives it a report font kind;
// it owns its tab stops (Tabs). The four paragraph kinds derive from it and add nothing.
#include <cstdint>
#include <map>
#include <optional>

#include "platform/gdi/SFontOld.h"
#include "platform/repo/SRepComObject.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"

inline constexpr GUID CLSID_SRptPara = MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}");

class SRptParaRegistry;

class SRptParaMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL
    // The default of a stored attribute as the paragraph's defaults stand now (the font of the
    // Text report font kind); empty for another id.
    static SRepVariant MakeDefault(int32_t id);
    // The ids of the stored attributes, in the order of the class.
    static const int32_t kStoredAttributes[26];

    // The computed attributes, which the interface half answers from the container.
    virtual SString GetDispName() = 0;
    virtual int32_t GetParaFontID() = 0;
    virtual SString GetParaName() = 0;
    virtual HRESULT PutParaName(const SString& value) = 0;

protected:
    // Every attribute takes its default; the font is the Text report font kind's at this moment.
    explicit SRptParaMem(ISRepSession* session);
    // The 26 stored values; tab stops are copied (or not) by whoever copies the object.
    SRptParaMem(const SRptParaMem& source) = default;

    SString m_fontName;
    int32_t m_fontHeight = 0;
    int16_t m_fontStyle = 0;
    int16_t m_fontFamily = 0;
    int16_t m_fontPitch = 0;
    int16_t m_fontCharSet = 0;
    int16_t m_alignment = 0;
    int16_t m_left = 0;
    int16_t m_right = 0;
    int16_t m_first = 0;
    int16_t m_spBefore = 0;
    int16_t m_spAfter = 0;
    int16_t m_spBetween = 0;
    int16_t m_spType = 0;
    int16_t m_border = 0;
    int16_t m_borderWidth = 0;
    bool m_box = false;
    int16_t m_boxWidth = 0;
    int16_t m_spTxtBorderTop = 0;
    int16_t m_spTxtBorderBottom = 0;
    int16_t m_spTxtBorderLeft = 0;
    int16_t m_spTxtBorderRight = 0;
    int16_t m_flow = 0;
    int16_t m_defaultTabSize = 0;
    bool m_fillTabs = false;
    bool m_inTable = false;
};

class SRptParaImpl : public SRptParaMem, public virtual ISRptPara {
public:
    using Registry = SRptParaRegistry;

    SString GetFontName() override { return Get_TEXT(RPTPARA_FONTNAME, m_fontName); }
    HRESULT PutFontName(const SString& value) override { return Set_TEXT(RPTPARA_FONTNAME, value, m_fontName); }
    int32_t GetFontHeight() override { return Get_INT(RPTPARA_FONTHEIGHT, m_fontHeight); }
    HRESULT PutFontHeight(int32_t value) override { return Set_INT(RPTPARA_FONTHEIGHT, value, m_fontHeight); }
    int16_t GetFontStyle() override { return Get_SHORT(RPTPARA_FONTSTYLE, m_fontStyle); }
    HRESULT PutFontStyle(int16_t value) override { return Set_SHORT(RPTPARA_FONTSTYLE, value, m_fontStyle); }
    int16_t GetFontFamily() override { return Get_SHORT(RPTPARA_FONTFAMILY, m_fontFamily); }
    HRESULT PutFontFamily(int16_t value) override { return Set_SHORT(RPTPARA_FONTFAMILY, value, m_fontFamily); }
    int16_t GetFontPitch() override { return Get_SHORT(RPTPARA_FONTPITCH, m_fontPitch); }
    HRESULT PutFontPitch(int16_t value) override { return Set_SHORT(RPTPARA_FONTPITCH, value, m_fontPitch); }
    int16_t GetFontCharSet() override { return Get_SHORT(RPTPARA_FONTCHARSET, m_fontCharSet); }
    HRESULT PutFontCharSet(int16_t value) override { return Set_SHORT(RPTPARA_FONTCHARSET, value, m_fontCharSet); }
    int16_t GetAlignment() override { return Get_SHORT(RPTPARA_ALIGNMENT, m_alignment); }
    HRESULT PutAlignment(int16_t value) override { return Set_SHORT(RPTPARA_ALIGNMENT, value, m_alignment); }
    int16_t GetLeft() override { return Get_SHORT(RPTPARA_LEFT, m_left); }
    HRESULT PutLeft(int16_t value) override { return Set_SHORT(RPTPARA_LEFT, value, m_left); }
    int16_t GetRight() override { return Get_SHORT(RPTPARA_RIGHT, m_right); }
    HRESULT PutRight(int16_t value) override { return Set_SHORT(RPTPARA_RIGHT, value, m_right); }
    int16_t GetFirst() override { return Get_SHORT(RPTPARA_FIRST, m_first); }
    HRESULT PutFirst(int16_t value) override { return Set_SHORT(RPTPARA_FIRST, value, m_first); }
    int16_t GetSpBefore() override { return Get_SHORT(RPTPARA_SPBEFORE, m_spBefore); }
    HRESULT PutSpBefore(int16_t value) override { return Set_SHORT(RPTPARA_SPBEFORE, value, m_spBefore); }
    int16_t GetSpAfter() override { return Get_SHORT(RPTPARA_SPAFTER, m_spAfter); }
    HRESULT PutSpAfter(int16_t value) override { return Set_SHORT(RPTPARA_SPAFTER, value, m_spAfter); }
    int16_t GetSpBetween() override { return Get_SHORT(RPTPARA_SPBETWEEN, m_spBetween); }
    HRESULT PutSpBetween(int16_t value) override { return Set_SHORT(RPTPARA_SPBETWEEN, value, m_spBetween); }
    int16_t GetSpType() override { return Get_SHORT(RPTPARA_SPTYPE, m_spType); }
    HRESULT PutSpType(int16_t value) override { return Set_SHORT(RPTPARA_SPTYPE, value, m_spType); }
    int16_t GetBorder() override { return Get_SHORT(RPTPARA_BORDER, m_border); }
    HRESULT PutBorder(int16_t value) override { return Set_SHORT(RPTPARA_BORDER, value, m_border); }
    int16_t GetBorderWidth() override { return Get_SHORT(RPTPARA_BORDERWIDTH, m_borderWidth); }
    HRESULT PutBorderWidth(int16_t value) override { return Set_SHORT(RPTPARA_BORDERWIDTH, value, m_borderWidth); }
    bool GetBox() override { return Get_BOOL(RPTPARA_BOX, m_box); }
    HRESULT PutBox(bool value) override { return Set_BOOL(RPTPARA_BOX, value, m_box); }
    int16_t GetBoxWidth() override { return Get_SHORT(RPTPARA_BOXWIDTH, m_boxWidth); }
    HRESULT PutBoxWidth(int16_t value) override { return Set_SHORT(RPTPARA_BOXWIDTH, value, m_boxWidth); }
    int16_t GetSpTxtBorderTop() override { return Get_SHORT(RPTPARA_SPTXTBORDERTOP, m_spTxtBorderTop); }
    HRESULT PutSpTxtBorderTop(int16_t value) override {
        return Set_SHORT(RPTPARA_SPTXTBORDERTOP, value, m_spTxtBorderTop);
    }
    int16_t GetSpTxtBorderBottom() override { return Get_SHORT(RPTPARA_SPTXTBORDERBOTTOM, m_spTxtBorderBottom); }
    HRESULT PutSpTxtBorderBottom(int16_t value) override {
        return Set_SHORT(RPTPARA_SPTXTBORDERBOTTOM, value, m_spTxtBorderBottom);
    }
    int16_t GetSpTxtBorderLeft() override { return Get_SHORT(RPTPARA_SPTXTBORDERLEFT, m_spTxtBorderLeft); }
    HRESULT PutSpTxtBorderLeft(int16_t value) override {
        return Set_SHORT(RPTPARA_SPTXTBORDERLEFT, value, m_spTxtBorderLeft);
    }
    int16_t GetSpTxtBorderRight() override { return Get_SHORT(RPTPARA_SPTXTBORDERRIGHT, m_spTxtBorderRight); }
    HRESULT PutSpTxtBorderRight(int16_t value) override {
        return Set_SHORT(RPTPARA_SPTXTBORDERRIGHT, value, m_spTxtBorderRight);
    }
    int16_t GetFlow() override { return Get_SHORT(RPTPARA_FLOW, m_flow); }
    HRESULT PutFlow(int16_t value) override { return Set_SHORT(RPTPARA_FLOW, value, m_flow); }
    int16_t GetDefaultTabSize() override { return Get_SHORT(RPTPARA_DEFAULTTABSIZE, m_defaultTabSize); }
    HRESULT PutDefaultTabSize(int16_t value) override {
        return Set_SHORT(RPTPARA_DEFAULTTABSIZE, value, m_defaultTabSize);
    }
    bool GetFillTabs() override { return Get_BOOL(RPTPARA_FILLTABS, m_fillTabs); }
    HRESULT PutFillTabs(bool value) override { return Set_BOOL(RPTPARA_FILLTABS, value, m_fillTabs); }
    bool GetInTable() override { return Get_BOOL(RPTPARA_INTABLE, m_inTable); }
    HRESULT PutInTable(bool value) override { return Set_BOOL(RPTPARA_INTABLE, value, m_inTable); }

    SString GetDispName() override;
    int32_t GetParaFontID() override;
    SString GetParaName() override;
    HRESULT PutParaName(const SString& value) override;

    HRESULT SetTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) override;
    HRESULT AddTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) override;
    HRESULT PlayTabPosLog(int32_t nNbOps, const SRptTabPosOp* pOps) override;
    HRESULT GetTabPosAtIndex(int32_t index, ISRptTabulation** pTab) override;
    HRESULT GetOwnerTabPos(int32_t nLocation, ISRptTabulation** pTab) override;
    HRESULT GetTextMetricsHimetric(SDC* dc, TEXTMETRICA* lptm) override;
    HRESULT GetParentItem(ISRepObject** pParent) override;
    HRESULT ConstructStockPara(uint32_t nStockParaID) override;
    SFontOldPtr GetFont(SDC* dc) override;
    int32_t GetSpBetweenHimetric(SDC* dc) override;
    int32_t GetNbTabs() override;

    SRepClassColPtr Tabs() override { return GetCollection(RPTPARA_TABS); }
    SRepClassColPtr ParaContainerFromPara() override { return GetCollection(RPTPARA_PARACONTAINERFROMPARA); }

    // Tab editing beneath the interface's operations. AddTab appends without sorting; SortTabs
    // restores the order (position, then alignment); RemoveTab deletes the stop at an index, or
    // every stop for a negative index (E_INVALIDARG for an index beyond the last stop).
    HRESULT RemoveTab(int32_t index);
    HRESULT AddTab(const RPTTABPOS& tab);
    HRESULT SortTabs();

    // The screen font: the paragraph's font in HIMETRIC units, made on first use and owned by
    // the paragraph until a font attribute changes; null when it cannot be made.
    SFontOld* GetTmpFont();

    // A paragraph created into a container starts without a box.
    HRESULT OnInitialize(ISRepObject* parent) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptPara, SRptParaMem)

protected:
    explicit SRptParaImpl(ISRepSession* session) : SRptParaMem(session) {}
    // A copy has its own screen font, made when first needed.
    SRptParaImpl(const SRptParaImpl& source) : SRptParaMem(source) {}
    ~SRptParaImpl() override;

    // A font attribute drops the screen font; the box and text-to-border spacing of a form's
    // label and text paragraphs are kept in step.
    HRESULT OnUpdateAttribute(int32_t id) override;


private:
    // The tab stop at an index (E_INVALIDARG outside the collection).
    SComWrap<ISRptTabulation> TabAt(int32_t index);
    // The index of the first stop at a position (and of that alignment when given), -1 for none.
    int32_t FindTab(int32_t position, std::optional<int32_t> alignment);
    // Replaces the first stop at the record's position by the record.
    void ReplaceTab(const RPTTABPOS& tab);
    void DropTmpFont();
    // The label and text paragraphs (positions 1 and 2) of the owner when it is a form that
    // has both.
    bool GetFormParagraphs(SComWrap<ISRptPara>& label, SComWrap<ISRptPara>& text);
    void KeepFormBoxInStep();
    void KeepFormBorderSpacingInStep();
    // Whether a paragraph is passing its values to its form partner right now.
    static bool IsSyncing(ISRptPara* para);

    class SFormSyncScope {
    public:
        explicit SFormSyncScope(SRptParaImpl& para) : m_para(para), m_previous(para.m_formSync) {
            para.m_formSync = true;
        }
        ~SFormSyncScope() { m_para.m_formSync = m_previous; }
        SFormSyncScope(const SFormSyncScope&) = delete;
        SFormSyncScope& operator=(const SFormSyncScope&) = delete;

    private:
        SRptParaImpl& m_para;
        bool m_previous;
    };

    SFontOldPtr m_tmpFont;
    bool m_formSync = false;
};

class SRptParaRegistry : public SRepStaticRegistry<SRptParaRegistry> {
public:
    SRptParaRegistry();
    static const SAttrEditorMap attrEditorMap;

    // The defaults that GetAttributeDefault reports, built at its first call and kept for the
    // life of the registry.
    const SRepVariant* FindDefault(int32_t id);

private:
    std::optional<std::map<int32_t, SRepVariant>> m_defaults;
};

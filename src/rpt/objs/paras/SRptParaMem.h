#pragma once
// SRptPara: the format of one paragraph of generated text (font, indents, spacing, alignment,
// borders, box, flow, tab stops) and what the output devices ask of it: a font for a device
// context, HIMETRIC metrics and line distance, the tab stop for a location. A paragraph belongs to
// a paragraph container (ParaContainerFromPara), which names it and gives it a report font kind;
// it owns its tab stops (Tabs). The four paragraph kinds derive from it and add nothing.
#include <cstdint>
#include <optional>
#include <vector>

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
    SRPT_ATTRIBUTE_TABLE
    // The ids of the stored attributes, in the order of the class.
    static const std::vector<int32_t> kStoredAttributes;

    // The computed attributes, which the interface half answers from the container.
    virtual SString GetDispName() = 0;
    virtual int32_t GetParaFontID() = 0;
    virtual SString GetParaName() = 0;
    // The attribute protocol's write of the name: what SetParaName throws goes on to the
    // protocol's catch ladder, which reports it (the interface's put turns it into its code).
    HRESULT PutParaName(const SString& value) { return SetParaName(value); }
    virtual HRESULT SetParaName(const SString& value) = 0;

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

    SRPT_PROPERTIES(SRptPara)

    SString GetDispName() override;
    int32_t GetParaFontID() override;
    SString GetParaName() override;
    HRESULT PutParaName(const SString& value) noexcept override;
    HRESULT SetParaName(const SString& value) override;

    HRESULT SetTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept override;
    HRESULT AddTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept override;
    HRESULT PlayTabPosLog(int32_t nNbOps, const SRptTabPosOp* pOps) noexcept override;
    HRESULT GetTabPosAtIndex(int32_t index, ISRptTabulation** pTab) noexcept override;
    HRESULT GetOwnerTabPos(int32_t nLocation, ISRptTabulation** pTab) noexcept override;
    HRESULT GetTextMetricsHimetric(SDC* dc, TEXTMETRICA* lptm) noexcept override;
    HRESULT GetParentItem(ISRepObject** pParent) override;
    HRESULT ConstructStockPara(uint32_t nStockParaID) noexcept override;
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

class SRptParaRegistry : public SRptStaticRegistry<SRptParaRegistry> {
public:
    SRptParaRegistry();
    static const SAttrEditorMap attrEditorMap;
};

#pragma once
// The format of one paragraph of generated text: font, indents, spacing, alignment, borders, box,
// flow and tab stops, with the font, metrics and tab answers that the output devices need.
// Lengths are HIMETRIC, the font size is in points (values in RptParaFormat.h).
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/gdi/SFontOld.h"
#include "platform/gdi/TEXTMETRICA.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"
#include "varod9/RptParaFormat.h"
#include "varod9/RptTabPos.h"

class SDC;
struct ISRptTabulation;

// Stored attributes.
inline constexpr int32_t RPTPARA_FONTNAME = 0x02006001;           // TEXT
inline constexpr int32_t RPTPARA_FONTHEIGHT = 0x02006002;         // INT, points
inline constexpr int32_t RPTPARA_FONTSTYLE = 0x02006003;          // SHORT, RPT_FONT_STYLE_... bits
inline constexpr int32_t RPTPARA_FONTFAMILY = 0x02006004;         // SHORT
inline constexpr int32_t RPTPARA_FONTPITCH = 0x02006005;          // SHORT
inline constexpr int32_t RPTPARA_FONTCHARSET = 0x02006006;        // SHORT
inline constexpr int32_t RPTPARA_ALIGNMENT = 0x02006007;          // SHORT, RPT_PARA_ALIGN_...
inline constexpr int32_t RPTPARA_LEFT = 0x02006008;               // SHORT
inline constexpr int32_t RPTPARA_RIGHT = 0x02006009;              // SHORT
inline constexpr int32_t RPTPARA_FIRST = 0x0200600A;              // SHORT
inline constexpr int32_t RPTPARA_SPBEFORE = 0x0200600B;           // SHORT
inline constexpr int32_t RPTPARA_SPAFTER = 0x0200600C;            // SHORT
inline constexpr int32_t RPTPARA_SPBETWEEN = 0x0200600D;          // SHORT
inline constexpr int32_t RPTPARA_SPTYPE = 0x0200600E;             // SHORT, RPT_PARA_SPTYPE_...
inline constexpr int32_t RPTPARA_BORDER = 0x0200600F;             // SHORT, RPT_PARA_BORDER_... bits
inline constexpr int32_t RPTPARA_BORDERWIDTH = 0x02006010;        // SHORT
inline constexpr int32_t RPTPARA_SPTXTBORDERTOP = 0x02006011;     // SHORT
inline constexpr int32_t RPTPARA_SPTXTBORDERBOTTOM = 0x02006012;  // SHORT
inline constexpr int32_t RPTPARA_SPTXTBORDERLEFT = 0x02006013;    // SHORT
inline constexpr int32_t RPTPARA_SPTXTBORDERRIGHT = 0x02006014;   // SHORT
inline constexpr int32_t RPTPARA_FLOW = 0x02006015;               // SHORT, RPT_PARA_FLOW_... bits
inline constexpr int32_t RPTPARA_DEFAULTTABSIZE = 0x02006019;     // SHORT
inline constexpr int32_t RPTPARA_FILLTABS = 0x0200601A;           // BOOL
inline constexpr int32_t RPTPARA_INTABLE = 0x0200601B;            // BOOL
inline constexpr int32_t RPTPARA_BOX = 0x0200601E;                // BOOL
inline constexpr int32_t RPTPARA_BOXWIDTH = 0x0200601F;           // SHORT
// Computed attributes: the names and the font kind come from the paragraph's container.
inline constexpr int32_t RPTPARA_DISPNAME = 0x0100000B;           // CHAR(254)
inline constexpr int32_t RPTPARA_PARANAME = 0x02006016;           // TEXT
inline constexpr int32_t RPTPARA_PARAFONTID = 0x02006017;         // INT
// Collections.
inline constexpr int32_t RPTPARA_TABS = 0x02006030;
inline constexpr int32_t RPTPARA_PARACONTAINERFROMPARA = 0x02806090;

struct RPT_EXPORT ISRptPara : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E95718-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetFontName() = 0;
    virtual HRESULT PutFontName(const SString& value) noexcept = 0;
    virtual int32_t GetFontHeight() = 0;
    virtual HRESULT PutFontHeight(int32_t value) noexcept = 0;
    virtual int16_t GetFontStyle() = 0;
    virtual HRESULT PutFontStyle(int16_t value) noexcept = 0;
    virtual int16_t GetFontFamily() = 0;
    virtual HRESULT PutFontFamily(int16_t value) noexcept = 0;
    virtual int16_t GetFontPitch() = 0;
    virtual HRESULT PutFontPitch(int16_t value) noexcept = 0;
    virtual int16_t GetFontCharSet() = 0;
    virtual HRESULT PutFontCharSet(int16_t value) noexcept = 0;
    virtual int16_t GetAlignment() = 0;
    virtual HRESULT PutAlignment(int16_t value) noexcept = 0;
    virtual int16_t GetLeft() = 0;
    virtual HRESULT PutLeft(int16_t value) noexcept = 0;
    virtual int16_t GetRight() = 0;
    virtual HRESULT PutRight(int16_t value) noexcept = 0;
    virtual int16_t GetFirst() = 0;
    virtual HRESULT PutFirst(int16_t value) noexcept = 0;
    virtual int16_t GetSpBefore() = 0;
    virtual HRESULT PutSpBefore(int16_t value) noexcept = 0;
    virtual int16_t GetSpAfter() = 0;
    virtual HRESULT PutSpAfter(int16_t value) noexcept = 0;
    virtual int16_t GetSpBetween() = 0;
    virtual HRESULT PutSpBetween(int16_t value) noexcept = 0;
    virtual int16_t GetSpType() = 0;
    virtual HRESULT PutSpType(int16_t value) noexcept = 0;
    virtual int16_t GetBorder() = 0;
    virtual HRESULT PutBorder(int16_t value) noexcept = 0;
    virtual int16_t GetBorderWidth() = 0;
    virtual HRESULT PutBorderWidth(int16_t value) noexcept = 0;
    virtual bool GetBox() = 0;
    virtual HRESULT PutBox(bool value) noexcept = 0;
    virtual int16_t GetBoxWidth() = 0;
    virtual HRESULT PutBoxWidth(int16_t value) noexcept = 0;
    virtual int16_t GetSpTxtBorderTop() = 0;
    virtual HRESULT PutSpTxtBorderTop(int16_t value) noexcept = 0;
    virtual int16_t GetSpTxtBorderBottom() = 0;
    virtual HRESULT PutSpTxtBorderBottom(int16_t value) noexcept = 0;
    virtual int16_t GetSpTxtBorderLeft() = 0;
    virtual HRESULT PutSpTxtBorderLeft(int16_t value) noexcept = 0;
    virtual int16_t GetSpTxtBorderRight() = 0;
    virtual HRESULT PutSpTxtBorderRight(int16_t value) noexcept = 0;
    virtual int16_t GetFlow() = 0;
    virtual HRESULT PutFlow(int16_t value) noexcept = 0;
    virtual int16_t GetDefaultTabSize() = 0;
    virtual HRESULT PutDefaultTabSize(int16_t value) noexcept = 0;
    virtual bool GetFillTabs() = 0;
    virtual HRESULT PutFillTabs(bool value) noexcept = 0;
    virtual bool GetInTable() = 0;
    virtual HRESULT PutInTable(bool value) noexcept = 0;

    // Computed attributes. The name is the container's name for the paragraph (empty without a
    // container); the font id the report font kind the container gives it (-1 for none).
    virtual SString GetDispName() = 0;
    virtual int32_t GetParaFontID() = 0;
    virtual SString GetParaName() = 0;
    // The name always comes from the container: an equal text gives S_FALSE; another is
    // announced as a change of RPTPARA_PARANAME but not stored (S_OK).
    virtual HRESULT PutParaName(const SString& value) noexcept = 0;

    // Tab stops (kept in ascending position, then alignment). A positive count with a null
    // array gives E_POINTER; a failure of the Tabs collection is returned as its code.
    // Replaces every stop.
    virtual HRESULT SetTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept = 0;
    // Adds stops, each replacing the first stop at its position.
    virtual HRESULT AddTabs(int32_t nNbTabs, const RPTTABPOS* pTabs) noexcept = 0;
    // Replays a log of tab edits in order.
    virtual HRESULT PlayTabPosLog(int32_t nNbOps, const SRptTabPosOp* pOps) noexcept = 0;
    // The stop at an index with the caller's reference; E_INVALIDARG outside 0 to GetNbTabs() - 1.
    virtual HRESULT GetTabPosAtIndex(int32_t index, ISRptTabulation** pTab) noexcept = 0;
    // The stop that governs a horizontal location: the first stop beyond it, else a new default
    // stop every DefaultTabSize that belongs to no paragraph.
    virtual HRESULT GetOwnerTabPos(int32_t nLocation, ISRptTabulation** pTab) noexcept = 0;

    // The paragraph font's metrics in HIMETRIC, measured on `dc` (null: the screen); the
    // context's mapping is left as it was. E_INVALIDARG for a null `lptm`.
    virtual HRESULT GetTextMetricsHimetric(SDC* dc, TEXTMETRICA* lptm) noexcept = 0;
    // The container that owns the paragraph: S_OK with it, S_FALSE with null when there is none.
    // Throws SECOMException when the count of the owner end fails.
    virtual HRESULT GetParentItem(ISRepObject** pParent) = 0;
    // Gives the paragraph the report font of a kind (0 to 26) and the spacing of the title kinds;
    // E_INVALIDARG (nothing changed) for another kind.
    virtual HRESULT ConstructStockPara(uint32_t nStockParaID) noexcept = 0;
    // A new font for drawing the paragraph on `dc` (null: the screen); the caller owns it.
    virtual SFontOldPtr GetFont(SDC* dc) = 0;
    // The distance between lines in HIMETRIC; 0 when the spacing type gives none.
    virtual int32_t GetSpBetweenHimetric(SDC* dc) = 0;
    virtual int32_t GetNbTabs() = 0;

    virtual SRepClassColPtr Tabs() = 0;
    virtual SRepClassColPtr ParaContainerFromPara() = 0;

protected:
    ~ISRptPara() = default;
};

inline constexpr IID IID_ISRptPara = ISRptPara::iid;

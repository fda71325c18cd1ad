// The paragraph-text protocol of the RTF device: character and paragraph properties from the
// model's paragraph formats.
#include "platform/com/SComThrow.h"
#include "platform/gdi/MulDiv.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "rpt/module/SRptFont.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"

namespace {

// Alignment, line spacing, flow and border values of the paragraph format.
constexpr int16_t kAlignRight = 2;
constexpr int16_t kAlignCentre = 4;
constexpr int16_t kAlignJustify = 8;
constexpr int16_t kSpacingExact = 1;
constexpr int16_t kSpacingMultiple = 2;
constexpr int16_t kFlowKeep = 1;
constexpr int16_t kFlowKeepNext = 2;
constexpr int16_t kFlowPageBreakBefore = 4;
constexpr int16_t kFlowWidowControl = 8;
constexpr int16_t kBorderLeft = 1;
constexpr int16_t kBorderTop = 2;
constexpr int16_t kBorderRight = 4;
constexpr int16_t kBorderBottom = 8;

char AlignmentLetter(int16_t alignment) {
    switch (alignment) {
        case kAlignRight: return 'r';
        case kAlignCentre: return 'c';
        case kAlignJustify: return 'j';
        default: return 'l';
    }
}

const char* TabAlignmentWord(int32_t alignment) {
    switch (alignment) {
        case 1: return "\\tql";
        case 2: return "\\tqc";
        case 3: return "\\tqr";
        default: return "";
    }
}

}  // namespace

HRESULT SRptRtfDevice::ParaText(ISRptPara* pPara, uint32_t nCode) {
    switch (nCode) {
        case RPTPARATEXT_PARA_BEGIN: return WriteParaFormat(pPara);
        case RPTPARATEXT_PARA_END:
            WriteLine();
            WriteText("\\par", RTFTEXT_RAW);
            return S_OK;
        case RPTPARATEXT_CHARS_BEGIN: return WriteCharFormat(pPara);
        case RPTPARATEXT_PLAIN: WriteText("\\plain ", RTFTEXT_RAW); return S_OK;
        default: return S_OK;
    }
}

HRESULT SRptRtfDevice::WriteCharFormat(ISRptPara* pPara) {
    if (!pPara) SComThrow(E_POINTER);
    if (m_tableMemo) {
        auto [it, added] = m_charWords.try_emplace(pPara);
        if (added) it->second = CharFormatWords(pPara);
        WriteRaw(it->second);
    } else {
        WriteRaw(CharFormatWords(pPara));
    }
    WriteLine();
    return S_OK;
}

std::string SRptRtfDevice::CharFormatWords(ISRptPara* pPara) {
    std::string format;
    const int16_t style = pPara->GetFontStyle();
    if (style & RPT_FONT_STYLE_BOLD) format += "\\b";
    if (style & RPT_FONT_STYLE_ITALIC) format += "\\i";
    if (style & RPT_FONT_STYLE_STRIKEOUT) format += "\\strike";
    if (style & RPT_FONT_STYLE_UNDERLINE) format += "\\ul";

    SRptRtfNameEntry key;
    key.name = pPara->GetFontName();
    int32_t fontNumber = m_fontNames.GetList().IndexOf(key);
    if (fontNumber < 0) {
        key.first = 1;
        fontNumber = m_fontNames.GetList().IndexOf(key);
    }
    if (fontNumber < 0) fontNumber = 0;

    int32_t height = pPara->GetFontHeight();
    if (height == 0) height = SRptFont::GetDefaultFontHeight(SRptFont::RPT_FONT_TEXT);
    format += "\\f";
    SRptRtfEscaper::AppendNumber(fontNumber, format);
    format += "\\fs";
    SRptRtfEscaper::AppendNumber(height * 2, format);
    return format;
}

HRESULT SRptRtfDevice::WriteParaFormat(ISRptPara* pPara) {
    if (!pPara) SComThrow(E_POINTER);
    WriteLine();
    WriteRaw("\\pard\\plain");
    WriteLine();

    // Two boxed paragraphs with the same borders would merge into one box: an empty 5-point
    // paragraph keeps them apart.
    const int16_t border = pPara->GetBorder();
    if (m_nPrevBorder != 0 && m_nPrevBorder == border) {
        WriteRaw("\\sb0\\sa0\\f0\\fs10");
        WriteLine();
        WriteRaw("\\par");
        WriteLine();
        WriteRaw("\\pard\\plain");
        WriteLine();
    }
    m_nPrevBorder = border;

    if (m_tableMemo) {
        auto [it, added] = m_paraWords.try_emplace(pPara);
        if (added) it->second = ParaFormatWords(pPara);
        WriteRaw(it->second);
    } else {
        WriteRaw(ParaFormatWords(pPara));
    }
    WriteLine();
    return S_OK;
}

std::string SRptRtfDevice::ParaFormatWords(ISRptPara* pPara) {
    const int16_t border = pPara->GetBorder();
    std::string props = "\\s0\\q";
    props += AlignmentLetter(pPara->GetAlignment());
    const auto number = [&props](int32_t value, int minDigits = 1) {
        SRptRtfEscaper::AppendNumber(value, props, minDigits);
    };
    // A word for each indent and spacing above zero; the paragraph's own spacing and indents come
    // once more after the borders, where a reader takes them whatever their sign.
    const struct {
        const char* word;
        int16_t value;
    } positives[] = {
        {"\\fi", pPara->GetFirst()},    {"\\li", pPara->GetLeft()},    {"\\ri", pPara->GetRight()},
        {"\\sb", pPara->GetSpBefore()}, {"\\sa", pPara->GetSpAfter()},
    };
    for (const auto& positive : positives) {
        if (positive.value <= 0) continue;
        props += positive.word;
        number(ParaToTwips(positive.value));
    }
    switch (pPara->GetSpType()) {
        case kSpacingExact:
            props += "\\sl-";
            number(ParaToTwips(pPara->GetSpBetweenHimetric(nullptr)), 3);
            props += "\\slmult0";
            break;
        case kSpacingMultiple:
            props += "\\sl";
            number(MulDiv(240, pPara->GetSpBetween(), 100));
            props += "\\slmult1";
            break;
        default: break;
    }
    const int16_t flow = pPara->GetFlow();
    if (flow & kFlowKeep) props += "\\keep";
    if (flow & kFlowKeepNext) props += "\\keepn";
    if (flow & kFlowPageBreakBefore) props += "\\pagebb";
    if (!(flow & kFlowWidowControl)) props += "\\nowidctlpar";
    if (pPara->GetInTable()) props += "\\intbl";

    // Cells draw their own borders. Each border carries its distance to the text.
    if (m_bInTable == 0) {
        const int32_t width = ParaToTwips(pPara->GetBorderWidth());
        const struct {
            int16_t bit;
            const char* side;
            int16_t space;
        } sides[] = {
            {kBorderTop, "t", pPara->GetSpTxtBorderTop()},
            {kBorderBottom, "b", pPara->GetSpTxtBorderBottom()},
            {kBorderLeft, "l", pPara->GetSpTxtBorderLeft()},
            {kBorderRight, "r", pPara->GetSpTxtBorderRight()},
        };
        for (const auto& side : sides) {
            if (!(border & side.bit)) continue;
            props += "\\brdr";
            props += side.side;
            props += "\\brdrs\\brdrw";
            number(width);
            props += "\\brsp";
            number(ParaToTwips(side.space));
            props += ' ';
        }
    }
    // The paragraph's own spacing and indents, then the tab stops.
    props += "\\sb";
    number(ParaToTwips(pPara->GetSpBefore()));
    props += "\\sa";
    number(ParaToTwips(pPara->GetSpAfter()));
    props += "\\li";
    number(ParaToTwips(pPara->GetLeft()));
    props += "\\ri";
    number(ParaToTwips(pPara->GetRight()));

    const int32_t tabCount = pPara->GetNbTabs();
    for (int32_t i = 0; i < tabCount; ++i) {
        SComWrap<ISRptTabulation> tab;
        pPara->GetTabPosAtIndex(i, &tab);
        if (!tab) SComThrow(E_POINTER);
        const int32_t position = tab->GetPosition();
        if (position == 0) continue;
        props += TabAlignmentWord(tab->GetAlignment());
        props += "\\tx";
        number(ToTwips(position));
    }
    return props;
}

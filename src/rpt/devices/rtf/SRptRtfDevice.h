#pragma once
// The device that writes a report as one RTF file. The first pass collects the face names the
// report's paragraphs use, the second builds the generation tree, and the finish step writes the
// whole document in one go: header, font table, style sheet, then one section per template
// (page set-up, header and footer, the template's nodes). Every byte goes through WriteText.
// Lengths of the model are hundredths of a millimetre; RTF lengths are twips.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/base/SRtfColorTable.h"
#include "platform/base/SRtfFontTable.h"
#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/rtf/SRptRtfEscaper.h"
#include "rpt/devices/rtf/SRptRtfFontNameTable.h"
#include "varod9/ISRptPara.h"

class SDC;
class SOutputFile;
class SRptGraphic;
class SOutputStringStream;
class SPatchableOutputStream;
class SRptGenerationNode;
struct ISRptTable;

// The codes of the paragraph-text protocol.
inline constexpr uint32_t RPTPARATEXT_PARA_BEGIN = 1;
inline constexpr uint32_t RPTPARATEXT_PARA_END = 2;
inline constexpr uint32_t RPTPARATEXT_CHARS_BEGIN = 4;
inline constexpr uint32_t RPTPARATEXT_CHARS_END = 5;
inline constexpr uint32_t RPTPARATEXT_PLAIN = 6;
inline constexpr uint32_t RPTPARATEXT_RAW_BEGIN = 7;
inline constexpr uint32_t RPTPARATEXT_RAW_END = 8;

class SRptRtfDevice : public SRptDevice {
public:
    SRptRtfDevice(ISRptReport* pReport, ISRptGenerationClient* pClient, const SString& sFileName);

    // The save dialog for an RTF file: 0 with the chosen path, 1 when cancelled (the name is left
    // alone), E_INVALIDARG for a null name.
    static HRESULT PromptFileName(SString* pName, const SString& sInitialName);

    // The only way to the document: mode 0 as it stands, other modes escaped (RTFTEXT_... bits;
    // RTFTEXT_FIELD keeps the field words of header, footer and title-page texts live).
    HRESULT WriteText(const SString& sText, uint32_t nMode);
    // The paragraph-text operation: the properties, ends and markers of the protocol's codes.
    HRESULT ParaText(ISRptPara* pPara, uint32_t nCode);
    HRESULT WriteCharFormat(ISRptPara* pPara);
    HRESULT WriteParaFormat(ISRptPara* pPara);

    // Prepares a text that is itself an RTF document for its place in this one: its binary data
    // becomes text, its header and tables go, its fonts and colours join the collected tables and
    // take their numbers there, its page set-up, headers and footers go and its section breaks
    // become paragraph ends, and a last paragraph it leaves open is ended. The end step puts the
    // collected tables in the file.
    HRESULT MergeRtf(SString& sRtf);

    // The body of a section: one generation node, through the writer of its item's kind.
    HRESULT WriteNode(SRptGenerationNode* pNode);
    HRESULT WriteTitlePage(ISRptTemplate* pTemplate, SRptGenerationNode* pNode);
    HRESULT WriteTextItem(ISRptText* pText, SRptGenerationNode* pNode);
    HRESULT WriteTextItem(ISRptTitle* pTitle, SRptGenerationNode* pNode);
    HRESULT WriteHeading(ISRptCustom* pItem, SRptGenerationNode* pNode);
    HRESULT WriteGroupTitle(ISRptGrpTitle* pItem, SRptGenerationNode* pNode);
    HRESULT WriteFolder(ISRptFolder* pItem, SRptGenerationNode* pNode);
    HRESULT WriteGroupText(ISRptGrpText* pItem, SRptGenerationNode* pNode);
    HRESULT WriteTextFile(ISRptTextFile* pItem, SRptGenerationNode* pNode);
    // Pictures: a graphic file fitted to the page, a user graphic over one or several pages.
    HRESULT WriteGraphicFile(ISRptGraphicFile* pItem, SRptGenerationNode* pNode);
    HRESULT WriteUserGraphic(ISRptUserGraphic* pItem, SRptGenerationNode* pNode);
    // One picture group, fitted to the printable area of the item's template unless the picture
    // asks for its zoom.
    HRESULT WritePicture(IUnknown* pItem, SRptGraphic* pGraphic);
    // A list or a form as RTF rows: the title, then per row its definition and its cells.
    HRESULT WriteTable(ISRptTable* pTable, SRptGenerationNode* pNode);
    HRESULT WriteHeaderFooter(ISRptTemplate* pTemplate);
    HRESULT WriteTocField(ISRptTblCts* pToc, SRptGenerationNode* pNode);

    // Model lengths to twips: the page set-up and tab stops, and the paragraph properties.
    static int32_t ToTwips(int32_t nHundredthsMm);
    static int32_t ParaToTwips(int32_t nHundredthsMm);

    const SRptRtfFontNameTable& GetFontNameTable() const { return m_fontNames; }
    int16_t GetPrevBorder() const { return m_nPrevBorder; }
    void SetPrevBorder(int16_t nBorder) { m_nPrevBorder = nBorder; }
    void SetInTable(int32_t bInTable) { m_bInTable = bInTable; }

    // Replaces the first "{\fonttbl" group of what was written by `sTables`, moving what follows
    // when the replacement is longer and padding it with blanks when it is shorter. The group
    // must begin in the first 4096 bytes and be complete (it may end anywhere); otherwise the
    // output stays as it is and the answer is false.
    static bool PatchFontTable(SPatchableOutputStream& output, const SString& sTables);

protected:
    // Drops an output the run did not finish, so that the target keeps its previous contents.
    ~SRptRtfDevice() override;

    HRESULT BeginGeneration() override;
    HRESULT InitGeneration() override;
    HRESULT ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT FinishGeneration() override;
    HRESULT EndGeneration() override;
    bool IsItemSpecial(ISRptItem*) override { return false; }
    HRESULT FormatFieldText(int32_t nFieldNumber, SString* pText) override;
    int32_t GetDeviceKind() override { return RPTDEVICE_RTF; }
    HRESULT OnHeaderFooter(ISRptTemplate* pItem, RPTSCANINFO*) override { return WriteHeaderFooter(pItem); }

    HRESULT CollectFonts(ISRptItem* pItem, RPTSCANINFO* pInfo);
    HRESULT WriteDocument();
    HRESULT BeginDocument();
    HRESULT WriteFontTable();
    HRESULT WriteStyleSheet();
    HRESULT WriteSection(ISRptTemplate* pTemplate);
    HRESULT WritePageSetup(ISRptTemplate* pTemplate);
    // Puts the collected font and colour tables in the finished file's place of its own font
    // table, once merged texts brought tables of their own.
    HRESULT RewriteTables();

private:
    // Where a template's section stands to the report's title page: the report has none, the
    // section opens with it (the first template's), or it comes after it.
    enum class TitlePage { kNone, kOpens, kFollows };

    static TitlePage TitlePageOf(ISRptTemplate* pTemplate);
    void ResetFontNames();
    // The paragraph format at a position of an item's or report's paragraphs; a missing one is
    // thrown as E_POINTER, a failed look-up with its code.
    static SComWrap<ISRptPara> GetPara(IUnknown* pContainer, int32_t nPos);
    void WriteLine() { WriteRaw("\r\n"); }
    // Control words and numbers, which are ASCII: they go out as they stand.
    void WriteRaw(std::string_view sText);
    // The words of a paragraph's properties and tab stops, and of its character properties.
    std::string ParaFormatWords(ISRptPara* pPara);
    std::string CharFormatWords(ISRptPara* pPara);

    // "\fonttbl" entry's family word of a face, measured on the reference device context.
    SString FamilyWordOf(const SString& sFaceName);
    // The hidden "\tc" entry that the contents field collects, when the item takes part in the
    // contents at the node's level.
    void WriteContentsEntry(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode);
    // One paragraph of the protocol: properties, characters, the text, ends.
    void WriteParagraph(ISRptPara* pPara, const SString& sText, uint32_t nMode);
    // A text or a title: its paragraph with the contents entry before the characters.
    HRESULT WriteItemParagraph(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode);
    void WritePageBreak();
    // A graphic file's picture drawn, at `size`, into a new picture ready to be written.
    std::unique_ptr<SRptGraphic> RenderGraphicFile(SRptGraphic* pSource, SSize size);

    std::unique_ptr<SDC> m_refDC;
    SString m_fileName;
    std::unique_ptr<SOutputStringStream> m_output;
    SOutputFile* m_file = nullptr;  // the file under m_output, owned by it
    SRptRtfFontNameTable m_fontNames;
    SRtfFontTable m_fontTable;
    SRtfColorTable m_colorTable;
    int16_t m_nPrevBorder = 0;
    int32_t m_bInTable = 0;
    // Kept while one table is written: its cells share a few paragraph formats, so the words of
    // each are worked out once per table.
    bool m_tableMemo = false;
    std::unordered_map<ISRptPara*, std::string> m_paraWords;
    std::unordered_map<ISRptPara*, std::string> m_charWords;
    // Set when an RTF text was merged into the document; cleared per document.
    bool gRtfMerged = false;

    // Tests write the document into memory.
    friend class SRptRtfDeviceTestAccess;
};

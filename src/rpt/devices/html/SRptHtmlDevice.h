#pragma once
// The device that writes a report as a set of HTML pages in the folder of the file the user
// chose. The first pass only touches the templates, the second builds the generation tree, and
// the finish step walks the finished tree page by page: a page ends at a page break, before a
// template, around a list longer than one list page; last comes the contents page under the
// chosen name. Pages link each other by bare names (Previous, Home, Next), so the whole set
// belongs in one folder; every file is created there by full path. The pages, their pictures and
// the contents page are written as one set of files (SOutputFileSet), led by the contents page,
// that replaces the previous pages only once all of them are written and on disk. A set that
// would replace a page of another set (one whose Home button leads to another contents page), or
// one of whose names is a folder, is refused before anything is written. A file that cannot be
// written is named where it was to go, not where it waited for its place.
//
// The page loop runs twice: once dry, writing nothing, to learn the page on which every node is
// written, then for real, so that every link names the page the loop writes.
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/base/SString.h"
#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/html/SRptHtmlContentsEntry.h"
#include "rpt/devices/html/SRptHtmlEscaper.h"
#include "rpt/devices/html/SRptHtmlPageNames.h"
#include "varod9/ISRptPara.h"

class SDC;
class SOutputStringStream;
class SRptGraphicBitmap;
struct RPTHOTZONELINK;
struct ISRptTable;
class SRptOutputHelperTable;

// The codes of OutputParagraph; the bit RPTHTMLPARA_NOBOX forbids the paragraph's box.
inline constexpr uint32_t RPTHTMLPARA_BEGIN = 1;
inline constexpr uint32_t RPTHTMLPARA_END = 2;
inline constexpr uint32_t RPTHTMLPARA_BLANK = 4;
inline constexpr uint32_t RPTHTMLPARA_FONT_BEGIN = 8;
inline constexpr uint32_t RPTHTMLPARA_FONT_END = 16;
inline constexpr uint32_t RPTHTMLPARA_SPACE = 32;
inline constexpr uint32_t RPTHTMLPARA_NOBOX = 0x40;

class SRptHtmlDevice : public SRptDevice {
public:
    SRptHtmlDevice(ISRptReport* pReport, ISRptGenerationClient* pClient, const SString& sPath);

    // The save dialog for an HTML page set: 0 with the chosen path, 1 when cancelled (the path is
    // left alone), E_INVALIDARG for a null path.
    static HRESULT PromptFileName(SString* pPath, const SString& sInitialName);

    // The list settings' defaults, taken when a setting is missing, unreadable or below 1.
    static constexpr int32_t kDefaultRowsPerListPage = 50;
    static constexpr int32_t kDefaultListPagesPerGroup = 20;

    // Names of the pages on which nodes are written.
    SString GetPageName(SRptGenerationNode* pNode);
    SString GetPreviousPageName(SRptGenerationNode* pNode);
    SString GetNextPageName(SRptGenerationNode* pNode);
    SString GetListPageName(SRptGenerationNode* pNode, int32_t nListPage);
    // The number of the page on which the node is written; 0 for a node on no page.
    int32_t GetPageNumber(SRptGenerationNode* pNode);

    // Every write goes to the open page: E_INVALIDARG when none is open.
    HRESULT Write(const SString& sText, uint32_t nMask);
    HRESULT OutputParagraph(ISRptPara* pPara, uint32_t nCode);

    // The page frame.
    HRESULT WritePageHead();
    HRESULT WriteNavigationBar(const SString& sPrevious, const SString& sHome, const SString& sNext);
    HRESULT WritePageTail();
    HRESULT WriteContentsPage();
    // Opens the page of that bare name (in the chosen folder) as the current output.
    void OpenPage(const SString& sName);
    // Writes the navigation bar and the tail of the open page and closes it; S_FALSE when no
    // page is open.
    HRESULT ClosePage(SRptGenerationNode* pNode, SRptGenerationNode* pNext);

    // One node of the page loop through the writer of its item's kind.
    HRESULT WriteNode(SRptGenerationNode* pNode, SRptGenerationNode* pPrev, SRptGenerationNode* pNext);
    // The title of an item: with an anchor and a contents entry when the item is in the contents.
    HRESULT WriteItemTitle(ISRptItem* pItem, const SString& sText, SRptGenerationNode* pNode);
    HRESULT WriteText(ISRptText* pItem, SRptGenerationNode* pNode);
    HRESULT WriteTitle(ISRptTitle* pItem, SRptGenerationNode* pNode);
    HRESULT WriteTextFile(ISRptTextFile* pItem, SRptGenerationNode* pNode);
    HRESULT WriteGroupText(ISRptGrpText* pItem, SRptGenerationNode* pNode);
    HRESULT WriteGroupTitle(ISRptGrpTitle* pItem, SRptGenerationNode* pNode);
    HRESULT WriteFolder(ISRptFolder* pItem, SRptGenerationNode* pNode);
    // A table's title block and the rows of its node's grid: the heading rows, then `nCount` rows
    // from the data row `nFirst`.
    HRESULT WriteTable(ISRptTable* pTable, SRptGenerationNode* pNode, int32_t nFirst, int32_t nCount);
    // A form in one table.
    HRESULT WriteForm(ISRptForm* pItem, SRptGenerationNode* pNode);
    // A list in slices of the rows per list page: a list of one slice or less stays on the page;
    // a longer one puts each slice on a list page of its own, with a line of links to the others.
    HRESULT WriteList(ISRptList* pItem, SRptGenerationNode* pNode, SRptGenerationNode* pNext);
    // A graphic file: its path, its picture referred to where it lies, or both.
    HRESULT WriteGraphicFile(ISRptGraphicFile* pItem, SRptGenerationNode* pNode);
    // A user graphic played into tiles saved as JPEG files, each with an image map of the
    // module's zones that lead to the nodes they refer to.
    HRESULT WriteUserGraphic(ISRptUserGraphic* pItem, SRptGenerationNode* pNode);
    // One tile of a grid of `nRows` by `nColumns`: saved as the next picture file and written as
    // a cell of the grid's table, with `pZones` (in the tile's pixels) as its map.
    HRESULT WriteTile(ISRptUserGraphic* pItem, SRptGraphicBitmap* pPicture, int32_t nRows, int32_t nColumns,
                      int32_t nRow, int32_t nColumn, const std::vector<RPTHOTZONELINK>& zones, const SString* pAltText);

    const std::vector<SRptHtmlContentsEntry>& GetContentsEntries() const { return m_contents; }
    bool IsAnchored(SRptGenerationNode* pNode) const { return m_anchored.count(pNode) != 0; }
    void SetAnchored(SRptGenerationNode* pNode) { m_anchored.insert(pNode); }
    int32_t GetRowsPerListPage() const { return m_nRowsPerListPage; }
    int32_t GetListPagesPerGroup() const { return m_nListPagesPerGroup; }
    int32_t GetPictureCount() const { return m_nPictureCount; }
    bool IsPageOpen() const { return m_bPageOpen; }
    // While the loop only numbers the pages: writers that make files of their own skip them.
    bool IsNumberingPages() const { return m_bNumbering; }

protected:
    // Drops a page left open by a run that stopped: the page's target keeps what it held.
    ~SRptHtmlDevice() override;

    HRESULT BeginGeneration() override;
    HRESULT InitGeneration() override;
    HRESULT ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT EndFirstPass() override;
    HRESULT FinishGeneration() override;
    HRESULT EndGeneration() override;
    bool IsItemSpecial(ISRptItem* pItem) override;
    HRESULT OnHeaderFooter(ISRptTemplate*, RPTSCANINFO*) override { return S_OK; }
    HRESULT FormatFieldText(int32_t nFieldNumber, SString* pText) override;
    int32_t GetDeviceKind() override { return RPTDEVICE_HTML; }

    // Refuses, before anything is written, a set that cannot write one of its files: a name of
    // the set that is a folder in its folder, or a page of another set that it would replace
    // (sets whose contents pages share their first four letters name their pages alike). Throws
    // SEIOException naming the file (and that set's contents page).
    void RefuseUnwritablePages() const;
    // The three button images in the chosen folder.
    HRESULT WriteButtons();
    // The list settings from the user's settings, or the machine's, or the defaults.
    void ReadListSettings();
    // Numbers the pages (a dry run of the page loop), then writes them.
    HRESULT WriteAllPages();

private:
    // The page loop: writes every page, or, while numbering, only counts them.
    HRESULT RunPageLoop();
    void NumberPages();
    // Opens the page that `pNode` begins and writes its head.
    void StartPage(SRptGenerationNode* pNode);
    // Notes the page of a node the loop hands to the node writer.
    void NotePage(SRptGenerationNode* pNode);
    // Ends the open page's stream: kept when written whole, dropped while numbering.
    void EndPageStream();
    // Where the loop goes after `pNext`'s predecessor.
    SRptGenerationNode* NextLoopNode(SRptGenerationNode* pNext);
    // Whether the page loop opens a page for the node (content that the writers write), which
    // follows `pPrev`.
    bool OpensPage(SRptGenerationNode* pNode, SRptGenerationNode* pPrev);
    // Whether the node's item is a list longer than one list page.
    bool IsLongList(SRptGenerationNode* pNode);
    bool IsTemplateNode(SRptGenerationNode* pNode);
    bool IsNodeSpecial(SRptGenerationNode* pNode);
    HRESULT WriteTemplateNode(SRptGenerationNode* pNode, SRptGenerationNode* pPrev, SRptGenerationNode* pNext);
    HRESULT WriteParagraphStart(ISRptPara* pPara, bool bBox);
    HRESULT WriteParagraphEnd(ISRptPara* pPara, bool bBox);
    HRESULT WriteFontStart(ISRptPara* pPara);
    HRESULT WriteFontEnd(ISRptPara* pPara);
    // A paragraph block: the paragraph's start and font, the content, the font's and paragraph's end.
    template <class Content>
    HRESULT WriteBlock(ISRptPara* pPara, Content&& content);
    // A heading block of an item whose text comes from the node's output helper.
    HRESULT WriteHelperTitle(ISRptItem* pItem, SRptGenerationNode* pNode, bool bRepeat);
    // The border width in pixels of a paragraph's BorderWidth (hundredths of a millimetre).
    static int32_t BorderPixels(ISRptPara* pPara);
    // The paragraph at a position of an item's paragraphs; a failing look-up is thrown.
    static SComWrap<ISRptPara> ParaAt(IUnknown* pContainer, int32_t nPos);
    // One row of a table's grid, cell by cell.
    void WriteTableRow(SRptOutputHelperTable* pHelper, int32_t nRow);
    // The line of links between the slices of a paged list, on the page of slice `nSlice`.
    void WriteListNavigation(SRptGenerationNode* pNode, int32_t nSlice, int32_t nSlices, int32_t nGroupSize);
    // A link to a page of the set (its name percent-encoded) around a text escaped as text.
    SString Link(const SString& sPage, const SString& sText) const;

    std::unique_ptr<SDC> m_refDC;
    std::unique_ptr<SOutputStringStream> m_page;  // the current output while a page is open
    bool m_bPageOpen = false;
    int32_t m_nPictureCount = 0;
    int32_t m_nRowsPerListPage = kDefaultRowsPerListPage;
    int32_t m_nListPagesPerGroup = kDefaultListPagesPerGroup;
    SString m_path;
    SRptHtmlPageNames m_names;
    SString m_currentPageName;
    std::vector<SRptHtmlContentsEntry> m_contents;
    std::set<SRptGenerationNode*> m_anchored;
    std::map<SRptGenerationNode*, int32_t> m_pageNumbers;
    // The page loop's count of opened pages, and the nodes handed to the writers while no page
    // was open, which belong to the next page opened.
    int32_t m_nPagesOpened = 0;
    std::vector<SRptGenerationNode*> m_pendingNodes;
    bool m_bNumbering = false;
    bool m_bNumbered = false;

    friend class SRptHtmlDeviceTestAccess;
};

template <class Content>
inline HRESULT SRptHtmlDevice::WriteBlock(ISRptPara* pPara, Content&& content) {
    OutputParagraph(pPara, RPTHTMLPARA_BEGIN);
    OutputParagraph(pPara, RPTHTMLPARA_FONT_BEGIN);
    const HRESULT hr = content();
    OutputParagraph(pPara, RPTHTMLPARA_FONT_END);
    OutputParagraph(pPara, RPTHTMLPARA_END);
    return hr;
}

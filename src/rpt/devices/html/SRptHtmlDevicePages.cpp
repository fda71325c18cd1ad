// The HTML device's page loop: which node opens, fills and closes which page, the numbering of
// the pages by a dry run of the same loop, and the open page as the current output.
#include <utility>

#include "platform/base/SEIOException.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SOutputFileSet.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/helpers/SRptOutputHelperTable.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/tables/SRptListMem.h"

namespace {

// The class of a node's item, or null when the node has none.
SComWrap<ISRepObject> ObjectOf(SRptGenerationNode* pNode) {
    SComWrap<ISRepObject> object;
    if (pNode && pNode->GetItem()) object = pNode->GetItem();
    return object;
}

// Puts back what the dry run of the page loop changed in the device's collections, whatever
// way the run ends.
template <class T>
class SRestore {
public:
    explicit SRestore(T& value) : m_value(value), m_saved(std::move(value)) {}
    ~SRestore() { m_value = std::move(m_saved); }
    SRestore(const SRestore&) = delete;
    SRestore& operator=(const SRestore&) = delete;

private:
    T& m_value;
    T m_saved;
};

// Sends the files of the set to a staging folder for the life of the scope.
class SStagedNames {
public:
    SStagedNames(SRptHtmlPageNames& names, const SString& folder) : m_names(names) { names.SetWriteFolder(folder); }
    ~SStagedNames() { m_names.SetWriteFolder(SString()); }
    SStagedNames(const SStagedNames&) = delete;
    SStagedNames& operator=(const SStagedNames&) = delete;

private:
    SRptHtmlPageNames& m_names;
};

}  // namespace

HRESULT SRptHtmlDevice::Write(const SString& sText, uint32_t nMask) {
    if (!m_bPageOpen) return E_INVALIDARG;
    if (m_bNumbering || sText.IsEmpty()) return S_OK;
    m_page->WriteString(SRptHtmlEscaper::Escape(sText.view(), nMask));
    return S_OK;
}

void SRptHtmlDevice::OpenPage(const SString& sName) {
    EndPageStream();
    m_currentPageName = sName;
    if (!m_bNumbering) {
        auto file = std::make_unique<SOutputFile>(m_names.PathOf(sName), 1);
        m_page = std::make_unique<SOutputStringStream>(std::move(file));
    }
    m_bPageOpen = true;
}

void SRptHtmlDevice::EndPageStream() {
    if (m_page && m_bPageOpen) m_page->Close();
    m_page.reset();
    m_bPageOpen = false;
}

HRESULT SRptHtmlDevice::ClosePage(SRptGenerationNode* pNode, SRptGenerationNode* pNext) {
    if (!m_bPageOpen) return S_FALSE;
    SString next;
    if (pNext && (GetNextContentNode(pNode) || FindNextPageStart(pNode))) next = GetNextPageName(pNode);
    WriteNavigationBar(GetPreviousPageName(pNode), m_names.GetHomeName(), next);
    WritePageTail();
    EndPageStream();
    return S_OK;
}

int32_t SRptHtmlDevice::GetPageNumber(SRptGenerationNode* pNode) {
    if (!pNode) return 0;
    if (!m_bNumbered && !m_bNumbering) NumberPages();
    const auto found = m_pageNumbers.find(pNode);
    return found == m_pageNumbers.end() ? 0 : found->second;
}

void SRptHtmlDevice::NumberPages() {
    m_pageNumbers.clear();
    m_bNumbered = false;
    if (!GetGenerationTree()) return;
    // The dry run goes through every writer, so that whatever ends a page there ends it here;
    // what the writers collect on the way is the real run's to collect, and a page open now
    // stays open.
    SRestore<std::vector<SRptHtmlContentsEntry>> contents(m_contents);
    SRestore<std::set<SRptGenerationNode*>> anchored(m_anchored);
    SRestore<int32_t> pictures(m_nPictureCount);
    SRestore<SString> pageName(m_currentPageName);
    SRestore<bool> numbering(m_bNumbering);
    SRestore<bool> pageOpen(m_bPageOpen);
    SRestore<std::unique_ptr<SOutputStringStream>> page(m_page);
    m_contents.clear();
    m_anchored.clear();
    m_bNumbering = true;
    m_bPageOpen = false;
    try {
        RunPageLoop();
    } catch (...) {
        m_pageNumbers.clear();
        throw;
    }
    m_bNumbered = true;
}

HRESULT SRptHtmlDevice::WriteAllPages() {
    ReadListSettings();
    m_bNumbered = false;
    NumberPages();
    // The pages, their pictures and the contents page, which is the set's lead, are staged and
    // take their places together once all are written and on disk. A run stopped before that
    // leaves the previous set as it was; one stopped while they take their places leaves no page
    // that leads to a page of another run.
    SOutputFileSet pages(m_names.GetFolder(), m_names.GetHomeName());
    SStagedNames staged(m_names, pages.GetStagingFolder());
    try {
        HRESULT hr = RunPageLoop();
        if (hr >= 0) hr = WriteContentsPage();
        if (hr < 0) return hr;
        pages.Commit();
    } catch (const SEIOException&) {
        // A page that cannot be written is said of the folder where the user looks for it.
        pages.RethrowInFolder();
    }
    return S_OK;
}

HRESULT SRptHtmlDevice::RunPageLoop() {
    SRptGenerationTree* tree = GetGenerationTree();
    if (!tree) return S_OK;
    m_nPagesOpened = 0;
    m_pendingNodes.clear();
    SRptGenerationNode* root = tree->GetRoot();
    SRptGenerationNode* prev = nullptr;
    for (SRptGenerationNode* cur = root; cur;) {
        SRptGenerationNode* next = SRptGenerationTree::GetNextInTreeOrder(cur);
        const bool closeAfter = next && ((!next->GetItem() && prev != root) || IsLongList(next));
        if (cur != root) {
            if (!m_bPageOpen && OpensPage(cur, prev)) StartPage(cur);
            NotePage(cur);
            WriteNode(cur, prev, next);
            if (next && closeAfter && m_bPageOpen) ClosePage(cur, next);
        }
        prev = cur;
        cur = NextLoopNode(next);
    }
    if (m_bPageOpen) {
        WriteNavigationBar(GetPreviousPageName(prev), m_names.GetHomeName(), SString());
        WritePageTail();
        EndPageStream();
    }
    return S_OK;
}

void SRptHtmlDevice::StartPage(SRptGenerationNode*) {
    ++m_nPagesOpened;
    if (m_bNumbering) {
        for (SRptGenerationNode* waiting : m_pendingNodes) m_pageNumbers[waiting] = m_nPagesOpened;
        m_pendingNodes.clear();
    }
    OpenPage(m_names.PageName(m_nPagesOpened));
    WritePageHead();
}

void SRptHtmlDevice::NotePage(SRptGenerationNode* pNode) {
    if (!m_bNumbering) return;
    // A template begins the page that its content opens; a node met while no page is open
    // belongs to the next one.
    if (m_bPageOpen && !IsTemplateNode(pNode))
        m_pageNumbers[pNode] = m_nPagesOpened;
    else
        m_pendingNodes.push_back(pNode);
}

SRptGenerationNode* SRptHtmlDevice::NextLoopNode(SRptGenerationNode* pNext) {
    if (!pNext) return nullptr;
    // A template without content is passed over with everything up to the next page's start.
    if (IsTemplateNode(pNext) && IsPageEnd(pNext)) return FindNextPageStart(pNext);
    // A break made for a paragraph has closed the page already; a table of contents is never
    // page content.
    if (!pNext->GetItem() || IsNodeSpecial(pNext)) return SRptGenerationTree::GetNextInTreeOrder(pNext);
    return pNext;
}

bool SRptHtmlDevice::OpensPage(SRptGenerationNode* pNode, SRptGenerationNode* pPrev) {
    const SComWrap<ISRepObject> object = ObjectOf(pNode);
    if (!object || IsTemplateNode(pNode) || IsNodeSpecial(pNode)) return false;
    // A paged list has closed its last list page: a page break right after it has no page to end.
    return !(object->GetClassID() == CLSID_SRptPageBreak && IsLongList(pPrev));
}

bool SRptHtmlDevice::IsLongList(SRptGenerationNode* pNode) {
    const SComWrap<ISRepObject> object = ObjectOf(pNode);
    if (!object || object->GetClassID() != CLSID_SRptList) return false;
    const auto* helper = dynamic_cast<SRptOutputHelperTable*>(pNode->GetOutputHelper());
    return helper && helper->GetNbRows() > m_nRowsPerListPage;
}

bool SRptHtmlDevice::IsTemplateNode(SRptGenerationNode* pNode) {
    const SComWrap<ISRepObject> object = ObjectOf(pNode);
    return object && SRepIsKindOf(object.Get(), CLSID_SRptTemplate);
}

bool SRptHtmlDevice::IsNodeSpecial(SRptGenerationNode* pNode) {
    SComWrap<ISRptItem> item;
    if (pNode && pNode->GetItem()) item = pNode->GetItem();
    return item && IsItemSpecial(item.Get());
}

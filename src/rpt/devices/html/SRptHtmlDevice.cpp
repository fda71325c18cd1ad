#include "rpt/devices/html/SRptHtmlDevice.h"

#include <charconv>

#include "platform/base/SEIOException.h"
#include "platform/base/SFile.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SUserRegistry.h"
#include "platform/base/STime.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SJpegWriter.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/resources/SRptButtonBitmap.h"

namespace {

// The fields of header and footer texts.
constexpr int32_t kFieldDate = 1;
constexpr int32_t kFieldTime = 2;
constexpr int32_t kFieldPage = 3;

constexpr const char* kRowsPerListPageValue = "NbRowInHtmlList";
constexpr const char* kListPagesPerGroupValue = "NbSubPageInHtmlList";

// The text of a setting: the user's, else the machine's copied to the user, else the default.
SString ReadSetting(const char* name, const char* defaultText) {
    SString text;
    const SRegistry user(HKEY_CURRENT_USER, SUserRegistry::sApplicationGeneral, 0);
    if (user.GetProfile(name, &text, defaultText)) return text;
    if (!SUserRegistry::CopyHKLM(SUserRegistry::sApplicationGeneral, name)) return defaultText;
    const SRegistry copied(HKEY_CURRENT_USER, SUserRegistry::sApplicationGeneral, 0);
    copied.GetProfile(name, &text, defaultText);
    return text;
}

// A count setting: a whole decimal number of at least 1, else the default.
int32_t ReadCountSetting(const char* name, int32_t defaultValue) {
    const SString text = ReadSetting(name, SString::FromInt(defaultValue).c_str());
    std::string_view digits = text.view();
    while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t')) digits.remove_prefix(1);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < 1) return defaultValue;
    return value;
}

}  // namespace

SRptHtmlDevice::SRptHtmlDevice(ISRptReport* pReport, ISRptGenerationClient* pClient, const SString& sPath)
    : SRptDevice(pReport, pClient), m_path(sPath) {}

SRptHtmlDevice::~SRptHtmlDevice() {
    // Without the end step an open page is only released: its file is dropped.
    m_page.reset();
    m_refDC.reset();
}

HRESULT SRptHtmlDevice::PromptFileName(SString* pPath, const SString& sInitialName) {
    return PromptOutputFile(pPath, sInitialName, "htm", "HTML files (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*|");
}

HRESULT SRptHtmlDevice::BeginGeneration() {
    const HRESULT hr = SRptDevice::BeginGeneration();
    if (hr < 0) return hr;
    m_names.Init(m_path);
    RefuseUnwritablePages();
    m_currentPageName = m_path;
    // There is no printer to measure on here: the screen stands in for it.
    m_refDC = std::make_unique<SWindowDC>();
    return S_OK;
}

void SRptHtmlDevice::RefuseUnwritablePages() const {
    const SRptHtmlPageNames::SRefusedPage refused = m_names.FindRefusedPage();
    if (refused.page.IsEmpty()) return;
    const SString page = m_names.GetFolder() + refused.page;
    SString message;
    if (refused.folder)
        message.Format("'%s', a file of the page set, is a folder", page);
    else
        message.Format("the page set would replace '%s' of the page set of '%s': pages are named from the first four "
                       "letters of their contents page",
                       page, m_names.GetFolder() + refused.contentsPage);
    throw SEIOException(message, SEIOException::accessDenied, page);
}

HRESULT SRptHtmlDevice::InitGeneration() {
    return WriteButtons();
}

HRESULT SRptHtmlDevice::WriteButtons() {
    const struct {
        uint32_t id;
        const char* name;
    } buttons[] = {{IDB_RPT_BTNHOME, "btnhome"}, {IDB_RPT_BTNPREV, "btnprev"}, {IDB_RPT_BTNNEXT, "btnnext"}};
    for (const auto& button : buttons) {
        const std::vector<uint8_t> pixels = SRptButtonBitmap::Load(button.id);
        if (pixels.empty()) continue;
        SJpegWriter::SImage image;
        image.width = SRptButtonBitmap::kWidth;
        image.height = SRptButtonBitmap::kHeight;
        image.rgb = pixels.data();
        image.stride = static_cast<size_t>(image.width) * 3;
        // A button that cannot be written fails the run: every page refers to it.
        SJpegWriter::Write(SFile::MakeFilename(m_names.GetFolder(), button.name, "jpg"), image);
    }
    return S_OK;
}

HRESULT SRptHtmlDevice::ScanObject(ISRptItem*, RPTSCANINFO* pInfo) {
    if (pInfo) pInfo->action = RPTSCAN_SKIP_CHILDREN;
    return S_OK;
}

HRESULT SRptHtmlDevice::GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    return DispatchItem(pItem, pInfo);
}

HRESULT SRptHtmlDevice::EndFirstPass() {
    // No page is open yet: this writes nothing.
    WritePageHead();
    return S_OK;
}

HRESULT SRptHtmlDevice::FinishGeneration() {
    HRESULT hr = SRptDevice::FinishGeneration();
    if (hr < 0) return hr;
    if (SRptGenerationTree* tree = GetGenerationTree()) {
        hr = tree->ForEachHelper();
        if (hr < 0) return hr;
    }
    hr = WriteAllPages();
    return hr < 0 ? hr : S_OK;
}

HRESULT SRptHtmlDevice::EndGeneration() {
    m_refDC.reset();
    m_page.reset();
    m_bPageOpen = false;
    return SRptDevice::EndGeneration();
}

bool SRptHtmlDevice::IsItemSpecial(ISRptItem* pItem) {
    if (!pItem) return false;
    return pItem->GetClassID() == CLSID_SRptTblCts;
}

HRESULT SRptHtmlDevice::FormatFieldText(int32_t nFieldNumber, SString* pText) {
    if (!pText) return E_INVALIDARG;
    switch (nFieldNumber) {
        case kFieldDate: *pText = STime::GetShortDateString(STime::GetTickCount()); return S_OK;
        case kFieldTime: *pText = STime::GetTimeStr(); return S_OK;
        case kFieldPage: pText->Empty(); return S_OK;
        default: return S_FALSE;
    }
}

void SRptHtmlDevice::ReadListSettings() {
    m_nRowsPerListPage = ReadCountSetting(kRowsPerListPageValue, kDefaultRowsPerListPage);
    m_nListPagesPerGroup = ReadCountSetting(kListPagesPerGroupValue, kDefaultListPagesPerGroup);
}

SString SRptHtmlDevice::GetPageName(SRptGenerationNode* pNode) {
    return m_names.PageName(GetPageNumber(pNode));
}

SString SRptHtmlDevice::GetPreviousPageName(SRptGenerationNode* pNode) {
    return m_names.PreviousPageName(GetPageNumber(pNode));
}

SString SRptHtmlDevice::GetNextPageName(SRptGenerationNode* pNode) {
    return m_names.NextPageName(GetPageNumber(pNode));
}

SString SRptHtmlDevice::GetListPageName(SRptGenerationNode* pNode, int32_t nListPage) {
    return m_names.ListPageName(GetPageNumber(pNode), nListPage);
}

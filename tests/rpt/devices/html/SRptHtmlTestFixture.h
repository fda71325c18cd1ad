#pragma once
// A test of the HTML device acting as a host module would: the report fixture of the RTF device
// (a registered module, a report with its template, items placed from the available items), a
// second template when asked, and an HTML device over the report, writing to the test's folder.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/SOutputStringStream.h"
#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/STestModuleProcs.h"
#include "varod9/RptItemDef.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"
#include "varod9/RptParaFormat.h"

// Whether a written page holds a bit of mark-up, and how often.
inline bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

class SRptHtmlDeviceTestAccess {
public:
    // A page open in memory, as the writers find it in a run.
    static void OpenMemoryPage(SRptHtmlDevice* device, const SString& name = "Page1.htm") {
        device->m_page = std::make_unique<SOutputStringStream>();
        device->m_bPageOpen = true;
        device->m_currentPageName = name;
    }
    static std::string Written(SRptHtmlDevice* device) {
        device->m_page->Flush();
        return device->m_page->GetString().str();
    }
    static void Clear(SRptHtmlDevice* device) { device->m_page = std::make_unique<SOutputStringStream>(); }
    static HRESULT Begin(SRptHtmlDevice* device) { return device->BeginGeneration(); }
    static void ReadListSettings(SRptHtmlDevice* device) { device->ReadListSettings(); }
    static HRESULT FieldText(SRptHtmlDevice* device, int32_t field, SString* text) {
        return device->FormatFieldText(field, text);
    }
    static bool IsItemSpecial(SRptHtmlDevice* device, ISRptItem* item) { return device->IsItemSpecial(item); }
};

class SRptHtmlTest : public SRptRtfTest {
protected:
    void TearDown() override {
        if (html) html->Release();
        html = nullptr;
        SRptRtfTest::TearDown();
    }
    // A paragraph of the item made plain, in the face and height given.
    void PlainPara(IUnknown* container, int32_t position, int32_t height, int16_t style = 0) {
        SComWrap<ISRptPara> para = ParaOf(container, position);
        SRptMakePlainPara(para.Get());
        para->PutFontName("Arial");
        para->PutFontHeight(height);
        para->PutFontStyle(style);
    }
    SComWrap<ISRptTitle> Title(const char* text, bool inContents = true) {
        SComWrap<ISRptTitle> item = AddItem<ISRptTitle>("TITLE");
        item->PutText(text);
        item->PutTOCEntry(inContents);
        PlainPara(item.Get(), 0, 14, RPT_FONT_STYLE_BOLD);
        return item;
    }
    SComWrap<ISRptText> Text(const char* text) {
        SComWrap<ISRptText> item = AddItem<ISRptText>("TEXT");
        item->PutText(text);
        item->PutTOCEntry(false);
        PlainPara(item.Get(), 0, 10);
        return item;
    }
    // The report's own paragraph (the contents page's) made plain.
    void PlainReport() {
        report->PutHasFirstPage(false);
        PlainPara(report.Get(), 0, 12);
    }
    SRptHtmlDevice* NewDevice(const SString& path) {
        if (html) html->Release();
        html = new SRptHtmlDevice(report.Get(), nullptr, path);
        return html;
    }
    HRESULT Generate(const SString& path) {
        NewDevice(path);
        SComWrap<ISRptDevice> face;
        face = static_cast<ISRptDevice*>(html);
        return face->Generate();
    }
    std::string Read(const std::string& name) const { return STestTempFolder::ReadFile(folder.PathOf(name)); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder.path() / name); }

    SRptHtmlDevice* html = nullptr;
};

// A test whose template also holds the module's own items (lists, forms, user graphics), all
// answered by one scripted procedures object. Items are registered first; the report made next
// offers them.
class SRptHtmlModuleTest : public SRptHtmlTest {
protected:
    void SetUp() override {
        SRptHtmlTest::SetUp();
        procs.Reset(new STestModuleProcs);
    }
    void TearDown() override {
        registered.clear();
        procs.Clear();
        SRptHtmlTest::TearDown();
    }
    // Registers an item of the module answered by `procs`; `param` is handed back to the module
    // in every record, so that one answer can tell the items apart.
    SComWrap<ISRptItem> Register(const char* id, int32_t kind, int32_t param, const RPTTABLEROWDEF* rows = nullptr,
                                 int16_t rowCount = 0) {
        RPTUSRITEMDEF def = procs->Describe("Sales", id, kind, param);
        if (kind == RPT_ITEMKIND_USERGRAPHIC) {
            def.Size = RPTUSRITEMDEF_SIZE_USERGRAPHIC;
            def.UserGraphic = RPTUSERGRAPHICDEF{1, 1, 1, 100};
        } else {
            def.Table.NbRows = rowCount;
            def.Table.Rows = rows;
        }
        SComWrap<ISRptItem> item;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK);
        registered.push_back(item);
        return item;
    }
    // A new report of the module, which offers the items registered so far, on A4 paper with
    // margins of 10 mm: a printable area of 190 by 277 mm.
    void Renew() {
        reportTemplate.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        SComWrap<ISRepObject> reportObject;
        ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
        report = reportObject.Get();
        ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{1000, 1000, 1000, 1000});
        PlainReport();
    }
    // The list paging settings of the user.
    static void SetPaging(const char* rowsPerPage, const char* pagesPerGroup) {
        SRegistry key(HKEY_CURRENT_USER, SUserRegistry::sApplicationGeneral, 1);
        ASSERT_TRUE(key.WriteProfile("NbRowInHtmlList", SString(rowsPerPage)));
        ASSERT_TRUE(key.WriteProfile("NbSubPageInHtmlList", SString(pagesPerGroup)));
    }

    SComWrap<STestModuleProcs> procs;
    std::vector<SComWrap<ISRptItem>> registered;
};

// An enabled cell of a list (or of a form) of a width in hundredths of a millimetre.
inline RPTTABLECELLDEF SRptHtmlCell(const char* text, int32_t id, bool keyword = false, bool enabled = true,
                                    uint32_t size = RPTTABLECELLDEF_SIZE_LIST) {
    RPTTABLECELLDEF cell;
    cell.Size = size;
    cell.DefaultText = text;
    cell.CellID = id;
    cell.Width = 3000;
    cell.Keyword = keyword ? 1 : 0;
    cell.Enabled = enabled ? 1 : 0;
    return cell;
}

// An enabled row of cells.
template <size_t N>
RPTTABLEROWDEF SRptHtmlRow(const RPTTABLECELLDEF (&cells)[N], bool heading = false, bool enabled = true) {
    RPTTABLEROWDEF row;
    row.Enabled = enabled ? 1 : 0;
    row.HeadingRow = heading ? 1 : 0;
    row.SpBetweenCells = 100;
    row.NbCells = static_cast<int16_t>(N);
    row.Cells = cells;
    return row;
}

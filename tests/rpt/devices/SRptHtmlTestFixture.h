#pragma once
// A test of the HTML device acting as a host module would: the report fixture of the RTF device
// (a registered module, a report with its template, items placed from the available items), a
// second template when asked, and an HTML device over the report, writing to the test's folder.
#include <string>

#include "platform/base/SOutputStringStream.h"
#include "rpt/devices/SRptGenerationTree.h"
#include "rpt/devices/SRptHtmlDevice.h"
#include "rpt/devices/SRptRtfTestFixture.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"
#include "varod9/RptParaFormat.h"

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
        secondTemplate.Clear();
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
    // Items from now on go into a second template.
    void StartSecondTemplate() {
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &secondTemplate), S_OK);
        ASSERT_TRUE(secondTemplate);
        reportTemplate = secondTemplate;
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

    SRptHtmlDevice* html = nullptr;
    SComWrap<ISRptTemplate> secondTemplate;
};

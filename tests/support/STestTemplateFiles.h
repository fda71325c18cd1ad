#pragma once
// Template files for the tests of the shell module and its dialogs: the full report of
// STestTemplateReport.h saved in the templates folder's form, the first list cell of a report, and
// a fixture with a templates folder of the test's own and a scripted interaction.
#include <gtest/gtest.h>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepSession.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "support/STestTempFolder.h"
#include "support/STestTemplateReport.h"
#include "varod9/RptTableDef.h"

namespace stest_template_report {

// Saves a document as a template file of the current version; the report's first template is
// "First template" of module MOD, its second "Second template" of module OTHER.
inline void SaveReportFile(const SString& path, void (*prepare)(ISRepObject* report) = nullptr) {
    SComWrap<ISRepSession> document;
    ASSERT_EQ(SRepSession::Create("document", &document), S_OK);
    {
        SComWrap<ISRepObject> report = MakeFullReport(document.Get());
        if (prepare) prepare(report.Get());
        SComWrap<ISRptReport> typed;
        typed = static_cast<IUnknown*>(report.Get());
        EXPECT_EQ(GetRptGlobalsContainer()->GetTemplatesManager()->SaveTemplate(path, typed.Get()), S_OK);
    }
    document->Close();
}

// The first cell of the first row of the first template's list.
inline SComWrap<ISRepObject> FirstListCell(ISRepObject* report) {
    SComWrap<ISRepObject> cell;
    SComWrap<ISRepClassCol> templates, items, rows, cells;
    SComWrap<ISRepObject> first, row;
    report->GetCollection(kTemplates, &templates);
    if (!templates || FAILED(templates->Item(0, &first)) || !first) return cell;
    first->GetCollection(kItems, &items);
    int32_t count = 0;
    items->GetCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> item;
        items->Item(i, &item);
        if (!item || item->GetClassID() != Rpt(0xE4)) continue;
        item->GetCollection(kRows, &rows);
        if (rows && SUCCEEDED(rows->Item(0, &row)) && row) row->GetCollection(kCells, &cells);
        if (cells) cells->Item(0, &cell);
        break;
    }
    return cell;
}

// Registers with `module` (MOD) the list that the full report's first template holds, one cell
// showing the attribute 0x02001541 (an id of an older metamodel), so that templates keep it.
inline void RegisterListItem(ISRptModule* module) {
    RPTTABLECELLDEF cellDef;
    cellDef.Size = RPTTABLECELLDEF_SIZE_LIST;
    cellDef.DefaultText = "Name";
    cellDef.Enabled = 1;
    cellDef.CellID = 0x02001541;
    RPTTABLEROWDEF rowDef;
    rowDef.Enabled = 1;
    rowDef.NbCells = 1;
    rowDef.Cells = &cellDef;
    RPTUSRITEMDEF listDef;
    listDef.ModuleID = "MOD";
    listDef.ItemID = "LIST";
    listDef.Label = "";
    listDef.Kind = RPT_ITEMKIND_LIST;
    listDef.Table.NbRows = 1;
    listDef.Table.Rows = &rowDef;
    SComWrap<ISRptItem> list;
    ASSERT_EQ(RptRegisterItem(module, &listDef, &list), S_OK);
}

// The attribute id that the first list cell shows; -1 without one.
inline int32_t CellId(ISRepObject* report) {
    SComWrap<ISRepObject> cell = FirstListCell(report);
    SRepVariant value;
    if (!cell || FAILED(cell->GetAttribute(0x02006944, &value))) return -1;
    return value.GetInt();
}

}  // namespace stest_template_report

// A templates folder of the test's own in the settings, and a script that fails the test on a
// prompt it does not expect; the settings and the script are put back afterwards.
class STestTemplatesFolderFixture : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        SSettingsStore::Get().Clear();
        SInteraction::ClearTranscript();
        previousScript = SInteraction::SetScript(&script);
        SRegistry(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 1)
            .WriteProfile(RPT_TEMPLATES_PATH_VALUE, folder.GetPath());
    }
    void TearDown() override {
        SInteraction::SetScript(previousScript);
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        SSettingsStore::Get().Clear();
        SRptModuleTestFixture::TearDown();
    }
    // The message boxes' texts, in order.
    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const SPrompt& prompt : SInteraction::GetTranscript())
            if (prompt.kind == SPrompt::MessageBox) texts.push_back(prompt.text.str());
        return texts;
    }

    SScriptedInteraction script;
    SInteractionScript* previousScript = nullptr;
    STestTempFolder folder;
};

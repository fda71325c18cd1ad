#pragma once
// A test of the item kinds: the item fixture with a scripted interaction installed (a prompt that
// the test did not script fails it), freshly built report fonts over a clean settings store, and
// makers of kinds built from a description, free or inside a template of a report.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/base/SSettingsStore.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptItemDef.h"

// The editor's part as a recorder: what each call was given, and the module state current in it.
// Its browser nodes are tokens that nobody looks into; its text editor answers `editAnswer`,
// setting the text to `editedText` on OK.
struct STestItemEditor final : SRptItemEditor {
    SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind kind, ISBrowserView*, bool isTemplateEditor) override {
        nodeKind = kind;
        nodeInTemplateEditor = isTemplateEditor;
        return makeNoNode ? nullptr : reinterpret_cast<SRptBrowserNodeItem*>(&token);
    }
    void BindBrowserNode(SRptBrowserNodeItem* node, ISRepObject* item, uint32_t draggable, ISBrowserNode* parent,
                         ISBrowserNode*, int32_t dispid) override {
        bound = {node, item, draggable, parent, dispid};
    }
    void RunFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId) override {
        dialog = {objects.GetSize(), flag, dialogId};
        current = &SModuleState::GetCurrent();
    }
    void RunLevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag) override {
        RunFormatDialog(objects, flag, SRptDlgMultiPages::IDD_FORMAT_LEVELS);
    }
    int32_t RunTextEditDialog(ISRptItem* item, SRptTextEdit& edit) override {
        editedItem = item;
        seen = edit;
        current = &SModuleState::GetCurrent();
        if (editAnswer == IDOK) edit.text = editedText;
        return editAnswer;
    }

    int token = 0;
    bool makeNoNode = false;
    SRptBrowserNodeKind nodeKind{};
    bool nodeInTemplateEditor = false;
    struct {
        SRptBrowserNodeItem* node;
        ISRepObject* item;
        uint32_t draggable;
        ISBrowserNode* parent;
        int32_t dispid;
    } bound{};
    struct {
        int32_t objects;
        int32_t flag;
        uint32_t id;
    } dialog{0, -1, 0};
    ISRptItem* editedItem = nullptr;
    SRptTextEdit seen;
    int32_t editAnswer = IDCANCEL;
    SString editedText;
    SModuleState* current = nullptr;
};

// Installs an editor for a scope.
class STestItemEditorScope {
public:
    explicit STestItemEditorScope(SRptItemEditor* editor) : m_previous(SRptItemEditor::Install(editor)) {}
    ~STestItemEditorScope() { SRptItemEditor::Install(m_previous); }
    STestItemEditorScope(const STestItemEditorScope&) = delete;
    STestItemEditorScope& operator=(const STestItemEditorScope&) = delete;

private:
    SRptItemEditor* m_previous;
};

class SRptItemKindTestFixture : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SRptItemTestFixture::SetUp();
        SInteraction::ClearTranscript();
        scope.emplace(&script);
    }
    void TearDown() override {
        scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        reportTemplate.Clear();
        report.Clear();
        SRptItemTestFixture::TearDown();
        SSettingsStore::Get().Clear();
    }

    // A description as the available items give their built-in items.
    static RPTUSRITEMDEF Describe(const char* label = "Label", bool tocEntry = false) {
        RPTUSRITEMDEF def;
        def.ItemID = "ITEM";
        def.ModuleID = "MODULE";
        def.Label = label;
        def.TOCEntry = tocEntry ? 1 : 0;
        return def;
    }
    // A free item of a kind, built from a description.
    template <class I = ISRptItem>
    SComWrap<I> Build(const GUID& clsid, const char* label = "Label") {
        SComWrap<I> item = Make<I>(clsid);
        const RPTUSRITEMDEF def = Describe(label);
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        return item;
    }
    // An item of a kind built into a template of a report and marked as in the template.
    template <class I = ISRptItem>
    SComWrap<I> BuildInTemplate(const GUID& clsid, const char* label = "Label") {
        if (!reportTemplate) {
            report = Make<ISRptReport>(CLSID_SRptTestReport);
            reportTemplate = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        }
        SComWrap<I> item = MakeIn<I>(reportTemplate.Get(), clsid);
        const RPTUSRITEMDEF def = Describe(label);
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        reportTemplate->SetInTemplateRecursive(true);
        return item;
    }
    SRptTestReportImpl* Report() { return dynamic_cast<SRptTestReportImpl*>(Mem(report.Get())); }

    // The selection of an editor command on one item.
    static SComTable<ISRepObject> Selection(IUnknown* item) {
        SComWrap<ISRepObject> object;
        object.Assign(item);
        SComTable<ISRepObject> selection;
        selection.Add(object.Get());
        return selection;
    }
    // A scripted dialog answer: OK with control values, or Cancel.
    static SAnswer DialogOK(std::map<int32_t, SString> values = {}) {
        SAnswer answer;
        answer.button = IDOK;
        answer.controlValues = std::move(values);
        return answer;
    }
    static SAnswer DialogCancel() { return SAnswer(); }
    static const std::vector<SPrompt>& Transcript() { return SInteraction::GetTranscript(); }

    SScriptedInteraction script;
    std::optional<SInteractionScope> scope;
    SComWrap<ISRptReport> report;
    SComWrap<ISRptTemplate> reportTemplate;
};

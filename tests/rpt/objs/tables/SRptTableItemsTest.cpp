// Forms and lists as items of the editor: their paragraphs, commands and browser nodes, and the
// attribute answers of the table classes.
#include <gtest/gtest.h>

#include <vector>

#include "rpt/dialogs/SRptDlgFormLayout.h"
#include "rpt/dialogs/SRptDlgListLayout.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "rpt/objs/tables/STableDescription.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/RptParaFormat.h"

namespace {

// A module's list procedures that offer the display commands as the test says.
class STestListProcs final : public STestRefCounted<ISRptListProcs> {
public:
    int32_t IsCommandSupported(uint32_t nID) override {
        asked.push_back(nID);
        return answer;
    }
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Process(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }

    int32_t answer = 0;
    std::vector<uint32_t> asked;
};

// An editor whose layout grid records what it was given.
struct SLayoutEditor final : SRptItemEditor {
    SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind, ISBrowserView*, bool) override { return nullptr; }
    void BindBrowserNode(SRptBrowserNodeItem*, ISRepObject*, uint32_t, ISBrowserNode*, ISBrowserNode*,
                         int32_t) override {}
    void RunFormatDialog(const SComTable<ISRepObject>&, int32_t, uint32_t) override {}
    void RunLevelFormatDialog(const SComTable<ISRepObject>&, int32_t) override {}
    int32_t RunTextEditDialog(ISRptItem*, SRptTextEdit&) override { return IDCANCEL; }
    void RunLayoutDialog(ISRepSession* givenSession, ISRptTable* givenTable, uint32_t givenId) override {
        session = givenSession;
        table = givenTable;
        dialogId = givenId;
        current = &SModuleState::GetCurrent();
    }

    ISRepSession* session = nullptr;
    ISRptTable* table = nullptr;
    uint32_t dialogId = 0;
    SModuleState* current = nullptr;
};

class SRptTableItems : public SRptItemKindTestFixture {
protected:
    // A form or a list of one row of two cells, free.
    template <class I>
    SComWrap<I> BuildTable(const GUID& clsid) {
        STableDescription description(clsid == CLSID_SRptForm ? RPT_ITEMKIND_FORM : RPT_ITEMKIND_LIST);
        description.AddRow();
        description.AddCell(1, "Id", true);
        description.AddCell(2, "Name");
        SComWrap<I> table = Make<I>(clsid);
        EXPECT_EQ(table->ConstructWithItemDef(&description.Def()), S_OK);
        return table;
    }
    // The same in a template of a report that knows the title of the table's path.
    template <class I>
    SComWrap<I> BuildTableInReport(const GUID& clsid) {
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        Report()->titles["\\Titles\\Objects"] = "Objects of the model";
        reportTemplate = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        STableDescription description(clsid == CLSID_SRptForm ? RPT_ITEMKIND_FORM : RPT_ITEMKIND_LIST);
        description.item.ResPath = "\\Titles\\Objects";
        description.AddRow();
        SComWrap<I> table = MakeIn<I>(reportTemplate.Get(), clsid);
        EXPECT_EQ(table->ConstructWithItemDef(&description.Def()), S_OK);
        reportTemplate->SetInTemplateRecursive(true);
        return table;
    }
    static SComWrap<ISRptPara> ParaAt(ISRptParaContainer* item, int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(item->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    static SComWrap<ISRptPara> AddParagraph(ISRptParaContainer* item) {
        SComWrap<ISRptPara> added;
        EXPECT_EQ(item->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&added), ISRptPara::iid,
                                     RPTPARACONTAINER_PARAGRAPHS, -1, true),
                  S_OK);
        return added;
    }
    // The paragraphs of a table: their names, font kinds and stock fonts, and the box rule.
    static void ExpectParagraphs(ISRptParaContainer* table, const char* const (&names)[3], const int32_t (&fonts)[3],
                                 const HRESULT (&box)[4]) {
        const GUID classes[] = {CLSID_SRptParaTitle, CLSID_SRptParaTitle, CLSID_SRptParaItem};
        for (int32_t position = 0; position < 3; ++position) {
            SCOPED_TRACE(position);
            SComWrap<ISRptPara> para = ParaAt(table, position);
            ASSERT_TRUE(para);
            EXPECT_EQ(para->GetClassID(), classes[position]);
            EXPECT_EQ(table->GetParaName(para.Get()), names[position]);
            EXPECT_EQ(para->GetParaName(), names[position]);
            EXPECT_EQ(table->GetParaFontID(para.Get()), fonts[position]);
            EXPECT_EQ(para->GetFontName(), SRptFont::GetDefaultFontName(fonts[position]));
            EXPECT_EQ(para->GetFontHeight(), SRptFont::GetDefaultFontHeight(fonts[position]));
        }
        // A paragraph added later is the container's.
        SComWrap<ISRptPara> added = AddParagraph(table);
        EXPECT_EQ(table->GetParaName(added.Get()), "Text Paragraph 3");
        EXPECT_EQ(table->GetParaFontID(added.Get()), -1);
        for (int32_t position = 0; position < 4; ++position)
            EXPECT_EQ(table->IsParaSupportBox(position), box[position]) << position;
    }
};

}  // namespace

// ---- paragraphs ----

TEST_F(SRptTableItems, AFormHasACardTitleLabelsAndTextsEachKeptWithTheNext) {
    SComWrap<ISRptForm> form = BuildTable<ISRptForm>(CLSID_SRptForm);
    ExpectParagraphs(form.Get(), {"Card Title", "Card Label", "Card Text"}, {21, 22, 23},
                     {S_FALSE, S_OK, S_FALSE, S_FALSE});
    SComWrap<ISRptPara> title = ParaAt(form.Get(), 0);
    EXPECT_EQ(title->GetFlow(), RPT_PARA_FLOW_KEEPNEXT);
    EXPECT_FALSE(title->GetInTable());
    for (int32_t position : {1, 2}) {
        SCOPED_TRACE(position);
        SComWrap<ISRptPara> cells = ParaAt(form.Get(), position);
        EXPECT_EQ(cells->GetFlow(), RPT_PARA_FLOW_KEEPNEXT);
        EXPECT_TRUE(cells->GetInTable());
        EXPECT_EQ(cells->GetBorder(), RPT_PARA_BORDER_LEFT);
        EXPECT_TRUE(cells->GetBox());
    }
}

TEST_F(SRptTableItems, AListHasATitleCentredColumnHeadersAndTexts) {
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList);
    ExpectParagraphs(list.Get(), {"List Title", "List Column Header", "List Text"}, {16, 17, 18},
                     {S_FALSE, S_OK, S_OK, S_OK});
    SComWrap<ISRptPara> title = ParaAt(list.Get(), 0);
    EXPECT_EQ(title->GetBorder(), 0);
    EXPECT_FALSE(title->GetBox());
    EXPECT_FALSE(title->GetInTable());
    EXPECT_EQ(ParaAt(list.Get(), 1)->GetAlignment(), RPT_PARA_ALIGN_CENTER);
    for (int32_t position : {1, 2}) {
        SCOPED_TRACE(position);
        SComWrap<ISRptPara> cells = ParaAt(list.Get(), position);
        EXPECT_TRUE(cells->GetInTable());
        EXPECT_EQ(cells->GetBorder(), RPT_PARA_BORDER_LEFT);
        EXPECT_TRUE(cells->GetBox());
    }
}

// ---- commands and browser nodes ----

TEST_F(SRptTableItems, FormatLayoutAndEditAreTheCommandsOfBoth) {
    for (const GUID& clsid : {CLSID_SRptForm, CLSID_SRptList}) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptTable> table = BuildTable<ISRptTable>(clsid);
        for (uint32_t id : {ID_RPT_ITEM_FORMAT, ID_RPT_ITEM_LAYOUT, ID_RPT_ITEM_EDIT})
            EXPECT_EQ(table->IsItemSupportCommand(id), S_OK) << id;
        for (uint32_t id : {45009u, 45010u, ID_RPT_DISPLAY_PATH})
            EXPECT_EQ(table->IsItemSupportCommand(id), S_FALSE) << id;
        // Nothing opens for a command that is not its own.
        EXPECT_EQ(table->HandlePopupCommand(45009, Selection(table.Get()), nullptr), S_FALSE);
        EXPECT_EQ(table->HandlePopupCommand(45010, Selection(table.Get()), nullptr), S_FALSE);
    }
    EXPECT_EQ(BuildTable<ISRptTable>(CLSID_SRptForm)->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_FALSE);
    EXPECT_TRUE(Transcript().empty());
}

TEST_F(SRptTableItems, FormatOpensTheSheetWithTheParagraphListAndLayoutTheKindsGrid) {
    SComWrap<ISRptTable> form = BuildTable<ISRptTable>(CLSID_SRptForm);
    SComWrap<ISRptTable> list = BuildTable<ISRptTable>(CLSID_SRptList);
    script.Expect(SPrompt::Dialog, "213", DialogCancel())
        .Expect(SPrompt::Dialog, "236", DialogOK())
        .Expect(SPrompt::Dialog, "235", DialogCancel());
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_EQ(Transcript().back().caption, "Format");
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_EQ(Transcript().back().caption, "Card Layout");
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(list.Get()), nullptr), S_OK);
    EXPECT_EQ(Transcript().back().caption, "List Layout");

    // The editor's grid is given the table's session and the table, with the library current.
    SLayoutEditor editor;
    STestItemEditorScope installed(&editor);
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(list.Get()), nullptr), S_OK);
    EXPECT_EQ(editor.dialogId, SRptDlgListLayout::IDD);
    EXPECT_TRUE(Same(editor.table, list.Get()));
    EXPECT_EQ(editor.session, session.Get());
    EXPECT_EQ(editor.current, SRptGetModuleState());
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_EQ(editor.dialogId, SRptDlgFormLayout::IDD);
    EXPECT_TRUE(Same(editor.table, form.Get()));
}

TEST_F(SRptTableItems, EditChoosesBetweenTheDefaultTitleAndTheUsersOwnWithFieldsToInsert) {
    STestItemEditor editor;
    STestItemEditorScope installed(&editor);
    SComWrap<ISRptTable> form = BuildTableInReport<ISRptTable>(CLSID_SRptForm);
    EXPECT_EQ(form->GetDispTitle(), "Objects of the model");

    // The editor starts from the title shown, with the default to choose instead and the fields
    // to insert. Cancelled, nothing changes.
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_TRUE(Same(editor.editedItem, form.Get()));
    EXPECT_EQ(editor.seen.text, "Objects of the model");
    EXPECT_EQ(editor.seen.defaultText, "Objects of the model");
    EXPECT_EQ(editor.seen.enableInsert, 1);
    EXPECT_EQ(editor.seen.enableUserDefined, 1);
    EXPECT_EQ(editor.seen.userDefined, 0);
    EXPECT_EQ(editor.current, SRptGetModuleState());
    EXPECT_EQ(form->GetTitle(), "Objects");
    EXPECT_FALSE(form->GetUserDefined());

    // Confirmed: the text and the user's choice are put.
    editor.editAnswer = IDOK;
    editor.editedText = "My objects";
    form->PutUserDefined(true);
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_EQ(editor.seen.text, "Objects");
    EXPECT_EQ(editor.seen.userDefined, 1);
    EXPECT_EQ(form->GetTitle(), "My objects");
    EXPECT_TRUE(form->GetUserDefined());
}

TEST_F(SRptTableItems, AListShowsAllOrOnlyModifiedObjectsWhenItsModuleOffersIt) {
    SComWrap<ISRptList> list = BuildTable<ISRptList>(CLSID_SRptList);
    // No procedures, or procedures that are no list's: not offered.
    EXPECT_EQ(list->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_FALSE);
    SComWrap<STestUserProcs> userProcs(new STestUserProcs);
    list->SetUserProcs(userProcs.Get());
    EXPECT_EQ(list->IsItemSupportCommand(ID_RPT_DISPLAY_MODIFIED), S_FALSE);

    SComWrap<STestListProcs> procs(new STestListProcs);
    list->SetUserProcs(procs.Get());
    EXPECT_EQ(list->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_FALSE);
    procs->answer = 1;
    EXPECT_EQ(list->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_OK);
    EXPECT_EQ(list->IsItemSupportCommand(ID_RPT_DISPLAY_MODIFIED), S_OK);
    EXPECT_EQ(list->IsItemSupportCommand(45009), S_FALSE);
    EXPECT_EQ(procs->asked, (std::vector<uint32_t>{ID_RPT_DISPLAY_ALL, ID_RPT_DISPLAY_ALL, ID_RPT_DISPLAY_MODIFIED}));

    // The commands set DisplayFlag and open nothing.
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_DISPLAY_MODIFIED, Selection(list.Get()), nullptr), S_OK);
    EXPECT_EQ(list->GetDisplayFlag(), RPTLIST_DISPLAY_MODIFIED);
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_DISPLAY_ALL, Selection(list.Get()), nullptr), S_OK);
    EXPECT_EQ(list->GetDisplayFlag(), RPTLIST_DISPLAY_ALL);
    EXPECT_TRUE(Transcript().empty());
    list->SetUserProcs(nullptr);
}

TEST_F(SRptTableItems, EachMakesTheBrowserNodeOfItsKind) {
    SComWrap<ISRptTable> form = BuildTable<ISRptTable>(CLSID_SRptForm);
    SComWrap<ISRptTable> list = BuildTable<ISRptTable>(CLSID_SRptList);
    SRptBrowserNodeItem* node = nullptr;
    EXPECT_EQ(form->CreateBrowserNode(nullptr, 1, nullptr, nullptr, 0, true, &node), E_FAIL) << "nowhere to go";
    EXPECT_EQ(node, nullptr);

    STestItemEditor editor;
    STestItemEditorScope installed(&editor);
    EXPECT_EQ(form->CreateBrowserNode(nullptr, 1, nullptr, nullptr, 0x0100000B, true, &node), S_OK);
    EXPECT_EQ(editor.nodeKind, SRptBrowserNodeKind::Form);
    EXPECT_TRUE(editor.nodeInTemplateEditor);
    EXPECT_EQ(editor.bound.node, node);
    EXPECT_TRUE(Same(editor.bound.item, form.Get()));
    EXPECT_EQ(editor.bound.draggable, 2u);
    EXPECT_EQ(editor.bound.dispid, 0x0100000B);
    EXPECT_EQ(list->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 0, false, &node), S_OK);
    EXPECT_EQ(editor.nodeKind, SRptBrowserNodeKind::List);
    EXPECT_FALSE(editor.nodeInTemplateEditor);
    EXPECT_EQ(list->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 0, false, nullptr), E_POINTER);
}

// ---- attributes ----

TEST_F(SRptTableItems, TheTableClassesAnswerTheirAttributesAsDocumented) {
    const GUID classes[] = {CLSID_SRptForm,     CLSID_SRptList,      CLSID_SRptTableRow, CLSID_SRptFormRow,
                            CLSID_SRptListRow,  CLSID_SRptTableCell, CLSID_SRptFormCell, CLSID_SRptListCell};
    for (const GUID& clsid : classes) {
        SComWrap<ISRepObject> object = Make<ISRepObject>(clsid);
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get())) << GUIDToString(clsid);
    }
    const struct {
        GUID clsid;
        int32_t id;
        uint32_t type;
        uint32_t flags;
    } documented[] = {
        {CLSID_SRptTableRow, RPTTABLEROW_ENABLED, SREP_VT_BOOL, 8},
        {CLSID_SRptListRow, RPTTABLEROW_HEIGHTTYPE, SREP_VT_SHORT, 0},
        {CLSID_SRptFormRow, RPTTABLEROW_HEIGHT, SREP_VT_INT, 0},
        {CLSID_SRptFormRow, RPTFORMROW_DISPNAME, SREP_VT_CHAR254, 0x421},
        {CLSID_SRptFormRow, RPTFORMROW_ROWFIELDS, SREP_VT_TEXT, 0x409},
        {CLSID_SRptTableCell, RPTTABLECELL_WIDTH, SREP_VT_SHORT, 8},
        {CLSID_SRptFormCell, RPTTABLECELL_KEYWORD, SREP_VT_BOOL, 0},
        {CLSID_SRptFormCell, RPTTABLECELL_TEXTFROMRES, SREP_VT_TEXT, 8},
        {CLSID_SRptListCell, RPTTABLECELL_ENABLED, SREP_VT_BOOL, 8},
        {CLSID_SRptTableCell, RPTTABLECELL_DISPNAME, SREP_VT_CHAR254, 0x429},
        {CLSID_SRptListCell, RPTTABLECELL_RESPATH, SREP_VT_TEXT, 0x420},
        {CLSID_SRptListCell, RPTLISTCELL_SORTABLE, SREP_VT_BOOL, 0},
        {CLSID_SRptListCell, RPTLISTCELL_SORTED, SREP_VT_BOOL, 8},
        {CLSID_SRptList, RPTLIST_SORTED, SREP_VT_BOOL, 8},
        {CLSID_SRptForm, -1, 0, 0},
    };
    for (const auto& [clsid, id, type, flags] : documented) {
        SComWrap<ISRepObject> object = Make<ISRepObject>(clsid);
        EXPECT_EQ(object->GetAttributeType(id), type) << GUIDToString(clsid) << std::hex << " 0x" << id;
        EXPECT_EQ(object->GetAttributeFlags(id), flags) << GUIDToString(clsid) << std::hex << " 0x" << id;
    }
}

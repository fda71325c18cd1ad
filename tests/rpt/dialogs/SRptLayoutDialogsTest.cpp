// The list and card layout dialogs: the grid's lines and columns, edits kept by OK and dropped by
// Cancel, the opening by the items' Layout command, and what they do with nothing to lay out.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepClassColPtr.h"
#include "platform/ui/SHelp.h"
#include "rpt/dialogs/SRptDlgFormLayout.h"
#include "rpt/dialogs/SRptDlgListLayout.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/STableDescription.h"
#include "support/SRptItemKindTestFixture.h"
#include "varod9/ISRptFormRow.h"
#include "varod9/ISRptListCell.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"

namespace {

// What a grid showed: its column titles and each line's cell texts.
struct SGridView {
    std::vector<SString> titles;
    std::vector<std::vector<SString>> lines;
    int32_t horzBeam = -1;
    uint32_t helpContext = 0;

    static SGridView Of(SRepGridCtrl* grid) {
        SGridView view;
        SLibGridWnd* wnd = grid ? grid->GetGridWnd() : nullptr;
        if (!wnd) return view;
        for (int32_t column = 0; column < wnd->GetColumnCount(); ++column) view.titles.push_back(wnd->GetColumnTitle(column));
        for (int32_t line = 0; line < wnd->GetLineCount(); ++line) {
            std::vector<SString>& cells = view.lines.emplace_back();
            for (int32_t column = 0; column < wnd->GetColumnCount(); ++column) cells.push_back(wnd->GetCellText(line, column));
        }
        view.horzBeam = wnd->GetHorzBeam();
        if (SWnd* dialog = wnd->GetParent()) view.helpContext = dialog->GetHelpContext();
        return view;
    }
};

// A layout dialog that notes what its grid showed when it opened and when OK or Cancel was pressed.
template <class Dialog, class Table>
class SWatchedLayout : public Dialog {
public:
    SWatchedLayout(ISRepSession* session, Table* table) : Dialog(session, table) {}
    SGridView opened;
    SGridView closing;

protected:
    int32_t OnInitDialog() override {
        const int32_t result = Dialog::OnInitDialog();
        opened = SGridView::Of(this->GetGrid());
        return result;
    }
    void OnOK() override {
        closing = SGridView::Of(this->GetGrid());
        Dialog::OnOK();
    }
    void OnCancel() override {
        closing = SGridView::Of(this->GetGrid());
        Dialog::OnCancel();
    }
};
using SWatchedListLayout = SWatchedLayout<SRptDlgListLayout, ISRptList>;
using SWatchedFormLayout = SWatchedLayout<SRptDlgFormLayout, ISRptForm>;

class SRptLayoutDialogs : public SRptItemKindTestFixture {
protected:
    void TearDown() override {
        SHelp::ClearCalls();
        SRptItemKindTestFixture::TearDown();
    }

    // A list of two rows; the first has the columns Id (25 mm, enabled) and Name (30 %, disabled).
    SComWrap<ISRptList> BuildList() {
        STableDescription description(RPT_ITEMKIND_LIST);
        description.AddRow();
        description.AddCell(1, "Id").Width = 2500;
        RPTTABLECELLDEF& name = description.AddCell(2, "Name");
        name.Width = -30;
        name.Enabled = 0;
        description.AddRow();
        description.AddCell(3, "Second row");
        SComWrap<ISRptList> list = Make<ISRptList>(CLSID_SRptList);
        EXPECT_EQ(list->ConstructWithItemDef(&description.Def()), S_OK);
        return list;
    }
    // A form of two rows, each a keyword cell and a text cell: "Name" and "Owner".
    SComWrap<ISRptForm> BuildForm() {
        STableDescription description(RPT_ITEMKIND_FORM);
        description.AddRow();
        description.AddCell(1, "Key", true);
        description.AddCell(2, "Name");
        description.AddRow();
        description.AddCell(3, "Key", true);
        description.AddCell(4, "Owner");
        SComWrap<ISRptForm> form = Make<ISRptForm>(CLSID_SRptForm);
        EXPECT_EQ(form->ConstructWithItemDef(&description.Def()), S_OK);
        return form;
    }

    static SComWrap<ISRepObject> At(ISRepObject* owner, int32_t collectionId, int32_t position) {
        return SRepClassColPtr(owner, collectionId).Item(position);
    }
    static SComWrap<ISRepObject> Column(ISRptList* list, int32_t position) {
        return At(At(list, RPTTABLE_ROWS, 0).Get(), RPTTABLEROW_CELLS, position);
    }
    static SRepVariant Value(ISRepObject* object, int32_t id) {
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(id, &value), S_OK);
        return value;
    }
    static void SetBool(ISRepObject* object, int32_t id, bool on) {
        SRepVariant value;
        value.SetBool(on);
        ASSERT_GE(object->SetAttribute(id, value), 0);
    }
    static SAnswer EditGrid(int32_t grid, const char* edits, int32_t button = IDOK) {
        SAnswer answer;
        answer.button = button;
        answer.controlValues[grid] = edits;
        return answer;
    }
    static SString GridPreference(const char* dialogClass) {
        SRegistry registry(HKEY_CURRENT_USER,
                           SString(SUserRegistry::sApplicationRoot) + "DialogPreferences\\" + dialogClass + "\\Grid", 0);
        SString value;
        registry.GetProfile("Column0", &value, SString());
        return value;
    }
};

TEST_F(SRptLayoutDialogs, ListLayoutShowsTheFirstRowsColumnsWithNameWidthEnabledAndSorted) {
    SComWrap<ISRptList> list = BuildList();
    SetBool(Column(list.Get(), 0).Get(), RPTLISTCELL_SORTED, true);
    script.ExpectDialog(235, IDCANCEL);
    SWatchedListLayout dialog(session.Get(), list.Get());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    EXPECT_EQ(Transcript().back().caption, "List Layout");
    EXPECT_EQ(dialog.opened.titles, (std::vector<SString>{"Name", "Width", "Enabled", "Sorted"}));
    // One line a cell of the first row only; the second row's cell is not listed.
    ASSERT_EQ(dialog.opened.lines.size(), 2u);
    EXPECT_EQ(dialog.opened.lines[0], (std::vector<SString>{"Id", "25 mm", "1", "1"}));
    EXPECT_EQ(dialog.opened.lines[1], (std::vector<SString>{"Name", "30 %", "0", "0"}));
    EXPECT_EQ(dialog.opened.horzBeam, 0);
    // Cells can be neither added nor removed, and the dialog was opened and set up in full.
    EXPECT_EQ(dialog.GetControler().GetAllowAdd(), 0);
    EXPECT_EQ(dialog.GetControler().GetAllowRemove(), 0);
    EXPECT_EQ(dialog.GetControler().GetCollectionId(), RPTTABLEROW_CELLS);
    EXPECT_EQ(dialog.IsInitialised(), 1);
    EXPECT_EQ(dialog.opened.helpContext, 10022u);
    EXPECT_EQ(dialog.GetInitFailure(), S_OK);
}

TEST_F(SRptLayoutDialogs, ListLayoutOkKeepsTheEditedCellsAndCancelDropsThem) {
    SComWrap<ISRptList> list = BuildList();
    const char* edits = "0:Width=12.7 mm\n1:Width=40 %\n1:Enabled=1\n1:Sorted=1";
    script.Expect(SPrompt::Dialog, "235", EditGrid(1137, edits, IDCANCEL))
        .Expect(SPrompt::Dialog, "235", EditGrid(1137, edits, IDOK));

    SWatchedListLayout cancelled(session.Get(), list.Get());
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    // The grid showed the edits while the dialog was open ...
    ASSERT_EQ(cancelled.closing.lines.size(), 2u);
    ASSERT_EQ(cancelled.closing.lines[0].size(), 4u);
    EXPECT_EQ(cancelled.closing.lines[0][1], "12 mm");
    EXPECT_EQ(cancelled.closing.lines[1], (std::vector<SString>{"Name", "40 %", "1", "1"}));
    // ... and Cancel put every cell back.
    EXPECT_EQ(Value(Column(list.Get(), 0).Get(), RPTTABLECELL_WIDTH).GetShort(), 2500);
    EXPECT_EQ(Value(Column(list.Get(), 1).Get(), RPTTABLECELL_WIDTH).GetShort(), -30);
    EXPECT_FALSE(Value(Column(list.Get(), 1).Get(), RPTTABLECELL_ENABLED).GetBool());
    EXPECT_FALSE(Value(Column(list.Get(), 1).Get(), RPTLISTCELL_SORTED).GetBool());
    // Both ways close by storing the grid's preferences.
    EXPECT_EQ(GridPreference("SRptDlgListLayout"), "100");

    SWatchedListLayout confirmed(session.Get(), list.Get());
    EXPECT_EQ(confirmed.DoModal(), IDOK);
    EXPECT_EQ(Value(Column(list.Get(), 0).Get(), RPTTABLECELL_WIDTH).GetShort(), 1200);
    EXPECT_EQ(Value(Column(list.Get(), 1).Get(), RPTTABLECELL_WIDTH).GetShort(), -40);
    EXPECT_TRUE(Value(Column(list.Get(), 1).Get(), RPTTABLECELL_ENABLED).GetBool());
    EXPECT_TRUE(Value(Column(list.Get(), 1).Get(), RPTLISTCELL_SORTED).GetBool());
}

TEST_F(SRptLayoutDialogs, TheComputedNameCannotBeTypedIn) {
    SComWrap<ISRptList> list = BuildList();
    script.Expect(SPrompt::Dialog, "235", EditGrid(1137, "0:Name=Other\n5:Width=1\n0:Nothing=1"));
    SWatchedListLayout dialog(session.Get(), list.Get());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_FALSE(dialog.closing.lines.empty());
    ASSERT_FALSE(dialog.closing.lines[0].empty());
    EXPECT_EQ(dialog.closing.lines[0][0], "Id");
    EXPECT_EQ(Value(Column(list.Get(), 0).Get(), RPTTABLECELL_DEFAULTTEXT).GetText(), "Id");
}

TEST_F(SRptLayoutDialogs, CardLayoutShowsEachRowsFieldsAndEnableRow) {
    SComWrap<ISRptForm> form = BuildForm();
    script.ExpectDialog(236, IDCANCEL);
    SWatchedFormLayout dialog(session.Get(), form.Get());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    EXPECT_EQ(Transcript().back().caption, "Card Layout");
    EXPECT_EQ(dialog.opened.titles, (std::vector<SString>{"Row", "Enable row"}));
    ASSERT_EQ(dialog.opened.lines.size(), 2u);
    EXPECT_EQ(dialog.opened.lines[0], (std::vector<SString>{"Name", "1"}));
    EXPECT_EQ(dialog.opened.lines[1], (std::vector<SString>{"Owner", "1"}));
    EXPECT_EQ(dialog.GetControler().GetAllowAdd(), 0);
    EXPECT_EQ(dialog.GetControler().GetAllowRemove(), 0);
    EXPECT_EQ(dialog.opened.helpContext, 10023u);
}

TEST_F(SRptLayoutDialogs, CardLayoutOkStoresAClearedEnableRowAndCancelLeavesTheRows) {
    SComWrap<ISRptForm> form = BuildForm();
    script.Expect(SPrompt::Dialog, "236", EditGrid(1138, "1:Enable row=0", IDCANCEL))
        .Expect(SPrompt::Dialog, "236", EditGrid(1138, "1:Enable row=0", IDOK));
    SWatchedFormLayout cancelled(session.Get(), form.Get());
    cancelled.DoModal();
    ASSERT_EQ(cancelled.closing.lines.size(), 2u);
    ASSERT_EQ(cancelled.closing.lines[1].size(), 2u);
    EXPECT_EQ(cancelled.closing.lines[1][1], "0");
    EXPECT_TRUE(Value(At(form.Get(), RPTTABLE_ROWS, 1).Get(), RPTTABLEROW_ENABLED).GetBool());

    SWatchedFormLayout confirmed(session.Get(), form.Get());
    confirmed.DoModal();
    EXPECT_FALSE(Value(At(form.Get(), RPTTABLE_ROWS, 1).Get(), RPTTABLEROW_ENABLED).GetBool());
    EXPECT_TRUE(Value(At(form.Get(), RPTTABLE_ROWS, 0).Get(), RPTTABLEROW_ENABLED).GetBool());
}

TEST_F(SRptLayoutDialogs, HelpShowsTheDialogsHelpContext) {
    SComWrap<ISRptForm> form = BuildForm();
    SAnswer help;
    help.button = 9;
    script.Expect(SPrompt::Dialog, "236", help);
    SRptDlgFormLayout dialog(session.Get(), form.Get());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_FALSE(SHelp::GetCalls().empty());
    EXPECT_EQ(SHelp::GetCalls().back().context, 10023u);
}

TEST_F(SRptLayoutDialogs, NothingToLayOutShowsNothingAndTellsWhy) {
    // No list, no form, a list without rows: the dialog does not open (no prompt is put).
    SRptDlgListLayout noList(session.Get(), nullptr);
    EXPECT_EQ(noList.DoModal(), IDCANCEL);
    EXPECT_EQ(noList.GetInitFailure(), E_POINTER);
    SRptDlgFormLayout noForm(session.Get(), nullptr);
    EXPECT_EQ(noForm.DoModal(), IDCANCEL);
    EXPECT_EQ(noForm.GetInitFailure(), E_POINTER);

    SComWrap<ISRptList> list = BuildList();
    SRepClassColPtr(list.Get(), RPTTABLE_ROWS).DeleteAll();
    SRptDlgListLayout noRows(session.Get(), list.Get());
    EXPECT_EQ(noRows.DoModal(), IDCANCEL);
    EXPECT_EQ(noRows.GetInitFailure(), E_POINTER);
    EXPECT_TRUE(Transcript().empty());

    // Through the item's command the same list shows nothing and the command still succeeds.
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(list.Get()), nullptr), S_OK);
    EXPECT_TRUE(Transcript().empty());
}

TEST_F(SRptLayoutDialogs, TheLayoutCommandOpensTheDialogOfTheItemsKind) {
    SComWrap<ISRptList> list = BuildList();
    SComWrap<ISRptForm> form = BuildForm();
    script.Expect(SPrompt::Dialog, "235", EditGrid(1137, "1:Width=5"))
        .Expect(SPrompt::Dialog, "236", EditGrid(1138, "0:Enable row=0"));
    EXPECT_EQ(list->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(list.Get()), nullptr), S_OK);
    EXPECT_EQ(Value(Column(list.Get(), 1).Get(), RPTTABLECELL_WIDTH).GetShort(), 500);
    EXPECT_EQ(form->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(form.Get()), nullptr), S_OK);
    EXPECT_FALSE(Value(At(form.Get(), RPTTABLE_ROWS, 0).Get(), RPTTABLEROW_ENABLED).GetBool());
}

TEST_F(SRptLayoutDialogs, ResizingKeepsTheButtonsInTheCornerAndGrowsTheGrid) {
    SComWrap<ISRptList> list = BuildList();
    struct SResized : SRptDlgListLayout {
        using SRptDlgListLayout::SRptDlgListLayout;
        RECT ok{}, grid{}, okAfter{}, gridAfter{};
        int32_t OnInitDialog() override {
            const int32_t result = SRptDlgListLayout::OnInitDialog();
            ok = FindControl(IDOK)->GetWindowRect();
            grid = FindControl(IDC_GRID)->GetWindowRect();
            const RECT client = GetClientRect();
            SendMessage(WM_SIZE, 0, MAKELPARAM(client.right - client.left + 40, client.bottom - client.top + 30));
            okAfter = FindControl(IDOK)->GetWindowRect();
            gridAfter = FindControl(IDC_GRID)->GetWindowRect();
            return result;
        }
    } dialog(session.Get(), list.Get());
    script.ExpectDialog(235, IDCANCEL);
    dialog.DoModal();
    EXPECT_EQ(dialog.okAfter.left - dialog.ok.left, 40);
    EXPECT_EQ(dialog.okAfter.top - dialog.ok.top, 30);
    EXPECT_EQ(dialog.gridAfter.left, dialog.grid.left);
    EXPECT_EQ(dialog.gridAfter.top, dialog.grid.top);
    EXPECT_EQ(dialog.gridAfter.right - dialog.grid.right, 40);
    EXPECT_EQ(dialog.gridAfter.bottom - dialog.grid.bottom, 30);
}

}  // namespace

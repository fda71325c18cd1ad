#include "SampleOrders.h"

#include "platform/com/SComWrap.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptApi.h"
#include "varod9/RptFieldDef.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptTableDef.h"

namespace {

struct Order {
    const char* customer;
    const char* number;
    const char* amount;
    const char* date;
    const char* town;
};

constexpr Order kOrders[] = {
    {"Harbour Provisions", "A-1001", "1,250.00", "2026-03-02", "Bremen"},
    {"Northwind Cycles", "A-1002", "310.40", "2026-03-05", "Aarhus"},
    {"Quayside Bakery", "A-1003", "87.15", "2026-03-09", "Galway"},
    {"Lindenhof Tools", "A-1004", "2,040.00", "2026-03-12", "Graz"},
};
constexpr int32_t kOrderCount = static_cast<int32_t>(sizeof(kOrders) / sizeof(kOrders[0]));

// The items, by the ItemParam each one hands back in the record.
enum ItemParam : int32_t { kOrderList = 1, kOrderTitles = 2, kOrderCard = 3 };

// The fields of an order, by the cell ids the library hands back to GetValue.
enum CellID : int32_t { kNone = 0, kCustomer = 1, kNumber = 2, kAmount = 3, kDate = 4, kTown = 5 };

// Lengths in hundredths of a millimetre; a negative width is a share of what the others leave.
RPTTABLECELLDEF Cell(uint32_t size, const char* text, int32_t cellID, int16_t width, bool keyword) {
    RPTTABLECELLDEF cell;
    cell.Size = size;
    cell.DefaultText = text;  // what the cell shows when it is no keyword cell
    cell.CellID = cellID;
    cell.Width = width;
    cell.Keyword = keyword ? 1 : 0;
    cell.Title = keyword ? 0 : 1;
    cell.Border = 8;
    cell.BorderWidth = 10;
    cell.Enabled = 1;
    return cell;
}

RPTTABLEROWDEF Row(const RPTTABLECELLDEF* cells, int16_t count) {
    RPTTABLEROWDEF row;
    row.HeightType = 1;
    row.SpBetweenCells = 200;
    row.Enabled = 1;
    row.NbCells = count;
    row.Cells = cells;
    return row;
}

RPTUSRITEMDEF Describe(int32_t kind, const char* itemID, const char* title, int32_t itemParam, IUnknown* procs) {
    RPTUSRITEMDEF def;
    def.Kind = kind;
    def.ModuleID = SampleOrders::kModuleID;
    def.ItemID = itemID;
    def.Label = title;
    def.DefaultTitle = title;  // the title shown: the item has no title path
    def.ItemParam = itemParam;
    def.UserProcs = procs;
    return def;
}

const Order* OrderAt(int32_t index) {
    return index >= 0 && index < kOrderCount ? &kOrders[index] : nullptr;
}

}  // namespace

HRESULT SampleOrders::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISRptUserProcs::iid) *out = static_cast<ISRptUserProcs*>(this);
    else if (riid == ISRptListProcs::iid) *out = static_cast<ISRptListProcs*>(this);
    else if (riid == ISRptGrpTitleProcs::iid) *out = static_cast<ISRptGrpTitleProcs*>(this);
    else if (riid == ISRptFormProcs::iid) *out = static_cast<ISRptFormProcs*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SampleOrders::Release() {
    const int32_t refs = --m_refs;
    if (refs == 0) delete this;
    return static_cast<uint32_t>(refs);
}

HRESULT SampleOrders::InitAvailableItems(ISRptModule* pModule) {
    RegisterItems(pModule);
    RegisterFields(pModule);
    return S_OK;
}

void SampleOrders::RegisterItems(ISRptModule* pModule) {
    IUnknown* procs = static_cast<ISRptUserProcs*>(this);

    const RPTTABLECELLDEF columns[] = {Cell(RPTTABLECELLDEF_SIZE_LIST, "Customer", kCustomer, -100, false),
                                       Cell(RPTTABLECELLDEF_SIZE_LIST, "Order", kNumber, 3000, false),
                                       Cell(RPTTABLECELLDEF_SIZE_LIST, "Amount", kAmount, 3000, false)};
    const RPTTABLEROWDEF columnRow = Row(columns, 3);
    RPTUSRITEMDEF list = Describe(RPT_ITEMKIND_LIST, kListID, "Orders", kOrderList, procs);
    list.TOCEntry = 1;
    list.Table.NbRows = 1;
    list.Table.Rows = &columnRow;
    SComWrap<ISRptItem> item;
    RptRegisterItem(pModule, &list, &item);

    // The group title, then the card as its member: a card may only be placed in an order's group.
    RPTUSRITEMDEF titles = Describe(RPT_ITEMKIND_GRPTITLE, kOrderID, "Order", kOrderTitles, procs);
    titles.TOCEntry = 1;
    SComWrap<ISRptItem> group;
    RptRegisterItem(pModule, &titles, &group);

    // A row a field: its label, then the keyword cell whose CellID the module is asked for.
    const RPTTABLECELLDEF customer[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Customer", kNone, 3500, false),
                                        Cell(RPTTABLECELLDEF_SIZE_FORM, "", kCustomer, -100, true)};
    const RPTTABLECELLDEF date[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Ordered on", kNone, 3500, false),
                                    Cell(RPTTABLECELLDEF_SIZE_FORM, "", kDate, -100, true)};
    const RPTTABLECELLDEF town[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Deliver to", kNone, 3500, false),
                                    Cell(RPTTABLECELLDEF_SIZE_FORM, "", kTown, -100, true)};
    const RPTTABLECELLDEF amount[] = {Cell(RPTTABLECELLDEF_SIZE_FORM, "Amount", kNone, 3500, false),
                                      Cell(RPTTABLECELLDEF_SIZE_FORM, "", kAmount, -100, true)};
    const RPTTABLEROWDEF cardRows[] = {Row(customer, 2), Row(date, 2), Row(town, 2), Row(amount, 2)};
    RPTUSRITEMDEF card = Describe(RPT_ITEMKIND_FORM, kCardID, "Order card", kOrderCard, procs);
    card.Table.NbRows = 4;
    card.Table.Rows = cardRows;
    item.Clear();
    RptRegisterSubItem(pModule, group.Get(), &card, &item);
}

void SampleOrders::RegisterFields(ISRptModule* pModule) {
    // A template's default page header is "%MODULE%\t%MODELNAME%": without these two fields it
    // would print the tokens themselves. A field is registered under its token, "%" included.
    struct Field {
        const char* token;
        const char* description;
        const char* value;
    };
    const Field fields[] = {{"%MODULE%", "Module", kLabel}, {"%MODELNAME%", "Order book", "Order book 2026"}};
    for (const Field& field : fields) {
        RPTFIELDDEF def;
        def.ModuleID = kModuleID;
        def.FieldName = field.token;
        def.Descr = field.description;
        def.Value = field.value;
        SComWrap<ISRptField> registered;
        RptRegisterField(pModule, &def, &registered);
    }
}

HRESULT SampleOrders::GetReportLangName(SString& sLangName, ISRptReport*) {
    sLangName = "English";
    return S_OK;
}

HRESULT SampleOrders::GetReportTitleText(SString& sTitle, ISRptReport*, SString sTitlePath) {
    sTitle = sTitlePath;
    return S_OK;
}

HRESULT SampleOrders::GetLanguageObject(ISRepObject** ppLanguage, const SString&) {
    if (!ppLanguage) return E_POINTER;
    *ppLanguage = nullptr;
    return S_FALSE;
}

void SampleOrders::PositionOn(int32_t order) {
    if (OrderAt(order)) m_current = order;
}

HRESULT SampleOrders::Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) {
    switch (pContext->ItemParam) {
        case kOrderList: return kOrderCount;  // the list is made only when it has rows
        case kOrderTitles:
            // Without a report, the report is being laid out: Occurrence names the order whose
            // title and card come next.
            if (!pReport) PositionOn(pContext->Occurrence);
            return kOrderCount;
        case kOrderCard: return 1;  // a card is made only for exactly one element
        default: return 0;
    }
}

HRESULT SampleOrders::Process(ISRptReport*, RPTPROCCONTEXT* pContext) {
    switch (pContext->ItemParam) {
        case kOrderTitles:
            // The report comes back to an order's title, by Occurrence.
            PositionOn(pContext->Occurrence);
            return 0;
        case kOrderList:
            // The list is headed by its own title, which also makes its contents entry.
            pContext->Text2 = pContext->Text1;
            return 1;
        default:
            // The card goes without a heading: the order's title stands above it.
            return 0;
    }
}

HRESULT SampleOrders::Fetch(ISRptReport*, RPTPROCCONTEXT* pContext) {
    if (!OrderAt(pContext->RowCursor)) return 0;
    // While the report is generated, the group's elements are fetched by RowCursor.
    if (pContext->ItemParam == kOrderTitles) PositionOn(pContext->RowCursor);
    return 1;
}

HRESULT SampleOrders::GetMemberText(ISRptReport* pReport, RPTPROCCONTEXT* pContext) {
    // With the report, the element is RowCursor; while the report is laid out, Occurrence.
    PositionOn(pReport ? pContext->RowCursor : pContext->Occurrence);
    pContext->Text2 = SString("Order ") + kOrders[m_current].number;
    return 1;
}

HRESULT SampleOrders::GetValue(ISRptReport*, RPTPROCCONTEXT* pContext) {
    // A list row is the order of its data-row counter; the card is the current order's.
    const Order* order = pContext->ItemParam == kOrderList ? OrderAt(pContext->RowCursor) : OrderAt(m_current);
    if (!order) return S_OK;
    switch (pContext->CellID) {
        case kCustomer: pContext->CellText = order->customer; break;
        case kNumber: pContext->CellText = order->number; break;
        case kAmount: pContext->CellText = order->amount; break;
        case kDate: pContext->CellText = order->date; break;
        case kTown: pContext->CellText = order->town; break;
        default: break;
    }
    return S_OK;
}

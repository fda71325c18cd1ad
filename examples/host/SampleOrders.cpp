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
};

constexpr Order kOrders[] = {
    {"Harbour Provisions", "A-1001", "1,250.00"},
    {"Northwind Cycles", "A-1002", "310.40"},
    {"Quayside Bakery", "A-1003", "87.15"},
    {"Lindenhof Tools", "A-1004", "2,040.00"},
};
constexpr int32_t kOrderCount = static_cast<int32_t>(sizeof(kOrders) / sizeof(kOrders[0]));

// The list's columns, by the cell ids the library hands back to GetValue.
enum CellID : int32_t { kCustomer = 1, kNumber = 2, kAmount = 3 };

RPTTABLECELLDEF Column(const char* heading, int32_t cellID, int16_t width) {
    RPTTABLECELLDEF cell;
    cell.Size = RPTTABLECELLDEF_SIZE_LIST;
    cell.DefaultText = heading;
    cell.ResPath = heading;
    cell.CellID = cellID;
    cell.Width = width;  // hundredths of a millimetre; negative: a share of what is left
    cell.Title = 1;
    cell.Border = 8;
    cell.BorderWidth = 10;
    cell.Enabled = 1;
    return cell;
}

}  // namespace

HRESULT SampleOrders::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISRptUserProcs::iid) *out = static_cast<ISRptUserProcs*>(this);
    else if (riid == ISRptListProcs::iid) *out = static_cast<ISRptListProcs*>(this);
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
    const RPTTABLECELLDEF columns[] = {Column("Customer", kCustomer, -100), Column("Order", kNumber, 3000),
                                       Column("Amount", kAmount, 3000)};
    RPTTABLEROWDEF row;
    row.HeightType = 1;
    row.SpBetweenCells = 200;
    row.Enabled = 1;
    row.NbCells = 3;
    row.Cells = columns;

    RPTUSRITEMDEF list;
    list.Kind = RPT_ITEMKIND_LIST;
    list.ModuleID = kModuleID;
    list.ItemID = kListID;
    list.Label = "Orders";
    list.DefaultTitle = "Orders";
    list.TOCEntry = 1;
    list.UserProcs = static_cast<ISRptUserProcs*>(this);
    list.Table.NbRows = 1;
    list.Table.Rows = &row;
    SComWrap<ISRptItem> item;
    RptRegisterItem(pModule, &list, &item);

    RPTFIELDDEF field;
    field.ModuleID = kModuleID;
    field.FieldName = "%MODELNAME%";
    field.Descr = "Order book";
    field.Value = "Order book 2026";
    SComWrap<ISRptField> registered;
    RptRegisterField(pModule, &field, &registered);
    return S_OK;
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

HRESULT SampleOrders::Begin(ISRptReport*, RPTPROCCONTEXT*) {
    return kOrderCount;
}

HRESULT SampleOrders::Process(ISRptReport*, RPTPROCCONTEXT* pContext) {
    // The list is headed by its own title, which also makes its contents entry.
    pContext->Text2 = pContext->Text1;
    return 1;
}

HRESULT SampleOrders::Fetch(ISRptReport*, RPTPROCCONTEXT* pContext) {
    return pContext->RowCursor >= 0 && pContext->RowCursor < kOrderCount ? 1 : 0;
}

HRESULT SampleOrders::GetValue(ISRptReport*, RPTPROCCONTEXT* pContext) {
    const int32_t row = pContext->RowCursor;
    if (row < 0 || row >= kOrderCount) return S_OK;
    const Order& order = kOrders[row];
    switch (pContext->CellID) {
        case kCustomer: pContext->CellText = order.customer; break;
        case kNumber: pContext->CellText = order.number; break;
        case kAmount: pContext->CellText = order.amount; break;
        default: break;
    }
    return S_OK;
}

#include "rpt/dialogs/SRptDlgTextPage.h"

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"

const SClassInfo SRptDlgTextPage::classSRptDlgTextPage = {"SRptDlgTextPage", &SRptDlgFormatPage::classSRptDlgFormatPage};

namespace {
// The object as interface I: a failed query other than E_NOINTERFACE is thrown with its code, a
// missing interface when it is used.
template <class I>
SComWrap<I> As(ISRepObject* object) {
    SComWrap<I> face;
    face = object;
    return face;
}

// The text of the item kinds that have one; false for the others.
bool ReadItemText(ISRepObject* object, SString* text) {
    const GUID clsid = object->GetClassID();
    if (clsid == CLSID_SRptText) *text = As<ISRptText>(object)->GetText();
    else if (clsid == CLSID_SRptTitle) *text = As<ISRptTitle>(object)->GetText();
    else if (clsid == CLSID_SRptGrpTitle) *text = As<ISRptGrpTitle>(object)->GetText();
    else if (clsid == CLSID_SRptGrpText) *text = As<ISRptGrpText>(object)->GetDispTitle();
    else if (clsid == CLSID_SRptFolder) *text = As<ISRptFolder>(object)->GetText();
    else return false;
    return true;
}

// Stores the text in the item kinds whose text is stored; the displayed title of a group text is
// computed and stays as it is.
void WriteItemText(ISRepObject* object, const SString& text) {
    const GUID clsid = object->GetClassID();
    HRESULT hr = S_OK;
    if (clsid == CLSID_SRptText) hr = As<ISRptText>(object)->PutText(text);
    else if (clsid == CLSID_SRptTitle) hr = As<ISRptTitle>(object)->PutText(text);
    else if (clsid == CLSID_SRptGrpTitle) hr = As<ISRptGrpTitle>(object)->PutText(text);
    else if (clsid == CLSID_SRptFolder) hr = As<ISRptFolder>(object)->PutText(text);
    if (FAILED(hr)) SComThrow(hr);
}

ISRepObject* CurrentObject(SRptDlgMultiPages* sheet) {
    if (!sheet || !sheet->GetCurrentObject()) SComThrow(E_POINTER);
    return sheet->GetCurrentObject();
}
}  // namespace

int32_t SRptDlgTextPage::OnInitDialog() {
    AttachDlgItem(IDC_TEXT, m_text);
    return SRptDlgFormatPage::OnInitDialog();
}

int32_t SRptDlgTextPage::OnSetActive() {
    // The sheet shows its first page before it has listed and selected its paragraphs; it shows
    // the page again once they are.
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!m_hWnd || !sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    SComWrap<ISRptPara> para(sheet->GetFirstSelectedPara());
    m_font = para->GetFont(nullptr);
    SString text;
    if (ReadItemText(CurrentObject(sheet), &text)) m_text.SetText(text);
    return 1;
}

int32_t SRptDlgTextPage::OnKillActive() {
    if (!m_hWnd) return 1;
    WriteItemText(CurrentObject(GetFormatSheet()), m_text.GetText());
    return 1;
}

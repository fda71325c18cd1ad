#include "rpt/dialogs/SRptDlgMultiFormat.h"

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgMultiFormat::classSRptDlgMultiFormat = {"SRptDlgMultiFormat", &SRptDlgMultiPages::classSRptDlgMultiPages};

SRptDlgMultiFormat::SRptDlgMultiFormat(const SComTable<ISRepObject>& objects, int32_t initialSelection, uint32_t dialogId)
    : SRptDlgMultiPages(objects, initialSelection, dialogId) {}

SRptDlgMultiFormat::SRptDlgMultiFormat(ISRepObject* object, int32_t initialSelection, uint32_t dialogId)
    : SRptDlgMultiPages(object, initialSelection, dialogId) {}

int32_t SRptDlgMultiFormat::OnInitDialog() {
    const int32_t result = SRptDlgMultiPages::OnInitDialog();
    // With nothing to format the sheet closes at once and touches nothing.
    if (GetObjects().IsEmpty()) {
        EndDialog(IDCANCEL);
        return result;
    }
    AttachDlgItem(IDC_AVAILABLE_ITEMS, m_listBox);
    AddAvaibleParagraphs();
    m_listBox.SetSel(GetInitialSelection(), 1);
    OnItemsSelChanged();
    CenterWindow();
    RestorePreferences(this, SString());
    SString title;
    {
        SModuleStateGuard state(SRptGetModuleState());
        title.LoadString(IDS_FORMAT_TITLE);
    }
    SetTitle(title);
    return result;
}

void SRptDlgMultiFormat::OnOK() {
    if (OnItemsSelChanging()) SRptDlgMultiPages::OnOK();
}

int32_t SRptDlgMultiFormat::OnItemsSelChanging() {
    SPropertyPage* page = GetActivePage();
    return page ? page->OnKillActive() : 0;
}

void SRptDlgMultiFormat::BeginObjectParas() {
    m_objectParas.push_back({GetAllParas().GetSize(), 0});
}

void SRptDlgMultiFormat::AddObjectPara(ISRptPara* para, bool listName) {
    AddAvailablePara(para);
    ++m_objectParas.back().count;
    if (!listName) return;
    const SString name = para ? para->GetParaName() : SString();
    m_firstObjectNames.push_back(name);
    m_listBox.AddString(name.c_str());
}

void SRptDlgMultiFormat::AddObjectParas(ISRepObject* object, bool listNames) {
    BeginObjectParas();
    SComWrap<ISRptParaContainer> container;
    container = static_cast<IUnknown*>(object);
    // An object that is no paragraph container has nothing to format: E_POINTER.
    SRepClassColPtr paragraphs = container->Paragraphs();
    const int32_t count = paragraphs.GetCount();
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptPara> para;
        para = static_cast<IUnknown*>(paragraphs.Item(position).Get());
        AddObjectPara(para.Get(), listNames);
    }
}

int32_t SRptDlgMultiFormat::AddAvaibleParagraphs() {
    const SComTable<ISRepObject>& objects = GetObjects();
    for (int32_t j = 0; j < objects.GetSize(); ++j) AddObjectParas(objects.GetAt(j), j == 0);
    return 1;
}

void SRptDlgMultiFormat::SelectObjectParas(const std::vector<int32_t>& entries) {
    ClearSelectedParas();
    const SComTable<ISRptPara>& all = GetAllParas();
    for (int32_t entry : entries) {
        for (const ObjectParas& object : m_objectParas) {
            if (entry < 0 || entry >= object.count) continue;
            AddSelectedPara(all.GetAt(object.offset + entry));
        }
    }
    RefreshActivePage();
}

void SRptDlgMultiFormat::OnItemsSelChanged() {
    SelectObjectParas(m_listBox.GetSelItems());
}

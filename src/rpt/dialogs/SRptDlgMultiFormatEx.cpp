#include "rpt/dialogs/SRptDlgMultiFormatEx.h"

#include <vector>

#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/ISRptTblCts.h"

namespace {
// The paragraphs listed for an object that is no table of contents.
constexpr int32_t kParagraphLimit = 100;
}  // namespace

const SClassInfo SRptDlgMultiFormatEx::classSRptDlgMultiFormatEx = {"SRptDlgMultiFormatEx",
                                                                    &SRptDlgMultiFormat::classSRptDlgMultiFormat};

SRptDlgMultiFormatEx::SRptDlgMultiFormatEx(const SComTable<ISRepObject>& objects)
    : SRptDlgMultiFormat(objects, 0, IDD_FORMAT_ITEMS) {}

const SComTable<ISRptPara>* SRptDlgMultiFormatEx::GetEntryParas(int32_t entry) const {
    auto it = m_entryParas.find(entry);
    return it == m_entryParas.end() ? nullptr : &it->second;
}

int32_t SRptDlgMultiFormatEx::AddAvaibleParagraphs() {
    // The list entries made for each class, in the order of its paragraphs.
    std::vector<std::pair<GUID, std::vector<int32_t>>> classEntries;
    int32_t nextEntry = 0;
    const SComTable<ISRepObject>& objects = GetObjects();
    for (int32_t j = 0; j < objects.GetSize(); ++j) {
        ISRepObject* object = objects.GetAt(j);
        SComWrap<ISRptTblCts> contents;
        contents = static_cast<IUnknown*>(object);
        const int32_t limit = contents ? contents->GetNbParagraphs() : kParagraphLimit;
        const GUID clsid = object->GetClassID();
        auto seen = classEntries.begin();
        while (seen != classEntries.end() && !(seen->first == clsid)) ++seen;
        SComWrap<ISRptParaContainer> container;
        container = static_cast<IUnknown*>(object);
        SRepClassColPtr paragraphs = container->Paragraphs();
        const int32_t count = paragraphs.GetCount();
        if (seen == classEntries.end()) {
            classEntries.emplace_back(clsid, std::vector<int32_t>());
            std::vector<int32_t>& entries = classEntries.back().second;
            // The walk stops after the paragraph that passes the limit: a table of contents gives
            // its title and one paragraph per level shown.
            for (int32_t k = 0; k < count && k <= limit; ++k) {
                SComWrap<ISRptPara> para;
                para = static_cast<IUnknown*>(paragraphs.Item(k).Get());
                const int32_t entry = nextEntry++;
                entries.push_back(entry);
                m_listBox.AddString(para ? para->GetParaName().c_str() : "");
                m_entryParas[entry].Add(para.Get());
                AddAvailablePara(para.Get());
            }
        } else {
            const std::vector<int32_t>& entries = seen->second;
            for (int32_t k = 0; k < count && k <= limit && k < static_cast<int32_t>(entries.size()); ++k) {
                SComWrap<ISRptPara> para;
                para = static_cast<IUnknown*>(paragraphs.Item(k).Get());
                m_entryParas[entries[static_cast<size_t>(k)]].Add(para.Get());
                AddAvailablePara(para.Get());
            }
        }
    }
    return 1;
}

void SRptDlgMultiFormatEx::OnItemsSelChanged() {
    ClearSelectedParas();
    for (int32_t entry : m_listBox.GetSelItems()) {
        const SComTable<ISRptPara>* paras = GetEntryParas(entry);
        if (!paras) break;
        for (int32_t i = 0; i < paras->GetSize(); ++i) AddSelectedPara(paras->GetAt(i));
    }
    RefreshActivePage();
}

#pragma once
// The format sheet over a selection that mixes classes of objects: the list names each class's
// paragraphs once, and an entry stands for that paragraph in every object of its class. A table
// of contents lists its title and as many levels as it shows; any other object at most 101
// paragraphs.
#include <cstdint>
#include <map>

#include "rpt/dialogs/SRptDlgMultiFormat.h"

class SRptDlgMultiFormatEx : public SRptDlgMultiFormat {
public:
    explicit SRptDlgMultiFormatEx(const SComTable<ISRepObject>& objects);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgMultiFormatEx; }
    static const SClassInfo classSRptDlgMultiFormatEx;

    void OnItemsSelChanged() override;
    int32_t AddAvaibleParagraphs() override;

    // The paragraphs that a list entry stands for; null for an entry without any.
    const SComTable<ISRptPara>* GetEntryParas(int32_t entry) const;

private:
    std::map<int32_t, SComTable<ISRptPara>> m_entryParas;
};

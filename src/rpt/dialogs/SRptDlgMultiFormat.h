#pragma once
// The format sheet over objects of one class (or over one object): the list names the first
// object's paragraphs, and an entry selected in it stands for the paragraph at that place in every
// object. Each object's paragraphs are kept with their place and count, so that an entry always
// addresses the right paragraph of each object, and an object that has no paragraph at that
// place is left out.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"

class SRptDlgMultiFormat : public SRptDlgMultiPages {
public:
    SRptDlgMultiFormat(const SComTable<ISRepObject>& objects, int32_t initialSelection, uint32_t dialogId);
    SRptDlgMultiFormat(ISRepObject* object, int32_t initialSelection, uint32_t dialogId);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgMultiFormat; }
    static const SClassInfo classSRptDlgMultiFormat;

    int32_t OnInitDialog() override;
    // Only when the active page accepts to be left.
    void OnOK() override;
    // The active page's OnKillActive; 0 when no page is active.
    int32_t OnItemsSelChanging() override;
    void OnItemsSelChanged() override;
    int32_t AddAvaibleParagraphs() override;

protected:
    // Appends an object's paragraphs to the available ones and records where they stand.
    void AddObjectParas(ISRepObject* object, bool listNames);
    // Records one paragraph of the object being added; lists its name when asked.
    void AddObjectPara(ISRptPara* para, bool listName);
    // Starts the record of an object's paragraphs at the end of the available ones.
    void BeginObjectParas();
    // The names of the first object's paragraphs, in order.
    const std::vector<SString>& GetFirstObjectNames() const { return m_firstObjectNames; }
    // Selects the paragraphs that the selected entries stand for, then reloads the active page.
    void SelectObjectParas(const std::vector<int32_t>& entries);

private:
    struct ObjectParas {
        int32_t offset = 0;
        int32_t count = 0;
    };
    std::vector<ObjectParas> m_objectParas;
    std::vector<SString> m_firstObjectNames;
};

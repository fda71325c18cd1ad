#pragma once
// The node of a list; its helper is SRptOutputHelperList.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

struct ISRptList;

class SRptGenerationNodeList : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeList(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;

private:
    // The CellID of each sorted cell of the first row, in cell order; none for an unsorted list.
    static void FillSortColumns(ISRptList* list, std::vector<int32_t>& columns);
};

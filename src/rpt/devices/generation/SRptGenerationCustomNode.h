#pragma once
// The node of an item whose content a host module supplies. Whenever the node is prepared,
// reselected or left it hands the module the item's record, so that the module's cursor stands on
// this node's occurrence before its helper reads the texts and is closed when the writer moves on.
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "varod9/ISRptUserProcs.h"

class SRptGenerationCustomNode : public SRptGenerationNode {
public:
    SRptGenerationCustomNode(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationNode(tree, item, occurrence) {}

    HRESULT Prepare(IUnknown* client) override;
    HRESULT Reselect(IUnknown* client) override;
    HRESULT Leave(IUnknown* client) override;

    // Fills the record for the run's client and finds the kind's procedures. A missing item
    // interface or procedures without the kind's interface throw; a null out-pointer is E_POINTER.
    HRESULT FillRecord(IUnknown* client, RPTPROCCONTEXT* record, SComWrap<ISRptProcs>* procs);

protected:
    // The interface of the kind's procedures.
    virtual const GUID& GetProcsIID() const = 0;
    // The words the kind adds to the shared part of the record.
    virtual void FillKindFields(RPTPROCCONTEXT& /*record*/) {}
    // Members of groups tell the module the title they show.
    void FillDisplayedTitle(RPTPROCCONTEXT& record);

private:
    using Step = HRESULT (ISRptProcs::*)(ISRptReport*, RPTPROCCONTEXT*);
    // Hands the module a fresh record through one step; what it answers tells the node nothing.
    void CallModule(IUnknown* client, Step step);
};

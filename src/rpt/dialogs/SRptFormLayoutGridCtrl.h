#pragma once
// The grid of the card layout dialog: the rows of a form, with the form's own choice of
// attributes.
#include "platform/repo/SRepGridCtrl.h"

class SRptFormLayoutGridCtrl : public SRepGridCtrl {
public:
    SRptFormLayoutGridCtrl(SRepControlHolder& holder, SRepListControler& controler)
        : SRepGridCtrl(holder, controler, -2) {}
    void SetRoot(ISRepObject* root, const GUID& classId) override;
};

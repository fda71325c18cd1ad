#pragma once
// The grid of the list layout dialog: the columns of a list, with the list's own choice of
// attributes.
#include "platform/repo/SRepGridCtrl.h"

class SRptListLayoutGridCtrl : public SRepGridCtrl {
public:
    SRptListLayoutGridCtrl(SRepControlHolder& holder, SRepListControler& controler)
        : SRepGridCtrl(holder, controler, -2) {}
    void SetRoot(ISRepObject* root, const GUID& classId) override;
};

#pragma once
// What a dialog offers the selection list box that it holds: it is asked before every change of
// the list's selection (1 lets the change happen) and told after one.
#include <cstdint>

class SRptDlgListBoxOwner {
public:
    virtual int32_t OnItemsSelChanging() = 0;
    virtual void OnItemsSelChanged() = 0;

protected:
    ~SRptDlgListBoxOwner() = default;
};

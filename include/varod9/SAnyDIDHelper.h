#pragma once
// An exported abstract helper for hosts: no data, three operations for a derived class to supply.
// The library itself neither creates nor calls one; copies copy nothing, since there is nothing
// to copy.
#include "varod9/RptExport.h"

class RPT_EXPORT SAnyDIDHelper {
public:
    virtual ~SAnyDIDHelper() = default;
    virtual void First() = 0;
    virtual void Second() = 0;
    virtual void Third() = 0;

protected:
    SAnyDIDHelper() = default;
    SAnyDIDHelper(const SAnyDIDHelper&) {}
    SAnyDIDHelper& operator=(const SAnyDIDHelper&) { return *this; }
};

#pragma once
// What an editor window asks of the shell view that holds it: to renew the title the host shows,
// when the session says the document's title changed. The editors' shell views implement it.
#include "platform/com/HRESULT.h"

class SRptViewOwner {
public:
    virtual HRESULT UpdateTitle() = 0;

protected:
    SRptViewOwner() = default;
    SRptViewOwner(const SRptViewOwner&) = default;
    SRptViewOwner& operator=(const SRptViewOwner&) = default;
    ~SRptViewOwner() = default;
};

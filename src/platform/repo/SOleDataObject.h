#pragma once
// What a drag carries: the repository objects picked up, as a data source.
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepDataSrc.h"

class SOleDataObject {
public:
    SOleDataObject() = default;
    explicit SOleDataObject(ISRepDataSrc* source) : m_source(source) {}
    // The data source of repository objects, null when the drag carries none.
    ISRepDataSrc* GetRepDataSrc() const { return m_source.Get(); }

private:
    SComWrap<ISRepDataSrc> m_source;
};

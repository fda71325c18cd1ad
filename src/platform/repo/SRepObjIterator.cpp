#include "platform/repo/SRepObjIterator.h"

bool SRepObjIterator::Next(SComWrap<ISRepObject>& object) {
    HRESULT hr = m_iterator.GetNext(&object);
    if (FAILED(hr)) SComThrow(hr);
    return hr == S_OK;
}

#include "platform/gdi/SGdiObject.h"

#include "platform/gdi/SGdiHandleTable.h"

SGdiObject::~SGdiObject() {
    DeleteObject();
}

bool SGdiObject::Attach(HGDIOBJ handle) {
    if (m_hObject || !SGdiHandleTable::Get().Find(handle)) return false;
    m_hObject = handle;
    return true;
}

HGDIOBJ SGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

bool SGdiObject::DeleteObject() {
    if (!m_hObject) return false;
    HGDIOBJ handle = Detach();
    return ::DeleteObject(handle);
}

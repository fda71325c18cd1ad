#include "platform/repo/SRepStdLCtrlrHelper.h"

SRepListControler* SRepStdLCtrlrHelper::SetControler(const GUID& classId, int32_t collectionId,
                                                     const GUID& parentClassId, int32_t parentCollectionId,
                                                     const SString& filter, uint32_t helpContext, int32_t howTo,
                                                     int32_t includeShortcutsAllowed, int32_t allowAdd,
                                                     int32_t allowRemove, int32_t includeShortcuts) {
    m_controler = SRepListControler(classId, collectionId, parentClassId, parentCollectionId, filter, helpContext,
                                    howTo, includeShortcutsAllowed, allowAdd, allowRemove, includeShortcuts);
    return &m_controler;
}

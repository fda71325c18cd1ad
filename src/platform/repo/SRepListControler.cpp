#include "platform/repo/SRepListControler.h"

SRepListControler::SRepListControler(const GUID& classId, int32_t collectionId, const GUID& parentClassId,
                                     int32_t parentCollectionId, const SString& filter, uint32_t helpContext,
                                     int32_t howTo, int32_t includeShortcutsAllowed, int32_t allowAdd,
                                     int32_t allowRemove, int32_t includeShortcuts)
    : m_classId(classId),
      m_collectionId(collectionId),
      m_parentClassId(parentClassId),
      m_parentCollectionId(parentCollectionId),
      m_filter(filter),
      m_helpContext(helpContext),
      m_howTo(howTo),
      m_includeShortcutsAllowed(includeShortcutsAllowed),
      m_allowAdd(allowAdd),
      m_allowRemove(allowRemove),
      m_includeShortcuts(includeShortcuts) {}

#pragma once
// What a repository list or grid shows and allows: the class of the objects listed and the
// collection that holds them (with the parent's class and collection when the list reaches its
// objects through a parent), a filter, the help context, and whether the user may add and remove
// objects and see shortcuts.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"

class SRepListControler {
public:
    SRepListControler() = default;
    SRepListControler(const GUID& classId, int32_t collectionId, const GUID& parentClassId, int32_t parentCollectionId,
                      const SString& filter, uint32_t helpContext, int32_t howTo, int32_t includeShortcutsAllowed,
                      int32_t allowAdd, int32_t allowRemove, int32_t includeShortcuts);

    // A controller names a class and a collection to list; without them it lists nothing.
    bool IsValid() const { return m_classId != GUID{} && m_collectionId != 0; }

    const GUID& GetClassId() const { return m_classId; }
    int32_t GetCollectionId() const { return m_collectionId; }
    const GUID& GetParentClassId() const { return m_parentClassId; }
    int32_t GetParentCollectionId() const { return m_parentCollectionId; }
    const SString& GetFilter() const { return m_filter; }
    uint32_t GetHelpContext() const { return m_helpContext; }
    int32_t GetHowTo() const { return m_howTo; }
    int32_t GetIncludeShortcutsAllowed() const { return m_includeShortcutsAllowed; }
    int32_t GetIncludeShortcuts() const { return m_includeShortcuts; }

    int32_t GetAllowAdd() const { return m_allowAdd; }
    void SetAllowAdd(int32_t allow) { m_allowAdd = allow; }
    int32_t GetAllowRemove() const { return m_allowRemove; }
    void SetAllowRemove(int32_t allow) { m_allowRemove = allow; }

private:
    GUID m_classId{};
    int32_t m_collectionId = 0;
    GUID m_parentClassId{};
    int32_t m_parentCollectionId = 0;
    SString m_filter;
    uint32_t m_helpContext = 0;
    int32_t m_howTo = 0;
    int32_t m_includeShortcutsAllowed = 0;
    int32_t m_allowAdd = 0;
    int32_t m_allowRemove = 0;
    int32_t m_includeShortcuts = 0;
};

#pragma once
// The holder of a list's controller, for the dialogs and controls that describe to a grid which
// objects it lists: it is configured once and hands the controller to the grid.
#include "platform/repo/SRepListControler.h"

class SRepStdLCtrlrHelper {
public:
    SRepStdLCtrlrHelper() = default;
    SRepStdLCtrlrHelper(const SRepStdLCtrlrHelper&) = delete;
    SRepStdLCtrlrHelper& operator=(const SRepStdLCtrlrHelper&) = delete;
    virtual ~SRepStdLCtrlrHelper() = default;

    // Replaces the controller with one of these settings and returns it.
    SRepListControler* SetControler(const GUID& classId, int32_t collectionId, const GUID& parentClassId,
                                    int32_t parentCollectionId, const SString& filter, uint32_t helpContext,
                                    int32_t howTo, int32_t includeShortcutsAllowed, int32_t allowAdd,
                                    int32_t allowRemove, int32_t includeShortcuts);
    SRepListControler& GetControler() { return m_controler; }
    const SRepListControler& GetControler() const { return m_controler; }

private:
    SRepListControler m_controler;
};

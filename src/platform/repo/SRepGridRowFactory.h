#pragma once
// The lines of a repository grid: the objects of the listed class in the root's collection that
// the controller names, in the collection's order.
#include <vector>

#include "platform/com/GUID.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"

class SLibGridWnd;
class SRepListControler;

class SRepGridRowFactory {
public:
    SRepGridRowFactory(SLibGridWnd* grid, ISRepObject* root, const GUID& classId, SRepListControler& controler)
        : m_grid(grid), m_root(root), m_classId(classId), m_controler(controler) {}
    SRepGridRowFactory(const SRepGridRowFactory&) = delete;
    SRepGridRowFactory& operator=(const SRepGridRowFactory&) = delete;
    virtual ~SRepGridRowFactory() = default;

    // The objects listed; none without a root or when its collection cannot be read.
    std::vector<SComWrap<ISRepObject>> GetRows();

    SLibGridWnd* GetGrid() const { return m_grid; }
    ISRepObject* GetRoot() const { return m_root.Get(); }
    const GUID& GetClassId() const { return m_classId; }

private:
    SLibGridWnd* m_grid;
    SComWrap<ISRepObject> m_root;
    GUID m_classId;
    SRepListControler& m_controler;
};

#pragma once
// The columns of a repository grid: one column an attribute of the class that the controller
// lists (its own and its bases'), each titled with the first line of the attribute's string in the current module's
// resources. A grid shows the attributes that ShowGridColumn accepts; the naming and computed
// attributes, which cannot be typed into, come first, then the others from the root class down.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/com/GUID.h"
#include "platform/repo/SRepMetaAttribute.h"

class SLibGridWnd;
class SRepListControler;

class SRepGridColFactory {
public:
    SRepGridColFactory(SLibGridWnd* grid, const GUID& classId, SRepListControler& controler)
        : m_grid(grid), m_classId(classId), m_controler(controler) {}
    SRepGridColFactory(const SRepGridColFactory&) = delete;
    SRepGridColFactory& operator=(const SRepGridColFactory&) = delete;
    virtual ~SRepGridColFactory() = default;

    // Non-zero shows the attribute's column; every attribute by default.
    virtual int32_t ShowGridColumn(const SRepMetaAttribute& attribute);

    // The attributes shown, in column order; none when the class is not in the metamodel.
    std::vector<const SRepMetaAttribute*> GetColumns();
    // The column title of an attribute.
    static SString GetColumnTitle(const SRepMetaAttribute& attribute);

    SLibGridWnd* GetGrid() const { return m_grid; }
    const GUID& GetClassId() const { return m_classId; }
    SRepListControler& GetControler() const { return m_controler; }

protected:
    // For factories that show only some attributes: the base's answer for the attributes listed,
    // 0 for every other.
    int32_t ShowListed(const SRepMetaAttribute& attribute, std::initializer_list<uint32_t> shown);

private:
    SLibGridWnd* m_grid;
    GUID m_classId;
    SRepListControler& m_controler;
};

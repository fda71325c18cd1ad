#pragma once
// The attribute table of a report class: its class GUID, its base class's table, the guard that
// names the class in attribute reports, its rows (SRptAttributeRow), and the steps that mark the
// class initialised and find the defaults it keeps (both its registry's, SRptStaticRegistry). Generated for every report class from the metamodel; SRptBaseMem answers
// the attribute protocol of every object from the table of its class, walking to the base
// class's table for an id that the class does not have, and to the repository base past the
// root.
#include <cstdint>
#include <map>
#include <span>

#include "platform/com/GUID.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/SRptAttributeRow.h"

struct SRptAttributeTable {
    // The defaults a class has reported, by row.
    using KeptDefaults = std::map<const SRptAttributeRow*, SRepVariant>;
    // What a search found: the row (null when no table of the chain has one) and the table that
    // answers for it (the root's when there is no row).
    struct Found {
        const SRptAttributeTable* table;
        const SRptAttributeRow* row;
    };

    GUID classId;
    const SRptAttributeTable* base;
    SRptAttributeGuard guard;
    const SRptAttributeRow* rows;
    void (*markInitialised)();
    KeptDefaults* (*keptDefaults)();

    // The nearest row of the chain that reads `id` (an attribute or a collection).
    Found FindReadable(int32_t id) const;
    // The nearest attribute row of the chain that writes `id`: a read-only one is passed over.
    Found FindWritable(int32_t id) const;
    // The nearest attribute row of the chain (collections are no attributes).
    Found FindAttribute(int32_t id) const;

    // The class, the classes of its chain and the repository's classes above them.
    bool IsKindOf(const GUID& clsid) const;
    // The collections of the chain and the repository's own.
    bool HasCollection(int32_t id) const;
    // Marks the class and every class of its chain initialised.
    void MarkInitialised() const;

    // The default of one of the table's own attribute rows. A default that exists is made once
    // and kept while the class's registry lives, so that every object reports the same one.
    HRESULT GetDefault(const SRptAttributeRow& row, SRepVariant& value) const;

    // Every report class's table, in the metamodel's order.
    static std::span<const SRptAttributeTable* const> All();

private:
    template <class Wanted>
    Found Find(int32_t id, Wanted wanted) const;
};

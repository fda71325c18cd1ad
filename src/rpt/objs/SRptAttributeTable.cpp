#include "rpt/objs/SRptAttributeTable.h"

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepVariant.h"

template <class Wanted>
SRptAttributeTable::Found SRptAttributeTable::Find(int32_t id, Wanted wanted) const {
    const SRptAttributeTable* table = this;
    for (;; table = table->base) {
        for (const SRptAttributeRow* row = table->rows; row->id != 0; ++row)
            if (row->id == id && wanted(*row)) return {table, row};
        if (!table->base) return {table, nullptr};
    }
}

SRptAttributeTable::Found SRptAttributeTable::FindReadable(int32_t id) const {
    return Find(id, [](const SRptAttributeRow&) { return true; });
}

SRptAttributeTable::Found SRptAttributeTable::FindWritable(int32_t id) const {
    return Find(id, [](const SRptAttributeRow& row) { return !row.IsCollection() && row.set; });
}

SRptAttributeTable::Found SRptAttributeTable::FindAttribute(int32_t id) const {
    return Find(id, [](const SRptAttributeRow& row) { return !row.IsCollection(); });
}

bool SRptAttributeTable::IsKindOf(const GUID& clsid) const {
    for (const SRptAttributeTable* table = this; table; table = table->base)
        if (table->classId == clsid) return true;
    return SRepObjectBaseMem::ClassIsKindOf(clsid);
}

bool SRptAttributeTable::HasCollection(int32_t id) const {
    const SRptAttributeRow* row = Find(id, [](const SRptAttributeRow& r) { return r.IsCollection(); }).row;
    return row || SRepObjectBaseMem::ClassHasCollection(id);
}

void SRptAttributeTable::MarkInitialised() const {
    for (const SRptAttributeTable* table = this; table; table = table->base) table->markInitialised();
}

HRESULT SRptAttributeTable::GetDefault(const SRptAttributeRow& row, SRepVariant& value) const {
    KeptDefaults* kept = keptDefaults();
    if (kept) {
        if (auto it = kept->find(&row); it != kept->end()) {
            value = it->second;
            return S_OK;
        }
    }
    const HRESULT hr = row.getDefault(value);
    if (hr == S_OK && kept) kept->emplace(&row, value);
    return hr;
}

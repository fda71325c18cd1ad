#pragma once
// A module table of the library: rows keyed by (module id, name) in the key order of
// SRptModuleTableKey, each holding a reference on its object (a registered item or field), which
// goes when the row goes.
//     SRptModuleItemTable& items = *globals->GetModuleItemTable();
//     items.Enter(SRptModuleItemTableEntry(moduleId, itemId), item);
#include "platform/base/SMap.h"
#include "platform/base/SMbcs.h"
#include "platform/com/SComWrap.h"
#include "rpt/module/SRptModuleTableKey.h"

template <class Entry, class I>
class SRptModuleTable : public SMap<Entry, SComWrap<I>, SRptModuleTableKey::Compare> {
public:
    // Enters a row for the key; a row already there for it is kept as it is.
    void Enter(const Entry& key, I* object) { this->Insert(key, SComWrap<I>(object)); }

    // Keeps only the rows whose object belongs to another module: the module id is read from the
    // object itself, not from the row's key. The kept rows stay in their order.
    void DropModule(const SString& moduleId) {
        SRptModuleTable kept;
        for (typename SRptModuleTable::Iterator it(*this); !it.IsEnd(); it.Next()) {
            const SComWrap<I>& object = it.GetValue();
            if (object && _mbscmp(object->GetModuleID().c_str(), moduleId.c_str()) == 0) continue;
            kept.Insert(it.GetKey(), object);
        }
        *this = kept;
    }
};

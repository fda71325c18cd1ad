#pragma once
// The key of a row of the module item table (module id, item id), and the table: the items that
// the built-in set-up and the modules registered, each row holding a reference on its item.
#include "rpt/module/SRptModuleTable.h"
#include "rpt/module/SRptModuleTableKey.h"
#include "varod9/ISRptItem.h"

class SRptModuleItemTableEntry : public SRptModuleTableKey {
public:
    SRptModuleItemTableEntry() = default;
    SRptModuleItemTableEntry(const SString& moduleId, const SString& itemId) : SRptModuleTableKey(moduleId, itemId) {}

    const SString& GetItemID() const { return GetName(); }
};

using SRptModuleItemTable = SRptModuleTable<SRptModuleItemTableEntry, ISRptItem>;

#pragma once
// The key of a row of the module field table (module id, field name), and the table: the fields
// that the modules registered, each row holding a reference on its field.
#include "rpt/module/SRptModuleTable.h"
#include "rpt/module/SRptModuleTableKey.h"
#include "varod9/ISRptField.h"

class SRptModuleFieldTableEntry : public SRptModuleTableKey {
public:
    SRptModuleFieldTableEntry() = default;
    SRptModuleFieldTableEntry(const SString& moduleId, const SString& fieldName)
        : SRptModuleTableKey(moduleId, fieldName) {}

    const SString& GetFieldName() const { return GetName(); }
};

using SRptModuleFieldTable = SRptModuleTable<SRptModuleFieldTableEntry, ISRptField>;

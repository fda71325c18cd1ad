#pragma once
// The load/save manager of report template files, which the shell module makes once and hands
// out as ISLoadSaveManager. It holds no state yet: reading and writing the files come with the
// template files.
#include "platform/repo/ISLoadSaveManager.h"
#include "rpt/module/SRptRefCounted.h"

class SRptTemplateLoadSaveManager final : public SRptRefCounted<ISLoadSaveManager> {
public:
    // The count starts at 0: the creator adds the first reference.
    SRptTemplateLoadSaveManager() : SRptRefCounted(0) {}

private:
    ~SRptTemplateLoadSaveManager() override = default;
};

#include "rpt/devices/SRptOutputHelper.h"

#include "rpt/devices/SRptGenerationNode.h"

SString SRptOutputHelper::GetNumberText() {
    return m_node ? m_node->GetNumberText() : SString();
}

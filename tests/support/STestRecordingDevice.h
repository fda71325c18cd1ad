#pragma once
// An output device for tests of what the templates ask of a device: it expands header and footer
// texts as every device does, with fixed values for the built-in fields (date "2024-03-05", time
// "14:30:00", page "7"), and records the module id and the text of each expansion.
#include <string>
#include <vector>

#include "rpt/objs/reports/SRptHeaderFooterExpander.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptDevice.h"

class STestRecordingDevice final : public STestRefCounted<ISRptDevice> {
public:
    HRESULT Generate() override { return S_OK; }
    HRESULT GetFieldText(int32_t, SString* pText) override {
        if (pText) pText->Empty();
        return S_FALSE;
    }
    HRESULT GetReport(ISRptReport** ppReport) override {
        if (!ppReport) return E_POINTER;
        *ppReport = nullptr;
        return S_OK;
    }
    HRESULT GetGenerationClient(ISRptGenerationClient** ppClient) override {
        if (!ppClient) return E_POINTER;
        *ppClient = nullptr;
        return S_OK;
    }
    HRESULT ExpandHeaderFooter(const SString& sModuleID, const SString& sText, SString& sExpanded,
                               int32_t& nNeedExpand) override {
        nNeedExpand = 0;
        expansions.push_back(sModuleID.str() + "|" + sText.str());
        SRptHeaderFooterExpander expander(
            [](int32_t nField, SString& value) {
                static const char* const kValues[] = {"", "2024-03-05", "14:30:00", "7"};
                if (nField < 1 || nField > 3) return false;
                value = kValues[nField];
                return true;
            },
            nullptr, nullptr);
        sExpanded = expander.Expand(sModuleID, sText);
        return S_OK;
    }

    // "module|text" of each expansion, in order.
    std::vector<std::string> expansions;
};

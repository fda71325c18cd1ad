#include "rpt/objs/reports/SRptHeaderFooterExpander.h"

#include <string>
#include <utility>

#include "platform/base/SMbcs.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

SRptHeaderFooterExpander::SRptHeaderFooterExpander(FieldValue builtInValue, ISRptReport* report,
                                                   ISRptGenerationClient* client)
    : m_builtInValue(std::move(builtInValue)), m_report(report), m_client(client) {}

SString SRptHeaderFooterExpander::Expand(const SString& moduleId, const SString& text) const {
    const std::string& source = text.str();
    std::string expanded;
    size_t done = 0;
    size_t open = source.find('%');
    while (open != std::string::npos) {
        const size_t close = source.find('%', open + 1);
        if (close == std::string::npos) break;
        const SString token(source.data() + open, close - open + 1);
        const SString name(source.data() + open + 1, close - open - 1);
        SString value;
        if (!ValueOf(moduleId, token, name, value)) {
            // Not a name of ours: the closing "%" may open the next one.
            open = close;
            continue;
        }
        expanded.append(source, done, open - done);
        expanded.append(value.str());
        done = close + 1;
        open = source.find('%', done);
    }
    expanded.append(source, done, std::string::npos);
    return SString(expanded.data(), expanded.size());
}

bool SRptHeaderFooterExpander::ValueOf(const SString& moduleId, const SString& token, const SString& name,
                                       SString& value) const {
    if (name.IsEmpty()) return false;
    // A module field is registered under its token, "%" included, as the editors insert it
    // into the texts.
    return BuiltInValue(token, value) || ModuleFieldValue(moduleId, token, value);
}

bool SRptHeaderFooterExpander::BuiltInValue(const SString& token, SString& value) const {
    const HEADERFOOTERFIELD* field = SRptGlobalsContainer::GetHeaderFooterFields();
    if (!field || !m_builtInValue) return false;
    for (; field->nField != 0; ++field) {
        if (_mbscmp(field->sToken.c_str(), token.c_str()) == 0) return m_builtInValue(field->nField, value);
    }
    return false;
}

bool SRptHeaderFooterExpander::ModuleFieldValue(const SString& moduleId, const SString& key, SString& value) const {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleFieldTable* fields = globals ? globals->GetModuleFieldTable() : nullptr;
    if (!fields) return false;
    SComWrap<ISRptField> field;
    if (auto entry = fields->GetEntry(SRptModuleFieldTableEntry(moduleId, key))) field = entry.GetValue();
    if (!field) return false;
    SString answer;
    if (field->GetFieldVal(m_report, m_client, answer) != S_OK) return false;
    value = answer;
    return true;
}

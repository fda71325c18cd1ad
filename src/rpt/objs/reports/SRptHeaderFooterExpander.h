#pragma once
// The expansion of a header or footer text that every output device shares: each name written
// between two "%" characters is replaced by the device's value of a built-in header/footer field
// ("%DATE%", "%TIME%", "%PAGE%"), or else by the value of the field that the template's module
// registered under that token ("%MODELNAME%"), or under the bare name ("MODELNAME"). A name that
// nothing answers stays in the text as it was, and its closing "%" may open the next name.
#include <cstdint>
#include <functional>

#include "platform/base/SString.h"

struct ISRptReport;
struct ISRptGenerationClient;

class SRptHeaderFooterExpander {
public:
    // The device's value of a built-in field (HEADERFOOTERFIELD::nField): false when it has none.
    using FieldValue = std::function<bool(int32_t nField, SString& sValue)>;

    // `report` and `client` are handed to the module's fields (either may be null).
    SRptHeaderFooterExpander(FieldValue builtInValue, ISRptReport* report, ISRptGenerationClient* client);

    // The expanded copy of `text` for the fields of module `moduleId`.
    SString Expand(const SString& moduleId, const SString& text) const;

private:
    // The value of one name (the text between the two "%"); false when nothing answers it.
    bool ValueOf(const SString& moduleId, const SString& token, const SString& name, SString& value) const;
    bool BuiltInValue(const SString& token, SString& value) const;
    bool ModuleFieldValue(const SString& moduleId, const SString& key, SString& value) const;

    FieldValue m_builtInValue;
    ISRptReport* m_report;
    ISRptGenerationClient* m_client;
};

#pragma once
// A method of a metaclass: its id, what it returns and its parameters in order. The report
// interfaces declare a class's own operations in the order of these records.
#include <span>
#include <vector>

#include "platform/repo/SRepMetaMember.h"
#include "platform/repo/SRepMetaParameter.h"

class SRepMetaMethod : public SRepMetaMember {
public:
    struct Record {
        SString codeName;
        SString displayName;
        uint32_t id = 0;
        uint32_t words[3] = {0, 0, 0};
        uint32_t returnTypeWord = 0;
        uint32_t kind = 0;
        SString returnTypeText;
        SString returnName;
        std::vector<SRepMetaParameter> parameters;
    };

    explicit SRepMetaMethod(Record record);

    std::span<const SRepMetaParameter> GetParameters() const { return m_parameters; }
    // 0x400 for most methods (they return a result code); 0x500 mostly for those that return
    // their value itself.
    uint32_t GetKind() const { return m_kind; }
    // Type code of a returned number in bits 24-31 (0x03000000 INT), else 0.
    uint32_t GetReturnTypeWord() const { return m_returnTypeWord; }
    const SString& GetReturnTypeText() const { return m_returnTypeText; }
    const SString& GetReturnName() const { return m_returnName; }
    uint32_t GetWord(int32_t index) const { return index >= 0 && index < 3 ? m_words[index] : 0; }

private:
    uint32_t m_words[3];
    uint32_t m_returnTypeWord;
    uint32_t m_kind;
    SString m_returnTypeText;
    SString m_returnName;
    std::vector<SRepMetaParameter> m_parameters;
};

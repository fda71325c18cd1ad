#pragma once
// Writes objects as records of the binary form (SRepBinFormat) into memory: a record's length
// is known only when it is complete, so each is patched in place when it ends.
#include <string>
#include <vector>

#include "platform/repo/SRepDocumentWriter.h"

class SRepBinWriter : public SRepDocumentWriter {
public:
    explicit SRepBinWriter(int32_t maxDepth = SRepDocumentLimits::kMaxDepth) : SRepDocumentWriter(maxDepth) {}

    const std::string& GetBytes() const { return m_bytes; }
    void Clear() { m_bytes.clear(); }

    static void PutWord(std::string& out, uint32_t word);
    static void PutText(std::string& out, const std::string& text);

protected:
    void BeginObject(const SRepMetaClass& metaClass) override;
    void Attribute(const SRepMetaAttribute& attribute, uint32_t type, const SRepVariant& value) override;
    void BeginCollection(const SRepMetaCollection& collection) override;
    void EndCollection(const SRepMetaCollection& collection) override;
    void EndObject(const SRepMetaClass& metaClass) override;

private:
    void Begin(uint8_t tag);
    void End();

    std::string m_bytes;
    std::vector<size_t> m_open;  // where the length of each open record stands
};

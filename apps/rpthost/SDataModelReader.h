#pragma once
// Reads a model file: XML with a <model name author version> root holding <entity name
// description> elements, each holding <attribute name type description> and <relationship name
// target cardinality> elements. Other elements are skipped. The file is read through the
// platform's input stream and parsed with expat in the encoding its XML declaration names
// (UTF-8 when it names none); a missing, unreadable or malformed file, or one
// larger than kMaxFileSize, throws SException with a message that names the file and the fault.
#include <cstddef>

#include "SDataModel.h"
#include "platform/base/SString.h"

class SDataModelReader {
public:
    static constexpr size_t kMaxFileSize = 64u << 20;

    static SDataModel ReadFile(const SString& path);
    // The same from the file's bytes; `name` names the source in messages.
    static SDataModel ReadText(const SString& text, const SString& name);
};

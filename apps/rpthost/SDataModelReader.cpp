#include "SDataModelReader.h"

#include <expat.h>

#include <cstring>
#include <memory>

#include "platform/base/SException.h"
#include "platform/base/SInputFile.h"

namespace {

// What the parser's callbacks build, and the first fault they met.
struct SParseState {
    SDataModel model;
    bool sawModel = false;
    SString fault;
    // The encoding that the XML declaration names and the parser does not know.
    SString unknownEncoding;
};

SString AttributeOf(const XML_Char** attributes, const char* name) {
    for (size_t i = 0; attributes[i]; i += 2)
        if (std::strcmp(attributes[i], name) == 0) return SString(attributes[i + 1]);
    return SString();
}

void OnStart(void* data, const XML_Char* element, const XML_Char** attributes) {
    auto* state = static_cast<SParseState*>(data);
    SDataModel& model = state->model;
    if (std::strcmp(element, "model") == 0) {
        state->sawModel = true;
        model.name = AttributeOf(attributes, "name");
        model.author = AttributeOf(attributes, "author");
        model.version = AttributeOf(attributes, "version");
    } else if (std::strcmp(element, "entity") == 0) {
        SDataModel::Entity entity;
        entity.name = AttributeOf(attributes, "name");
        entity.description = AttributeOf(attributes, "description");
        if (entity.name.IsEmpty() && state->fault.IsEmpty()) state->fault = "an entity without a name";
        model.entities.push_back(std::move(entity));
    } else if (std::strcmp(element, "attribute") == 0 && !model.entities.empty()) {
        model.entities.back().attributes.push_back(
            {AttributeOf(attributes, "name"), AttributeOf(attributes, "type"), AttributeOf(attributes, "description")});
    } else if (std::strcmp(element, "relationship") == 0 && !model.entities.empty()) {
        model.entities.back().relationships.push_back({AttributeOf(attributes, "name"), AttributeOf(attributes, "target"),
                                                       AttributeOf(attributes, "cardinality")});
    }
}

void OnEnd(void*, const XML_Char*) {}

// Declines every encoding the parser does not know of itself, keeping its name for the message.
int OnUnknownEncoding(void* data, const XML_Char* name, XML_Encoding*) {
    static_cast<SParseState*>(data)->unknownEncoding = SString(name);
    return XML_STATUS_ERROR;
}

}  // namespace

SDataModel SDataModelReader::ReadFile(const SString& path) {
    SInputFile file(path);
    return ReadText(SString(file.ReadAll(kMaxFileSize)), path);
}

SDataModel SDataModelReader::ReadText(const SString& text, const SString& name) {
    SParseState state;
    // The file's XML declaration names its encoding (UTF-8 without one); the parser hands every
    // text over as UTF-8.
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate(nullptr), XML_ParserFree);
    if (!parser) throw SException("the XML parser cannot be created");
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetUnknownEncodingHandler(parser.get(), OnUnknownEncoding, &state);
    if (XML_Parse(parser.get(), text.c_str(), text.GetLength(), XML_TRUE) != XML_STATUS_OK) {
        const XML_Error error = XML_GetErrorCode(parser.get());
        SString message;
        message.Format("%s:%d: %s", name.c_str(), static_cast<int32_t>(XML_GetCurrentLineNumber(parser.get())),
                       XML_ErrorString(error));
        if (error == XML_ERROR_UNKNOWN_ENCODING && !state.unknownEncoding.IsEmpty())
            message += " '" + state.unknownEncoding + "'";
        throw SException(message);
    }
    if (!state.sawModel) throw SException(name + ": no <model> element");
    if (!state.fault.IsEmpty()) throw SException(name + ": " + state.fault);
    return std::move(state.model);
}

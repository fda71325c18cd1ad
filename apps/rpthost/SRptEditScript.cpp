#include "SRptEditScript.h"

#include <cstdlib>
#include <sstream>

#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/ui/SInteraction.h"

namespace {

constexpr int64_t kMaxScriptSize = 1 << 20;

[[noreturn]] void Fault(int line, const std::string& what) {
    throw SException(SString(("line " + std::to_string(line) + ": " + what).c_str()));
}

// A whole number of the text, or a fault at `line`.
uint32_t Number(const std::string& text, int line) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value > 0xFFFFFFFFul) Fault(line, "'" + text + "' is not a number");
    return static_cast<uint32_t>(value);
}

uint32_t Button(const std::string& word, int line) {
    if (word == "ok") return IDOK;
    if (word == "cancel") return IDCANCEL;
    if (word == "yes") return IDYES;
    if (word == "no") return IDNO;
    return Number(word, line);
}

SString Resolve(const std::string& path, const SString& folder) {
    if (path.empty() || path[0] == '/' || folder.IsEmpty()) return SString(path.c_str());
    return folder + "/" + SString(path.c_str());
}

SRptEditStep ParseAnswer(const std::vector<std::string>& words, int line, const SString& folder) {
    SRptEditStep step;
    step.kind = SRptEditStep::Answer;
    if (words.size() < 2) Fault(line, "answer needs a button");
    step.id = Button(words[1], line);
    for (size_t i = 2; i < words.size(); ++i) {
        const size_t equals = words[i].find('=');
        if (equals == std::string::npos) Fault(line, "'" + words[i] + "' is not NAME=VALUE");
        const std::string name = words[i].substr(0, equals);
        const std::string value = words[i].substr(equals + 1);
        if (name == "path") step.path = Resolve(value, folder);
        else step.values[static_cast<int32_t>(Number(name, line))] = SString(value.c_str());
    }
    return step;
}

}  // namespace

SRptEditScript SRptEditScript::ReadFile(const SString& path) {
    SInputFile file(path);
    return Parse(SString(file.ReadAll(kMaxScriptSize)).str(), SFile::GetFolder(path));
}

SRptEditScript SRptEditScript::Parse(const std::string& text, const SString& folder) {
    SRptEditScript script;
    std::istringstream lines(text);
    std::string content;
    int line = 0;
    while (std::getline(lines, content)) {
        ++line;
        std::istringstream wordStream(content);
        std::vector<std::string> words;
        for (std::string word; wordStream >> word;) words.push_back(word);
        if (words.empty() || words[0][0] == '#') continue;
        const std::string& action = words[0];
        SRptEditStep step;
        if (action == "model") {
            if (words.size() != 2) Fault(line, "model needs one file");
            if (!script.m_model.IsEmpty()) Fault(line, "the model is given twice");
            script.m_model = Resolve(words[1], folder);
            continue;
        }
        if (action == "fire") {
            if (words.size() != 2) Fault(line, "fire needs one command id");
            step.kind = SRptEditStep::Fire;
            step.id = Number(words[1], line);
        } else if (action == "key") {
            if (words.size() != 2 || words[1] != "tab") Fault(line, "the only key is tab");
            step.kind = SRptEditStep::Key;
        } else if (action == "select" || action == "add") {
            if (words.size() < 2 || (action == "add" && words.size() != 2))
                Fault(line, action + (action == "add" ? " needs one item id" : " needs item ids"));
            step.kind = action == "add" ? SRptEditStep::Add : SRptEditStep::Select;
            step.items.assign(words.begin() + 1, words.end());
        } else if (action == "answer") {
            step = ParseAnswer(words, line, folder);
        } else {
            Fault(line, "unknown action '" + action + "'");
        }
        step.line = line;
        script.m_steps.push_back(std::move(step));
    }
    if (script.m_model.IsEmpty()) Fault(line, "the script names no model");
    return script;
}

#include "SRptEditScript.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/ui/SWinDefs.h"
#include "varod9/SInteraction.h"

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

// The words of a line: parted by blanks, a quoted part kept whole without its quotes.
std::vector<std::string> Words(const std::string& content, int line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (quoted) {
            if (c == '"') quoted = false;
            else if (c == '\\' && i + 1 < content.size() && (content[i + 1] == '"' || content[i + 1] == '\\')) word += content[++i];
            else word += c;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '"') quoted = true;
            else word += c;
        }
    }
    if (quoted) Fault(line, "a quote is not closed");
    if (inWord) words.push_back(std::move(word));
    return words;
}

SRptEditStep ParseAnswer(const std::vector<std::string>& words, int line, const SString& folder) {
    SRptEditStep step;
    step.kind = SRptEditStep::Answer;
    if (words.size() < 2) Fault(line, "answer needs a button");
    step.id = Button(words[1], line);
    bool hasPath = false;
    for (size_t i = 2; i < words.size(); ++i) {
        const size_t equals = words[i].find('=');
        if (equals == std::string::npos) Fault(line, "'" + words[i] + "' is not NAME=VALUE");
        const std::string name = words[i].substr(0, equals);
        const SString value(words[i].substr(equals + 1).c_str());
        if (name == "path") {
            if (hasPath) Fault(line, "the path is given twice");
            step.path = Resolve(value.str(), folder);
            hasPath = true;
            continue;
        }
        if (name == "page") {
            if (step.page >= 0) Fault(line, "the page is given twice");
            step.page = static_cast<int32_t>(std::min<uint32_t>(Number(value.str(), line), INT32_MAX));
            continue;
        }
        // A control given again takes one more line.
        const auto [it, added] = step.values.emplace(static_cast<int32_t>(Number(name, line)), value);
        if (!added) it->second += "\n" + value;
    }
    return step;
}

// The virtual key of a key's name, or a fault at `line`.
uint32_t Key(const std::vector<std::string>& words, int line) {
    if (words.size() == 2 && words[1] == "tab") return VK_TAB;
    if (words.size() == 2 && words[1] == "esc") return VK_ESCAPE;
    Fault(line, "the keys are tab and esc");
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
        if (const size_t first = content.find_first_not_of(" \t\r"); first == std::string::npos || content[first] == '#')
            continue;
        const std::vector<std::string> words = Words(content, line);
        if (words.empty()) continue;
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
            step.kind = SRptEditStep::Key;
            step.id = Key(words, line);
        } else if (action == "select" || action == "add") {
            if (words.size() < 2 || (action == "add" && words.size() != 2))
                Fault(line, action + (action == "add" ? " needs one item id" : " needs item ids"));
            step.kind = action == "add" ? SRptEditStep::Add : SRptEditStep::Select;
            step.items.assign(words.begin() + 1, words.end());
        } else if (action == "rename") {
            if (words.size() != 2) Fault(line, "rename needs one name");
            step.kind = SRptEditStep::Rename;
            step.name = SString(words[1].c_str());
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

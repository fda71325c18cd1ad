#include "SRptHostPaths.h"

#include <filesystem>
#include <system_error>

#include "platform/base/SFile.h"

SString SRptHostPaths::WithDefaultExtension(const SString& path, const SString& extension) {
    // The dialog's own rule: a "." anywhere in the name counts as an extension.
    if (SFile::GetFileName(path).Find('.') >= 0 || extension.IsEmpty()) return path;
    return path + "." + extension;
}

bool SRptHostPaths::WritesOver(const SString& folder, const std::function<bool(const SString& name)>& written,
                               const SString& input) {
    std::error_code error;
    // A folder that cannot be listed holds nothing to be written over.
    for (std::filesystem::directory_iterator entry(folder.IsEmpty() ? "." : folder.str(), error), end;
         !error && entry != end; entry.increment(error)) {
        if (written(SString(entry->path().filename().string())) &&
            SFile::IsSameFile(SString(entry->path().string()), input))
            return true;
    }
    return false;
}

bool SRptHostPaths::IsInFolder(const SString& path, const SString& folder) {
    const auto folderOf = [](const std::filesystem::path& file) {
        return SString(file.has_parent_path() ? file.parent_path().string() : std::string("."));
    };
    const std::filesystem::path named(path.str());
    if (SFile::IsSameFile(folderOf(named), folder)) return true;
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(named, error);
    return !error && SFile::IsSameFile(folderOf(resolved), folder);
}

SString SRptHostPaths::FolderOf(const SString& path) {
    const SString folder = SFile::GetFolder(path);
    return folder.IsEmpty() ? SString(".") : folder;
}

SString SRptHostPaths::MissingFolderOf(const SString& path) {
    auto withoutLastSlash = [](std::string text) {
        while (text.size() > 1 && text.back() == '/') text.pop_back();
        return text;
    };
    // A folder to be made is named with or without a "/" at its end.
    const std::string folder = withoutLastSlash(SFile::GetFolder(SString(withoutLastSlash(path.str()))).str());
    // A bare name goes into the current folder, which is there.
    if (folder.empty() || SFile::IsDirectory(SString(folder))) return SString();
    return SString(folder);
}

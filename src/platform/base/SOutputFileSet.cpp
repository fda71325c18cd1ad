#include "platform/base/SOutputFileSet.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/base/SFile.h"
#include "platform/base/SOutputFile.h"

namespace {
// The sets open on this thread, the latest first (each keeps the one before it).
thread_local SOutputFileSet* tCurrent = nullptr;
}  // namespace

SOutputFileSet::SOutputFileSet(const SString& folder, const SString& name)
    : m_folder(folder), m_staging(folder + "." + name + ".set/") {
    // What a set of the same name left when its run died goes first.
    RemoveStaging(m_staging);
    if (::mkdir(m_staging.c_str(), 0777) != 0) SFile::ThrowError(errno, "create the folder", m_staging);
    m_previous = tCurrent;
    tCurrent = this;
}

SOutputFileSet::~SOutputFileSet() {
    tCurrent = m_previous;
    RemoveStaging(m_staging);
}

bool SOutputFileSet::DefersSync(const SString& path) {
    const SString folder = SFile::GetFolder(path);
    for (const SOutputFileSet* set = tCurrent; set; set = set->m_previous)
        if (!set->m_committed && folder == set->m_staging) return true;
    return false;
}

std::vector<SString> SOutputFileSet::StagedNames() const {
    std::vector<SString> names;
    DIR* dir = ::opendir(m_staging.c_str());
    if (!dir) SFile::ThrowError(errno, "read the folder", m_staging);
    while (const dirent* entry = ::readdir(dir)) {
        // Hidden names are the files of saves that did not finish, never files of the set.
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

void SOutputFileSet::Commit() {
    if (m_committed) return;
    const std::vector<SString> names = StagedNames();
    std::vector<SOutputFile::STarget> targets;
    targets.reserve(names.size());
    for (const SString& name : names) targets.push_back(SOutputFile::ExamineTarget(m_folder + name));
    SyncStaged();
    // Each folder that took files, with the first file it took (a failure names it).
    std::vector<std::pair<SString, SString>> folders;
    for (size_t i = 0; i < names.size(); ++i) {
        const SString staged = m_staging + names[i];
        const SOutputFile::STarget& target = targets[i];
        // The file keeps the permissions of the one it replaces, as a single save does.
        if (target.existing && ::chmod(staged.c_str(), static_cast<mode_t>(target.mode)) != 0)
            SFile::ThrowError(errno, "keep the permissions of", m_folder + names[i]);
        if (::rename(staged.c_str(), target.path.c_str()) != 0) SFile::ThrowError(errno, "replace", m_folder + names[i]);
        const SString folder = SFile::GetFolder(target.path);
        const auto taken = [&](const auto& entry) { return entry.first == folder; };
        if (std::none_of(folders.begin(), folders.end(), taken)) folders.emplace_back(folder, m_folder + names[i]);
    }
    m_committed = true;
    RemoveStaging(m_staging);
    for (const auto& [folder, named] : folders) SOutputFile::SyncFolder(folder, named);
}

void SOutputFileSet::SyncStaged() {
    // One pass over the file system holds every file of the set, however many there are: a wait
    // a file would commit the file system's journal once a file.
    const int fd = ::open(m_staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = fd < 0 ? errno : SOutputFile::SyncFileSystem(fd);
    if (fd >= 0) ::close(fd);
    if (error != 0) SFile::ThrowError(error, "sync the files written in", m_staging);
}

void SOutputFileSet::RemoveStaging(const SString& staging) {
    DIR* dir = ::opendir(staging.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const SString name(entry->d_name);
        if (name != "." && name != "..") ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
    ::rmdir(staging.c_str());
}

#pragma once
// The files of a set that belong together in one folder (the pages of an HTML page set). They are
// written, each whole (SOutputFile), into a staging folder beside them, hidden and named after
// the set, without a wait for the disk each; Commit makes them all durable in one pass, then puts
// every one in its place in the folder and syncs the folder once. Until then the folder holds its
// previous files untouched: a set that fails or is dropped part-way (an exception, a killed
// process) leaves them as they were, and no file of the old set stands beside one of the new.
// Every target is examined (SOutputFile::ExamineTarget) before the first one is replaced, so a
// target that would refuse its file fails the set with the folder as it was.
//
// The staging folder goes whatever way the set ends; one that a dead run left behind is removed
// by the next set of the same name in the same folder. While a set is open on a thread, the
// files that thread writes into its staging folder leave their sync to the set.
//
// Failures throw SEIOException with the path concerned.
#include <vector>

#include "platform/base/SString.h"

class SOutputFileSet {
public:
    // `folder` is where the files belong ("" for the current folder, else ending with "/");
    // `name` names the set (its first file, say).
    SOutputFileSet(const SString& folder, const SString& name);
    // Without a commit the staged files are dropped and the folder is left as it was.
    ~SOutputFileSet();
    SOutputFileSet(const SOutputFileSet&) = delete;
    SOutputFileSet& operator=(const SOutputFileSet&) = delete;

    // Where the files of the set are written until the commit, ending with "/".
    const SString& GetStagingFolder() const { return m_staging; }
    // Every staged file in one sync pass, then each in its place, then the folder synced. A
    // second call does nothing.
    void Commit();
    bool IsCommitted() const { return m_committed; }

    // Whether a file saved at `path` leaves its sync to an open set of this thread.
    static bool DefersSync(const SString& path);

private:
    // The files of the staging folder, by name.
    std::vector<SString> StagedNames() const;
    void SyncStaged();
    // Removes the staging folder and what it holds; quiet about failures.
    static void RemoveStaging(const SString& staging);

    SString m_folder;
    SString m_staging;
    SOutputFileSet* m_previous = nullptr;
    bool m_committed = false;
};

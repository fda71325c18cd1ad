#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <map>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/SFile.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SOutputFileSet.h"
#include "platform/base/SSettingsStore.h"
#include "SEIOExceptionCause.h"
#include "support/STestSetCommitStop.h"
#include "support/STestTempFolder.h"

namespace fs = std::filesystem;

// Reaches the switches that make SOutputFile take the paths this machine does not take by itself.
class SOutputFileTestAccess {
public:
    static bool& UnnamedFiles() { return SOutputFile::sUnnamedFiles; }
    static int& FolderSyncError() { return SOutputFile::sFolderSyncError; }
    static int64_t DiskWaits() { return SOutputFile::sDiskWaits; }
};

namespace {
// Sets a value for the life of the scope and puts the previous one back.
template <class T>
class ValueScope {
public:
    ValueScope(T& value, T scoped) : m_value(value), m_previous(value) { value = scoped; }
    ~ValueScope() { m_value = m_previous; }

private:
    T& m_value;
    T m_previous;
};

// Runs the tests that concern the file holding the new content twice: with the unnamed files
// that this machine's file system offers, and with the named ones used where there are none.
class SOutputFileTest : public testing::TestWithParam<bool> {
protected:
    SOutputFileTest() : m_mode(SOutputFileTestAccess::UnnamedFiles(), GetParam()) {}

    SString PathOf(const char* name) const { return m_folder.PathOf(name); }
    std::vector<std::string> Entries() const { return m_folder.Entries(); }
    static void WriteFile(const SString& path, const std::string& bytes) { STestTempFolder::WriteFile(path, bytes); }
    static std::string ReadFile(const SString& path) { return STestTempFolder::ReadFile(path); }
    bool Unnamed() const { return GetParam(); }

    // The permission bits of the file that holds a save's new content before its commit: the
    // named file, or else the one open file of the folder that has no name.
    uint32_t ModeOfNewContent(const SOutputFile& file) const {
        struct stat info;
        if (!file.GetTempPath().IsEmpty()) {
            EXPECT_EQ(::stat(file.GetTempPath().c_str(), &info), 0);
            return info.st_mode & 07777;
        }
        std::vector<uint32_t> modes;
        for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            fs::path target = fs::read_symlink(entry.path(), error);
            if (error || target.string().rfind(m_folder.path().string() + "/", 0) != 0) continue;
            if (::stat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 0)
                modes.push_back(info.st_mode & 07777);
        }
        EXPECT_EQ(modes.size(), 1u);
        return modes.empty() ? 0 : modes[0];
    }

    STestTempFolder m_folder;
    ValueScope<bool> m_mode;
};

// Runs `save` in a child process, which `save` kills before the save can end.
void KillPartWay(const std::function<void()>& save) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        save();
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

// The type of what is at `path` itself (a link is not followed).
fs::file_type TypeAt(const SString& path) {
    return fs::symlink_status(path.c_str()).type();
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(NewContent, SOutputFileTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Unnamed" : "Named"; });

TEST_P(SOutputFileTest, AnythingButARegularFileIsRefusedAndLeftAlone) {
    SString pipe = PathOf("pipe.rtf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    SString socketPath = PathOf("socket.rtf");
    int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    // Bound through the folder's descriptor: a socket's path must be short.
    int folder = ::open(m_folder.path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    std::string shortPath = "/proc/self/fd/" + std::to_string(folder) + "/socket.rtf";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, shortPath.c_str(), shortPath.size());
    int bound = ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(listener);
    ::close(folder);
    ASSERT_EQ(bound, 0) << std::strerror(errno);
    ASSERT_EQ(TypeAt(socketPath), fs::file_type::socket);
    SString linkToPipe = PathOf("link.rtf");
    ASSERT_EQ(::symlink(pipe.c_str(), linkToPipe.c_str()), 0);
    std::vector<SString> targets = {pipe, socketPath, linkToPipe};
    // A device like /dev/null, made here where the system lets the test make one.
    SString device = PathOf("null.rtf");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
    std::vector<std::string> before = Entries();

    for (const SString& target : targets) {
        fs::file_type type = TypeAt(target);
        EXPECT_EQ(CauseOf([&] {
                      SOutputFile file(target);
                      file.WriteString("report");
                      file.Close();
                  }),
                  SEIOException::accessDenied)
            << target.c_str();
        EXPECT_EQ(TypeAt(target), type) << target.c_str();
    }
    EXPECT_EQ(TypeAt(pipe), fs::file_type::fifo);
    EXPECT_EQ(Entries(), before);  // nothing replaced, nothing left beside them
}

TEST_P(SOutputFileTest, ALinkToNothingGetsTheFileItNamesAndStaysALink) {
    SString link = PathOf("link.ini");
    ASSERT_EQ(::symlink("made.ini", link.c_str()), 0);  // relative to the link's folder
    SString chain = PathOf("chain.ini");
    ASSERT_EQ(::symlink(PathOf("absolute.ini").c_str(), PathOf("middle.ini").c_str()), 0);
    ASSERT_EQ(::symlink("middle.ini", chain.c_str()), 0);

    for (const SString& path : {link, chain}) {
        SOutputFile file(path);
        file.WriteString("new " + SFile::GetFileName(path));
        file.Close();
        EXPECT_EQ(TypeAt(path), fs::file_type::symlink);
    }
    EXPECT_EQ(ReadFile(PathOf("made.ini")), "new link.ini");
    EXPECT_EQ(ReadFile(PathOf("absolute.ini")), "new chain.ini");
    EXPECT_EQ(TypeAt(PathOf("middle.ini")), fs::file_type::symlink);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"absolute.ini", "chain.ini", "link.ini", "made.ini", "middle.ini"}));

    // A link into a folder that does not exist names a file that cannot be made.
    SString lost = PathOf("lost.ini");
    ASSERT_EQ(::symlink("missing/x.ini", lost.c_str()), 0);
    EXPECT_EQ(CauseOf([&] { SOutputFile file(lost); }), SEIOException::fileNotFound);
    EXPECT_EQ(TypeAt(lost), fs::file_type::symlink);
    // Links that lead back to themselves are refused, not followed for ever.
    ASSERT_EQ(::symlink("loop-b", PathOf("loop-a").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a", PathOf("loop-b").c_str()), 0);
    EXPECT_THROW(SOutputFile(PathOf("loop-a")), SEIOException);
    EXPECT_EQ(TypeAt(PathOf("loop-a")), fs::file_type::symlink);
}

TEST_P(SOutputFileTest, TheNewContentIsNeverMoreReadableThanItsFile) {
    SString secret = PathOf("private.ini");
    WriteFile(secret, "old secret");
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    {
        SOutputFile file(secret);
        EXPECT_EQ(ModeOfNewContent(file), 0600u);  // before anything is written ...
        file.WriteString(SString(std::string(20000, 's')));
        EXPECT_EQ(ModeOfNewContent(file), 0600u);  // ... and while it is
        file.Close();
    }
    struct stat info;
    ASSERT_EQ(::stat(secret.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    // A new file gets the usual mode under the umask, from the start.
    mode_t previous = ::umask(027);
    {
        SOutputFile file(PathOf("new.ini"));
        EXPECT_EQ(ModeOfNewContent(file), 0640u);
        file.Close();
    }
    ::umask(previous);
    ASSERT_EQ(::stat(PathOf("new.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // The settings file is saved the same way.
    SSettingsStore store;
    store.CreateKey(HKEY_CURRENT_USER, "k");
    ASSERT_EQ(store.SaveToFile(secret), S_OK);
    ASSERT_EQ(::stat(secret.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_P(SOutputFileTest, AKilledSaveLeavesNothingOnceTheNextSaveStarts) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "previous");
    // Names a clean-up must not mistake for a dead save's file of this target.
    WriteFile(PathOf(".report.rtf.bak"), "user's");
    WriteFile(PathOf(".other.rtf.abcd1234"), "another target's");
    KillPartWay([&] {
        SOutputFile file(path);
        file.Write(std::string(20000, 'x').data(), 20000);
        file.Flush();
        ::raise(SIGKILL);
    });
    EXPECT_EQ(ReadFile(path), "previous");
    std::vector<std::string> left = Entries();
    if (Unnamed()) {
        EXPECT_EQ(left, (std::vector<std::string>{".other.rtf.abcd1234", ".report.rtf.bak", "report.rtf"}));
    } else {
        ASSERT_EQ(left.size(), 4u);  // the dead save's file, until the next save of the target
    }
    {
        SOutputFile next(path);
        next.WriteString("next");
        EXPECT_EQ(Entries().size(), Unnamed() ? 3u : 4u);  // the dead one gone, this one's there
        next.Close();
    }
    EXPECT_EQ(ReadFile(path), "next");
    EXPECT_EQ(Entries(), (std::vector<std::string>{".other.rtf.abcd1234", ".report.rtf.bak", "report.rtf"}));
}

TEST_P(SOutputFileTest, TheFileOfASaveKilledBeforeItsRenameGoesWithTheNextSave) {
    SString path = PathOf("report.rtf");
    // The names a save gives its new file beside the target: the name it took last time, but for
    // its unique tail of eight letters or digits.
    std::string head;
    {
        WriteFile(path, "before");
        SOutputFile file(path);
        file.WriteString("previous");
        file.Close();
        const std::string taken = SFile::GetFileName(file.GetTempPath()).str();
        ASSERT_GT(taken.size(), 8u);
        head = taken.substr(0, taken.size() - 8);
    }
    ASSERT_EQ(head.rfind(".report.rtf.", 0), 0u);
    // What a save killed between naming its new file and the rename leaves, unnamed or not.
    WriteFile(PathOf((head + "k1lled00").c_str()), "dead save's");
    // A save of the target running in another process holds its file locked.
    const std::string runningName = head + "runn1ng0";
    WriteFile(PathOf(runningName.c_str()), "running save's");
    const int running = ::open(PathOf(runningName.c_str()).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX | LOCK_NB), 0);
    // Names that only look like a save's: the user's files, and those of another target.
    WriteFile(PathOf(".report.rtf.bak"), "user's");
    WriteFile(PathOf(".report.rtf.backup01"), "user's");
    WriteFile(PathOf(".report.rtf.abcd123"), "user's");
    WriteFile(PathOf(".report.rtf.ABCD1234"), "user's");
    WriteFile(PathOf(".other.rtf.abcd1234"), "another target's");
    const std::string folderName = head + "f0lder00";
    const std::string linkName = head + "l1nk0000";
    fs::create_directory(PathOf(folderName.c_str()).c_str());
    ASSERT_EQ(::symlink("report.rtf", PathOf(linkName.c_str()).c_str()), 0);
    {
        SOutputFile file(path);
        file.WriteString("next");
        file.Close();
    }
    ::close(running);
    EXPECT_EQ(ReadFile(path), "next");
    std::vector<std::string> left = {".other.rtf.abcd1234", ".report.rtf.ABCD1234", ".report.rtf.abcd123",
                                     ".report.rtf.backup01", ".report.rtf.bak", folderName, linkName, runningName,
                                     "report.rtf"};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(Entries(), left);
}

TEST_P(SOutputFileTest, TwoSavesOfOneTargetLeaveEachOthersFilesAlone) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "previous");
    SOutputFile first(path);
    first.WriteString("first");
    first.Flush();
    SOutputFile second(path);
    if (!first.GetTempPath().IsEmpty()) {
        EXPECT_TRUE(SFile::Exists(first.GetTempPath()));
    }
    second.WriteString("second");
    first.Close();
    EXPECT_EQ(ReadFile(path), "first");
    second.Close();
    EXPECT_EQ(ReadFile(path), "second");
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});
}

TEST_P(SOutputFileTest, ATargetWhoseNameJustFitsCanBeSaved) {
    // The new content's name beside the target is made from the target's; a target name at the
    // folder's limit must still leave room for it, multibyte names included.
    long limit = ::pathconf(m_folder.path().c_str(), _PC_NAME_MAX);
    ASSERT_GT(limit, 16);
    std::string wide = "x";  // three-byte characters up to the limit, then ASCII to fill it exactly
    while (wide.size() + 3 <= static_cast<size_t>(limit) - 4) wide += "\xE2\x82\xAC";
    wide += std::string(static_cast<size_t>(limit) - 4 - wide.size(), 'x');
    for (const std::string& name : {std::string(static_cast<size_t>(limit) - 4, 'a') + ".rtf", wide + ".rtf"}) {
        ASSERT_EQ(name.size(), static_cast<size_t>(limit));
        SString path = PathOf(name.c_str());
        WriteFile(path, "old");  // replacing an existing file needs a name for the new one
        SOutputFile file(path);
        file.WriteString("whole");
        SString temporary = SFile::GetFileName(file.GetTempPath());
        EXPECT_EQ(SString::FromU16(temporary.ToU16()), temporary);  // no character cut in two
        file.Close();
        temporary = SFile::GetFileName(file.GetTempPath());
        EXPECT_LE(temporary.GetLength(), limit);
        EXPECT_EQ(SString::FromU16(temporary.ToU16()), temporary);
        EXPECT_EQ(ReadFile(path), "whole");
        EXPECT_EQ(Entries(), std::vector<std::string>{name});
        SFile::Remove(path);
    }
}

TEST_P(SOutputFileTest, AFolderSyncThatFailsIsReported) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "previous");
    {
        ValueScope<int> failing(SOutputFileTestAccess::FolderSyncError(), EIO);
        SOutputFile file(path);
        file.WriteString("new");
        EXPECT_THROW(file.Close(), SEIOException);
        // The new content did take the target's place; only its lasting is in doubt.
        EXPECT_TRUE(file.IsCommitted());
    }
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});

    // A file system that cannot sync folders at all is no failure.
    ValueScope<int> unsupported(SOutputFileTestAccess::FolderSyncError(), EINVAL);
    SOutputFile file(path);
    file.WriteString("newer");
    EXPECT_NO_THROW(file.Close());
    EXPECT_EQ(ReadFile(path), "newer");
}

TEST_P(SOutputFileTest, AFileSetReplacesItsFolderFilesOnlyAtItsCommitWithOneWaitForAllOfThem) {
    WriteFile(PathOf("a.htm"), "old a");
    ASSERT_EQ(::chmod(PathOf("a.htm").c_str(), 0640), 0);
    WriteFile(PathOf("b.htm"), "old b");
    // A user's file kept where the set stages its files is none of the set's.
    fs::create_directory(PathOf(".a.htm.set").c_str());
    WriteFile(PathOf(".a.htm.set/model.xml"), "user's");
    const int64_t before = SOutputFileTestAccess::DiskWaits();
    {
        SOutputFileSet set(PathOf(""), "a.htm");
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) {
            SOutputFile file(set.GetStagingFolder() + name);
            file.WriteString(SString("new ") + name);
            file.Close();
        }
        // Written, not waited for, and not in the folder yet.
        EXPECT_EQ(SOutputFileTestAccess::DiskWaits(), before);
        EXPECT_EQ(ReadFile(PathOf("a.htm")), "old a");
        EXPECT_EQ(ReadFile(PathOf("b.htm")), "old b");
        EXPECT_FALSE(fs::exists(PathOf("c.htm").c_str()));
        set.Commit();
        // One wait for the files, one for the folder.
        EXPECT_EQ(SOutputFileTestAccess::DiskWaits(), before + 2);
    }
    EXPECT_EQ(ReadFile(PathOf("a.htm")), "new a.htm");
    EXPECT_EQ(ReadFile(PathOf("b.htm")), "new b.htm");
    EXPECT_EQ(ReadFile(PathOf("c.htm")), "new c.htm");
    struct stat info;
    ASSERT_EQ(::stat(PathOf("a.htm").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), (std::vector<std::string>{".a.htm.set", "a.htm", "b.htm", "c.htm"}));
    EXPECT_EQ(ReadFile(PathOf(".a.htm.set/model.xml")), "user's");
    std::vector<std::string> staging;
    for (const auto& entry : fs::directory_iterator(PathOf(".a.htm.set").c_str()))
        staging.push_back(entry.path().filename().string());
    EXPECT_EQ(staging, std::vector<std::string>{"model.xml"});
}

TEST_P(SOutputFileTest, AFileSetThatIsRefusedOrDroppedLeavesItsFolderAsItWas) {
    WriteFile(PathOf("a.htm"), "old a");
    fs::create_directory(PathOf("b.htm").c_str());
    // What a set of the same name left when its run died: files staged, one of them part-way.
    KillPartWay([&] {
        SOutputFileSet set(PathOf(""), "a.htm");
        for (const char* name : {"a.htm", "z.htm"}) {
            SOutputFile file(set.GetStagingFolder() + name);
            file.WriteString("stale");
            file.Close();
        }
        SOutputFile file(set.GetStagingFolder() + "y.htm");
        file.Write(std::string(20000, 'x').data(), 20000);
        file.Flush();
        ::raise(SIGKILL);
    });
    ASSERT_TRUE(fs::exists(PathOf(".a.htm.set/z.htm").c_str()));
    {
        SOutputFileSet set(PathOf(""), "a.htm");
        // The next set clears it all (z.htm, which it does not write, is not committed either);
        // what is there is the set's own list of what it stages.
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(set.GetStagingFolder().c_str()))
            left.push_back(entry.path().filename().string());
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0][0], '.');
        EXPECT_EQ(left[0].rfind(".y.htm.", 0), std::string::npos);
        for (const char* name : {"a.htm", "b.htm"}) {
            SOutputFile file(set.GetStagingFolder() + name);
            file.WriteString("new");
            file.Close();
        }
        // A folder stands where b.htm goes: nothing is replaced.
        EXPECT_THROW(set.Commit(), SEIOException);
    }
    EXPECT_EQ(ReadFile(PathOf("a.htm")), "old a");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.htm", "b.htm"}));
    {
        SOutputFileSet set(PathOf(""), "a.htm");
        SOutputFile file(set.GetStagingFolder() + "a.htm");
        file.WriteString("new");
        file.Close();
        // A file saved elsewhere meanwhile waits for the disk as ever.
        const int64_t before = SOutputFileTestAccess::DiskWaits();
        SOutputFile other(PathOf("other.htm"));
        other.WriteString("other");
        other.Close();
        EXPECT_EQ(SOutputFileTestAccess::DiskWaits(), before + 2);
    }
    EXPECT_EQ(ReadFile(PathOf("a.htm")), "old a");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.htm", "b.htm", "other.htm"}));
}

TEST_P(SOutputFileTest, AFileSetCommitStoppedAfterAnyStepLeavesNoFileBesideOneOfAnotherRun) {
    // a.htm leads to the others; the new set has one file more than the old.
    const std::vector<std::string> oldSet = {"a.htm", "b.htm", "c.htm"};
    const std::vector<std::string> newSet = {"a.htm", "b.htm", "c.htm", "d.htm"};
    const auto commitNew = [&] {
        SOutputFileSet set(PathOf(""), "a.htm");
        for (const std::string& name : newSet) {
            SOutputFile file(set.GetStagingFolder() + name.c_str());
            file.WriteString("new");
            file.Close();
        }
        set.Commit();
        return true;
    };
    int stops = 0;
    for (int step = 1; step < 100; ++step) {
        for (const std::string& name : newSet) fs::remove(PathOf(name.c_str()).c_str());
        for (const std::string& name : oldSet) WriteFile(PathOf(name.c_str()), "old");
        if (!SetCommitStoppedAfterStep(step, commitNew)) break;
        ++stops;
        // Each file of the set in the folder, by the run that wrote it.
        std::map<std::string, std::string> runs;
        for (const std::string& name : newSet)
            if (fs::exists(PathOf(name.c_str()).c_str())) runs[name] = ReadFile(PathOf(name.c_str()));
        std::map<std::string, std::string> oldRuns, newRuns;
        for (const std::string& name : oldSet) oldRuns[name] = "old";
        for (const std::string& name : newSet) newRuns[name] = "new";
        size_t olds = 0;
        for (const auto& entry : runs) olds += entry.second == "old" ? 1 : 0;
        EXPECT_TRUE(olds == 0 || olds == runs.size()) << "old and new files side by side after step " << step;
        // A lead in the folder finds every file of its own run there.
        if (runs.count("a.htm")) {
            EXPECT_TRUE(runs == oldRuns || runs == newRuns) << "after step " << step;
        }
        // The next set of the name writes a whole one over what the stopped one left.
        ASSERT_TRUE(commitNew());
        EXPECT_EQ(Entries(), newSet) << "after step " << step;
        for (const std::string& name : newSet) EXPECT_EQ(ReadFile(PathOf(name.c_str())), "new");
    }
    // At the least a stop after each new file came.
    EXPECT_GE(stops, static_cast<int>(newSet.size()));
}

TEST_P(SOutputFileTest, ASecondRunOfAFileSetWaitsForTheFirstAndLeavesItsFilesAlone) {
    int go[2];
    int opened[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(opened), 0);
    // The second run, in a process of its own, begins once the first has staged a file.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char byte = 0;
        if (::read(go[0], &byte, 1) != 1) ::_exit(2);
        SOutputFileSet second(PathOf(""), "a.htm");
        if (::write(opened[1], "o", 1) != 1) ::_exit(3);
        SOutputFile file(second.GetStagingFolder() + "b.htm");
        file.WriteString("second");
        file.Close();
        second.Commit();
        ::_exit(0);
    }
    {
        SOutputFileSet first(PathOf(""), "a.htm");
        SOutputFile file(first.GetStagingFolder() + "a.htm");
        file.WriteString("first");
        file.Close();
        // A second set of the same name on this thread would wait for itself: it is refused.
        EXPECT_THROW(SOutputFileSet(PathOf(""), "a.htm"), SEIOException);
        ASSERT_EQ(::write(go[1], "g", 1), 1);
        // The other run waits while this one is open, and its file stays where it was staged.
        pollfd waiting = {opened[0], POLLIN, 0};
        EXPECT_EQ(::poll(&waiting, 1, 500), 0);
        EXPECT_EQ(ReadFile(first.GetStagingFolder() + "a.htm"), "first");
        first.Commit();
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    for (int fd : {go[0], go[1], opened[0], opened[1]}) ::close(fd);
    EXPECT_EQ(ReadFile(PathOf("a.htm")), "first");
    EXPECT_EQ(ReadFile(PathOf("b.htm")), "second");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.htm", "b.htm"}));
}

TEST_P(SOutputFileTest, PatchesRewriteWhatWasWrittenAndReadBack) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "previous");
    const std::string oldTable = "{\\fonttbl{\\f0\\fswiss Arial;}}";
    const std::string head = "{\\rtf1\\ansi\\deff0\r\n" + oldTable + "\r\n";
    const std::string body(20000, 'b');
    SOutputFile file(path);
    file.WriteString(head);
    for (size_t pos = 0; pos < body.size(); pos += 250) file.Write(body.data() + pos, 250);  // the end still buffered
    file.WriteString("}");
    const int64_t size = static_cast<int64_t>(head.size() + body.size() + 1);
    ASSERT_EQ(file.GetPosition(), size);

    // A shorter font table, padded with blanks to the old one's length.
    std::string patch = "{\\fonttbl{\\f0 Arial;}}";
    patch.resize(oldTable.size(), ' ');
    const size_t at = head.find(oldTable);
    file.PatchAt(static_cast<int64_t>(at), patch.data(), patch.size());
    file.PatchAt(size - 2, "BB", 2);  // among the bytes that were still buffered
    EXPECT_EQ(file.GetPosition(), size);

    std::string expected = head + body + "}";
    expected.replace(at, patch.size(), patch);
    expected.replace(expected.size() - 2, 2, "BB");
    std::string back(4096, '\0');
    ASSERT_EQ(file.ReadAt(0, back.data(), back.size()), 4096u);
    EXPECT_EQ(back, expected.substr(0, 4096));
    back.assign(100, '\0');
    EXPECT_EQ(file.ReadAt(size - 50, back.data(), back.size()), 50u);  // short at the end
    EXPECT_EQ(back.substr(0, 50), expected.substr(expected.size() - 50));
    EXPECT_EQ(file.ReadAt(size, back.data(), back.size()), 0u);

    // Writing goes on at the end, whatever was patched.
    file.WriteString("\r\n");
    expected += "\r\n";
    EXPECT_EQ(ReadFile(path), "previous");
    file.Close();
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_THROW(file.PatchAt(0, "x", 1), SEIOException);
}

TEST_P(SOutputFileTest, PatchesOutsideWhatWasWrittenAreRefusedAndChangeNothing) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "previous");
    {
        SOutputFile file(path);
        file.WriteString("0123456789");
        char byte = 0;
        EXPECT_THROW(file.PatchAt(8, "abc", 3), SEIOException);  // would reach past the end
        EXPECT_THROW(file.PatchAt(11, "", 0), SEIOException);
        EXPECT_THROW(file.PatchAt(-1, "a", 1), SEIOException);
        EXPECT_THROW(file.ReadAt(11, &byte, 1), SEIOException);
        EXPECT_THROW(file.ReadAt(-1, &byte, 1), SEIOException);
        EXPECT_EQ(file.GetPosition(), 10);
        file.PatchAt(7, "abc", 3);  // up to the end exactly is fine
        std::string back(10, '\0');
        EXPECT_EQ(file.ReadAt(0, back.data(), back.size()), 10u);
        EXPECT_EQ(back, "0123456abc");
        // Abandoned: the previous file stays, patches and all dropped.
    }
    EXPECT_EQ(ReadFile(path), "previous");
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});
}

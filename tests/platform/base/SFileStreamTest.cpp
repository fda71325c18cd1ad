#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/base/SFile.h"
#include "platform/base/SInputBufferStream.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputBufferStream.h"
#include "platform/base/SOutputFile.h"
#include "platform/base/SOutputStringStream.h"
#include "SEIOExceptionCause.h"
#include "support/STestTempFolder.h"

namespace fs = std::filesystem;

namespace {
class SFileStreamTest : public testing::Test {
protected:
    SString PathOf(const char* name) const { return m_folder.PathOf(name); }
    std::vector<std::string> Entries() const { return m_folder.Entries(); }
    static void WriteFile(const SString& path, const std::string& bytes) { STestTempFolder::WriteFile(path, bytes); }
    static std::string ReadFile(const SString& path) { return STestTempFolder::ReadFile(path); }
    static std::string Pattern(size_t size) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        return bytes;
    }

    STestTempFolder m_folder;
};
}  // namespace

TEST_F(SFileStreamTest, OpeningFailuresThrowWithCauseAndName) {
    SString missing = PathOf("missing.rtp");
    try {
        SInputFile file(missing);
        FAIL() << "opened a missing file";
    } catch (const SEIOException& e) {
        EXPECT_EQ(e.GetCause(), SEIOException::fileNotFound);
        EXPECT_EQ(e.GetFileName(), missing);
        EXPECT_NE(e.GetFullText().Find("missing.rtp"), -1);
    }
    EXPECT_NE(CauseOf([&] { SInputFile folder(m_folder.GetPath()); }), SEIOException::fileNotFound);
    EXPECT_EQ(CauseOf([&] { SOutputFile file(PathOf("no-such-folder/out.rtf")); }), SEIOException::fileNotFound);
    EXPECT_EQ(CauseOf([&] { SOutputFile file(m_folder.GetPath()); }), SEIOException::accessDenied);
    EXPECT_EQ(CauseOf([&] { SFile::Remove(missing); }), SEIOException::fileNotFound);
    EXPECT_TRUE(Entries().empty());  // nothing was created on the way
}

TEST_F(SFileStreamTest, OpeningAPipeForReadingIsRefusedWithoutWaitingForAWriter) {
    // A settings path may name anything; a pipe with nobody writing to it must not hang the reader.
    SString pipe = PathOf("settings.ini");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto opening = std::async(std::launch::async, [&] {
        return CauseOf([&] { SInputFile file(pipe); });
    });
    bool finished = opening.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!finished) ::close(::open(pipe.c_str(), O_WRONLY));  // lets the waiting open return
    EXPECT_TRUE(finished);
    EXPECT_NE(opening.get(), SEIOException::fileNotFound);
}

TEST_F(SFileStreamTest, ACommittedSaveReplacesTheFileAndKeepsItsPermissions) {
    SString path = PathOf("report.rtf");
    WriteFile(path, "old contents");
    ::chmod(path.c_str(), 0640);
    {
        SOutputFile file(path, 1);
        file.WriteString("new");
        EXPECT_EQ(ReadFile(path), "old contents");  // nothing shows before the commit
        file.Close();
        EXPECT_TRUE(file.IsCommitted());
        EXPECT_THROW(file.WriteString("late"), SEIOException);
    }
    EXPECT_EQ(ReadFile(path), "new");
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});
}

TEST_F(SFileStreamTest, AFailedSaveLeavesThePreviousFileIntactAndNoTemporary) {
    SString path = PathOf("report.rtf");
    std::string previous = Pattern(20000);
    WriteFile(path, previous);
    try {
        SOutputFile file(path, 1);
        SOutputBufferStream buffer(file);
        buffer.Write(Pattern(30000).data(), 30000);
        throw std::runtime_error("generation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});

    // An owning string stream destroyed without Close drops its file the same way.
    { SOutputStringStream page(std::make_unique<SOutputFile>(PathOf("page.htm"))); page << SString("<html>"); }
    EXPECT_EQ(Entries(), std::vector<std::string>{"report.rtf"});
    {
        SOutputStringStream page(std::make_unique<SOutputFile>(PathOf("page.htm")));
        page << SString("<html>");
        page.Close();
    }
    EXPECT_EQ(ReadFile(PathOf("page.htm")), "<html>");
}

TEST_F(SFileStreamTest, AWriteOrCommitFailureThrowsAndCleansUp) {
    SString path = PathOf("big.bin");
    WriteFile(path, "previous");
    // A file-size limit makes the write itself fail, as a full disk would.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    SEIOException::Cause cause = CauseOf([&] {
        SOutputFile file(path);
        file.Write(Pattern(10000).data(), 10000);
        file.Close();
    });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(cause, SEIOException::diskFull);
    EXPECT_EQ(ReadFile(path), "previous");
    EXPECT_EQ(Entries(), std::vector<std::string>{"big.bin"});

    // The rename at commit fails when a folder has taken the target's place meanwhile.
    SString late = PathOf("late");
    SOutputFile file(late);
    file.WriteString("data");
    SFile::CreateDirectory(late);
    EXPECT_THROW(file.Close(), SEIOException);
    EXPECT_FALSE(file.IsCommitted());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"big.bin", "late"}));
    EXPECT_TRUE(SFile::IsDirectory(late));
}

TEST_F(SFileStreamTest, ReadOnlyFilesAndLinksAreHonoured) {
    SString locked = PathOf("locked.rtp");
    WriteFile(locked, "keep");
    ::chmod(locked.c_str(), 0444);
    EXPECT_TRUE(SFile(locked).IsReadOnly());
    EXPECT_EQ(CauseOf([&] { SOutputFile file(locked); }), SEIOException::accessDenied);
    EXPECT_EQ(ReadFile(locked), "keep");

    // Saving through a link updates the file it points to; the link stays a link.
    SString real = PathOf("real.ini");
    SString link = PathOf("link.ini");
    WriteFile(real, "old");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    SOutputFile file(link);
    file.WriteString("new");
    file.Close();
    EXPECT_TRUE(fs::is_symlink(link.c_str()));
    EXPECT_EQ(ReadFile(real), "new");
}

TEST_F(SFileStreamTest, ExactReadsPastTheEndThrowAndReadReturnsShortCounts) {
    SString path = PathOf("short.bin");
    WriteFile(path, std::string("\x44\x33\x22\x11\x01\x80\xAB", 7));
    SInputFile file(path);
    EXPECT_EQ(file.GetSize(), 7);
    EXPECT_EQ(file.ReadUInt32(), 0x11223344u);
    EXPECT_EQ(file.ReadInt16(), static_cast<int16_t>(0x8001));
    EXPECT_FALSE(file.IsEOF());
    try {
        file.ReadUInt16();
        FAIL() << "read past the end";
    } catch (const SEIOException& e) {
        EXPECT_EQ(e.GetCause(), SEIOException::endOfFile);
        EXPECT_EQ(e.GetFileName(), path);
    }
    EXPECT_TRUE(file.IsEOF());
    char rest[4];
    EXPECT_EQ(file.Read(rest, sizeof rest), 0u);

    SInputStringStream text(SString("abc"));
    EXPECT_EQ(text.Read(rest, sizeof rest), 3u);
    EXPECT_THROW(text.ReadByte(), SEIOException);
    SInputStringStream large(SString(std::string(100, 'x')));
    EXPECT_EQ(CauseOf([&] { large.ReadAll(99); }), SEIOException::badFormat);
}

TEST_F(SFileStreamTest, IntegersAreLittleEndian) {
    SOutputStringStream out;
    out.WriteUInt32(0x00505452);
    out.WriteInt32(-2);
    out.WriteUInt16(0xBEEF);
    out.WriteByte(7);
    EXPECT_EQ(out.GetString().str(), std::string("RTP\0\xFE\xFF\xFF\xFF\xEF\xBE\x07", 11));
    SInputStringStream in(out.GetString());
    EXPECT_EQ(in.ReadUInt32(), 0x00505452u);
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0xBEEF);
    EXPECT_EQ(in.ReadByte(), 7);
    EXPECT_TRUE(in.IsEOF());
    EXPECT_EQ(in.GetPosition(), 11);
}

// Writes and reads the same bytes through the 8192-byte buffers in blocks of one size.
class SBufferBoundaryTest : public SFileStreamTest, public testing::WithParamInterface<size_t> {};

TEST_P(SBufferBoundaryTest, BlocksAroundTheBufferSizeComeBackUnchanged) {
    size_t block = GetParam();
    std::string data = Pattern(3 * 8192 + 5);
    SString path = PathOf("blocks.bin");
    {
        SOutputFile file(path, 1);
        SOutputBufferStream buffer(file);
        buffer.WriteByte(static_cast<uint8_t>(data[0]));  // misalign the buffer by one byte
        for (size_t pos = 1; pos < data.size(); pos += block)
            buffer.Write(data.data() + pos, std::min(block, data.size() - pos));
        EXPECT_EQ(buffer.GetPosition(), static_cast<int64_t>(data.size()));
        buffer.Close();
        file.Close();
    }
    EXPECT_EQ(ReadFile(path), data);

    SInputFile file(path);
    SInputBufferStream buffer(file);
    std::string back(1, static_cast<char>(buffer.ReadByte()));
    std::vector<char> chunk(block);
    while (size_t got = buffer.Read(chunk.data(), chunk.size())) back.append(chunk.data(), got);
    EXPECT_EQ(back, data);
    EXPECT_TRUE(buffer.IsEOF());
    EXPECT_EQ(buffer.GetPosition(), static_cast<int64_t>(data.size()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SBufferBoundaryTest, testing::Values(1, 8191, 8192, 8193, 50000));

namespace {
// Records the size of every write that reaches it.
class RecordingSink : public SOutputStream {
public:
    std::vector<size_t> sizes;
    std::string bytes;

protected:
    void WriteImpl(const void* data, size_t count) override {
        sizes.push_back(count);
        bytes.append(static_cast<const char*>(data), count);
    }
};
}  // namespace

TEST(SOutputBufferStreamTest, SmallWritesReachTheSinkInFullBuffers) {
    RecordingSink sink;
    SOutputBufferStream buffer(sink);
    std::string eight(8, 'x');
    for (int i = 0; i < 1025; ++i) buffer.Write(eight.data(), eight.size());  // 8200 bytes
    EXPECT_EQ(sink.sizes, std::vector<size_t>{8192});
    std::string big(10000, 'y');
    buffer.Write(big.data(), big.size());  // the 8 waiting bytes first, then the block itself
    EXPECT_EQ(sink.sizes, (std::vector<size_t>{8192, 8, 10000}));
    buffer.Close();
    EXPECT_EQ(sink.bytes, std::string(8200, 'x') + big);
}

TEST(SOutputBufferStreamTest, TheBufferDeliversOnlyWhatItCannotHold) {
    RecordingSink sink;
    {
        SOutputBufferStream buffer(sink, 8);
        buffer.Write("12345678", 8);  // exactly full: still held
        EXPECT_TRUE(sink.sizes.empty());
        EXPECT_EQ(buffer.GetPosition(), 8);  // held bytes count as written
        buffer.Write("", 0);
        buffer.WriteByte('9');
        EXPECT_EQ(sink.sizes, std::vector<size_t>{8});
        buffer.Flush();
        EXPECT_EQ(sink.sizes, (std::vector<size_t>{8, 1}));
        buffer.Write("abc", 3);  // never flushed: dropped with the buffer
    }
    EXPECT_EQ(sink.bytes, "123456789");

    SOutputBufferStream closed(sink, 8);
    closed.Write("xy", 2);
    closed.Close();
    EXPECT_EQ(sink.bytes, "123456789xy");
    EXPECT_THROW(closed.Write("z", 1), SEIOException);
    EXPECT_THROW(closed.Write("", 0), SEIOException);
    EXPECT_EQ(sink.bytes, "123456789xy");
}

TEST(SOutputStringStreamTest, OverAnotherStreamTheTextArrivesInOrderAndWhole) {
    RecordingSink sink;
    SOutputStringStream text(sink);
    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        std::string piece = "{\\f" + std::to_string(i) + " Arial;}";
        text << SString(piece);
        expected += piece;
    }
    EXPECT_EQ(text.GetPosition(), static_cast<int64_t>(expected.size()));
    text.Close();
    EXPECT_EQ(sink.bytes, expected);
    // A few large writes, not one per piece.
    EXPECT_LE(sink.sizes.size(), expected.size() / 8192 + 1);
    EXPECT_THROW(text << SString("late"), SEIOException);
}

TEST_F(SFileStreamTest, LinesEndWithLfCrLfOrCrEvenAcrossBufferEdges) {
    SInputStringStream text(SString("a\r\nb\rc\n\nd"));
    std::vector<SString> lines;
    SString line;
    while (text.ReadLn(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<SString>{"a", "b", "c", "", "d"}));

    // The CR of a CR LF is the last byte of the first 8192-byte block.
    SString path = PathOf("lines.txt");
    WriteFile(path, std::string(8191, 'x') + "\r\nnext\n");
    SInputStringStream file(std::make_unique<SInputFile>(path));
    ASSERT_TRUE(file.ReadLn(line));
    EXPECT_EQ(line.GetLength(), 8191);
    ASSERT_TRUE(file.ReadLn(line));
    EXPECT_EQ(line, "next");
    EXPECT_FALSE(file.ReadLn(line));
    file.Close();
}

TEST_F(SFileStreamTest, PathHelpers) {
    EXPECT_EQ(SFile::GetFolder("/reports/out/Report.htm"), "/reports/out/");
    EXPECT_EQ(SFile::GetFileName("/reports/out/Report.htm"), "Report.htm");
    EXPECT_EQ(SFile::GetBaseName("/reports/out/Report.htm"), "Report");
    EXPECT_EQ(SFile::GetExtension("/reports/out/Report.htm"), "htm");
    EXPECT_EQ(SFile::GetBaseName(".hidden"), ".hidden");
    EXPECT_EQ(SFile::GetExtension("noext"), "");
    EXPECT_EQ(SFile::MakeFilename("/reports/out/", "btnhome", "jpg"), "/reports/out/btnhome.jpg");
    EXPECT_EQ(SFile::PathToURL("/a b/caf\xC3\xA9.rtp"), "file:///a%20b/caf%C3%A9.rtp");

    SString first = SFile::GetTempName(m_folder.GetPath(), "rpt");
    SString second = SFile::GetTempName(m_folder.GetPath(), "rpt");
    EXPECT_NE(first, second);
    EXPECT_TRUE(SFile::Exists(first));
    EXPECT_EQ(SFile::GetFolder(first), m_folder.GetPath() + "/");
    SFile::Rename(first, second);
    EXPECT_FALSE(SFile::Exists(first));
    EXPECT_EQ(Entries().size(), 1u);
}

// The text of a text file item as every device reads it: files that cannot be read are reported
// like missing ones, a file is read up to 64 MiB and no further, and an RTF file keeps the bytes
// of its own code page for the RTF reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "rpt/devices/helpers/SRptTextFileReader.h"
#include "support/STestTempFolder.h"

namespace {

// The documented limit of a text file.
constexpr uintmax_t kDocumentedLimit = uintmax_t(64) << 20;

SString NotFound(const SString& path) {
    return "File '" + path + "' not found.";
}

}  // namespace

TEST(SRptTextFileReader, WhatIsNoPlainFileIsReportedAsNotFoundWithoutBeingOpened) {
    STestTempFolder folder;
    // A pipe without a writer: opening it to read would wait for one.
    const SString pipe = folder.PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const SString directory = folder.PathOf("folder");
    std::filesystem::create_directory(directory.c_str());
    // A device that never ends.
    const SString device = "/dev/zero";
    for (const SString& path : {pipe, directory, device}) {
        EXPECT_EQ(SRptTextFileReader::Read(path), NotFound(path));
        EXPECT_EQ(SRptTextFileReader::ReadPlain(path), NotFound(path) + "\r\n");
    }
}

TEST(SRptTextFileReader, AFileOfTheLimitIsReadAndOneByteLargerIsNot) {
    STestTempFolder folder;
    // Sparse files: their NULs are no text, so only the word at their start is read.
    const SString limit = folder.PathOf("limit.txt");
    STestTempFolder::WriteFile(limit, "Kept");
    std::filesystem::resize_file(limit.c_str(), kDocumentedLimit);
    EXPECT_EQ(SRptTextFileReader::Read(limit), "Kept\r\n");
    const SString over = folder.PathOf("over.txt");
    STestTempFolder::WriteFile(over, "Kept");
    std::filesystem::resize_file(over.c_str(), kDocumentedLimit + 1);
    EXPECT_EQ(SRptTextFileReader::Read(over), NotFound(over));
    EXPECT_EQ(SRptTextFileReader::ReadPlain(over), NotFound(over) + "\r\n");
}

TEST(SRptTextFileReader, AnRtfFilesEightBitBytesAreReadInItsOwnCodePage) {
    STestTempFolder folder;
    const SString path = folder.PathOf("cyrillic.rtf");
    STestTempFolder::WriteFile(path, "{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0\xE8\xE2\xE5\xF2\\par}");
    // "Привет", whose bytes are no Windows-1252 text of the same meaning.
    const std::string privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
    EXPECT_EQ(SRptTextFileReader::Read(path), "{\\rtf1\\ansi " + privet + "\\par}");
    EXPECT_EQ(SRptTextFileReader::ReadPlain(path), privet + "\r\n");
}

// The text of a text file item as every device reads it: files that cannot be read are reported
// like missing ones, and an RTF file keeps the bytes of its own code page for the RTF reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "rpt/devices/helpers/SRptTextFileReader.h"
#include "support/STestTempFolder.h"

namespace {

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

TEST(SRptTextFileReader, AnRtfFilesEightBitBytesAreReadInItsOwnCodePage) {
    STestTempFolder folder;
    const SString path = folder.PathOf("cyrillic.rtf");
    STestTempFolder::WriteFile(path, "{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0\xE8\xE2\xE5\xF2\\par}");
    // "Привет", whose bytes are no Windows-1252 text of the same meaning.
    const std::string privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
    EXPECT_EQ(SRptTextFileReader::Read(path), "{\\rtf1\\ansi\\ansicpg1251 " + privet + "\\par}");
    EXPECT_EQ(SRptTextFileReader::ReadPlain(path), privet + "\r\n");
}

#pragma once
// The stand-in host run in the test's process: a small model file and its command line, with the
// library's tables checked to be as the test found them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "SRptHostCommand.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "support/STestTempFolder.h"

// Two entities: a customer with two attributes and a relationship, an order with one attribute
// and an element the reader skips.
inline const char* const kModel =
    "<?xml version=\"1.0\"?>\n"
    "<model name=\"Shop\" author=\"Ann\" version=\"2\">\n"
    "  <entity name=\"Customer\" description=\"Buys {things}\">\n"
    "    <attribute name=\"Name\" type=\"string\" description=\"Full name\"/>\n"
    "    <attribute name=\"Since\" type=\"date\"/>\n"
    "    <relationship name=\"places\" target=\"Order\" cardinality=\"0..n\"/>\n"
    "  </entity>\n"
    "  <entity name=\"Order\"><attribute name=\"Total\" type=\"decimal\"/><unknown/></entity>\n"
    "</model>\n";

class SDataModelHost : public SRptModuleTestFixture {
protected:
    // What the command said (its output, then its errors), once its status is the expected one.
    std::string Run(std::vector<std::string> args, int expected) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(SRptHostCommand::Run(args, out, err), expected) << err.str();
        return out.str() + err.str();
    }
    // The model file in the test's folder.
    std::string ModelFile() {
        const SString path = folder.PathOf("shop.xml");
        STestTempFolder::WriteFile(path, kModel);
        return path.str();
    }
    // Everything below the test's folder by its relative path, with what it holds: a file its
    // size and a hash of its bytes, a folder "<folder>", a link "-> " and where it leads. Two
    // snapshots that are equal tell that a command changed nothing there.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const std::string name = std::filesystem::relative(entry.path(), folder.path()).string();
            if (entry.is_symlink())
                entries[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
            else if (entry.is_directory())
                entries[name] = "<folder>";
            else
                entries[name] = Fingerprint(STestTempFolder::ReadFile(SString(entry.path().string())));
        }
        return entries;
    }
    static std::string Fingerprint(const std::string& bytes) {
        return std::to_string(bytes.size()) + " bytes #" + std::to_string(std::hash<std::string>()(bytes));
    }
    STestTempFolder folder;
};

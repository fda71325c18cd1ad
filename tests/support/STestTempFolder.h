#pragma once
// A folder of the test's own under testing::TempDir(), named after the test and unique, removed
// with everything in it when the helper goes (permissions that a test took away are given back
// first). Hold one as a member of the fixture: each test then has a fresh folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/base/SString.h"

class STestTempFolder {
public:
    STestTempFolder() {
        std::string pattern = testing::TempDir();
        if (!pattern.empty() && pattern.back() != '/') pattern += '/';
        pattern += "varod9-" + TestName() + "-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
        m_path = pattern;
    }
    ~STestTempFolder() {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error) && !it->is_symlink(error))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, error);
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(m_path, error);
    }
    STestTempFolder(const STestTempFolder&) = delete;
    STestTempFolder& operator=(const STestTempFolder&) = delete;

    SString GetPath() const { return SString(m_path.string()); }
    const std::filesystem::path& path() const { return m_path; }
    // The path of `name` in the folder.
    SString PathOf(const std::string& name) const { return SString((m_path / name).string()); }
    // The names in the folder, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static void WriteFile(const SString& path, const std::string& bytes) {
        std::ofstream(path.c_str(), std::ios::binary) << bytes;
    }
    static std::string ReadFile(const SString& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    // Suite and test, with what a file name should not hold replaced, cut to a sensible length.
    static std::string TestName() {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
        for (char& c : name)
            if (c == '/' || c == ' ' || static_cast<unsigned char>(c) < 0x20) c = '_';
        return name.substr(0, 80);
    }

    std::filesystem::path m_path;
};

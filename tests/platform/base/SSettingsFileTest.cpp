#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>

#include "platform/base/SEIOException.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SSettingsStore.h"
#include "support/STestTempFolder.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's allocation hooks (declared here: not every compiler ships the header).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, size_t),
                                                        void (*onFree)(const volatile void*));

namespace {
// The largest single allocation made while watching, seen through the sanitizer's allocator.
std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largest{0};
void OnMalloc(const volatile void*, size_t size) {
    if (g_watching && size > g_largest) g_largest = size;
}
void OnFree(const volatile void*) {}
}  // namespace
#endif

namespace {
class SSettingsFileTest : public testing::Test {
protected:

    static void Put(SSettingsStore& store, HKEY root, const char* key, const char* name, const SString& text) {
        SSettingsValue value;
        value.text = text;
        store.WriteValue(root, key, name, value);
    }
    static void Put(SSettingsStore& store, HKEY root, const char* key, const char* name, int32_t number) {
        SSettingsValue value;
        value.type = REG_DWORD;
        value.number = number;
        store.WriteValue(root, key, name, value);
    }
    // A store with a bit of everything the form must carry.
    static SSettingsStore Sample() {
        SSettingsStore store;
        const char* report = "Software\\Report Editor\\DisplayPreferences\\Report";
        Put(store, HKEY_CURRENT_USER, report, "Text Font Name", SString("Arial"));
        Put(store, HKEY_CURRENT_USER, report, "Empty", SString());
        Put(store, HKEY_CURRENT_USER, report, "Title Font Style", 0);
        Put(store, HKEY_CURRENT_USER, report, "Min", INT32_MIN);
        Put(store, HKEY_CURRENT_USER, report, "Quote \"and\" \\ =", SString("line\r\nnext\ttab \xC3\xA9\xE2\x82\xAC"));
        Put(store, HKEY_CURRENT_USER, report, "Bytes", SString(std::string("\x01\x7F\xFF\xC3", 4)));
        Put(store, HKEY_LOCAL_MACHINE, "Software\\Report Editor\\Paths", "ReportTemplates", SString("./"));
        store.CreateKey(HKEY_LOCAL_MACHINE, "Software\\Report Editor\\Empty Key");
        store.CreateKey(0x80000003u, "Users");
        return store;
    }
    static std::string Saved(const SSettingsStore& store) {
        SOutputStringStream out;
        EXPECT_EQ(store.SaveToStream(out), S_OK);
        return out.GetString().str();
    }
    std::string FileBytes() const { return STestTempFolder::ReadFile(m_path); }

    STestTempFolder m_folder;
    const SString m_path = m_folder.PathOf("settings.ini");
};
}  // namespace

TEST_F(SSettingsFileTest, RoundTripThroughAFileKeepsEveryValue) {
    SSettingsStore store = Sample();
    ASSERT_EQ(store.SaveToFile(m_path), S_OK);
    SSettingsStore loaded;
    Put(loaded, HKEY_CURRENT_USER, "Stale", "Gone", SString("x"));  // replaced by the load
    ASSERT_EQ(loaded.LoadFromFile(m_path), S_OK);
    EXPECT_EQ(loaded.GetKeys(), store.GetKeys());

    SSettingsValue value;
    EXPECT_TRUE(loaded.ReadValue(HKEY_CURRENT_USER, "software/report editor/displaypreferences/report", "Empty", value));
    EXPECT_EQ(value.type, REG_SZ);
    EXPECT_EQ(value.text, "");  // an empty text is there ...
    EXPECT_FALSE(loaded.ReadValue(HKEY_CURRENT_USER, "software/report editor/displaypreferences/report", "Missing", value));
    EXPECT_TRUE(loaded.ReadValue(HKEY_CURRENT_USER, "software/report editor/displaypreferences/report", "Title Font Style", value));
    EXPECT_EQ(value.type, REG_DWORD);  // ... and so is a 0 number
    EXPECT_EQ(value.number, 0);
    EXPECT_TRUE(loaded.KeyExists(HKEY_LOCAL_MACHINE, "Software\\Report Editor\\Empty Key"));
    EXPECT_FALSE(loaded.KeyExists(HKEY_CURRENT_USER, "Stale"));
}

TEST_F(SSettingsFileTest, TheFileIsReadableUtf8Text) {
    SSettingsStore store;
    Put(store, HKEY_CURRENT_USER, "A\\B", "Name", SString("caf\xC3\xA9 \"1\"\n"));
    Put(store, HKEY_CURRENT_USER, "A\\B", "Count", -5);
    store.CreateKey(HKEY_LOCAL_MACHINE, "C");
    EXPECT_EQ(Saved(store),
              "varod9 settings 1\n"
              "key HKEY_CURRENT_USER \"a\\\\b\"\n"
              "number \"Count\" -5\n"
              "text \"Name\" \"caf\xC3\xA9 \\\"1\\\"\\n\"\n"
              "key HKEY_LOCAL_MACHINE \"c\"\n"
              "end\n");
    EXPECT_EQ(Saved(Sample()).find('\r'), std::string::npos);  // control bytes are escaped
}

TEST_F(SSettingsFileTest, TruncatedFilesAreRefusedAndTheStoreIsUnchanged) {
    std::string text = Saved(Sample());
    SSettingsStore store;
    Put(store, HKEY_CURRENT_USER, "Kept", "Value", SString("before"));
    SSettingsStore::Keys before = store.GetKeys();
    // Every cut that loses the closing line is refused; only the final line break may go.
    for (size_t size = 0; size + 1 < text.size(); ++size) {
        ASSERT_EQ(store.LoadFromText(std::string_view(text).substr(0, size)), E_INVALIDARG) << size;
        ASSERT_EQ(store.GetKeys(), before);
    }
    EXPECT_EQ(store.LoadFromText(std::string_view(text).substr(0, text.size() - 1)), S_OK);
}

TEST_F(SSettingsFileTest, GarbledFilesAreRefused) {
    const std::string head = "varod9 settings 1\nkey HKEY_CURRENT_USER \"k\"\n";
    const char* garbled[] = {
        "varod9 settings 2\nend\n",
        "end\n",
        "varod9 settings 1\ntext \"before\" \"any key\"\nend\n",
        "varod9 settings 1\nkey HKEY_CLASSES_ROOT \"k\"\nend\n",
    };
    const char* lines[] = {
        "text \"a\" \"unterminated\n",
        "text \"a\" \"bad \\q escape\"\n",
        "text \"a\" \"short \\x4\"\n",
        "text \"a\" \"raw\ttab\"\n",
        "text \"a\" \"bad \xC3 utf-8\"\n",
        "text \"a\"\"glued\"\n",
        "text \"a\" \"b\" extra\n",
        "number \"n\" 2147483648\n",
        "number \"n\" 12a\n",
        "number \"n\" +1\n",
        "value \"n\" 1\n",
        "end\ntext \"after\" \"end\"\n",
    };
    SSettingsStore store = Sample();
    SSettingsStore::Keys before = store.GetKeys();
    for (const char* text : garbled) EXPECT_EQ(store.LoadFromText(text), E_INVALIDARG) << text;
    for (const char* line : lines) EXPECT_EQ(store.LoadFromText(head + line + "end\n"), E_INVALIDARG) << line;
    EXPECT_EQ(store.GetKeys(), before);
    // Blank lines, comments and CR LF line ends are fine.
    EXPECT_EQ(store.LoadFromText(head + "\r\n# note\r\nnumber \"n\" -2147483648\r\nend\r\n"), S_OK);
}

TEST_F(SSettingsFileTest, FileFailuresGiveTheirCodesAndChangeNothing) {
    SSettingsStore store = Sample();
    SSettingsStore::Keys before = store.GetKeys();
    EXPECT_EQ(store.LoadFromFile(m_path), STG_E_FILENOTFOUND);
    EXPECT_EQ(store.LoadFromFile(m_folder.GetPath()), E_IOFAILURE);  // a folder cannot be read
    std::ofstream(m_path.c_str()) << "varod9 settings 1\nkey";
    EXPECT_EQ(store.LoadFromFile(m_path), E_INVALIDARG);
    EXPECT_EQ(store.GetKeys(), before);

    EXPECT_EQ(store.SaveToFile(m_folder.PathOf("missing/settings.ini")), E_IOFAILURE);
    // A value the form cannot hold stops the save before the previous file is touched.
    SSettingsValue binary;
    binary.type = 3;
    store.WriteValue(HKEY_CURRENT_USER, "k", "binary", binary);
    EXPECT_EQ(store.SaveToFile(m_path), E_INVALIDARG);
    EXPECT_EQ(FileBytes(), "varod9 settings 1\nkey");
    EXPECT_EQ(m_folder.Entries().size(), 1u);
}

TEST_F(SSettingsFileTest, ReadingAllocatesForWhatItKeepsNotForEachLine) {
#if !defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "needs the sanitizer's allocation hooks";
#else
    // A file of nothing but line breaks keeps nothing; reading it must not set aside room for
    // every line (16 bytes a line made a 16 MB file cost hundreds of megabytes).
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
    ASSERT_TRUE(installed);
    std::string text = "varod9 settings 1\n" + std::string(1u << 20, '\n') + "key HKEY_CURRENT_USER \"k\"\nend\n";
    SSettingsStore store;
    g_largest = 0;
    g_watching = true;
    HRESULT hr = store.LoadFromText(text);
    g_watching = false;
    EXPECT_EQ(hr, S_OK);
    EXPECT_TRUE(store.KeyExists(HKEY_CURRENT_USER, "k"));
    EXPECT_LT(g_largest.load(), text.size() / 16);
#endif
}

namespace {
// A text whose stream fails as it is closed, as a file on a failing disk may.
class FailingCloseStream : public SInputStringStream {
public:
    using SInputStringStream::SInputStringStream;
    void Close() override { throw SEIOException("Cannot close", SEIOException::generic, "settings.ini"); }
};
}  // namespace

TEST_F(SSettingsFileTest, ALoadWhoseInputFailsToCloseChangesNothing) {
    SSettingsStore store = Sample();
    SSettingsStore::Keys before = store.GetKeys();
    FailingCloseStream in{SString("varod9 settings 1\nkey HKEY_CURRENT_USER \"other\"\nend\n")};
    SReadResult result;
    EXPECT_EQ(store.LoadFromStream(in, &result), E_IOFAILURE);
    EXPECT_EQ(result.code, E_IOFAILURE);
    EXPECT_EQ(result.line, 0u);  // nothing wrong with the text itself
    EXPECT_EQ(store.GetKeys(), before);
}

TEST_F(SSettingsFileTest, ValueNamesIgnoreAsciiCaseAndKeepTheirFirstSpelling) {
    SSettingsStore store;
    const char* key = "Software\\Report Editor\\DisplayPreferences\\Report";
    Put(store, HKEY_CURRENT_USER, key, "Text Font Name", SString("Arial"));
    Put(store, HKEY_CURRENT_USER, key, "TEXT FONT NAME", SString("Courier New"));
    SSettingsValue value;
    ASSERT_TRUE(store.ReadValue(HKEY_CURRENT_USER, key, "text font name", value));
    EXPECT_EQ(value.text, "Courier New");
    const SSettingsStore::Values& values = store.GetKeys().begin()->second;
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values.begin()->first, "Text Font Name");
    // Only ASCII letters fold: "É" and "é" stay two names.
    Put(store, HKEY_CURRENT_USER, key, "\xC3\x89", SString("upper"));
    Put(store, HKEY_CURRENT_USER, key, "\xC3\xA9", SString("lower"));
    EXPECT_EQ(store.GetKeys().begin()->second.size(), 3u);
    EXPECT_TRUE(store.DeleteValue(HKEY_CURRENT_USER, key, "Text FONT Name"));
    EXPECT_FALSE(store.ReadValue(HKEY_CURRENT_USER, key, "Text Font Name", value));

    // In a file, a later line with the same name in another case replaces the value.
    ASSERT_EQ(store.LoadFromText("varod9 settings 1\nkey HKEY_CURRENT_USER \"k\"\n"
                                 "text \"Name\" \"first\"\ntext \"NAME\" \"second\"\nend\n"),
              S_OK);
    ASSERT_EQ(store.GetKeys().begin()->second.size(), 1u);
    ASSERT_TRUE(store.ReadValue(HKEY_CURRENT_USER, "K", "name", value));
    EXPECT_EQ(value.text, "second");
}

TEST_F(SSettingsFileTest, AZeroByteIsRefusedInAValueNameButKeptInAText) {
    const std::string head = "varod9 settings 1\nkey HKEY_CURRENT_USER \"k\"\n";
    SSettingsStore store;
    EXPECT_EQ(store.LoadFromText(head + "text \"a\\x00b\" \"v\"\nend\n"), E_INVALIDARG);
    ASSERT_EQ(store.LoadFromText(head + "text \"a\" \"x\\x00y\"\nend\n"), S_OK);
    SSettingsValue value;
    ASSERT_TRUE(store.ReadValue(HKEY_CURRENT_USER, "k", "a", value));
    EXPECT_EQ(value.text.view(), std::string_view("x\0y", 3));

    // A name that could not be read back is not written either, and the previous file stays.
    ASSERT_EQ(store.SaveToFile(m_path), S_OK);
    std::string previous = FileBytes();
    store.WriteValue(HKEY_CURRENT_USER, "k", SString(std::string("a\0b", 3)), value);
    SOutputStringStream out;
    EXPECT_EQ(store.SaveToStream(out), E_INVALIDARG);
    EXPECT_EQ(out.GetString(), "");
    EXPECT_EQ(store.SaveToFile(m_path), E_INVALIDARG);
    EXPECT_EQ(FileBytes(), previous);
}

TEST_F(SSettingsFileTest, ARefusedTextSaysWhereItWentWrong) {
    const std::string head = "varod9 settings 1\nkey HKEY_CURRENT_USER \"k\"\n";
    struct Case {
        std::string text;
        uint32_t line;
        uint32_t column;
    };
    const Case cases[] = {
        {"varod9 settings 2\nend\n", 1, 1},
        {head + "number \"n\" 12a\nend\n", 3, 12},                // the number
        {head + "text \"a\" \"bad \\q escape\"\nend\n", 3, 15},   // the escape
        {head + "text \"a\" \"b\" extra\nend\n", 3, 14},          // what follows the line's end
        {head + "\tvalue \"n\" 1\r\nend\r\n", 3, 2},              // the unknown word
        {head + "key HKEY_CLASSES_ROOT \"k\"\nend\n", 3, 5},      // the root
        {head + "text \"a\\x00b\" \"v\"\nend\n", 3, 6},           // the name
        {"varod9 settings 1\ntext \"a\" \"b\"\nend\n", 2, 1},     // a value before any key
        {head + "end\n\nend\n", 5, 1},                            // something after the end
        {head + "number \"n\" 1\n", 4, 1},                        // cut short: the line after the last
    };
    SSettingsStore store;
    for (const Case& c : cases) {
        SReadResult result;
        EXPECT_EQ(store.LoadFromText(c.text, &result), E_INVALIDARG) << c.text;
        EXPECT_EQ(result.code, E_INVALIDARG);
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_EQ(result.column, c.column) << c.text;
        // The offset names the same byte.
        size_t offset = 0;
        for (uint32_t line = 1; line < c.line; ++line) offset = c.text.find('\n', offset) + 1;
        EXPECT_EQ(result.offset, offset + c.column - 1) << c.text;
    }

    // Through a file, and for a file that cannot be read at all.
    STestTempFolder::WriteFile(m_path, head + "number \"n\" 12a\nend\n");
    SReadResult result;
    EXPECT_EQ(store.LoadFromFile(m_path, &result), E_INVALIDARG);
    EXPECT_EQ(result.line, 3u);
    EXPECT_EQ(result.column, 12u);
    EXPECT_EQ(store.LoadFromFile(m_folder.PathOf("missing.ini"), &result), STG_E_FILENOTFOUND);
    EXPECT_EQ(result.code, STG_E_FILENOTFOUND);
    EXPECT_EQ(result.line, 0u);
    EXPECT_EQ(store.LoadFromText(head + "end\n", &result), S_OK);
    EXPECT_EQ(result.code, S_OK);
}

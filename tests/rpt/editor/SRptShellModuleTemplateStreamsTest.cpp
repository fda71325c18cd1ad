// Templates on streams and files through the shell module: the 76-byte header ahead of each
// template, the collection's count, the records a reader refuses, and writers that write whole
// records or nothing and pass the first failure on.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/SEIOException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepStreamManager.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "support/STestFileSizeLimit.h"
#include "support/STestTempFolder.h"
#include "support/STestTemplateReport.h"
#include "varod9/ISRptTemplate.h"

using namespace stest_template_report;

namespace {

// A stream whose sink fails once it has taken `room` bytes.
class SFailingStream : public SOutputStream {
public:
    explicit SFailingStream(size_t room) : m_room(room) {}
    std::string written;

protected:
    void WriteImpl(const void* data, size_t count) override {
        if (written.size() + count > m_room) throw SEIOException("disk full", SEIOException::diskFull);
        written.append(static_cast<const char*>(data), count);
    }

private:
    size_t m_room;
};

// A stream over `bytes` whose source fails once it has given `good` bytes: a read that would go
// past them throws, as a stream does that is not at its end.
class SFailingInput : public SInputStream {
public:
    SFailingInput(std::string bytes, size_t good) : m_bytes(std::move(bytes)), m_good(good) {}
    size_t Read(void* buffer, size_t count) override {
        if (m_position + count > m_good) throw SEIOException("device not ready");
        std::memcpy(buffer, m_bytes.data() + m_position, count);
        m_position += count;
        return count;
    }
    bool IsEOF() override { return false; }
    int64_t GetPosition() const override { return static_cast<int64_t>(m_position); }

private:
    std::string m_bytes;
    size_t m_good;
    size_t m_position = 0;
};

class SRptShellModuleTemplateStreams : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        shell = globals->GetRptShellModule();
        ASSERT_NE(shell, nullptr);
        mod = Register("MOD", "Module");
        other = Register("OTHER", "Other module");
        ASSERT_EQ(SRepSession::Create("document", &session), S_OK);
        report = MakeFullReport(session.Get());
        ASSERT_TRUE(report);
        report->GetCollection(kTemplates, &templates);
        ASSERT_EQ(SRepSession::Create("target", &target), S_OK);
        target->GetObjects(&targetModel);
    }
    void TearDown() override {
        templates.Clear();
        report.Clear();
        targetModel.Clear();
        session->Close();
        target->Close();
        mod.Clear();
        other.Clear();
        SRptModuleTestFixture::TearDown();
    }
    SComWrap<ISRptTemplate> Template(int32_t position) {
        SComWrap<ISRepObject> object;
        templates->Item(position, &object);
        SComWrap<ISRptTemplate> result;
        result = static_cast<IUnknown*>(object.Get());
        return result;
    }
    std::string Written(ISRptTemplate* source) {
        SOutputStringStream out;
        EXPECT_EQ(shell->WriteTemplateToStream(out, source), S_OK);
        return out.GetString().str();
    }
    int32_t TargetCount() {
        int32_t count = 0;
        targetModel->GetCount(&count);
        return count;
    }
    static std::string Word(uint32_t value) {
        return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    }

    SRptShellModule* shell = nullptr;
    SComWrap<ISRptModule> mod;
    SComWrap<ISRptModule> other;
    SComWrap<ISRepSession> session;
    SComWrap<ISRepSession> target;
    SComWrap<ISRepClassCol> targetModel;
    SComWrap<ISRepObject> report;
    SComWrap<ISRepClassCol> templates;
    STestTempFolder folder;
};

}  // namespace

TEST_F(SRptShellModuleTemplateStreams, EachTemplateHasAHeaderOf76BytesNamingItsModule) {
    const std::string bytes = Written(Template(0).Get());
    ASSERT_GT(bytes.size(), 76u);
    std::string header("RTP\0\0\0\0\0M\0O\0D\0", 14);
    header += std::string(76 - header.size(), '\0');
    EXPECT_EQ(bytes.substr(0, 76), header);
    EXPECT_EQ(bytes[76], 'O');  // the template's own record follows
    // A module id of 40 characters keeps its first 31 UTF-16 units and a zero unit.
    Template(0)->PutModuleID("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    const std::string cut = Written(Template(0).Get());
    for (int i = 0; i < 31; ++i) EXPECT_EQ(cut[8 + 2 * i], "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd"[i]) << i;
    EXPECT_EQ(cut.substr(70, 6), std::string(6, '\0'));
    // No template: nothing written.
    SOutputStringStream none;
    EXPECT_EQ(shell->WriteTemplateToStream(none, nullptr), S_FALSE);
    EXPECT_EQ(none.GetPosition(), 0);
}

TEST_F(SRptShellModuleTemplateStreams, ACollectionIsItsCountAndItsTemplatesInOrder) {
    SComWrap<ISRepClassCol> empty;
    target->GetObjects(&empty);
    SOutputStringStream out;
    EXPECT_EQ(shell->WriteTemplatesToStream(out, empty.Get()), S_OK);
    EXPECT_EQ(out.GetString().str(), std::string(4, '\0'));
    SInputStringStream in{out.GetString()};
    EXPECT_EQ(shell->ReadTemplatesFromStream(in, targetModel.Get(), target.Get()), S_OK);
    EXPECT_EQ(TargetCount(), 0);
    EXPECT_EQ(shell->WriteTemplatesToStream(out, nullptr), static_cast<HRESULT>(0x80070057));

    SOutputStringStream both;
    ASSERT_EQ(shell->WriteTemplatesToStream(both, templates.Get()), S_OK);
    EXPECT_EQ(both.GetString().str().substr(0, 4), Word(2));
    SInputStringStream back{both.GetString()};
    EXPECT_EQ(shell->ReadTemplatesFromStream(back, targetModel.Get(), target.Get()), S_OK);
    ASSERT_EQ(TargetCount(), 2);
    for (int32_t i = 0; i < 2; ++i) {
        SComWrap<ISRepObject> read, written;
        targetModel->Item(i, &read);
        templates->Item(i, &written);
        EXPECT_EQ(DumpOf(read.Get()), DumpOf(written.Get())) << i;
    }
}

TEST_F(SRptShellModuleTemplateStreams, ARefusedRecordEndsTheReadAndKeepsWhatCameBefore) {
    const std::string good = Written(Template(0).Get());
    std::string wrongMagic = good;
    wrongMagic[0] = 'X';
    ISRptTemplate* const untouched = Template(1).Get();
    ISRptTemplate* out = untouched;
    SInputStringStream bad{SString(wrongMagic)};
    EXPECT_EQ(shell->ReadTemplateFromStream(bad, &out, target.Get()), S_FALSE);
    EXPECT_EQ(out, untouched);

    Template(1)->PutModuleID("GHOST");  // no module of that id is registered
    const std::string ghost = Written(Template(1).Get());
    SInputStringStream unregistered{SString(ghost)};
    EXPECT_EQ(shell->ReadTemplateFromStream(unregistered, &out, target.Get()), S_FALSE);
    EXPECT_EQ(out, untouched);

    SInputStringStream three{SString(Word(3) + good + ghost + good)};
    EXPECT_EQ(shell->ReadTemplatesFromStream(three, targetModel.Get(), target.Get()), S_FALSE);
    EXPECT_EQ(TargetCount(), 1);

    SInputStringStream noSession{SString(good)};
    EXPECT_EQ(shell->ReadTemplateFromStream(noSession, &out, nullptr), E_POINTER);
    EXPECT_EQ(shell->ReadTemplatesFromStream(noSession, targetModel.Get(), nullptr), E_POINTER);
    EXPECT_EQ(shell->ReadTemplateFromStream(noSession, nullptr, target.Get()), E_POINTER);
}

TEST_F(SRptShellModuleTemplateStreams, ARecordThatHoldsNoTemplateGivesNone) {
    // A paragraph behind a template's header.
    SComWrap<ISRepClassCol> paragraphs;
    report->GetCollection(kParagraphs, &paragraphs);
    SComWrap<ISRepObject> para;
    paragraphs->Item(0, &para);
    SOutputStringStream record;
    ASSERT_EQ(SRepStreamManager::Save(record, para.Get(), SRepStreamManager::kSaveDeep), S_OK);
    const std::string bytes = Written(Template(0).Get()).substr(0, 76) + record.GetString().str();
    SInputStringStream in{SString(Word(1) + bytes)};
    EXPECT_EQ(shell->ReadTemplatesFromStream(in, targetModel.Get(), target.Get()), S_FALSE);
    EXPECT_EQ(TargetCount(), 0);
    // Nor does the collection writer take anything but templates.
    SOutputStringStream out;
    EXPECT_EQ(shell->WriteTemplatesToStream(out, paragraphs.Get()), static_cast<HRESULT>(0x80070057));
    EXPECT_EQ(out.GetPosition(), 0);
}

TEST_F(SRptShellModuleTemplateStreams, AWriteThatFailsIsAnsweredWithItsFailure) {
    const size_t full = Written(Template(0).Get()).size();
    SFailingStream failing(full / 2);
    EXPECT_EQ(shell->WriteTemplateToStream(failing, Template(0).Get()), static_cast<HRESULT>(0x80030019));
    SFailingStream collection(full);
    EXPECT_EQ(shell->WriteTemplatesToStream(collection, templates.Get()), static_cast<HRESULT>(0x80030019));
}

TEST_F(SRptShellModuleTemplateStreams, AReadThatFailsIsAnsweredWithItsFailure) {
    SOutputStringStream both;
    ASSERT_EQ(shell->WriteTemplatesToStream(both, templates.Get()), S_OK);
    const std::string bytes = both.GetString().str();
    const std::string first = Written(Template(0).Get());
    // In a template's header: the failure, not a refused record, and no template.
    ISRptTemplate* const untouched = Template(1).Get();
    ISRptTemplate* out = untouched;
    SFailingInput header(first, 40);
    EXPECT_EQ(shell->ReadTemplateFromStream(header, &out, target.Get()), static_cast<HRESULT>(0x80030019));
    EXPECT_EQ(out, untouched);
    // In the count, in the second template's header and in its object.
    for (size_t good : {size_t(2), 4 + first.size() + 40, 4 + first.size() + 100}) {
        SFailingInput collection(bytes, good);
        EXPECT_EQ(shell->ReadTemplatesFromStream(collection, targetModel.Get(), target.Get()),
                  static_cast<HRESULT>(0x80030019))
            << good;
    }
}

TEST_F(SRptShellModuleTemplateStreams, FilesAreWrittenWholeOrNotAtAll) {
    const SString path = folder.PathOf("templates.bin");
    // Arguments are checked before the file is made.
    EXPECT_EQ(shell->WriteTemplateToFile(path, nullptr), S_FALSE);
    EXPECT_EQ(shell->WriteTemplatesToFile(path, nullptr), static_cast<HRESULT>(0x80070057));
    EXPECT_FALSE(SFile::Exists(path));

    ASSERT_EQ(shell->WriteTemplatesToFile(path, templates.Get()), S_OK);
    const std::string before = STestTempFolder::ReadFile(path);
    EXPECT_EQ(shell->ReadTemplatesFromFile(path, targetModel.Get(), target.Get()), S_OK);
    EXPECT_EQ(TargetCount(), 2);
    {
        STestFileSizeLimit limit(256);
        EXPECT_TRUE(FAILED(shell->WriteTemplateToFile(path, Template(1).Get())));
    }
    EXPECT_EQ(STestTempFolder::ReadFile(path), before);

    const SString one = folder.PathOf("one.bin");
    ASSERT_EQ(shell->WriteTemplateToFile(one, Template(0).Get()), S_OK);
    SComWrap<ISRptTemplate> read;
    ASSERT_EQ(shell->ReadTemplateFromFile(one, &read, target.Get()), S_OK);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetName(), "First template");
    read.Clear();
    // A refused record gives its 1 and no template.
    std::string refused = STestTempFolder::ReadFile(one);
    refused[0] = 'X';
    STestTempFolder::WriteFile(one, refused);
    EXPECT_EQ(shell->ReadTemplateFromFile(one, &read, target.Get()), S_FALSE);
    EXPECT_FALSE(read);
    EXPECT_EQ(shell->ReadTemplateFromFile(folder.PathOf("missing.bin"), &read, target.Get()),
              static_cast<HRESULT>(0x80030002));
}

TEST_F(SRptShellModuleTemplateStreams, ATemplateAsDeepAsReadersTakeIsWrittenAndOneLevelMoreWritesNothing) {
    SComWrap<ISRepObject> innermost = NestFolders(report.Get(), SRepDocumentLimits::kMaxDepth);
    ASSERT_TRUE(innermost);
    const SString one = folder.PathOf("one.bin");
    const SString all = folder.PathOf("all.bin");
    ASSERT_EQ(shell->WriteTemplateToFile(one, Template(0).Get()), S_OK);
    ASSERT_EQ(shell->WriteTemplatesToFile(all, templates.Get()), S_OK);
    SComWrap<ISRptTemplate> read;
    ASSERT_EQ(shell->ReadTemplateFromFile(one, &read, target.Get()), S_OK);
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(read.Get());
    SComWrap<ISRepObject> first;
    templates->Item(0, &first);
    EXPECT_EQ(DumpOf(object.Get()), DumpOf(first.Get()));
    object.Clear();
    read.Clear();
    ASSERT_EQ(shell->ReadTemplatesFromFile(all, targetModel.Get(), target.Get()), S_OK);
    EXPECT_EQ(TargetCount(), 2);

    ASSERT_TRUE(Item(innermost.Get(), 0xD6, "DEEPER"));
    const std::string oneBefore = STestTempFolder::ReadFile(one);
    const std::string allBefore = STestTempFolder::ReadFile(all);
    EXPECT_EQ(shell->WriteTemplateToFile(one, Template(0).Get()), E_INVALIDARG);
    EXPECT_EQ(shell->WriteTemplatesToFile(all, templates.Get()), E_INVALIDARG);
    EXPECT_EQ(STestTempFolder::ReadFile(one), oneBefore);
    EXPECT_EQ(STestTempFolder::ReadFile(all), allBefore);
    SOutputStringStream out;
    EXPECT_EQ(shell->WriteTemplateToStream(out, Template(0).Get()), E_INVALIDARG);
    EXPECT_EQ(shell->WriteTemplatesToStream(out, templates.Get()), E_INVALIDARG);
    EXPECT_EQ(out.GetPosition(), 0);
}

// The shell module's checks before it reads the templates of a file.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/repo/SRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "support/STestTempFolder.h"

namespace {

class SRptShellModuleTemplateFiles : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        shell = globals->GetRptShellModule();
        ASSERT_NE(shell, nullptr);
        ASSERT_EQ(SRepSession::Create("templates", &session), S_OK);
        ASSERT_EQ(session->GetObjects(&collection), S_OK);
    }
    void TearDown() override {
        collection.Clear();
        session->Close();
        session.Clear();
        SRptModuleTestFixture::TearDown();
    }

    SRptShellModule* shell = nullptr;
    SComWrap<ISRepSession> session;
    SComWrap<ISRepClassCol> collection;
    STestTempFolder folder;
};

}  // namespace

TEST_F(SRptShellModuleTemplateFiles, ReadingTemplatesNeedsACollectionASessionAndAnExistingFile) {
    const SString present = folder.PathOf("present.rpt");
    std::ofstream(present.c_str()) << "x";
    EXPECT_EQ(shell->ReadTemplatesFromFile(present, nullptr, session.Get()), static_cast<HRESULT>(0x80004003));
    EXPECT_EQ(shell->ReadTemplatesFromFile(present, collection.Get(), nullptr), static_cast<HRESULT>(0x80004003));
    // The pointers are checked before the file is looked for.
    EXPECT_EQ(shell->ReadTemplatesFromFile(folder.PathOf("missing.rpt"), nullptr, nullptr),
              static_cast<HRESULT>(0x80004003));
    EXPECT_EQ(shell->ReadTemplatesFromFile(folder.PathOf("missing.rpt"), collection.Get(), session.Get()),
              static_cast<HRESULT>(0x80030002));
    // A folder of that name is no template file either.
    EXPECT_EQ(shell->ReadTemplatesFromFile(folder.GetPath(), collection.Get(), session.Get()),
              static_cast<HRESULT>(0x80030002));
    SRepClassColPtr read(collection.Get());
    EXPECT_EQ(read.GetCount(), 0);
}

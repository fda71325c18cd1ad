// The stand-in host printing the report to a PDF file and writing its preview pages as pictures.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "SDataModelHostFixture.h"
#include "platform/base/SFile.h"
#include "support/STestFileSizeLimit.h"
#include "varod9/SInteraction.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The number of page objects of a PDF file ("/Type /Page", not the "/Type /Pages" tree).
int32_t CountPages(const std::string& pdf) {
    int32_t pages = 0;
    const std::string mark = "/Type /Page";
    for (size_t at = pdf.find(mark); at != std::string::npos; at = pdf.find(mark, at + mark.size()))
        if (pdf.compare(at + mark.size(), 1, "s") != 0) ++pages;
    return pages;
}

// The size of a PNG file, or 0 x 0 when it cannot be decoded.
std::pair<int32_t, int32_t> PngSize(const SString& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    std::pair<int32_t, int32_t> size{0, 0};
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
        size = {cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
    cairo_surface_destroy(surface);
    return size;
}

}  // namespace

TEST_F(SDataModelHost, PdfPrintsThePagesToTheChosenFile) {
    const SString output = folder.PathOf("shop.pdf");
    SInteraction::ClearTranscript();
    const std::string said = Run({"generate", "--model", ModelFile(), "--format", "pdf", "-o", output.str()}, 0);
    EXPECT_TRUE(Holds(said, "wrote " + output.str())) << said;
    const std::string pdf = STestTempFolder::ReadFile(output);
    ASSERT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    // The title page, the contents, the list and a page per entity.
    EXPECT_GT(CountPages(pdf), 1) << "page objects";

    // The print dialog was confirmed and the report went to the file, not to the printer's folder.
    bool printed = false;
    for (const SPrompt& prompt : SInteraction::GetTranscript())
        printed = printed || (prompt.kind == SPrompt::PrintDialog && prompt.caption == "Print");
    EXPECT_TRUE(printed);
    SInteraction::ClearTranscript();
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"shop.pdf", "shop.xml"}));
}

TEST_F(SDataModelHost, PdfIntoAMissingFolderFailsAndWritesNothing) {
    const std::string said = Run(
        {"generate", "--model", ModelFile(), "--format", "pdf", "-o", folder.PathOf("no/such/shop.pdf").str()}, 1);
    EXPECT_TRUE(Holds(said, "rpthost: cannot write")) << said;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"shop.xml"});
}

TEST_F(SDataModelHost, PdfThatCannotBeWrittenFailsAndKeepsTheEarlierFile) {
    const SString output = folder.PathOf("shop.pdf");
    STestTempFolder::WriteFile(output, "old!");
    std::string said;
    {
        // A file may not grow past 4 KiB, as on a full disk.
        STestFileSizeLimit limit(4096);
        said = Run({"generate", "--model", ModelFile(), "--format", "pdf", "-o", output.str()}, 1);
    }
    EXPECT_TRUE(Holds(said, "rpthost: cannot write '" + output.str() + "'")) << said;
    EXPECT_TRUE(Holds(said, "0x80030019")) << said;
    EXPECT_FALSE(Holds(said, "wrote ")) << said;
    EXPECT_EQ(STestTempFolder::ReadFile(output), "old!");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"shop.pdf", "shop.xml"}));
}

TEST_F(SDataModelHost, PreviewWritesEveryPageAsADecodablePicture) {
    const SString pages = folder.PathOf("pages");
    const std::string said = Run({"preview", "--model", ModelFile(), "-o", pages.str()}, 0);
    ASSERT_TRUE(SFile::IsDirectory(pages)) << said;
    int32_t count = 0;
    while (SFile::Exists(folder.PathOf("pages/page-" + std::to_string(count + 1) + ".png"))) ++count;
    EXPECT_GT(count, 1);
    EXPECT_TRUE(Holds(said, "wrote " + std::to_string(count) + " pages to " + pages.str())) << said;
    for (int32_t number = 1; number <= count; ++number) {
        const auto [width, height] = PngSize(folder.PathOf("pages/page-" + std::to_string(number) + ".png"));
        // Paper, upright: taller than wide.
        EXPECT_GT(width, 0) << number;
        EXPECT_GT(height, width) << number;
    }
}

TEST_F(SDataModelHost, APreviewThatCannotWriteAPageKeepsEveryEarlierPicture) {
    const std::string model = ModelFile();
    const SString pages = folder.PathOf("pages");
    SFile::CreateDirectory(pages);
    // The earlier pictures of a preview, with a folder where the second page goes.
    STestTempFolder::WriteFile(folder.PathOf("pages/page-1.png"), "old 1");
    SFile::CreateDirectory(folder.PathOf("pages/page-2.png"));
    STestTempFolder::WriteFile(folder.PathOf("pages/page-3.png"), "old 3");
    const auto before = Snapshot();
    const std::string said = Run({"preview", "--model", model, "-o", pages.str()}, SRptHostCommand::kFailure);
    EXPECT_EQ(said.rfind("rpthost: cannot preview into '" + pages.str() + "': ", 0), 0u) << said;
    EXPECT_TRUE(Holds(said, "page-2.png")) << said;
    EXPECT_FALSE(Holds(said, "wrote ")) << said;
    EXPECT_EQ(Snapshot(), before);

    // A picture that cannot be written whole (as on a full disk) is named where it was to be,
    // not where it waited for its place.
    std::filesystem::remove(folder.PathOf("pages/page-2.png").c_str());
    const auto again = Snapshot();
    std::string full;
    {
        STestFileSizeLimit limit(1000);
        full = Run({"preview", "--model", model, "-o", pages.str()}, SRptHostCommand::kFailure);
    }
    EXPECT_EQ(full.rfind("rpthost: cannot preview into '" + pages.str() + "': ", 0), 0u) << full;
    EXPECT_TRUE(Holds(full, "'" + folder.PathOf("pages/page-1.png").str() + "'")) << full;
    EXPECT_FALSE(Holds(full, ".pages.set")) << full;
    EXPECT_EQ(Snapshot(), again);
}

TEST_F(SDataModelHost, PreviewTakesOnlyTheModelAndAFolder) {
    EXPECT_TRUE(Holds(Run({"preview", "--model", ModelFile(), "--format", "pdf", "-o", "x"}, 2),
                      "unknown argument '--format'"));
    EXPECT_TRUE(Holds(Run({"preview", "--model", ModelFile()}, 2), "-o is required"));
    const SString file = folder.PathOf("plain");
    STestTempFolder::WriteFile(file, "x");
    EXPECT_TRUE(Holds(Run({"preview", "--model", ModelFile(), "-o", file.str()}, 1), "is not a folder"));
}

#include "rpt/dialogs/SRptDlgParagraphPage.h"

#include <array>

#include "platform/base/SModuleState.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgParagraphPage::classSRptDlgParagraphPage = {"SRptDlgParagraphPage",
                                                                    &SRptDlgFormatPage::classSRptDlgFormatPage};

namespace {
constexpr int32_t kChoiceCount = SRptDlgParagraphPage::kSpacingChoices + SRptDlgParagraphPage::kAlignmentChoices;

std::array<SString, kChoiceCount>& ChoiceTexts() {
    static auto* texts = new std::array<SString, kChoiceCount>();
    return *texts;
}

const SString& ChoiceText(int32_t index) {
    static const SString none;
    return index >= 0 && index < kChoiceCount ? ChoiceTexts()[static_cast<size_t>(index)] : none;
}
}  // namespace

const SString& SRptDlgParagraphPage::GetSpacingText(int32_t index) {
    return index >= 0 && index < kSpacingChoices ? ChoiceText(index) : ChoiceText(-1);
}

const SString& SRptDlgParagraphPage::GetAlignmentText(int32_t index) {
    return index >= 0 && index < kAlignmentChoices ? ChoiceText(kSpacingChoices + index) : ChoiceText(-1);
}

void SRptDlgParagraphPage::LoadChoiceTexts() {
    SModuleStateGuard state(SRptGetModuleState());
    // The ids of both lists follow each other in the string table.
    for (int32_t i = 0; i < kChoiceCount; ++i) ChoiceTexts()[static_cast<size_t>(i)].LoadString(IDS_SPACING_SINGLE + static_cast<uint32_t>(i));
}

void SRptDlgParagraphPage::FreeChoiceTexts() {
    for (SString& text : ChoiceTexts()) text.Empty();
}

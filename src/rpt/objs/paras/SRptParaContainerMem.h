#pragma once
// SRptParaContainer: the abstract report class that owns an ordered list of paragraph formats
// (Paragraphs) and gives the default answers about them: the paragraph at a position, no box,
// "Text Paragraph <position>" as name and no report font kind. The report and every report item
// derive from it and answer for the positions they know, falling back on these answers.
// Abstract: nothing is made of it alone.
#include <cstdint>

#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptParaContainer.h"

inline constexpr GUID CLSID_SRptParaContainer = MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}");

// The name of a paragraph that its container does not name itself, followed by its position.
inline constexpr uint32_t IDS_RPT_TEXT_PARAGRAPH = 5193;

class SRptParaContainerRegistry;

class SRptParaContainerMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptParaContainerMem(ISRepSession* session) : SRptBaseImpl(session) {}
    SRptParaContainerMem(const SRptParaContainerMem& source) : SRptBaseImpl(source) {}
};

class SRptParaContainerImpl : public SRptParaContainerMem, public virtual ISRptParaContainer {
public:
    SRepClassColPtr Paragraphs() override;
    HRESULT GetParaAtPos(int32_t nPos, ISRptPara** pPara) override;
    HRESULT IsParaSupportBox(int32_t nPos) noexcept override;
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaContainer, SRptParaContainerMem)

protected:
    explicit SRptParaContainerImpl(ISRepSession* session) : SRptParaContainerMem(session) {}
    SRptParaContainerImpl(const SRptParaContainerImpl& source) : SRptParaContainerMem(source) {}
};

class SRptParaContainerRegistry : public SRptStaticRegistry<SRptParaContainerRegistry> {
public:
    SRptParaContainerRegistry();
    static const SAttrEditorMap attrEditorMap;
};

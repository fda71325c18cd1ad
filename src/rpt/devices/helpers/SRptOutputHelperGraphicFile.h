#pragma once
// A graphic file: its absolute path and an empty picture of the kind its content asks for
// (a metafile for a metafile, a bitmap otherwise). The writers load the file themselves.
#include "rpt/devices/helpers/SRptOutputHelperPicture.h"

class SRptOutputHelperGraphicFile : public SRptOutputHelperPicture {
public:
    using SRptOutputHelperPicture::SRptOutputHelperPicture;
    HRESULT Init(IUnknown* client) override;
    SString GetPath() const { return m_path; }

private:
    SString m_path;
};

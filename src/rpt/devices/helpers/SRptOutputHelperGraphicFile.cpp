#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"

#include <new>

#include "platform/base/SFile.h"
#include "platform/gdi/SPictureFile.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "varod9/ISRptGraphicFile.h"

HRESULT SRptOutputHelperGraphicFile::Init(IUnknown*) {
    m_path = ItemAs<ISRptGraphicFile>()->GetAbsPath();
    SFile file(m_path);
    const int32_t type = SPictureFile::GetContentType(file.GetPath());
    file.Done();
    if (type >= 2 && type <= 4) m_picture.reset(new (std::nothrow) SRptGraphicMetaFile);
    else m_picture.reset(new (std::nothrow) SRptGraphicBitmap);
    return m_picture ? S_OK : E_OUTOFMEMORY;
}

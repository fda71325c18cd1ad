#include "platform/repo/SRepCascadeGuard.h"

bool g_IsCascadeAllowed = true;

#include "platform/ui/SView.h"

const SClassInfo SView::classSView = {"SView", &SWnd::classSWnd};

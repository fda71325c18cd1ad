#pragma once
// Resource types under which a module state keeps its menus, dialog templates, accelerator
// tables, toolbars and bitmaps (its strings have a table of their own).
#include "platform/base/SString.h"

inline const SString RT_BITMAP = "#2";
inline const SString RT_MENU = "#4";
inline const SString RT_DIALOG = "#5";
inline const SString RT_ACCELERATOR = "#9";
inline const SString RT_TOOLBAR = "#241";

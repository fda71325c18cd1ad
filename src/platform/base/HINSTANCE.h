#pragma once
// A module's resource handle: the module state whose tables hold the module's resources. Host
// modules hand theirs in with their item descriptions so that their own strings can be loaded.
class SModuleState;

using HINSTANCE = SModuleState*;

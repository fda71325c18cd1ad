#pragma once
// The registries of the report classes, built by the library's start-up in one step (after the
// static string) and destroyed in reverse at shut-down, each once only. A new report class adds
// its registry to the table in SRptRegistries.cpp.
class SRptRegistries {
public:
    static void Construct();
    static void Destroy();
};

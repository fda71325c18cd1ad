#pragma once
// Paths as rpthost completes and compares them before it writes: the name a save dialog makes of
// a path, which files a write into a folder would replace, and where an input is kept.
#include <functional>

#include "platform/base/SString.h"

class SRptHostPaths {
public:
    // The path that a save dialog with the default extension `extension` answers for `path`: the
    // name with "." and the extension when it holds no "." of its own, otherwise as it is.
    static SString WithDefaultExtension(const SString& path, const SString& extension);
    // Whether writing files of the names that `written` takes into `folder` would replace the file
    // `input`: a file of the folder under such a name is `input` itself, or leads to it through a
    // link (a write goes through a link to the file it names), however either path is spelled.
    static bool WritesOver(const SString& folder, const std::function<bool(const SString& name)>& written,
                           const SString& input);
    // Whether the file `path` stands in the folder `folder` (an existing one, however spelled),
    // under its own name or as the file that a link of that name leads to.
    static bool IsInFolder(const SString& path, const SString& folder);
    // The folder of `path` as a path of its own: "." for a bare name.
    static SString FolderOf(const SString& path);
    // The folder that `path` (a file, or a folder to be made) goes into, spelled without its last
    // "/", when there is no folder of that name; empty when there is one.
    static SString MissingFolderOf(const SString& path);
};

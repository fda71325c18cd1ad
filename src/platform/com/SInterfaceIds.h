#pragma once
// The interface ids of the platform layers, in one table: those the class library, the repository
// framework and the host shell publish for their interfaces, then the few of this layer's own
// interfaces that no one else asks for by id. Each interface takes its id from here.
#include "platform/com/GUID.h"

// The object model.
inline constexpr IID IID_IUnknown = MakeGUID("{00000000-0000-0000-C000-000000000046}");
inline constexpr IID IID_IDispatch = MakeGUID("{00020400-0000-0000-C000-000000000046}");
inline constexpr IID IID_IConnectionPointContainer = MakeGUID("{B196B284-BAB4-101A-B69C-00AA00341D07}");
inline constexpr IID IID_IConnectionPoint = MakeGUID("{B196B286-BAB4-101A-B69C-00AA00341D07}");

// The repository framework.
inline constexpr IID IID_ISRepObject = MakeGUID("{96381B60-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepObjectInit = MakeGUID("{96381B61-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepObjSink = MakeGUID("{96381B63-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepClassCol = MakeGUID("{96381B6A-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepClassColSink = MakeGUID("{96381B6C-1253-11D1-83D9-444553540000}");
// A second face of the repository object that every report object answers with its class interface.
inline constexpr IID IID_ISRepObjectBase = MakeGUID("{96381B6F-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepSessionExtern = MakeGUID("{96381B73-1253-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepSession = MakeGUID("{CD012760-3B37-11D1-83D9-444553540000}");
inline constexpr IID IID_ISLoadSaveManager = MakeGUID("{CD012761-3B37-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepSessionView = MakeGUID("{CD012762-3B37-11D1-83D9-444553540000}");
inline constexpr IID IID_ISRepCommandTarget = MakeGUID("{4FADD6E2-4EF2-11D1-83D9-444553540000}");

// The host shell.
inline constexpr IID IID_ISShellModule = MakeGUID("{C69CBB83-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellCommandClass = MakeGUID("{C69CBB84-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellView = MakeGUID("{C69CBB86-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellProgress = MakeGUID("{C69CBB8A-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellEvents = MakeGUID("{C69CBB91-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellCommandTarget = MakeGUID("{C69CBB93-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellPreview = MakeGUID("{C69CBB94-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellModuleExt = MakeGUID("{C69CBB95-6A51-11D0-90A3-444553540000}");

// The host shell's interfaces whose ids the shell does not publish, numbered in its family.
inline constexpr IID IID_ISShellFrame = MakeGUID("{C69CBB87-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellWindow = MakeGUID("{C69CBB88-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellViewToolbars = MakeGUID("{C69CBB8B-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellViewClass = MakeGUID("{C69CBB8D-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellFrameViews = MakeGUID("{C69CBB8E-6A51-11D0-90A3-444553540000}");
inline constexpr IID IID_ISShellCommandBars = MakeGUID("{C69CBB90-6A51-11D0-90A3-444553540000}");

// This layer's own, which nothing outside the library asks for.
inline constexpr IID IID_ISRepDataSrc = MakeGUID("{5B0E7C21-6D3A-4F1B-9E52-7C1A2B3D4E60}");
inline constexpr IID IID_ISShellHostFrame = MakeGUID("{6F0C2B8E-5D41-4A7A-9E3B-2C18D4F07A65}");

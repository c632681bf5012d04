#pragma once
// The module's identifiers. The type library, interface and class GUIDs were
// generated once for this module and never change: registrations and hosts
// refer to them. The two category identifiers are the well-known ones every
// script host checks before it scripts or initialises a control.

namespace vexo::module {

// Type library VexoSmartOcxLib, version 1.0.
inline constexpr char kLibId[] = "{32643FB1-1314-4827-8ED2-EC879D049E04}";
inline constexpr char kTypeLibName[] = "VexoSmartOcxLib";
inline constexpr int kTypeLibMajor = 1;
inline constexpr int kTypeLibMinor = 0;
// Dispinterfaces _DVexoSmartOcx (methods) and _DVexoSmartOcxEvents (events).
inline constexpr char kDiidMethods[] = "{9C5BD0E1-AF99-4CAC-8AF3-A53F375C7F9D}";
inline constexpr char kDiidEvents[] = "{5D68B589-701E-4118-8711-C9EA0494848B}";
// Coclass VexoSmartOcx, the control.
inline constexpr char kControlClsid[] = "{684FA756-E4BD-41D0-9090-06E9CAB049FD}";
inline constexpr char kControlProgId[] = "VEXOSMARTOCX.VexoSmartOcxCtrl.1";
inline constexpr char kControlTypeName[] = "VexoSmartOcx Control";
// The property page.
inline constexpr char kPropPageClsid[] = "{25E238A4-0B4E-48B1-8581-91A13C291E18}";
inline constexpr char kPropPageProgId[] = "VEXOSMARTOCX.VexoSmartOcxPropPage.1";
inline constexpr char kPropPageTypeName[] = "VexoSmartOcx Property Page";

inline constexpr char kCatIdSafeForScripting[] = "{7DD95801-9882-11CF-9FA9-00AA006C42C4}";
inline constexpr char kCatIdSafeForInitializing[] = "{7DD95802-9882-11CF-9FA9-00AA006C42C4}";
inline constexpr unsigned kCategoryLocale = 0x409;
inline constexpr char kSafeForInitializingDescription[] =
    "Controls safely initialize from persistent data!";
inline constexpr char kSafeForScriptingDescription[] = "Controls safely scrip table!";

// OLEMISC_ACTIVATEWHENVISIBLE | SETCLIENTSITEFIRST | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE.
inline constexpr unsigned kControlMiscStatus = 0x20191;
inline constexpr int kToolboxBitmap = 1;

}  // namespace vexo::module

#pragma once
// The folder and names of the files the device publishes for download.

#include <QString>
#include <string>

namespace vexo {

// The folder below the module directory that holds the device's files.
std::string DescriptionFolder(const std::string& moduleDirectory);

// A name the device gave is used as a file name only when it stays inside
// the folder: not empty, not absolute, with no folder separator (either
// kind), no "..", no NUL and not ".".
bool IsSafeDeviceFileName(const QString& name);

inline constexpr char kUiDescriptionFileName[] = "korvane_ui.xml";
inline constexpr char kLocalisationFileName[] = "korvane_lang.xml";

}  // namespace vexo

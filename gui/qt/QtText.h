#pragma once

#include <QString>
#include <string>

#include "platform/ControlIds.h"

// Where the logic's texts cross into Qt: code page 932 text becomes UTF-16
// through the system codec, paths stay in the operating system's encoding and
// go through QFile's name conversion.
namespace corvane::qt {

QString FromText(const std::string& cp932);
std::string ToText(const QString& text);

QString FromPath(const std::string& osPath);
std::string ToPath(const QString& path);

QString FromKind(platform::TextKind kind, const std::string& text);
std::string ToKind(platform::TextKind kind, const QString& text);

// The caption of `id` from the wizard's caption table.
QString Caption(platform::ControlId id);

}  // namespace corvane::qt

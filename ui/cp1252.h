// The Qt boundary of the core's texts: cp1252 bytes to Unicode and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace escartinol {

QString FromCp1252(std::string_view text);

// Characters that cp1252 lacks come out as '?', which no check of the core takes for a letter.
std::string ToCp1252(const QString& text);

}  // namespace escartinol

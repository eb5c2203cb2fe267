#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Appends UTF-8 text to an XML document as character data or an attribute
// value: the five markup characters as entities, and what XML 1.0 cannot hold
// (control characters, bytes that are not UTF-8) as U+FFFD, so any name a
// user gives becomes text and never markup.
void AnadirTextoXml(std::string& documento, std::string_view utf8);

}  // namespace varnel

// The one place where UTF-8 and GBK (code page 936) meet.
#pragma once

#include <string>
#include <string_view>

namespace mingshu {

// UTF-8 → GBK bytes. Throws EncodingError when a character has no GBK form or the input is not UTF-8.
std::string ToGbk(std::string_view utf8);
// GBK bytes → UTF-8. A byte sequence that is not GBK becomes U+FFFD.
std::string FromGbk(std::string_view gbk);
// Whether every character of a UTF-8 text has a GBK form.
bool IsGbkEncodable(std::string_view utf8);
// Number of GBK bytes of a UTF-8 text (throws EncodingError like ToGbk).
std::size_t GbkLength(std::string_view utf8);

} // namespace mingshu

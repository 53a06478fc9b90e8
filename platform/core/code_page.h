// ANSI text of the layer is UTF-8 (GetACP answers CP_UTF8): the A functions
// take and give UTF-8 bytes, and the few places that meet UTF-16 (dialog
// templates, MultiByteToWideChar) convert here. A broken sequence (a stray
// continuation byte, a cut or overlong sequence, a surrogate, a value beyond
// U+10FFFF) is one character of one byte that reads as U+FFFD, so no text is
// ever refused and no byte is ever skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "win32.h"

namespace zt::platform {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character that starts at text[at] (at < text.size()); `length` gets
// its length in bytes (1 for a broken sequence).
char32_t decodeUtf8(std::string_view text, size_t at, size_t& length);
// The position after / before the character at / before `at`, within the text.
size_t nextCharacter(std::string_view text, size_t at);
size_t previousCharacter(std::string_view text, size_t at);
// Whether `at` is the start of a character (or the end of the text).
bool characterStart(std::string_view text, size_t at);
void appendUtf8(std::string& out, char32_t c);
// The length of the longest start of text of at most `room` bytes that ends
// between characters: where text is cut to fit a buffer.
size_t wholeCharacters(std::string_view text, size_t room);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string narrowUtf16(const WCHAR* units, size_t count);
// UTF-8 to UTF-16; writes at most `capacity` units and never half a pair.
// Returns the number of units written (all of them when out is null).
size_t widenUtf8(std::string_view text, WCHAR* out, size_t capacity);

}  // namespace zt::platform

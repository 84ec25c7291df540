#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte-level helpers for code page 932 (Shift_JIS) text held in std::string.
// Positions and lengths are in bytes; a double-byte character is never split.
namespace corvane::text {

enum class ByteClass {
    Single,  // an ASCII or half-width katakana character
    Lead,    // first byte of a double-byte character
    Trail,   // second byte of a double-byte character
    Illegal  // a byte that is no character here (0x80, 0xA0, 0xFD-0xFF, or a lead byte without its trail)
};

bool IsLeadByte(unsigned char c);
bool IsTrailByte(unsigned char c);
bool IsSingleByteChar(unsigned char c);

// The class of the byte at `offset`, found by scanning from the start of `s`.
// An offset at or past the end is Illegal.
ByteClass ClassAt(std::string_view s, std::size_t offset);

// Byte length of the character that starts at `offset` (1 or 2); an illegal
// byte counts as one.
std::size_t CharLengthAt(std::string_view s, std::size_t offset);

// First position at or after `from` where `needle` occurs and begins at a
// character boundary; npos when none. An empty needle is found at `from`.
std::size_t Find(std::string_view haystack, std::string_view needle, std::size_t from = 0);
bool Contains(std::string_view haystack, std::string_view needle);

// Last position of the single-byte character `c` that is not the trail byte
// of a double-byte character; npos when none.
std::size_t FindLastSingle(std::string_view s, char c);

// Compares character by character, a double-byte character by its two-byte
// code: negative, zero or positive like strcmp.
int Compare(std::string_view a, std::string_view b);

// Replaces every occurrence of `from` (at a character boundary) with `to`.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// Removes every occurrence of the single-byte character `c` outside double-byte characters.
std::string RemoveSingle(std::string_view s, char c);

// True when `lead` and `trail` form a character that code page 932 maps (as
// Windows does, the user-defined area included). A pair of the right shape
// may be none: 85 40, 82 4A, 81 B3.
bool IsCharacterPair(unsigned char lead, unsigned char trail);

// True when every byte forms a character of code page 932 and none is a
// control character that XML 1.0 forbids (below 0x20 other than tab, LF and
// CR). The other functions here split by the shape of the bytes only.
bool IsWellFormedText(std::string_view s);
// Offset of the first byte that breaks that rule; npos when there is none.
std::size_t FindIllFormedByte(std::string_view s);

}  // namespace corvane::text

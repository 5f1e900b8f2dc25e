#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Record files keep text as Windows-1252 bytes; the program works in UTF-8.

// A character that Windows-1252 lacks becomes '?'; a byte that is no part of a UTF-8 character
// (a name in Latin-1) is kept as it is.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

// Writes the text into a fixed field: converted, cut to fieldSize - 1 bytes, the rest NUL.
void WriteTextField(uint8_t* field, size_t fieldSize, std::string_view utf8);
// Reads a fixed field up to its first NUL, and never past its end.
std::string ReadTextField(const uint8_t* field, size_t fieldSize);
// The same into an existing string, reusing its storage.
void ReadTextField(const uint8_t* field, size_t fieldSize, std::string& text);
// A fixed field's bytes up to its first NUL, never past its end, as they are.
std::string_view TextFieldBytes(const uint8_t* field, size_t fieldSize);
// Windows-1252 bytes as UTF-8 into an existing string, reusing its storage.
void DecodeTextBytes(std::string_view bytes, std::string& text);

// Cuts UTF-8 text to at most maxCharacters characters without splitting a character.
std::string TruncateUtf8(std::string_view utf8, size_t maxCharacters);
// Number of characters (code points) of UTF-8 text.
size_t CountUtf8Characters(std::string_view utf8);
// Whether the byte is a control character (below 0x20, or DEL).
bool IsControlByte(char c);
// Whether the bytes are UTF-8 throughout: no broken, overlong or surrogate sequence.
bool IsValidUtf8(std::string_view text);

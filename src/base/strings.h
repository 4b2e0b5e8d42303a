#pragma once
// String and number-text utilities. Positions are 1-based (0 = not found or
// none); positions, lengths and counts are 16-bit, and a member that measures
// a text longer than 65535 bytes raises ERangeError. A character set is given
// as a text: a character belongs to it when it occurs anywhere in that text.
// The "cut" members take the text in/out: they return a piece and leave the
// remainder in the text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

using TextPos = std::uint16_t;

// The length of a text as a 16-bit count; ERangeError above 65535.
TextPos TextLength(std::string_view text);

// Searching
TextPos FirstPos(std::string_view text, char c);
TextPos LastPos(std::string_view text, char c);
TextPos FirstOf(std::string_view text, std::string_view set);
TextPos LastOf(std::string_view text, std::string_view set);
TextPos FirstNotOf(std::string_view text, std::string_view set, TextPos start);
TextPos LastNotOf(std::string_view text, std::string_view set);
TextPos SubPos(std::string_view text, std::string_view piece);
bool InSet(std::string_view set, char c);
bool HasAnyOf(std::string_view text, std::string_view set);
bool AllOf(std::string_view text, std::string_view set);
bool CharAt(std::string_view text, char c, TextPos pos);
bool CharInSetAt(std::string_view text, std::string_view set, TextPos pos);
TextPos CountChar(std::string_view text, char c);
TextPos CountOf(std::string_view text, std::string_view set);
bool SetBefore(std::string_view text, std::string_view setA, std::string_view setB);
TextPos MatchClose(std::string_view text, char closer);

// Cutting and copying
std::string LeftPart(std::string_view text, TextPos n);
std::string RightPart(std::string_view text, TextPos n);
std::string DropLeft(std::string_view text, TextPos n);
std::string DropRight(std::string_view text, TextPos n);
std::string CutLeft(std::string& text, TextPos n);
std::string CutAt(std::string& text, TextPos p);
std::string CutToken(std::string& text, std::string_view set);
std::string NextToken(std::string& text, std::string_view set);
std::string CutBeforeSet(std::string& text, std::string_view set);
std::string AfterSet(std::string_view text, std::string_view set, bool skip, bool whole);
std::string BeforeSet(std::string_view text, std::string_view set, bool exclude, bool whole);
std::string Between(std::string_view text, std::string_view set1, std::string_view set2, bool whole,
                    bool skip);
std::string CopyFromSet(std::string_view text, std::string_view set, TextPos count, bool skip);
std::string WordN(std::string_view text, TextPos n, std::string_view separators, bool strict);
// The end-of-text flag of the last WordN call.
bool WordNEndOfText();
std::string TakeInteger(std::string& text);

// Filtering, trimming, comparing
std::string KeepChars(std::string_view text, std::string_view set);
std::string DropChars(std::string_view text, std::string_view set);
std::string DeleteChar(std::string_view text, char c);
std::string TrimLeftSet(std::string_view text, std::string_view set);
std::string TrimRightSet(std::string_view text, std::string_view set);
std::string TrimSet(std::string_view text, std::string_view set);
// Upper case by locale rules: a-z and the letters of UTF-8 text beyond them.
std::string Upper(std::string_view text);
// Upper case of the letters a-z only (the comparisons that ignore case that way).
std::string UpperAZ(std::string_view text);
bool PartEquals(std::string_view a, std::string_view b, TextPos start, TextPos n);
bool PrefixEquals(std::string_view a, std::string_view b, TextPos n, bool caseSensitive);

// Numbers and text
std::string IntText(std::int32_t value);
std::int32_t NumOf(std::string_view text);
// The value of a text that is exactly a decimal 32-bit integer (an optional
// leading "-", then digits); nothing for any other text.
std::optional<std::int32_t> DecimalValue(std::string_view text);
int DigitValue(char c);
char DigitChar(int value, int base);
std::string Hex8(std::uint32_t value);
std::uint32_t HexValue(std::string_view chars, TextPos count);
std::uint32_t HexAt(std::string_view text, int start);

// Waits the time while window messages keep being handled (through the clock).
void Delay(std::uint32_t ms);

}  // namespace orv

#pragma once
// String utilities. Positions are 1-based (0 = not found or none); positions,
// lengths and counts are 16-bit, and a member that measures a text longer than
// 65535 bytes raises ERangeError. A character set is given as a text: a
// character belongs to it when it occurs anywhere in that text. The "cut"
// members take the text in/out: they return a piece and leave the remainder in
// the text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

using TextPos = std::uint16_t;

// The length of a text as a 16-bit count; ERangeError above 65535.
TextPos TextLength(std::string_view text);

// Searching
// The position of the first c in the text.
TextPos FirstPos(std::string_view text, char c);
// The position of the last c in the text.
TextPos LastPos(std::string_view text, char c);
// The position of the first character of the set in the text.
TextPos FirstOf(std::string_view text, std::string_view set);
// The position of the last character of the set in the text.
TextPos LastOf(std::string_view text, std::string_view set);
// The first position from start on (0 counts as 1) whose character is not in the set.
TextPos FirstNotOf(std::string_view text, std::string_view set, TextPos start);
// The position of the last character that is not in the set.
TextPos LastNotOf(std::string_view text, std::string_view set);
// The position where piece first occurs; 0 also for an empty piece.
TextPos SubPos(std::string_view text, std::string_view piece);
// Whether c belongs to the set.
bool InSet(std::string_view set, char c);
// Whether the text holds a character of the set.
bool HasAnyOf(std::string_view text, std::string_view set);
// Whether every character of the text is in the set (true for an empty text).
bool AllOf(std::string_view text, std::string_view set);
// Whether the text is one or more of the digits 0-9 and nothing else.
bool AllDigits(std::string_view text);
// Whether the character at pos is c; false outside the text.
bool CharAt(std::string_view text, char c, TextPos pos);
// Whether the character at pos is in the set; false outside the text.
bool CharInSetAt(std::string_view text, std::string_view set, TextPos pos);
// How often c occurs in the text.
TextPos CountChar(std::string_view text, char c);
// How often the characters of the set occur, each character of the set counted.
TextPos CountOf(std::string_view text, std::string_view set);
// Whether every character of setA comes before the first of setB (true without setB).
bool SetBefore(std::string_view text, std::string_view setA, std::string_view setB);
// The position of the closer that ends the text's level, nested brackets skipped.
TextPos MatchClose(std::string_view text, char closer);

// Cutting and copying
// The first n characters.
std::string LeftPart(std::string_view text, TextPos n);
// The last n characters.
std::string RightPart(std::string_view text, TextPos n);
// The text without its first n characters.
std::string DropLeft(std::string_view text, TextPos n);
// The text without its last n characters.
std::string DropRight(std::string_view text, TextPos n);
// Cuts the first n characters off the text and returns them.
std::string CutLeft(std::string& text, TextPos n);
// Returns what stands before position p and leaves what follows it (p itself dropped).
std::string CutAt(std::string& text, TextPos p);
// CutAt the first character of the set; nothing is cut when the set is absent.
std::string CutToken(std::string& text, std::string_view set);
// CutAt the first character of the set; the whole text when the set is absent.
std::string NextToken(std::string& text, std::string_view set);
// Cuts what stands before the first character of the set, which stays in the text.
std::string CutBeforeSet(std::string& text, std::string_view set);
// From the first character of the set on (skip: after it); whole: the text when absent.
std::string AfterSet(std::string_view text, std::string_view set, bool skip, bool whole);
// Up to the first character of the set (exclude: without it); whole: the text when absent.
std::string BeforeSet(std::string_view text, std::string_view set, bool exclude, bool whole);
// What lies between a character of set1 and the next of set2 (skip: both left out).
std::string Between(std::string_view text, std::string_view set1, std::string_view set2, bool whole,
                    bool skip);
// count characters from the first character of the set (skip: after it), else from the start.
std::string CopyFromSet(std::string_view text, std::string_view set, TextPos count, bool skip);
// The n-th word between separators; with fewer words the last one, or empty when strict.
std::string WordN(std::string_view text, TextPos n, std::string_view separators, bool strict);
// The end-of-text flag of the last WordN call.
bool WordNEndOfText();
// Cuts a leading integer (blanks skipped, an optional sign, digits) off the text.
std::string TakeInteger(std::string& text);

// Filtering, trimming, comparing
// The text with only the characters of the set.
std::string KeepChars(std::string_view text, std::string_view set);
// The text without the characters of the set.
std::string DropChars(std::string_view text, std::string_view set);
// The text without any c.
std::string DeleteChar(std::string_view text, char c);
// The text without leading characters of the set.
std::string TrimLeftSet(std::string_view text, std::string_view set);
// The text without trailing characters of the set.
std::string TrimRightSet(std::string_view text, std::string_view set);
// The text without leading and trailing characters of the set.
std::string TrimSet(std::string_view text, std::string_view set);
// Upper case by locale rules: a-z and the letters of UTF-8 text beyond them.
std::string Upper(std::string_view text);
// Upper case of the letters a-z only (the comparisons that ignore case that way).
std::string UpperAZ(std::string_view text);
// Whether the n characters from start are the same in both texts.
bool PartEquals(std::string_view a, std::string_view b, TextPos start, TextPos n);
// Whether the first n characters are the same, letter case ignored unless caseSensitive.
bool PrefixEquals(std::string_view a, std::string_view b, TextPos n, bool caseSensitive);

}  // namespace orv

// The suite's shared configuration file and its enciphered values.
//
// The file is a sequence of line pairs. The head line's second field
// (between the first and the second ';', or up to the line end when there is
// no second ';') names the section; the entry line reads
// "number;key;value". Values are stored enciphered with IDEA, one plain
// character per 16-bit word, four words per block (the last block filled
// with zero words), every cipher word written as five zero-padded decimal
// digits ("digit form"). The "letter form" writes every pair of those digits
// as the single character 'A' + pair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Key under which the worker's configuration values are enciphered.
inline constexpr std::string_view kIniKey = "QARDMEL";

// Deciphered values are kept to this many characters.
inline constexpr std::size_t kIniValueLimit = 51;

// The deciphered value of the first pair whose section equals `section`, or
// whose key equals `key`, or whose number equals `number` (any one is
// enough). Empty when the file cannot be read, no pair matches or the
// matching value cannot be deciphered. Pairs that break the layout never
// match: a head line without a ';', an entry line with fewer than two ';',
// a last line without a line end, a head line over 198 or an entry line over
// 398 characters (line end not counted), a key over 200 characters, or a
// number too large for an int. Both LF and CR LF line ends are accepted.
// Pairs are always two lines, so a broken pair never shifts the ones after it.
std::string Get_IniWert(std::string_view section, std::string_view key, int number,
                        const std::string& fileName);

// What a search of the configuration file found, for a caller that must
// tell a file that cannot be read or lacks the entry from a value that is
// there but unusable. Get_IniWert gives `value` in every case.
struct IniLookup {
  enum class Found { kValue, kUnreadable, kNoEntry, kUndecipherable };
  Found found = Found::kNoEntry;
  std::string value;  // deciphered; empty unless found is kValue
  bool stored = false;  // the matching entry holds enciphered text (not an empty value)
  int error = 0;        // errno of a file that cannot be read
};
// The same search as Get_IniWert. A file that is not a regular file counts
// as unreadable.
IniLookup Ini_Suchen(std::string_view section, std::string_view key, int number, const std::string& fileName);

// Deciphers `enciphered` (form 0: digit form, form 1: letter form) with the
// key words taken from the characters of `key` (at most eight; missing
// words are 0). The plain text ends at the first character 0 and is cut to
// kIniValueLimit characters. Returns 0, or -1 with `out` empty when the form
// is unknown or the value holds anything but digits in its five-digit groups
// (a short last group is ignored), a group above 65535, or a letter outside
// 'A' .. 'A' + 99.
int Wert_Entschluesseln(std::string_view enciphered, std::string& out, std::string_view key,
                        int form);

// The digit form of `plain` enciphered with `key`: the exact inverse of
// Wert_Entschluesseln with form 0 for texts without a character 0. An empty
// text gives an empty value.
std::string Wert_Verschluesseln(std::string_view plain, std::string_view key);

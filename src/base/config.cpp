#include "base/config.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fstream>
#include <optional>
#include <vector>

#include "base/idea.h"

namespace {

constexpr std::size_t kDigitsPerWord = 5;
constexpr std::size_t kHeadLineLimit = 198;   // characters before the line end
constexpr std::size_t kEntryLineLimit = 398;  // characters before the line end
constexpr std::size_t kNameLimit = 200;       // key and section

// ---------------------------------------------------------------- cipher

idea::Key keyWords(std::string_view key) {
  idea::Key words{};
  for (std::size_t i = 0; i < words.size() && i < key.size(); ++i)
    words[i] = static_cast<unsigned char>(key[i]);
  return words;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Letter form to digit form: each character stands for two digits.
std::optional<std::string> lettersToDigits(std::string_view letters) {
  std::string digits;
  digits.reserve(letters.size() * 2);
  for (char c : letters) {
    int pair = static_cast<unsigned char>(c) - 'A';
    if (pair < 0 || pair > 99) return std::nullopt;
    digits += static_cast<char>('0' + pair / 10);
    digits += static_cast<char>('0' + pair % 10);
  }
  return digits;
}

std::optional<std::vector<std::uint16_t>> cipherWords(std::string_view digits) {
  std::vector<std::uint16_t> words;
  for (std::size_t pos = 0; pos + kDigitsPerWord <= digits.size(); pos += kDigitsPerWord) {
    std::uint32_t value = 0;
    for (char c : digits.substr(pos, kDigitsPerWord)) {
      if (!isDigit(c)) return std::nullopt;
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > 0xFFFF) return std::nullopt;
    words.push_back(static_cast<std::uint16_t>(value));
  }
  return words;
}

// Runs the words through the cipher block by block; a short last block is
// filled with zero words first.
std::vector<std::uint16_t> cryptWords(std::vector<std::uint16_t> words,
                                      const idea::Subkeys& subkeys) {
  words.resize((words.size() + 3) / 4 * 4, 0);
  for (std::size_t pos = 0; pos < words.size(); pos += 4) {
    idea::Block block{words[pos], words[pos + 1], words[pos + 2], words[pos + 3]};
    block = idea::crypt(block, subkeys);
    for (std::size_t i = 0; i < 4; ++i) words[pos + i] = block[i];
  }
  return words;
}

// ---------------------------------------------------------------- file

struct Line {
  std::string text;  // without its line end
  bool ended = false;
};

std::optional<Line> readLine(std::istream& in) {
  Line line;
  if (!std::getline(in, line.text)) return std::nullopt;
  line.ended = !in.eof();
  if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  return line;
}

struct Entry {
  std::string section;
  int number = 0;
  std::string key;
  std::string value;
};

// Leading decimal digits; none read as 0. Nothing when they overflow an int.
std::optional<int> leadingNumber(std::string_view text) {
  long long value = 0;
  for (char c : text) {
    if (!isDigit(c)) break;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

std::optional<Entry> parsePair(const Line& head, const Line& entry) {
  if (!head.ended || !entry.ended) return std::nullopt;
  if (head.text.size() > kHeadLineLimit || entry.text.size() > kEntryLineLimit)
    return std::nullopt;

  std::size_t headSemi = head.text.find(';');
  if (headSemi == std::string::npos) return std::nullopt;
  std::size_t sectionEnd = head.text.find(';', headSemi + 1);
  if (sectionEnd == std::string::npos) sectionEnd = head.text.size();

  std::size_t first = entry.text.find(';');
  if (first == std::string::npos) return std::nullopt;
  std::size_t second = entry.text.find(';', first + 1);
  if (second == std::string::npos) return std::nullopt;

  std::optional<int> number = leadingNumber(std::string_view(entry.text).substr(0, first));
  if (!number) return std::nullopt;

  Entry e;
  e.section = head.text.substr(headSemi + 1, sectionEnd - headSemi - 1);
  e.number = *number;
  e.key = entry.text.substr(first + 1, second - first - 1);
  e.value = entry.text.substr(second + 1);
  if (e.key.size() > kNameLimit || e.section.size() > kNameLimit) return std::nullopt;
  return e;
}

}  // namespace

int Wert_Entschluesseln(std::string_view enciphered, std::string& out, std::string_view key,
                        int form) {
  out.clear();
  std::optional<std::string> digits;
  if (form == 0) digits = std::string(enciphered);
  else if (form == 1) digits = lettersToDigits(enciphered);
  if (!digits) return -1;

  std::optional<std::vector<std::uint16_t>> words = cipherWords(*digits);
  if (!words) return -1;
  const std::size_t count = words->size();

  idea::Subkeys subkeys = idea::decryptionSubkeys(idea::encryptionSubkeys(keyWords(key)));
  std::vector<std::uint16_t> plain = cryptWords(std::move(*words), subkeys);
  for (std::size_t i = 0; i < count && out.size() < kIniValueLimit; ++i) {
    char c = static_cast<char>(plain[i] & 0xFF);
    if (c == '\0') break;  // the fill words of the last block end the text
    out += c;
  }
  return 0;
}

std::string Wert_Verschluesseln(std::string_view plain, std::string_view key) {
  std::vector<std::uint16_t> words;
  words.reserve(plain.size());
  for (char c : plain) words.push_back(static_cast<unsigned char>(c));

  std::vector<std::uint16_t> cipher =
      cryptWords(std::move(words), idea::encryptionSubkeys(keyWords(key)));
  std::string digits;
  for (std::uint16_t w : cipher) {
    std::string group = std::to_string(w);
    digits.append(kDigitsPerWord - group.size(), '0');
    digits += group;
  }
  return digits;
}

IniLookup Ini_Suchen(std::string_view section, std::string_view key, int number, const std::string& fileName) {
  IniLookup result;
  struct stat st;
  errno = 0;
  std::ifstream in;
  if (stat(fileName.c_str(), &st) != 0) {
    result.error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    result.error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  } else {
    in.open(fileName, std::ios::binary);
    if (!in) result.error = errno != 0 ? errno : EACCES;
  }
  if (result.error != 0) {
    result.found = IniLookup::Found::kUnreadable;
    return result;
  }
  while (true) {
    std::optional<Line> head = readLine(in);
    std::optional<Line> entry = head ? readLine(in) : std::nullopt;
    if (!entry) return result;  // kNoEntry

    std::optional<Entry> e = parsePair(*head, *entry);
    if (!e) continue;
    if (e->section == section || e->key == key || e->number == number) {
      result.stored = !e->value.empty();
      const bool deciphered = Wert_Entschluesseln(e->value, result.value, kIniKey, 0) == 0;
      result.found = deciphered ? IniLookup::Found::kValue : IniLookup::Found::kUndecipherable;
      return result;
    }
  }
}

std::string Get_IniWert(std::string_view section, std::string_view key, int number,
                        const std::string& fileName) {
  return Ini_Suchen(section, key, number, fileName).value;
}

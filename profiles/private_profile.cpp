#include "profiles/private_profile.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// The text of a file is 8-bit (Unit = char) or UTF-16 (Unit = char16_t);
// the rules compare code units by their value.
template <typename Unit>
using Text = std::basic_string_view<Unit>;

template <typename Unit>
unsigned Code(Unit unit) {
  if constexpr (sizeof(Unit) == 1)
    return static_cast<unsigned char>(unit);
  else
    return unit;
}

bool IsBlank(unsigned c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool IsBreak(unsigned c) { return c == '\r' || c == '\n'; }
unsigned AsciiLower(unsigned c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

template <typename Unit>
Text<Unit> Trim(Text<Unit> s) {
  std::size_t first = 0, end = s.size();
  while (first < end && IsBlank(Code(s[first]))) ++first;
  while (end > first && IsBlank(Code(s[end - 1]))) --end;
  return s.substr(first, end - first);
}

template <typename Unit>
bool SameName(Text<Unit> a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Unit x, char y) {
           return AsciiLower(Code(x)) == AsciiLower(Code(y));
         });
}

template <typename Unit>
std::size_t Find(Text<Unit> s, unsigned c) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (Code(s[i]) == c) return i;
  return Text<Unit>::npos;
}

template <typename Unit>
Text<Unit> Unquote(Text<Unit> value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (Code(value.front()) == '"' || Code(value.front()) == '\''))
    return value.substr(1, value.size() - 2);
  return value;
}

// ASCII text (names, numbers, line ends) in the file's code units.
template <typename Unit>
std::basic_string<Unit> Widened(std::string_view ascii) {
  return std::basic_string<Unit>(ascii.begin(), ascii.end());
}

enum class LineKind { Other, Section, Key };

// One line of the text, by offsets into it.
struct Line {
  std::size_t Next = 0;  // start of the next line
  bool HasBreak = false;
  LineKind Kind = LineKind::Other;
  std::size_t NameBegin = 0, NameEnd = 0;  // of the section or key
  // Of a key: the value without its blanks (quotes included); for an empty
  // value both are where a value would go.
  std::size_t ValueBegin = 0, ValueEnd = 0;
  bool HasEquals = false;
};

template <typename Unit>
class LineReader {
 public:
  explicit LineReader(Text<Unit> text) : m_text(text) {}

  bool Next(Line& line) {
    if (m_pos >= m_text.size()) return false;
    std::size_t end = m_pos;
    while (end < m_text.size() && !IsBreak(Code(m_text[end]))) ++end;
    line = Line{};
    line.HasBreak = end < m_text.size();
    line.Next = end;
    if (line.HasBreak) {
      const bool crlf = Code(m_text[end]) == '\r' && end + 1 < m_text.size() &&
                        Code(m_text[end + 1]) == '\n';
      line.Next += crlf ? 2 : 1;
    }
    Classify(m_text.substr(m_pos, end - m_pos), line);
    m_pos = line.Next;
    return true;
  }

  Text<Unit> Name(const Line& line) const {
    return m_text.substr(line.NameBegin, line.NameEnd - line.NameBegin);
  }
  Text<Unit> Value(const Line& line) const {
    return m_text.substr(line.ValueBegin, line.ValueEnd - line.ValueBegin);
  }

 private:
  std::size_t OffsetOf(Text<Unit> part) const {
    return static_cast<std::size_t>(part.data() - m_text.data());
  }

  void SetName(Line& line, Text<Unit> name) const {
    line.NameBegin = OffsetOf(name);
    line.NameEnd = line.NameBegin + name.size();
  }

  void Classify(Text<Unit> content, Line& line) const {
    const Text<Unit> trimmed = Trim(content);
    if (trimmed.empty() || Code(trimmed.front()) == ';') return;
    if (Code(trimmed.front()) == '[') {
      const std::size_t close = Find(trimmed, ']');
      if (close != Text<Unit>::npos) {
        line.Kind = LineKind::Section;
        SetName(line, Trim(trimmed.substr(1, close - 1)));
        return;
      }
    }
    line.Kind = LineKind::Key;
    const std::size_t equals = Find(trimmed, '=');
    line.HasEquals = equals != Text<Unit>::npos;
    const Text<Unit> name = Trim(trimmed.substr(0, equals));
    SetName(line, name);
    if (!line.HasEquals) {
      line.ValueBegin = line.ValueEnd = line.NameEnd;
      return;
    }
    const Text<Unit> value = Trim(trimmed.substr(equals + 1));
    line.ValueBegin = value.empty() ? OffsetOf(trimmed) + equals + 1 : OffsetOf(value);
    line.ValueEnd = line.ValueBegin + value.size();
  }

  Text<Unit> m_text;
  std::size_t m_pos = 0;
};

// The first key of names that the line is, and has not been seen before.
template <typename Unit, typename Names>
std::optional<std::size_t> FirstUnseenMatch(Text<Unit> name, const Names& names,
                                            const std::vector<bool>& seen) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!seen[i] && SameName(name, names[i])) return i;
  return std::nullopt;
}

template <typename Unit>
std::string_view LineEndingOf(Text<Unit> text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Code(text[i]) == '\n') return "\n";
    if (Code(text[i]) == '\r')
      return i + 1 < text.size() && Code(text[i + 1]) == '\n' ? "\r\n" : "\r";
  }
  return "\r\n";
}

template <typename Unit>
std::vector<std::optional<Text<Unit>>> FindStrings(Text<Unit> text, std::string_view section,
                                                   std::span<const std::string_view> keys) {
  std::vector<std::optional<Text<Unit>>> values(keys.size());
  std::vector<bool> seen(keys.size(), false);
  std::size_t missing = keys.size();
  bool inSection = false;
  LineReader<Unit> reader(text);
  Line line;
  while (missing > 0 && reader.Next(line)) {
    if (line.Kind == LineKind::Section) {
      if (inSection) break;  // the first section of the name has ended
      inSection = SameName(reader.Name(line), section);
    } else if (inSection && line.Kind == LineKind::Key) {
      if (const auto i = FirstUnseenMatch(reader.Name(line), keys, seen)) {
        seen[*i] = true;
        values[*i] = Unquote(reader.Value(line));
        --missing;
      }
    }
  }
  return values;
}

template <typename Unit>
std::basic_string<Unit> PutStrings(Text<Unit> text, std::string_view section,
                                   std::span<const ProfileString> entries) {
  struct Edit {
    std::size_t Begin, End;
    std::basic_string<Unit> Replacement;
  };
  std::vector<Edit> edits;
  std::vector<bool> seen(entries.size(), false);
  std::vector<std::string_view> keys;
  for (const ProfileString& entry : entries) keys.push_back(entry.Key);

  bool found = false, inSection = false;
  Line last;  // the section's header or its last key line
  LineReader<Unit> reader(text);
  Line line;
  while (reader.Next(line)) {
    if (line.Kind == LineKind::Section) {
      if (inSection) break;
      inSection = !found && SameName(reader.Name(line), section);
      if (inSection) found = true, last = line;
    } else if (inSection && line.Kind == LineKind::Key) {
      last = line;
      if (const auto i = FirstUnseenMatch(reader.Name(line), keys, seen)) {
        seen[*i] = true;
        std::basic_string<Unit> value = Widened<Unit>(line.HasEquals ? "" : "=");
        value += Widened<Unit>(entries[*i].Value);
        edits.push_back({line.ValueBegin, line.ValueEnd, std::move(value)});
      }
    }
  }

  const std::basic_string<Unit> eol = Widened<Unit>(LineEndingOf(text));
  std::basic_string<Unit> added;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!seen[i])
      added += Widened<Unit>(entries[i].Key) + Widened<Unit>("=") +
               Widened<Unit>(entries[i].Value) + eol;

  std::basic_string<Unit> out;
  out.reserve(text.size() + added.size() + section.size() + 8);
  if (!found) {
    out.append(text);
    if (!out.empty() && !IsBreak(Code(out.back()))) out += eol;
    out += Widened<Unit>("[") + Widened<Unit>(section) + Widened<Unit>("]") + eol + added;
    return out;
  }
  if (!added.empty()) {
    std::basic_string<Unit> insertion = last.HasBreak ? std::basic_string<Unit>() : eol;
    insertion += added;
    edits.push_back({last.Next, last.Next, std::move(insertion)});
  }

  std::size_t copied = 0;
  for (const Edit& edit : edits) {  // in text order: lines were read in order
    out.append(text.substr(copied, edit.Begin - copied)).append(edit.Replacement);
    copied = edit.End;
  }
  out.append(text.substr(copied));
  return out;
}

// A file's bytes as its parts: the mark that tells the encoding, the text,
// and what is no text (the odd last byte of a UTF-16 file). Only the text
// is read and edited; the rest stays as it is.
struct FileParts {
  std::string_view Mark;
  std::string_view Text;
  std::string_view Tail;
  bool Utf16 = false;
};

FileParts Split(std::string_view file) {
  if (file.starts_with(kUtf16LeMark)) {
    const std::string_view text = file.substr(kUtf16LeMark.size());
    const std::size_t even = text.size() & ~std::size_t{1};
    return {kUtf16LeMark, text.substr(0, even), text.substr(even), true};
  }
  if (file.starts_with(kUtf8Mark)) return {kUtf8Mark, file.substr(kUtf8Mark.size()), {}, false};
  return {{}, file, {}, false};
}

std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(Code(bytes[2 * i]) | Code(bytes[2 * i + 1]) << 8);
  return units;
}

std::string EncodeUtf16Le(std::u16string_view units) {
  std::string bytes(2 * units.size(), '\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<char>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  return bytes;
}

std::string Narrowed(std::u16string_view units) {
  std::string text(units.size(), '?');
  for (std::size_t i = 0; i < units.size(); ++i)
    if (units[i] < 0x80) text[i] = static_cast<char>(units[i]);
  return text;
}

// The value of a digit in bases up to 36; 36 for what is no digit.
unsigned DigitValue(unsigned c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

unsigned BaseOfPrefix(char c) {
  switch (c) {
    case 'x': return 16;
    case 'o': return 8;
    case 'b': return 2;
    default: return 0;
  }
}

}  // namespace

std::vector<std::optional<std::string>> GetProfileStrings(
    std::string_view file, std::string_view section,
    std::span<const std::string_view> keys) {
  const FileParts parts = Split(file);
  std::vector<std::optional<std::string>> values(keys.size());
  if (parts.Utf16) {
    const std::u16string text = DecodeUtf16Le(parts.Text);
    const auto found = FindStrings<char16_t>(text, section, keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (found[i]) values[i] = Narrowed(*found[i]);
  } else {
    const auto found = FindStrings<char>(parts.Text, section, keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (found[i]) values[i] = std::string(*found[i]);
  }
  return values;
}

std::string PutProfileStrings(std::string_view file, std::string_view section,
                              std::span<const ProfileString> entries) {
  const FileParts parts = Split(file);
  std::string out(parts.Mark);
  if (parts.Utf16)
    out += EncodeUtf16Le(PutStrings<char16_t>(DecodeUtf16Le(parts.Text), section, entries));
  else
    out += PutStrings<char>(parts.Text, section, entries);
  out += parts.Tail;
  return out;
}

std::uint32_t ProfileNumber(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && IsBlank(Code(value[i]))) ++i;
  const bool negative = i < value.size() && value[i] == '-';
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) ++i;
  unsigned base = 10;
  if (i + 1 < value.size() && value[i] == '0' && BaseOfPrefix(value[i + 1]) != 0) {
    base = BaseOfPrefix(value[i + 1]);
    i += 2;
  }
  std::uint32_t number = 0;  // unsigned, so overflow wraps modulo 2^32
  for (; i < value.size(); ++i) {
    const unsigned digit = DigitValue(Code(value[i]));
    if (digit >= base) break;
    number = number * base + digit;
  }
  return negative ? 0u - number : number;
}

}  // namespace vantor

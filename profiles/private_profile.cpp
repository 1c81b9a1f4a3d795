#include "profiles/private_profile.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return s.substr(s.size());
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\''))
    return value.substr(1, value.size() - 2);
  return value;
}

enum class LineKind { Other, Section, Key };

// One line of the text, by offsets into it.
struct Line {
  std::size_t End = 0;   // end of the content, before the LF
  std::size_t Next = 0;  // start of the next line
  bool HasBreak = false;
  LineKind Kind = LineKind::Other;
  std::string_view Name;  // of the section or key
  // Of a key: the value without its blanks (quotes included); for an empty
  // value both are where a value would go.
  std::size_t ValueBegin = 0, ValueEnd = 0;
  bool HasEquals = false;
};

class LineReader {
 public:
  explicit LineReader(std::string_view text)
      : m_text(text), m_pos(text.starts_with(kBom) ? kBom.size() : 0) {}

  bool Next(Line& line) {
    if (m_pos >= m_text.size()) return false;
    const std::size_t lf = m_text.find('\n', m_pos);
    line = Line{};
    line.HasBreak = lf != std::string_view::npos;
    line.End = line.HasBreak ? lf : m_text.size();
    line.Next = line.HasBreak ? lf + 1 : m_text.size();
    Classify(m_text.substr(m_pos, line.End - m_pos), line);
    m_pos = line.Next;
    return true;
  }

 private:
  std::size_t OffsetOf(std::string_view part) const {
    return static_cast<std::size_t>(part.data() - m_text.data());
  }

  void Classify(std::string_view content, Line& line) const {
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') return;
    if (trimmed.front() == '[') {
      const std::string_view inside = trimmed.substr(1);
      line.Kind = LineKind::Section;
      line.Name = Trim(inside.substr(0, inside.find(']')));
      return;
    }
    line.Kind = LineKind::Key;
    const std::size_t equals = trimmed.find('=');
    line.HasEquals = equals != std::string_view::npos;
    line.Name = Trim(trimmed.substr(0, equals));
    if (!line.HasEquals) {
      line.ValueBegin = line.ValueEnd = OffsetOf(line.Name) + line.Name.size();
      return;
    }
    const std::string_view value = Trim(trimmed.substr(equals + 1));
    line.ValueBegin = value.empty() ? OffsetOf(trimmed) + equals + 1 : OffsetOf(value);
    line.ValueEnd = line.ValueBegin + value.size();
  }

  std::string_view m_text;
  std::size_t m_pos;
};

// The first key of names that the line is, and has not been seen before.
template <typename Names>
std::optional<std::size_t> FirstUnseenMatch(const Line& line, const Names& names,
                                            const std::vector<bool>& seen) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!seen[i] && SameName(line.Name, names[i])) return i;
  return std::nullopt;
}

std::string_view LineEndingOf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos || (lf > 0 && text[lf - 1] == '\r')) return "\r\n";
  return "\n";
}

}  // namespace

std::vector<std::optional<std::string_view>> GetProfileStrings(
    std::string_view text, std::string_view section,
    std::span<const std::string_view> keys) {
  std::vector<std::optional<std::string_view>> values(keys.size());
  std::vector<bool> seen(keys.size(), false);
  std::size_t missing = keys.size();
  bool inSection = false;
  LineReader reader(text);
  Line line;
  while (missing > 0 && reader.Next(line)) {
    if (line.Kind == LineKind::Section) {
      if (inSection) break;  // the first section of the name has ended
      inSection = SameName(line.Name, section);
    } else if (inSection && line.Kind == LineKind::Key) {
      if (const auto i = FirstUnseenMatch(line, keys, seen)) {
        seen[*i] = true;
        values[*i] = Unquote(text.substr(line.ValueBegin, line.ValueEnd - line.ValueBegin));
        --missing;
      }
    }
  }
  return values;
}

std::string PutProfileStrings(std::string_view text, std::string_view section,
                              std::span<const ProfileString> entries) {
  struct Edit {
    std::size_t Begin, End;
    std::string Replacement;
  };
  std::vector<Edit> edits;
  std::vector<bool> seen(entries.size(), false);
  std::vector<std::string_view> keys;
  for (const ProfileString& entry : entries) keys.push_back(entry.Key);

  bool found = false, inSection = false;
  Line last;  // the section's header or its last key line
  LineReader reader(text);
  Line line;
  while (reader.Next(line)) {
    if (line.Kind == LineKind::Section) {
      if (inSection) break;
      inSection = !found && SameName(line.Name, section);
      if (inSection) found = true, last = line;
    } else if (inSection && line.Kind == LineKind::Key) {
      last = line;
      if (const auto i = FirstUnseenMatch(line, keys, seen)) {
        seen[*i] = true;
        std::string value(line.HasEquals ? "" : "=");
        value.append(entries[*i].Value);
        edits.push_back({line.ValueBegin, line.ValueEnd, std::move(value)});
      }
    }
  }

  const std::string_view eol = LineEndingOf(text);
  std::string added;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!seen[i])
      added.append(entries[i].Key).append("=").append(entries[i].Value).append(eol);

  std::string out;
  out.reserve(text.size() + added.size() + section.size() + 8);
  if (!found) {
    out.append(text);
    if (!out.empty() && out.back() != '\n') out.append(eol);
    out.append("[").append(section).append("]").append(eol).append(added);
    return out;
  }
  if (!added.empty()) {
    std::string insertion(last.HasBreak ? "" : eol);
    insertion.append(added);
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

std::uint32_t ProfileNumber(std::string_view value) {
  value = Trim(value);
  std::size_t i = 0;
  const bool negative = !value.empty() && value[0] == '-';
  if (!value.empty() && (value[0] == '-' || value[0] == '+')) ++i;
  std::uint32_t number = 0;  // unsigned, so overflow wraps modulo 2^32
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
    number = number * 10u + static_cast<std::uint32_t>(value[i] - '0');
  return negative ? 0u - number : number;
}

}  // namespace vantor

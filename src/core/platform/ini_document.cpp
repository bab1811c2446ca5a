#include "core/platform/ini_document.h"

#include <map>

#include "core/platform/paths.h"

namespace tessera {

namespace {

constexpr std::string_view kNewLine = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view singleLine(std::string_view text) {
  const auto cut = text.find_first_of("\r\n");
  return cut == std::string_view::npos ? text : text.substr(0, cut);
}

std::size_t IniDocument::CaseInsensitiveHash::operator()(std::string_view text) const {
  std::size_t hash = 14695981039346656037ull;  // FNV-1a over the upper-cased bytes
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(paths::upperChar(c));
    hash *= 1099511628211ull;
  }
  return hash;
}

bool IniDocument::CaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const {
  return paths::equalsIgnoreCase(a, b);
}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) { index(); }

void IniDocument::index() {
  lines_.clear();
  sections_.clear();
  firstSection_.clear();
  const std::size_t size = bytes_.size();
  const char* data = bytes_.data();
  std::size_t pos = 0;
  while (pos < size) {
    Line line;
    line.begin = pos;
    std::size_t end = pos;
    while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
    line.end = end;
    std::size_t next = end;
    if (next < size) {
      if (data[next] == '\r' && next + 1 < size && data[next + 1] == '\n') {
        next += 2;
      } else {
        ++next;
      }
    }
    line.next = next;

    std::size_t first = pos;
    while (first < end && isBlank(data[first])) ++first;
    std::size_t last = end;
    while (last > first && isBlank(data[last - 1])) --last;

    if (first == last) {
      line.kind = Kind::Blank;
    } else if (data[first] == '[' && std::string_view(data + first, last - first).rfind(']') != std::string_view::npos) {
      const std::size_t close = first + std::string_view(data + first, last - first).rfind(']');
      std::size_t nb = first + 1, ne = close;
      while (nb < ne && isBlank(data[nb])) ++nb;
      while (ne > nb && isBlank(data[ne - 1])) --ne;
      line.kind = Kind::Header;
      line.nameBegin = nb;
      line.nameEnd = ne;
    } else if (data[first] == ';') {
      line.kind = Kind::Comment;
    } else {
      const auto eq = std::string_view(data + first, last - first).find('=');
      if (eq == std::string_view::npos) {
        line.kind = Kind::Bare;
        line.nameBegin = first;
        line.nameEnd = last;
      } else {
        line.kind = Kind::Entry;
        std::size_t ke = first + eq;
        while (ke > first && isBlank(data[ke - 1])) --ke;
        std::size_t vb = first + eq + 1;
        while (vb < last && isBlank(data[vb])) ++vb;
        line.nameBegin = first;
        line.nameEnd = ke;
        line.valueBegin = vb;
        line.valueEnd = last;
      }
    }

    if (line.kind == Kind::Header) {
      if (!sections_.empty()) sections_.back().lineEnd = lines_.size();
      sections_.push_back({lines_.size(), 0});
      firstSection_.try_emplace(std::string(data + line.nameBegin, line.nameEnd - line.nameBegin), sections_.size() - 1);
    }
    lines_.push_back(line);
    pos = next;
  }
  if (!sections_.empty()) sections_.back().lineEnd = lines_.size();
}

std::string_view IniDocument::name(const Line& line) const {
  return std::string_view(bytes_).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

const IniDocument::Section* IniDocument::findSection(std::string_view section) const {
  const auto it = firstSection_.find(section);
  return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (!s) return std::nullopt;
  for (std::size_t i = s->header + 1; i < s->lineEnd; ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Entry && paths::equalsIgnoreCase(name(line), key)) {
      return std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin);
    }
  }
  return std::nullopt;
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string_view> IniDocument::sectionNames() const {
  std::vector<std::string_view> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(name(lines_[s.header]));
  return names;
}

std::vector<std::string_view> IniDocument::keyNames(std::string_view section) const {
  std::vector<std::string_view> keys;
  if (const Section* s = findSection(section)) {
    for (std::size_t i = s->header + 1; i < s->lineEnd; ++i) {
      if (lines_[i].kind == Kind::Entry) keys.push_back(name(lines_[i]));
    }
  }
  return keys;
}

std::optional<std::vector<std::string>> IniDocument::sectionEntries(std::string_view section) const {
  const Section* s = findSection(section);
  if (!s) return std::nullopt;
  std::vector<std::string> entries;
  for (std::size_t i = s->header + 1; i < s->lineEnd; ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Entry) {
      std::string entry(name(line));
      entry += '=';
      entry += std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin);
      entries.push_back(std::move(entry));
    } else if (line.kind == Kind::Bare) {
      entries.emplace_back(name(line));
    }
  }
  return entries;
}

std::size_t IniDocument::lineOffset(std::size_t lineIndex) const {
  return lineIndex < lines_.size() ? lines_[lineIndex].begin : bytes_.size();
}

std::string_view IniDocument::lineBreak(const Line& line) const {
  if (line.next == line.end) return kNewLine;  // the last line has none; new text gets CRLF
  return std::string_view(bytes_).substr(line.end, line.next - line.end);
}

bool IniDocument::endsWithLineBreak() const {
  return bytes_.empty() || bytes_.back() == '\n' || bytes_.back() == '\r';
}

void IniDocument::splice(std::size_t begin, std::size_t end, std::string_view replacement) {
  bytes_.replace(begin, end - begin, replacement);
  index();
}

std::size_t IniDocument::insertionLine(const Section& section) const {
  std::size_t at = section.lineEnd;
  while (at > section.header + 1 && lines_[at - 1].kind == Kind::Blank) --at;
  return at;
}

bool IniDocument::setValues(std::span<const Edit> edits) {
  std::map<std::size_t, std::string> replaced;  // line index -> its new text, applied from the end
  std::vector<Edit> added;
  for (const Edit& edit : edits) {
    const std::string_view key = singleLine(edit.key);
    const std::string_view value = singleLine(edit.value);
    const Section* s = findSection(edit.section);
    std::optional<std::size_t> found;
    for (std::size_t i = s ? s->header + 1 : 0; s && i < s->lineEnd; ++i) {
      if (lines_[i].kind == Kind::Entry && paths::equalsIgnoreCase(name(lines_[i]), key)) {
        found = i;
        break;
      }
    }
    if (!found) {
      added.push_back(edit);
      continue;
    }
    const Line& line = lines_[*found];
    const bool unchanged = std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin) == value &&
                           line.valueBegin == line.nameEnd + 1;
    if (unchanged && !replaced.contains(*found)) continue;
    replaced[*found] = std::string(name(line)) + '=' + std::string(value);
  }
  for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
    const Line& line = lines_[it->first];
    bytes_.replace(line.nameBegin, line.end - line.nameBegin, it->second);
  }
  if (!replaced.empty()) index();
  bool changed = !replaced.empty();
  for (const Edit& edit : added) changed = setValue(edit.section, edit.key, edit.value) || changed;
  return changed;
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
  key = singleLine(key);
  value = singleLine(value);
  const Section* s = findSection(section);
  if (s) {
    for (std::size_t i = s->header + 1; i < s->lineEnd; ++i) {
      const Line& line = lines_[i];
      if (line.kind == Kind::Entry && paths::equalsIgnoreCase(name(line), key)) {
        if (std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin) == value &&
            line.valueBegin == line.nameEnd + 1) {
          return false;
        }
        std::string replacement(name(line));
        replacement += '=';
        replacement += value;
        splice(line.nameBegin, line.end, replacement);
        return true;
      }
    }
    const std::size_t at = insertionLine(*s);
    std::string text;
    // The line before the insertion point may be the file's last line without a break.
    const Line& before = lines_[at - 1];
    std::size_t offset = lineOffset(at);
    if (before.next == before.end) {
      text += kNewLine;
      offset = before.end;
    }
    text += key;
    text += '=';
    text += value;
    text += kNewLine;
    splice(offset, offset, text);
    return true;
  }
  std::string body(key);
  body += '=';
  body += value;
  body += kNewLine;
  appendSection(section, body);
  return true;
}

void IniDocument::appendSection(std::string_view section, std::string_view body) {
  // The header follows the file's last line directly, with no blank line between, as the
  // platform's profile calls write it; a last line without a break gets one first.
  std::string text;
  if (!endsWithLineBreak()) text += kNewLine;
  text += '[';
  text += singleLine(section);
  text += ']';
  text += kNewLine;
  text += body;
  splice(bytes_.size(), bytes_.size(), text);
}

bool IniDocument::deleteKey(std::string_view section, std::string_view key) {
  const Section* s = findSection(section);
  if (!s) return false;
  bool changed = false;
  // Walk backwards so earlier offsets stay valid while lines are removed.
  for (std::size_t i = s->lineEnd; i-- > s->header + 1;) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Entry && paths::equalsIgnoreCase(name(line), key)) {
      bytes_.erase(line.begin, line.next - line.begin);
      changed = true;
    }
  }
  if (changed) index();
  return changed;
}

bool IniDocument::deleteSection(std::string_view section) {
  bool changed = false;
  for (std::size_t k = sections_.size(); k-- > 0;) {
    const Section& s = sections_[k];
    if (!paths::equalsIgnoreCase(name(lines_[s.header]), section)) continue;
    const std::size_t begin = lines_[s.header].begin;
    const std::size_t end = lineOffset(s.lineEnd);
    bytes_.erase(begin, end - begin);
    changed = true;
  }
  if (changed) index();
  return changed;
}

bool IniDocument::replaceSection(std::string_view section, const std::vector<std::string>& entries) {
  std::string body;
  for (const auto& entry : entries) {
    body += singleLine(entry);
    body += kNewLine;
  }
  const Section* s = findSection(section);
  if (!s) {
    appendSection(section, body);
    return true;
  }
  const Line& header = lines_[s->header];
  const std::size_t bodyEnd = insertionLine(*s);
  std::size_t begin = header.next;
  std::string replacement = body;
  if (header.next == header.end) {  // header is the last line, without a break
    begin = header.end;
    replacement = std::string(kNewLine) + body;
  }
  std::size_t end = lineOffset(bodyEnd);
  if (bodyEnd > s->header + 1) {
    const Line& lastBody = lines_[bodyEnd - 1];
    if (lastBody.next == lastBody.end) end = lastBody.end;
  }
  if (begin > end) end = begin;
  if (std::string_view(bytes_).substr(begin, end - begin) == replacement) return false;
  splice(begin, end, replacement);
  return true;
}

}  // namespace tessera

#pragma once
// One INI file held as its exact bytes plus an index of its lines. Edits splice the bytes and
// re-index, so every line an edit does not touch keeps its bytes, and new lines end in CRLF.
//
// Reading rules: lines end at CR, LF or CRLF; leading blanks are skipped; a line starting with
// '[' and holding a ']' is a section header whose name is the trimmed text up to the last ']';
// a line starting with ';' is a comment; other lines split at the first '=' into a trimmed key
// and a trimmed value; a line without '=' is kept but is no key. Names compare without regard
// to ASCII letter case and the first match wins. Lines before the first header belong to no
// section.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessera {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes);

  const std::string& bytes() const { return bytes_; }

  // Raw value of the first matching key of the first matching section (trimmed, quotes kept).
  std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;
  // Section names in file order (duplicates included, as the file holds them).
  std::vector<std::string_view> sectionNames() const;
  // Key names of the first matching section, in file order.
  std::vector<std::string_view> keyNames(std::string_view section) const;
  // The entries of the first matching section as "key=value" and bare lines; comments and blank
  // lines are left out. nullopt when the section does not exist.
  std::optional<std::vector<std::string>> sectionEntries(std::string_view section) const;

  // Edits; each returns whether the bytes changed.
  bool setValue(std::string_view section, std::string_view key, std::string_view value);
  // setValue for each edit in turn, with the lines of keys that exist already replaced in one pass:
  // a file of hundreds of changed values is re-indexed once instead of once per value.
  struct Edit {
    std::string_view section, key, value;
  };
  bool setValues(std::span<const Edit> edits);
  // Removes every copy of the key in the first matching section.
  bool deleteKey(std::string_view section, std::string_view key);
  // Removes every section of that name with all its lines.
  bool deleteSection(std::string_view section);
  // Replaces the body of the first matching section (created when missing) by `entries`.
  // A new section, here and in setValue, starts right after the file's last line.
  bool replaceSection(std::string_view section, const std::vector<std::string>& entries);

 private:
  enum class Kind { Blank, Header, Comment, Entry, Bare };
  struct Line {
    std::size_t begin = 0;    // first byte of the line
    std::size_t end = 0;      // end of its content, before the line break
    std::size_t next = 0;     // first byte of the following line
    Kind kind = Kind::Blank;
    std::size_t nameBegin = 0, nameEnd = 0;    // header name or key, trimmed
    std::size_t valueBegin = 0, valueEnd = 0;  // value, trimmed
  };
  struct Section {
    std::size_t header = 0;     // index of the header line
    std::size_t lineEnd = 0;    // one past its last line
  };

  void index();
  std::string_view name(const Line& line) const;
  const Section* findSection(std::string_view section) const;
  // Index of the line after the section's last non-blank line.
  std::size_t insertionLine(const Section& section) const;
  std::size_t lineOffset(std::size_t lineIndex) const;
  void splice(std::size_t begin, std::size_t end, std::string_view replacement);
  std::string_view lineBreak(const Line& line) const;
  bool endsWithLineBreak() const;
  // Appends a new section with its body (complete lines) at the end of the file.
  void appendSection(std::string_view section, std::string_view body);

  std::string bytes_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  struct CaseInsensitiveHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
  };
  struct CaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  // Name -> index into sections_ of its first section.
  std::unordered_map<std::string, std::size_t, CaseInsensitiveHash, CaseInsensitiveEqual> firstSection_;
};

// Sanitises a key or value before it is written: a line break would split the entry, so the text
// is cut at the first CR or LF.
std::string_view singleLine(std::string_view text);

}  // namespace tessera

#pragma once
// One step of the open skin's undo journal: the files it changed, each with its bytes before and
// after (nullopt: the file did not exist), and the keys it changed, to tell the windows.
#include <QUndoCommand>
#include <optional>
#include <string>
#include <vector>

namespace tessera {

class SkinDocument;

struct JournaledFile {
  std::string path;
  std::optional<std::string> before;
  std::optional<std::string> after;
  bool afterKnown = false;  // `after` is read when the step is first undone
};

struct JournaledKeys {
  std::string file;
  std::string section;
  std::vector<std::string> keys;  // empty: the whole section
};

class JournalStep final : public QUndoCommand {
 public:
  // `named`: the text names a user action and stays; otherwise it is made from the changes.
  JournalStep(SkinDocument& document, const QString& text, bool named);
  ~JournalStep() override;

  // Keeps the bytes `path` has now, unless the step already holds the file.
  void recordBefore(const std::string& path);
  void recordKeys(const std::string& file, const std::string& section, const std::vector<std::string>& keys);
  // Gives the step the name of the user action it records.
  void name(const QString& text) {
    setText(text);
    named_ = true;
  }
  // Words for the change, shown instead of the key names; unlike a name, it keeps the step
  // mergeable with the next change of the same key.
  void describe(const QString& text) { description_ = text; }
  // Names the step once its changes are made.
  void finish();
  bool changesNothing() const { return files_.empty(); }
  std::size_t bytes() const { return bytes_; }
  // Lets go of the kept bytes (the journal is over its budget): the step can no longer be undone.
  void forget();

  const std::vector<JournaledFile>& files() const { return files_; }
  const std::vector<JournaledKeys>& keys() const { return keys_; }

  void undo() override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 private:
  // The one key this step changes, for merging; nullptr when it changes more or is named.
  const JournaledKeys* singleKey() const;
  void recount();

  SkinDocument& document_;
  std::vector<JournaledFile> files_;
  std::vector<JournaledKeys> keys_;
  bool named_;
  QString description_;
  bool pushed_ = false;
  bool forgotten_ = false;
  std::size_t bytes_ = 0;
};

}  // namespace tessera

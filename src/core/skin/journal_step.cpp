#include "core/skin/journal_step.h"

#include <algorithm>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"

namespace tessera {

namespace {

constexpr int kSingleKeyStep = 0x4b6579;  // steps that change one key may merge

std::size_t sizeOf(const std::optional<std::string>& bytes) { return bytes ? bytes->size() : 0; }

QString fileNameOf(const std::string& path) { return QString::fromStdString(std::string(paths::fileName(path))); }

}  // namespace

JournalStep::JournalStep(SkinDocument& document, const QString& text, bool named)
    : QUndoCommand(text), document_(document), named_(named) {}

JournalStep::~JournalStep() { document_.journalBytes_ -= std::min(document_.journalBytes_, bytes_); }

void JournalStep::recordBefore(const std::string& path) {
  const auto held = std::find_if(files_.begin(), files_.end(), [&](const JournaledFile& f) { return f.path == path; });
  if (held != files_.end()) return;
  JournaledFile file{path, files::isFile(path) ? files::readAll(path) : std::nullopt, std::nullopt};
  files_.push_back(std::move(file));
}

void JournalStep::recordKeys(const std::string& file, const std::string& section, const std::vector<std::string>& keys) {
  for (JournaledKeys& known : keys_) {
    if (known.file != file || !paths::equalsIgnoreCase(known.section, section)) continue;
    if (known.keys.empty()) return;  // the whole section already
    if (keys.empty()) {
      known.keys.clear();
      return;
    }
    for (const std::string& key : keys) {
      const bool listed = std::any_of(known.keys.begin(), known.keys.end(),
                                      [&](const std::string& k) { return paths::equalsIgnoreCase(k, key); });
      if (!listed) known.keys.push_back(key);
    }
    return;
  }
  keys_.push_back({file, section, keys});
}

void JournalStep::finish() {
  // The new bytes are read when the step is first undone: until then they are on disk.
  recount();
  if (named_) return;
  if (!description_.isEmpty() && !keys_.empty()) {
    setText(description_);
  } else if (const JournaledKeys* one = singleKey()) {
    setText(QStringLiteral("Change %1 of %2").arg(FromSkinText(one->keys.front()), FromSkinText(one->section)));
  } else if (keys_.size() == 1) {
    setText(QStringLiteral("Change %1").arg(FromSkinText(keys_.front().section)));
  } else if (!keys_.empty()) {
    setText(QStringLiteral("Change %1 sections").arg(keys_.size()));
  } else if (files_.size() == 1) {
    const JournaledFile& file = files_.front();
    const QString verb = !file.before ? QStringLiteral("Add %1") : !file.after ? QStringLiteral("Delete %1") : QStringLiteral("Change %1");
    setText(verb.arg(fileNameOf(file.path)));
  } else {
    setText(QStringLiteral("Change %1 files").arg(files_.size()));
  }
}

void JournalStep::recount() {
  document_.journalBytes_ -= std::min(document_.journalBytes_, bytes_);
  bytes_ = 0;
  for (const JournaledFile& file : files_) bytes_ += file.path.size() + sizeOf(file.before) + sizeOf(file.after);
  document_.journalBytes_ += bytes_;
}

void JournalStep::forget() {
  if (forgotten_) return;
  forgotten_ = true;
  files_.clear();
  recount();
  setObsolete(true);
}

void JournalStep::undo() {
  if (forgotten_) return;
  for (JournaledFile& file : files_) {
    if (!file.afterKnown) {
      file.after = files::isFile(file.path) ? files::readAll(file.path) : std::nullopt;
      file.afterKnown = true;
    }
  }
  recount();
  for (auto file = files_.rbegin(); file != files_.rend(); ++file) document_.restoreFile(file->path, file->before);
  document_.announce(*this);
}

void JournalStep::redo() {
  // Pushing a step runs redo() once: its changes are on disk already.
  if (!pushed_) {
    pushed_ = true;
    return;
  }
  if (forgotten_) return;
  for (const JournaledFile& file : files_) document_.restoreFile(file.path, file.after);
  document_.announce(*this);
}

const JournaledKeys* JournalStep::singleKey() const {
  if (named_ || keys_.size() != 1 || keys_.front().keys.size() != 1) return nullptr;
  return &keys_.front();
}

int JournalStep::id() const { return singleKey() ? kSingleKeyStep : -1; }

bool JournalStep::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const JournalStep*>(other);
  const JournaledKeys* mine = singleKey();
  const JournaledKeys* theirs = next->singleKey();
  if (!mine || !theirs || forgotten_ || !document_.mayMergeIntoTop()) return false;
  if (mine->file != theirs->file || !paths::equalsIgnoreCase(mine->section, theirs->section) ||
      !paths::equalsIgnoreCase(mine->keys.front(), theirs->keys.front())) {
    return false;
  }
  if (next->files_.size() != files_.size()) return false;
  for (const JournaledFile& file : next->files_) {
    auto held = std::find_if(files_.begin(), files_.end(), [&](const JournaledFile& f) { return f.path == file.path; });
    if (held == files_.end()) return false;
  }
  // Both steps are on disk, so the merged step's new bytes are the files' current ones, read when
  // it is next undone.
  for (JournaledFile& file : files_) {
    file.after.reset();
    file.afterKnown = false;
  }
  recount();
  return true;
}

}  // namespace tessera

#include "core/skin/skin_document.h"

#include <QMetaObject>
#include <climits>
#include <cstdlib>
#include <utility>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/skin/journal_step.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

SkinDocument* currentDocument = nullptr;

// The path with every link followed, or "" when it cannot be resolved.
std::string realPathOf(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool startsWithFolder(const std::string& path, const std::string& folder) {
  return !folder.empty() && path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
         path[folder.size()] == '/';
}

}  // namespace

SkinDocument::SkinDocument(std::string skinFolder, QObject* parent)
    : QObject(parent),
      folder_(paths::resolve(skinFolder)),
      realFolder_(realPathOf(folder_)),
      // A document that replaces a live one carries its session on.
      session_(currentDocument ? currentDocument->session_ : std::exchange(PendingSession(), SkinSession{})) {
  stack_.setUndoLimit(kMaxSteps);
  // The skin is modified exactly when it differs from its last saved state.
  connect(&stack_, &QUndoStack::indexChanged, this, [this] { session_.modified = stack_.isClean() ? 0 : 1; });
  // One skin is open at a time: the newest document is the one that listens.
  InstallChangeObserver(this);
  currentDocument = this;
}

SkinDocument::~SkinDocument() {
  if (currentDocument == this) {
    InstallChangeObserver(nullptr);
    currentDocument = nullptr;
  }
  open_.reset();
  stack_.clear();
}

SkinDocument* SkinDocument::current() { return currentDocument; }

bool SkinDocument::inFolder(const std::string& path) const { return startsWithFolder(path, folder_); }

SkinDocument::Step::Step(SkinDocument* document, const QString& text) : document_(document) {
  if (!document_) return;
  if (document_->explicitDepth_++ == 0) {
    document_->commitPendingStep();
    document_->open_ = std::make_unique<JournalStep>(*document_, text, true);
  }
}

SkinDocument::Step::~Step() {
  if (document_ && --document_->explicitDepth_ == 0) document_->closeStep();
}

JournalStep* SkinDocument::openStep(const QString& text) {
  if (!open_) {
    open_ = std::make_unique<JournalStep>(*this, text, false);
    if (!closeQueued_) {
      closeQueued_ = true;
      QMetaObject::invokeMethod(this, [this] {
        closeQueued_ = false;
        if (explicitDepth_ == 0) closeStep();
      }, Qt::QueuedConnection);
    }
  }
  return open_.get();
}

void SkinDocument::closeStep() {
  if (!open_) return;
  std::unique_ptr<JournalStep> step = std::move(open_);
  step->finish();
  if (step->changesNothing()) return;
  push(std::move(step));
}

void SkinDocument::nameAction(const QString& text) {
  if (explicitDepth_ > 0) return;
  openStep(text)->name(text);
}

void SkinDocument::describeChange(const QString& text) {
  if (explicitDepth_ == 0 && open_) open_->describe(text);
}

void SkinDocument::commitPendingStep() {
  if (explicitDepth_ == 0) closeStep();
}

void SkinDocument::push(std::unique_ptr<JournalStep> step) {
  stack_.push(step.release());
  enforceBudget();
}

void SkinDocument::enforceBudget() {
  // The oldest steps let go of their bytes first; the newest always stays undoable.
  for (int i = 0; journalBytes_ > kMaxJournalBytes && i < stack_.count() - 1; ++i) {
    static_cast<JournalStep*>(const_cast<QUndoCommand*>(stack_.command(i)))->forget();
  }
}

void SkinDocument::markSaved() {
  commitPendingStep();
  // The flag is cleared first, so that listeners of cleanChanged see the saved state.
  session_.modified = 0;
  stack_.setClean();
}

int SkinDocument::markCancelPoint() {
  commitPendingStep();
  mergeBarrier_ = stack_.index();
  return mergeBarrier_;
}

void SkinDocument::cancelTo(int cancelPoint) {
  commitPendingStep();
  if (cancelPoint >= 0 && cancelPoint < stack_.index()) stack_.setIndex(cancelPoint);
}

void SkinDocument::fileWillChange(const std::string& path) {
  if (restoring_ || !inFolder(path)) return;
  openStep(QString())->recordBefore(path);
}

void SkinDocument::fileChanged(const std::string& path) {
  if (restoring_ || !inFolder(path)) return;
  emit filesChanged({path});
}

void SkinDocument::keysWritten(const std::string& path, const std::string& section,
                               const std::vector<std::string>& keys) {
  if (restoring_ || !inFolder(path)) return;
  openStep(QString())->recordKeys(path, section, keys);
  emit keysChanged(path, section, keys);
}

bool SkinDocument::restoreFile(const std::string& path, const std::optional<std::string>& bytes) {
  // A journalled path is written back only while it still lies inside the skin folder: a folder
  // swapped for a link since the edit must not lead the write elsewhere.
  if (!inFolder(path) || path.find("/../") != std::string::npos) return false;
  const std::string parent(paths::parentFolder(path));
  const std::string realParent = realPathOf(parent);
  if (realParent.empty() || (realParent != realFolder_ && !startsWithFolder(realParent, realFolder_))) return false;
  const std::string target = realParent + "/" + std::string(paths::fileName(path));
  if (files::exists(target) && realPathOf(target) != target) return false;  // a link in the file's place
  const ChangesUnobserved quiet;
  const bool done = bytes ? files::writeAllAtomic(target, *bytes) : (!files::exists(target) || files::deleteFile(target));
  profile::ForgetCachedFile(path);
  profile::ForgetCachedFile(target);
  return done;
}

void SkinDocument::announce(const JournalStep& step) {
  restoring_ = true;
  for (const JournaledKeys& keys : step.keys()) emit keysChanged(keys.file, keys.section, keys.keys);
  std::vector<std::string> paths;
  for (const JournaledFile& file : step.files()) paths.push_back(file.path);
  if (!paths.empty()) emit filesChanged(paths);
  restoring_ = false;
}

}  // namespace tessera

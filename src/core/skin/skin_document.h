#pragma once
// The open skin as a document: an undo journal of every change made to the files of its folder,
// and signals that tell the windows what changed, whoever changed it.
//
// The journal listens at the core's file doors (see change_observer.h): before a file of the skin
// folder changes, its bytes (or its absence) are kept; when the step closes, its new bytes are
// kept too. Undo and redo put those bytes back, so any change (a key, a whole section, an imported
// picture, a rename, a clean-up move) is taken back exactly.
//
// Changes group into steps. Explicit steps (Step) name a user action ("Import Title.tga"); other
// changes open a step that closes when control returns to the event loop, so the writes of one
// control change are one step. Consecutive steps that change the same one key merge, so typing a
// number or dragging a slider is one step.
#include <QObject>
#include <QUndoStack>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/change_observer.h"
#include "core/skin/skin_session.h"

namespace tessera {

class JournalStep;

class SkinDocument final : public QObject, private ChangeObserver {
  Q_OBJECT
 public:
  static constexpr int kMaxSteps = 2000;
  static constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;

  // Journals changes to files inside `skinFolder` from now on. The newest document is the
  // current one; an older one still alive stops hearing of changes. The document takes over the
  // session set up for it (PendingSession: the working files, name and flags of the skin).
  explicit SkinDocument(std::string skinFolder, QObject* parent = nullptr);
  ~SkinDocument() override;

  // The document of the open skin, or nullptr.
  static SkinDocument* current();

  const std::string& skinFolder() const { return folder_; }
  // The open skin's working files, name and flags.
  SkinSession& session() { return session_; }
  const SkinSession& session() const { return session_; }
  QUndoStack* undoStack() { return &stack_; }

  // Groups the changes made while it lives into one step named `text`; a step inside another
  // joins the outer one.
  class Step {
   public:
    Step(SkinDocument* document, const QString& text);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    SkinDocument* document_;
  };

  // Names the user action under way: the changes it makes until control returns to the event
  // loop (the picture an import writes, then the slot key the page writes) are one step called
  // `text`. Inside an explicit step, the explicit name stays.
  void nameAction(const QString& text);
  // Describes, in the words of the window that made it, the change just made (the one control
  // change under way, "Change Top margin of Push buttons"); the step stays mergeable.
  void describeChange(const QString& text);
  // Closes the step that changes made outside an explicit step have opened.
  void commitPendingStep();
  // The skin was saved: the current state is the clean one.
  void markSaved();
  bool isRestoring() const { return restoring_; }
  // A window whose Cancel takes back its own steps starts here: pending changes close, later
  // steps never merge into earlier ones, and the returned stack index is where Cancel goes back to.
  int markCancelPoint();
  // Undoes the steps made since `cancelPoint` (from markCancelPoint).
  void cancelTo(int cancelPoint);
  // Bytes the journal holds.
  std::size_t journalBytes() const { return journalBytes_; }

 signals:
  // Keys of `section` in INI file `file` changed (no keys: the whole section), by an edit, an
  // undo or a redo.
  void keysChanged(const std::string& file, const std::string& section, const std::vector<std::string>& keys);
  // Files of the skin folder were created, changed or deleted.
  void filesChanged(const std::vector<std::string>& paths);

 private:
  friend class JournalStep;

  // ChangeObserver
  void fileWillChange(const std::string& path) override;
  void fileChanged(const std::string& path) override;
  void keysWritten(const std::string& path, const std::string& section, const std::vector<std::string>& keys) override;

  bool inFolder(const std::string& path) const;
  bool mayMergeIntoTop() const { return stack_.index() - 1 >= mergeBarrier_; }
  JournalStep* openStep(const QString& text);
  void closeStep();
  void push(std::unique_ptr<JournalStep> step);
  void enforceBudget();
  // Puts `bytes` (nullopt: no file) back at `path`, only inside the skin folder.
  bool restoreFile(const std::string& path, const std::optional<std::string>& bytes);
  void announce(const JournalStep& step);

  std::string folder_;
  std::string realFolder_;
  SkinSession session_;
  QUndoStack stack_;
  std::unique_ptr<JournalStep> open_;
  int explicitDepth_ = 0;
  int mergeBarrier_ = 0;
  bool closeQueued_ = false;
  bool restoring_ = false;
  std::size_t journalBytes_ = 0;
};

}  // namespace tessera

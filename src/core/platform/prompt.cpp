#include "core/platform/prompt.h"

#include <atomic>

namespace tessera {

namespace {

class DecliningPrompt final : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::No; }
  void inform(std::string_view, std::string_view) override {}
};

DecliningPrompt decliningPrompt;
std::atomic<Prompt*> installed{nullptr};

}  // namespace

Prompt& CurrentPrompt() {
  Prompt* p = installed.load();
  return p ? *p : decliningPrompt;
}

Prompt* InstallPrompt(Prompt* prompt) { return installed.exchange(prompt); }

}  // namespace tessera

#pragma once
// A shared module loaded by path, with operations looked up by name.
#include <QLibrary>
#include <memory>
#include <string>
#include <string_view>

namespace tessera {

class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  explicit DynamicLibrary(const std::string& path) { load(path); }

  // Loads the module at exactly `path` (resolved case-insensitively); false when it cannot.
  bool load(const std::string& path);
  void unload();
  bool isLoaded() const { return library_ && library_->isLoaded(); }
  const std::string& path() const { return path_; }
  std::string errorString() const;

  // The named export, or nullptr.
  void* symbol(const char* name) const;
  template <typename Fn>
  Fn bind(const char* name) const {
    return reinterpret_cast<Fn>(symbol(name));
  }

 private:
  std::unique_ptr<QLibrary> library_;
  std::string path_;
};

}  // namespace tessera

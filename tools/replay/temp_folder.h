// A fresh folder under the system's temporary directory ($TMPDIR, else /tmp).
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder() = default;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // Removes the folder and all in it unless it was kept.
  ~TempFolder();

  // Creates "PREFIX.XXXXXX" with a unique ending; false with a reason.
  bool create(const std::string& prefix, std::string& error);
  // The folder outlives this object.
  void keep() { kept_ = true; }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
  bool kept_ = false;
};

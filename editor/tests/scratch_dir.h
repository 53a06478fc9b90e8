// A fresh directory for a test's files, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchDir {
 public:
  ScratchDir() {
    static int counter = 0;
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("zt738-editor-test-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The file's bytes, exactly as stored.
inline std::string readBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// The line end that a text-mode stream writes on this platform.
#ifdef _WIN32
inline const std::string kLineEnd = "\r\n";
#else
inline const std::string kLineEnd = "\n";
#endif

#pragma once

#include <filesystem>
#include <string>

namespace kelvane::test {

// A path as the program's texts hold it (UTF-8, on Windows too), for the standard library's file
// functions: on Windows they would read a plain string in the ANSI code page.
inline std::filesystem::path Utf8Path(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

// A path of the standard library's as the program's texts hold it.
inline std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Names in it are given in UTF-8, as the program holds them.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the program's texts carry it.
    std::string Text() const { return Utf8Text(path_); }
    // The full path of a name in the folder.
    std::string At(const std::string& name) const { return Utf8Text(path_ / Utf8Path(name)); }

    // Creates or replaces a file with exactly these bytes; returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The whole content of a file, as bytes.
    std::string Read(const std::string& name) const;
    std::string MakeFolder(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

}  // namespace kelvane::test

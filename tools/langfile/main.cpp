// langfile: makes the language files the program ships.
//   langfile english DIR            DIR/English.txt from the built-in texts
//   langfile convert SOURCE FILE    FILE from SOURCE, a UTF-8 text with one line per text
#include "lang/LanguageFile.h"
#include "lang/Utf16.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using namespace vardex;

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Convert(const std::filesystem::path& source, const std::filesystem::path& target)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "langfile: cannot read " << source << "\n";
        return 1;
    }
    std::vector<std::wstring> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(FromUtf8(line));
    }
    if (lines.size() != CTextTables::kLineCount) {
        std::cerr << "langfile: " << source << " has " << lines.size() << " lines, not " << CTextTables::kLineCount
                  << "\n";
        return 1;
    }
    const std::wstring name = FromUtf8(target.filename().string());
    return Write(target, WriteLanguageFile(lines, name)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "english" && argc == 3)
        return Write(std::filesystem::path(argv[2]) / "English.txt",
                     WriteLanguageFile(CTextTables().Lines(), L"English.txt"))
                   ? 0
                   : 1;
    if (verb == "convert" && argc == 4)
        return Convert(argv[2], argv[3]);
    std::cerr << "usage: langfile english DIR | langfile convert SOURCE FILE\n";
    return 64;
}

// What the end-to-end tests need to see and set in the Wine prefix: the Mouse
// class's filter value, the filter service, files, and the tools run as processes
// with the message boxes they show.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vardex::test {

// A built file given as a Unix path, as Wine sees it (drive Z: is the root).
std::string FromUnixPath(const std::string& path);
std::string WindowsDirectory();

bool FileExists(const std::string& path);
std::optional<std::string> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The Mouse class key; Create returns false when it was there already.
bool CreateMouseClassKey();
void DeleteMouseClassKey();
bool MouseClassKeyExists();
// The raw bytes of "LowerFilters", with its type; nullopt when absent.
struct SRegistryValue {
    std::string bytes;
    unsigned long type = 0;
};
std::optional<SRegistryValue> ReadLowerFilters();
void WriteLowerFilters(const std::string& bytes);
void DeleteLowerFilters();

struct SServiceConfig {
    unsigned long type = 0;
    unsigned long startType = 0;
    unsigned long errorControl = 0;
    std::string imagePath;
    std::string displayName;
};
std::optional<SServiceConfig> QueryService(const std::string& name);
void DeleteServiceIfPresent(const std::string& name);

struct SToolRun {
    unsigned long exitCode = 0;
    bool exited = false;
    std::vector<std::string> boxTexts; // the static texts of the box that was dismissed
};
// Runs a program in a working directory. When boxCaption is given, waits for a
// message box with that caption, reads its texts and presses OK.
SToolRun RunTool(const std::string& program, const std::string& directory,
                 const char* boxCaption = nullptr);

} // namespace vardex::test

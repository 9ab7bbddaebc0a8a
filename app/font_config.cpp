#include "app/font_config.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace llk::app {

namespace {

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

struct StringDeleter {
    void operator()(FcChar8* text) const { FcStrFree(text); }
};
using FcStringPtr = std::unique_ptr<FcChar8, StringDeleter>;

const FcChar8* AsFc(const char* text)
{
    return reinterpret_cast<const FcChar8*>(text);
}

// The system's fonts.conf is a few kilobytes; anything far larger is not such a file.
constexpr std::uintmax_t MaxMainFileBytes = 1 << 20;

bool ReadFile(const std::filesystem::path& path, std::string& text)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > MaxMainFileBytes)
        return false;
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Takes the one <include> element out of `text` and returns the folder it names; empty when the
// file has no include, several, or one of another form.
std::string TakeRulesInclude(std::string& text)
{
    static constexpr std::string_view IncludeOpen = "<include ignore_missing=\"yes\">";
    static constexpr std::string_view IncludeClose = "</include>";
    const std::size_t begin = text.find("<include");
    if (begin == std::string::npos || text.compare(begin, IncludeOpen.size(), IncludeOpen) != 0 ||
        text.find("<include", begin + 1) != std::string::npos)
        return {};
    const std::size_t nameBegin = begin + IncludeOpen.size();
    const std::size_t end = text.find(IncludeClose, nameBegin);
    if (end == std::string::npos)
        return {};
    std::string folder = text.substr(nameBegin, end - nameBegin);
    if (folder.empty() || folder.find('<') != std::string::npos)
        return {};
    text.erase(begin, end + IncludeClose.size() - begin);
    return folder;
}

// The rule files fontconfig itself would read from `folder`: names that begin with a digit and
// end in ".conf", in byte order.
std::vector<std::filesystem::path> RuleFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error; // a folder that cannot be read holds no rules, as for fontconfig
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 5 && name[0] >= '0' && name[0] <= '9' && name.ends_with(".conf") &&
            !MapsFamilyNamesOnly(name))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    return files;
}

// Type 1 fonts are left out, as GTK's text layout has left them out since Pango 1.44. Where they
// are installed (Debian's URW fonts for PostScript) the same families come as OpenType too, yet
// Qt's list of fonts held 162 here instead of 92, 0.5 ms more before the first text. A player's
// own <acceptfont> rule still takes them in.
bool LeaveOutType1Fonts(FcConfig* config)
{
    static constexpr char rule[] = R"(<?xml version="1.0"?>
<fontconfig><selectfont><rejectfont><pattern><patelt name="fontformat"><string>Type 1</string></patelt>
</pattern></rejectfont></selectfont></fontconfig>)";
    return FcConfigParseAndLoadFromMemory(config, AsFc(rule), FcTrue);
}

} // namespace

bool MapsFamilyNamesOnly(std::string_view fileName)
{
    if (fileName.empty() || fileName.front() < '0' || fileName.front() > '9')
        return false;
    int number = 0;
    const std::from_chars_result read = std::from_chars(fileName.data(), fileName.data() + fileName.size(), number);
    return read.ec == std::errc() && ((number >= 30 && number <= 49) || (number >= 60 && number <= 69));
}

FcConfig* LoadLeanFontConfig(const std::filesystem::path& mainFile)
{
    ConfigPtr config(FcConfigCreate());
    if (!config)
        return nullptr;
    std::string text;
    if (!ReadFile(mainFile, text))
        return nullptr;
    const std::string folderName = TakeRulesInclude(text);
    if (folderName.empty() || !FcConfigParseAndLoadFromMemory(config.get(), AsFc(text.c_str()), FcTrue))
        return nullptr;
    // The folder is found where fontconfig looks for an included name (relative names in its
    // configuration folder), and may be missing, as the include allows.
    const FcStringPtr folder(FcConfigGetFilename(config.get(), AsFc(folderName.c_str())));
    if (folder) {
        const std::filesystem::path path(reinterpret_cast<const char*>(folder.get()));
        std::error_code error;
        if (!std::filesystem::is_directory(path, error))
            return nullptr;
        for (const std::filesystem::path& file : RuleFiles(path)) {
            if (!FcConfigParseAndLoad(config.get(), AsFc(file.c_str()), FcTrue))
                return nullptr;
        }
    }
    if (!LeaveOutType1Fonts(config.get()) || !FcConfigBuildFonts(config.get()))
        return nullptr;
    return config.release();
}

void LoadFontConfig()
{
    const ConfigPtr scratch(FcConfigCreate()); // knows the system root fontconfig runs under
    const FcStringPtr mainFile(scratch ? FcConfigGetFilename(scratch.get(), nullptr) : nullptr);
    ConfigPtr config(mainFile ? LoadLeanFontConfig(reinterpret_cast<const char*>(mainFile.get())) : nullptr);
    if (!config) {
        // The whole configuration, as FcInit() reads it, less one step: FcInit() also parses every
        // file of the folder of optional rules, only to list their descriptions for fc-conflist.
        config.reset(FcConfigCreate());
        if (config && !(FcConfigParseAndLoad(config.get(), nullptr, FcTrue) && LeaveOutType1Fonts(config.get()) &&
                        FcConfigBuildFonts(config.get())))
            config.reset();
    }
    // The current configuration holds its own reference; Qt's FcInit() then finds it loaded.
    if (!config || !FcConfigSetCurrent(config.get()))
        FcInit(); // fontconfig's fallbacks for a missing or broken configuration
}

} // namespace llk::app

#include "runtime/values/save_folder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "runtime/base/log.h"
#include "runtime/platform/files.h"
#include "runtime/platform/folders.h"

namespace {
std::string g_save_folder;
constexpr char kWriteCheckPrefix[] = ".zolv-write-check-";

bool IsFolder(const std::string& name) {
    std::error_code ec;
    return std::filesystem::is_directory(PlatformPath(name), ec);
}

bool IsAbsolute(const std::string& name) {
    if (name.empty()) return false;
    if (name[0] == '/' || name[0] == '\\') return true;
    return name.size() > 1 && name[1] == ':';  // a Windows drive
}
}  // namespace

std::string FindDataFolder(const std::string& program_folder) {
    if (IsFolder(program_folder + "Media")) return program_folder;
    const std::string shared = program_folder + "../share/games/zolv/";
    if (IsFolder(shared + "Media")) return shared;
    return program_folder;
}

bool FolderTakesFiles(const std::string& folder) {
    // A probe left by a run killed while it checked (not touched for a minute) goes first.
    for (const std::string& old : PlatformFilesIn(folder)) {
        if (old.size() != sizeof kWriteCheckPrefix - 1 + 6 || old.rfind(kWriteCheckPrefix, 0) != 0)
            continue;
        if (PlatformFileAgeSeconds(folder + old) < 60) continue;
        if (PlatformDeleteFile(folder + old)) AppendLog("Old write check removed: " + folder + old);
    }
    std::string name, error;
    std::FILE* f = PlatformCreateTemporaryFile(folder, kWriteCheckPrefix, "", &name, &error);
    if (!f) return false;
    std::fclose(f);
    PlatformDeleteFile(name);
    return true;
}

std::string ChooseSaveFolder(const std::string& data_folder, const std::string& user_data_folder) {
    const std::string media = data_folder + "Media/";
    const bool writable =
        FolderTakesFiles(data_folder) && (!IsFolder(media) || FolderTakesFiles(media));
    if (writable || user_data_folder.empty()) return {};
    return user_data_folder + "zolv/";
}

void SetSaveFolder(const std::string& folder) {
    g_save_folder = folder;
}
const std::string& SaveFolder() {
    return g_save_folder;
}

std::string SavedCopy(const std::string& name) {
    if (g_save_folder.empty() || IsAbsolute(name)) return {};
    return g_save_folder + name;
}

std::string SavePath(const std::string& name) {
    const std::string copy = SavedCopy(name);
    return copy.empty() ? name : copy;
}

void StartSaveFolder(const std::string& data_folder) {
    SetSaveFolder(ChooseSaveFolder(data_folder, PlatformUserDataFolder()));
    if (g_save_folder.empty())
        AppendLog("Saves beside the program: " + data_folder);
    else
        AppendLog("Saves in " + g_save_folder + " (" + data_folder + " cannot be written)");
}

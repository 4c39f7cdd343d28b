// Where the game's files are found and where the files it writes go.
//
// The shared data (Media/, the readme files, the font) sits beside the program, or, for a
// program installed in bin/ or games/, in share/games/zolv/ next to that folder. The files the
// game writes (player file, records, replays, maps, and every other file written through the
// line files) go beside the shared data when that folder and its Media/ take new files;
// otherwise into the player's own data folder ($XDG_DATA_HOME/zolv/, by default
// ~/.local/share/zolv/), and every file is then looked for there first.
#pragma once
#include <string>

// The folder (ending in '/') that holds the shared data for a program in `program_folder`:
// the program folder when its Media/ is there, else ../share/games/zolv/ when that holds a
// Media/ folder, else the program folder (a one-file program, or a set still to be made).
std::string FindDataFolder(const std::string& program_folder);

// True when a new file can be made in `folder` (ending in '/'). The check makes one and
// deletes it again: permissions alone do not tell (root writes through them, a read-only
// mount stops everyone).
bool FolderTakesFiles(const std::string& folder);

// The save folder for the shared data in `data_folder`: "" (saves beside the data) when the
// data folder and its Media/, if there, take new files; else `user_data_folder` + "zolv/"
// (user_data_folder ends in its separator; when it is "" the saves stay beside the data).
std::string ChooseSaveFolder(const std::string& data_folder, const std::string& user_data_folder);

// The chosen save folder; "" when saves go beside the data.
void SetSaveFolder(const std::string& folder);
const std::string& SaveFolder();

// The path a file of the data folder (a relative name such as "Media/Zolv-gioc.txt") is
// written to: inside the save folder when there is one. Absolute names stay as they are.
std::string SavePath(const std::string& name);
// The copy of `name` in the save folder; "" when there is no save folder or the name is
// absolute.
std::string SavedCopy(const std::string& name);

// Start-up: chooses the save folder for `data_folder` and logs the choice in one line.
void StartSaveFolder(const std::string& data_folder);

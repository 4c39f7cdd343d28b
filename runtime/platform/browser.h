// What the program tells the page it runs in when built for a web browser. Off the web these
// calls do nothing.
#pragma once
#include <string_view>

// A file of the save folder was replaced: the page copies the folder to the browser's storage
// (IndexedDB) soon after, so the save outlives the page.
void PlatformSavesChanged();
// Shows one log line on the browser's console.
void PlatformConsoleLog(std::string_view text);

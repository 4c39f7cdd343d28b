#include "game/screen/extra_texts.h"

#include <map>
#include <vector>

#include "game/state/game_state.h"
#include "runtime/base/log.h"
#include "runtime/base/whole_file.h"
#include "runtime/values/media_lookup.h"

namespace game {

namespace {

// A file of texts is small (a few kilobytes); anything far larger is not ours.
constexpr int64_t kMaxTextFileBytes = 1 << 20;

struct ExtraTextFiles {
    bool read[2] = {false, false};
    std::map<std::string, std::string, std::less<>> texts[2];
    std::map<std::string, std::string, std::less<>> missing;  // key -> key, kept for its address
};
ExtraTextFiles g_texts;

void ReadLanguage(int language) {
    g_texts.read[language] = true;
    const std::string name = "Media/Zolv-testi-" + std::to_string(language) + ".txt";
    std::vector<uint8_t> bytes;
    std::string why;
    if (!ReadWholeFile(ResolveMediaName(name), bytes, &why, kMaxTextFileBytes)) {
        AppendLog(name + " " + why);
        return;
    }
    std::string line;
    auto finish_line = [&] {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && eq > 0)
            g_texts.texts[language].emplace(line.substr(0, eq), line.substr(eq + 1));
        line.clear();
    };
    for (uint8_t b : bytes) {
        if (b == '\r' || b == '\n')
            finish_line();
        else
            line += char(b);
    }
    finish_line();
}

}  // namespace

const std::string& ExtraTextIn(std::string_view key, int language) {
    language = language == 0 ? 0 : 1;
    for (int l : {language, 1}) {
        if (!g_texts.read[l]) ReadLanguage(l);
        auto it = g_texts.texts[l].find(key);
        if (it != g_texts.texts[l].end()) return it->second;
    }
    auto it = g_texts.missing.find(key);
    if (it == g_texts.missing.end())
        it = g_texts.missing.emplace(std::string(key), std::string(key)).first;
    return it->second;
}

const std::string& ExtraText(std::string_view key) {
    return ExtraTextIn(key, int(lingua));
}

void ForgetExtraTexts() {
    g_texts = ExtraTextFiles{};
}

}  // namespace game

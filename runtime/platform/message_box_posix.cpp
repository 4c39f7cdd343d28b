#include "runtime/platform/message_box.h"

bool PlatformSystemWarningBox(const std::string&, const std::string&) {
    return false;
}

#include "runtime/values/game_array.h"

void ArrayPushText(TextArray& array, const TextValue& text, std::source_location where) {
    if (array.size(1) != 0) {
        SetErrorNumber(kErrorShape, where);
        return;
    }
    const int n = array.size(0) + 1;
    array.Redim(n, 0, 0, 0, where);
    array(n - 1, 0, 0, 0, where) = text;
}

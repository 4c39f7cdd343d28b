#include "runtime/values/text_value.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "runtime/base/errors.h"

namespace {
// Every value that never needed storage points here; it is never written or freed.
char g_shared_empty[1] = {'\0'};

size_t BoundedLength(const char* text) {
    return text ? std::strlen(text) : 0;
}

int CompareBytes(const char* a, const char* b) {
    // strcmp orders by unsigned char, which is the order the game relies on.
    const int r = std::strcmp(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::strong_ordering ToOrdering(int r) {
    if (r < 0) return std::strong_ordering::less;
    if (r > 0) return std::strong_ordering::greater;
    return std::strong_ordering::equal;
}

bool InsideBuffer(const char* p, const char* buffer, uint32_t capacity) {
    return capacity != 0 && p >= buffer && p < buffer + capacity;
}
}  // namespace

TextValue::TextValue() noexcept : chars_(g_shared_empty), capacity_(0), length_(0) {}

TextValue::TextValue(const char* text) : TextValue() {
    AssignBytes(text, BoundedLength(text));
}

TextValue::TextValue(std::string_view text) : TextValue() {
    AssignBytes(text.data(), text.size());
}

TextValue::TextValue(const TextValue& other) : TextValue() {
    AssignBytes(other.chars_, other.length_);
}

TextValue::TextValue(TextValue&& other) noexcept
    : chars_(other.chars_), capacity_(other.capacity_), length_(other.length_) {
    other.chars_ = g_shared_empty;
    other.capacity_ = 0;
    other.length_ = 0;
}

TextValue::~TextValue() {
    if (capacity_ != 0) std::free(chars_);
    chars_ = nullptr;
    capacity_ = 0;
    length_ = 0;
}

TextValue& TextValue::operator=(const TextValue& other) {
    if (this != &other) AssignBytes(other.chars_, other.length_);
    return *this;
}

TextValue& TextValue::operator=(TextValue&& other) noexcept {
    if (this != &other) {
        if (capacity_ != 0) std::free(chars_);
        chars_ = other.chars_;
        capacity_ = other.capacity_;
        length_ = other.length_;
        other.chars_ = g_shared_empty;
        other.capacity_ = 0;
        other.length_ = 0;
    }
    return *this;
}

TextValue& TextValue::operator=(const char* text) {
    AssignBytes(text, BoundedLength(text));
    return *this;
}

TextValue& TextValue::operator=(std::string_view text) {
    AssignBytes(text.data(), text.size());
    return *this;
}

TextValue& TextValue::operator+=(const TextValue& other) {
    AppendBytes(other.chars_, other.length_);
    return *this;
}

TextValue& TextValue::operator+=(const char* text) {
    AppendBytes(text, BoundedLength(text));
    return *this;
}

TextValue& TextValue::operator+=(std::string_view text) {
    AppendBytes(text.data(), text.size());
    return *this;
}

TextValue& TextValue::AppendChar(char c) {
    AppendBytes(&c, 1);
    return *this;
}

void TextValue::Reserve(uint32_t n) {
    if (n < capacity_) return;
    if (n >= UINT32_MAX - 16) RuntimeFail(kErrorRange);
    const uint32_t grown = (n & ~uint32_t{15}) + 16;
    char* buffer = static_cast<char*>(std::malloc(grown));
    if (!buffer) RuntimeFail(kErrorRange);
    std::memcpy(buffer, chars_, static_cast<size_t>(length_) + 1);
    if (capacity_ != 0) std::free(chars_);
    chars_ = buffer;
    capacity_ = grown;
}

void TextValue::Clear() {
    if (capacity_ != 0) std::free(chars_);
    chars_ = g_shared_empty;
    capacity_ = 0;
    length_ = 0;
}

void TextValue::AssignBytes(const char* text, size_t n) {
    if (text) n = strnlen(text, n);
    if (n == 0 || !text) {
        // Keeps the buffer: capacity never shrinks.
        if (capacity_ != 0) chars_[0] = '\0';
        length_ = 0;
        return;
    }
    if (n >= UINT32_MAX - 16) RuntimeFail(kErrorRange);
    if (InsideBuffer(text, chars_, capacity_)) {
        // A part of this very text: copy it out before the buffer can move.
        TextValue copy(std::string_view(text, n));
        *this = std::move(copy);
        return;
    }
    length_ = 0;
    if (capacity_ != 0) chars_[0] = '\0';
    Reserve(static_cast<uint32_t>(n));
    std::memcpy(chars_, text, n);
    chars_[n] = '\0';
    length_ = static_cast<uint32_t>(n);
}

void TextValue::AppendBytes(const char* text, size_t n) {
    if (!text) return;
    n = strnlen(text, n);
    if (n == 0) return;
    if (n >= UINT32_MAX - 16 - length_) RuntimeFail(kErrorRange);
    if (InsideBuffer(text, chars_, capacity_)) {
        const TextValue copy(std::string_view(text, n));
        AppendBytes(copy.chars_, copy.length_);
        return;
    }
    Reserve(length_ + static_cast<uint32_t>(n));
    std::memcpy(chars_ + length_, text, n);
    length_ += static_cast<uint32_t>(n);
    chars_[length_] = '\0';
}

void TextValue::AssignNumber(double value) {
    Reserve(64);
    const TextValue text = NumberToText(value);
    AssignBytes(text.chars_, text.length_);
}

void TextValue::AssignInteger(long long value) {
    char digits[32];
    const int n = std::snprintf(digits, sizeof digits, "%lld", value);
    AssignBytes(digits, static_cast<size_t>(n));
}

TextValue NumberToText(double value) {
    TextValue result;
    result.Reserve(64);
    char buffer[64];
    // A zero that came out of a negation or a rounding prints as "0", never "-0".
    if (value == 0) value = 0;
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    size_t n = std::strlen(buffer);
    if (std::strcmp(buffer, ".0") == 0) {
        buffer[0] = '0';
        n = 1;
    } else if (n > 0 && buffer[n - 1] == '.') {
        --n;
    }
    result = std::string_view(buffer, n);
    return result;
}

TextValue IntegerToText(long long value) {
    return TextValue(value);
}

double TextToNumber(const char* text) {
    if (!text) return 0.0;
    // The decimal grammar only: no hexadecimal, "inf" or "nan" as the C library's atof would
    // take, so no file can hand the game a NaN or an infinity.
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    int digits = 0;
    long long whole = 0;
    while (digit(*p)) {
        if (digits < 18) whole = whole * 10 + (*p - '0');
        ++p, ++digits;
    }
    // A whole number of up to 15 digits is exact in a double: no conversion needed (the board
    // reads its sprite numbers this way every frame).
    if (digits > 0 && digits <= 15 && *p != '.' && *p != 'e' && *p != 'E') {
        const double value = static_cast<double>(whole);
        return *start == '-' ? -value : value;
    }
    if (*p == '.') {
        ++p;
        while (digit(*p)) ++p, ++digits;
    }
    if (digits == 0) return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') ++e;
        if (digit(*e)) {
            while (digit(*e)) ++e;
            p = e;
        }
    }
    const std::string number(start, p);
    const double value = std::strtod(number.c_str(), nullptr);
    // A magnitude past the double range reads as 0, like any other text that is no number.
    return std::isfinite(value) ? value : 0.0;
}
double TextToNumber(const TextValue& text) {
    return TextToNumber(text.c_str());
}

int TextToInteger(const char* text) {
    if (!text) return 0;
    // strtol instead of atoi: atoi has no defined result past the int range.
    errno = 0;
    const long long v = std::strtoll(text, nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}
int TextToInteger(const TextValue& text) {
    return TextToInteger(text.c_str());
}

TextValue operator+(const TextValue& a, const TextValue& b) {
    TextValue result;
    result.Reserve(a.length() + b.length());
    result += a;
    result += b;
    return result;
}

TextValue operator+(const TextValue& a, const char* b) {
    TextValue result(a);
    result += b;
    return result;
}

TextValue operator+(const char* a, const TextValue& b) {
    TextValue result(a);
    result += b;
    return result;
}

TextValue operator+(const TextValue& a, const std::string& b) {
    return a + b.c_str();
}
TextValue operator+(const std::string& a, const TextValue& b) {
    return a.c_str() + b;
}

bool operator==(const TextValue& a, const TextValue& b) {
    return a.length() == b.length() && std::strcmp(a.c_str(), b.c_str()) == 0;
}

std::strong_ordering operator<=>(const TextValue& a, const TextValue& b) {
    return ToOrdering(CompareBytes(a.c_str(), b.c_str()));
}

bool operator==(const TextValue& a, const char* b) {
    return CompareBytes(a.c_str(), b ? b : "") == 0;
}

std::strong_ordering operator<=>(const TextValue& a, const char* b) {
    return ToOrdering(CompareBytes(a.c_str(), b ? b : ""));
}

bool operator==(const TextValue& a, const std::string& b) {
    return a == b.c_str();
}
std::strong_ordering operator<=>(const TextValue& a, const std::string& b) {
    return a <=> b.c_str();
}

int CharCode(const TextValue& text) {
    return static_cast<unsigned char>(text.c_str()[0]);
}

TextValue CharText(int code) {
    const char c = static_cast<char>(code & 0xFF);
    TextValue result;
    if (c != '\0') result.AppendChar(c);
    return result;
}

namespace {
// The part of `text` that Substring gives.
std::string_view SubstringPart(const TextValue& text, int start, int count) {
    const long long length = text.length();
    long long n = count < 0 ? length : count;
    if (static_cast<long long>(start) + n > length) n = length - start;
    if (n > 0 && start >= 0 && start <= length)
        return std::string_view(text.c_str() + start, static_cast<size_t>(n));
    return {};
}
}  // namespace

TextValue Substring(const TextValue& text, int start, int count) {
    const std::string_view part = SubstringPart(text, start, count);
    return part.empty() ? TextValue() : TextValue(part);
}

void AssignSubstring(TextValue& out, const TextValue& text, int start, int count) {
    out = SubstringPart(text, start, count);
}

TextValue UpperCase(const TextValue& text) {
    TextValue result(text);
    std::string bytes = result.str();
    for (char& c : bytes)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    result = bytes;
    return result;
}

TextValue LowerCase(const TextValue& text) {
    TextValue result(text);
    std::string bytes = result.str();
    for (char& c : bytes)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    result = bytes;
    return result;
}

int CharAt(const TextValue& text, int p) {
    if (p < 0 || static_cast<uint32_t>(p) >= text.length()) return 0;
    return static_cast<unsigned char>(text.c_str()[p]);
}

std::ostream& operator<<(std::ostream& out, const TextValue& text) {
    return out.write(text.c_str(), text.length());
}

int CallByName(const TextValue& name) {
    return CallByName(name.str());
}
void DebugOutput(const TextValue& text) {
    DebugOutput(text.str());
}

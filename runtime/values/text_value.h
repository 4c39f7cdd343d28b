// The game's text value: an owned, growable byte string (single-byte characters, no NUL
// inside), copied on assignment, with the operations the game's text expressions use and the
// conversions between numbers and texts.
#pragma once
#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <source_location>
#include <string>
#include <string_view>

class TextValue;

// Numbers as the game shows and stores them: 10 significant digits in the general format,
// whole numbers without a decimal point (5 -> "5", 2.5 -> "2.5", 1e11 -> "1e+11").
TextValue NumberToText(double value);
// Decimal digits with a leading "-" when negative.
TextValue IntegerToText(long long value);
// Leading blanks, optional sign, digits with an optional point, optional exponent; stops at
// the first character that does not fit; 0 when the text does not start with a number, and
// for a magnitude too large for a double. Never NaN or infinite.
double TextToNumber(const char* text);
double TextToNumber(const TextValue& text);
// atoi rules, saturated to the 32-bit range.
int TextToInteger(const char* text);
int TextToInteger(const TextValue& text);

// Operands that turn into their text when concatenated: integers in decimal, floating-point
// numbers through NumberToText. Characters and booleans are left out on purpose.
template <class T>
concept TextIntegerOperand = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                             !std::same_as<T, signed char> && !std::same_as<T, unsigned char>;
template <class T>
concept TextNumberOperand = std::floating_point<T>;
template <class T>
concept TextArithmeticOperand = TextIntegerOperand<T> || TextNumberOperand<T>;

class TextValue {
  public:
    TextValue() noexcept;
    TextValue(const char* text);
    // `TextValue t = 0;` would otherwise take 0 as a null character pointer and give "".
    TextValue(std::nullptr_t) = delete;
    TextValue(std::string_view text);
    TextValue(const std::string& text) : TextValue(std::string_view(text)) {}
    TextValue(const TextValue& other);
    TextValue(TextValue&& other) noexcept;
    template <TextIntegerOperand T>
    explicit TextValue(T value) : TextValue() {
        AssignInteger(static_cast<long long>(value));
    }
    template <TextNumberOperand T>
    explicit TextValue(T value) : TextValue() {
        AssignNumber(static_cast<double>(value));
    }
    ~TextValue();

    TextValue& operator=(const TextValue& other);
    TextValue& operator=(TextValue&& other) noexcept;
    TextValue& operator=(const char* text);
    TextValue& operator=(std::string_view text);
    TextValue& operator=(const std::string& text) { return *this = std::string_view(text); }
    template <TextIntegerOperand T>
    TextValue& operator=(T value) {
        AssignInteger(static_cast<long long>(value));
        return *this;
    }
    template <TextNumberOperand T>
    TextValue& operator=(T value) {
        AssignNumber(static_cast<double>(value));
        return *this;
    }

    TextValue& operator+=(const TextValue& other);
    TextValue& operator+=(const char* text);
    TextValue& operator+=(std::string_view text);
    TextValue& operator+=(const std::string& text) { return *this += std::string_view(text); }
    template <TextArithmeticOperand T>
    TextValue& operator+=(T value) {
        return *this += TextValue(value);
    }
    // One character; the text ends at a NUL, so appending code 0 changes nothing.
    TextValue& AppendChar(char c);

    const char* c_str() const { return chars_; }
    uint32_t length() const { return length_; }
    uint32_t capacity() const { return capacity_; }
    bool empty() const { return length_ == 0; }
    std::string str() const { return std::string(chars_, length_); }
    std::string_view view() const { return std::string_view(chars_, length_); }

    // Room for n characters and the terminator: capacity grows to n rounded down to a multiple
    // of 16, plus 16, and never shrinks. No memory ends the program with error 7.
    void Reserve(uint32_t n);
    // Back to the shared empty text, giving up the buffer.
    void Clear();

  private:
    void AssignBytes(const char* text, size_t n);
    void AppendBytes(const char* text, size_t n);
    void AssignNumber(double value);
    void AssignInteger(long long value);

    char* chars_;
    uint32_t capacity_;
    uint32_t length_;
};

// Concatenation of every operand mix: the left text followed by the right text.
TextValue operator+(const TextValue& a, const TextValue& b);
TextValue operator+(const TextValue& a, const char* b);
TextValue operator+(const char* a, const TextValue& b);
TextValue operator+(const TextValue& a, const std::string& b);
TextValue operator+(const std::string& a, const TextValue& b);
template <TextArithmeticOperand T>
TextValue operator+(const TextValue& a, T b) {
    return a + TextValue(b);
}
template <TextArithmeticOperand T>
TextValue operator+(T a, const TextValue& b) {
    return TextValue(a) + b;
}

// Texts compare byte by byte as unsigned characters; two TextValues of different lengths are
// never equal.
bool operator==(const TextValue& a, const TextValue& b);
std::strong_ordering operator<=>(const TextValue& a, const TextValue& b);
bool operator==(const TextValue& a, const char* b);
std::strong_ordering operator<=>(const TextValue& a, const char* b);
bool operator==(const TextValue& a, const std::string& b);
std::strong_ordering operator<=>(const TextValue& a, const std::string& b);
// A text against a number compares the text's numeric value.
template <TextArithmeticOperand T>
bool operator==(const TextValue& a, T b) {
    return TextToNumber(a) == static_cast<double>(b);
}
template <TextArithmeticOperand T>
std::partial_ordering operator<=>(const TextValue& a, T b) {
    return TextToNumber(a) <=> static_cast<double>(b);
}

// Length in characters.
inline int Len(const TextValue& text) {
    return static_cast<int>(text.length());
}
// Code 0 to 255 of the first character; 0 for an empty text.
int CharCode(const TextValue& text);
// A text of the one character with this code (taken as a byte); code 0 gives the empty text.
TextValue CharText(int code);
// Up to `count` characters from position `start` (from 0); a negative count means the rest.
// A start outside the text, or nothing left, gives the empty text.
TextValue Substring(const TextValue& text, int start, int count);
// The same characters written into `out`'s own buffer (no new text made: for texts read every
// frame). `out` and `text` may be the same.
void AssignSubstring(TextValue& out, const TextValue& text, int start, int count);
// ASCII case change; other bytes stay as they are.
TextValue UpperCase(const TextValue& text);
TextValue LowerCase(const TextValue& text);
// The byte at position p as 0 to 255; 0 for an empty text. Positions past the end also give 0.
int CharAt(const TextValue& text, int p);

// Writes the characters (test output and logs).
std::ostream& operator<<(std::ostream& out, const TextValue& text);

// The text forms of the runtime's calls that take a name or message.
int CallByName(const TextValue& name);
void DebugOutput(const TextValue& text);

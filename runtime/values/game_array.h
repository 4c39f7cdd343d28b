// The game's arrays: numbers, 32-bit integers or texts in up to four dimensions, sized at run
// time, every element access bounds-checked. The first index varies fastest; a negative first
// index counts back from the end of the first dimension. A bad index ends the program with
// error 9 at the caller's source line.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <source_location>
#include <type_traits>
#include <utility>

#include "runtime/base/errors.h"
#include "runtime/values/text_value.h"

namespace game_array_detail {
// Number arrays of up to 16 elements of capacity keep them inside the array value.
template <class T>
struct InnerBlock {
    static constexpr bool kPresent = false;
    T* data() { return nullptr; }
    const T* data() const { return nullptr; }
};
template <>
struct InnerBlock<double> {
    static constexpr bool kPresent = true;
    double values[16] = {};
    double* data() { return values; }
    const double* data() const { return values; }
};

// Index and size arguments come from numbers: truncated toward zero. Values outside the
// 32-bit range become a value no array accepts.
inline long long TruncateIndex(double v) {
    if (!(v > -2147483648.0 && v < 2147483648.0)) return v > 0 ? INT64_MAX / 4 : INT64_MIN / 4;
    return static_cast<long long>(std::trunc(v));
}
}  // namespace game_array_detail

template <class T>
class GameArray {
    static_assert(std::is_same_v<T, double> || std::is_same_v<T, int32_t> ||
                  std::is_same_v<T, TextValue>);

  public:
    // Number and integer blocks grow in steps of 8 elements, text blocks in steps of 64.
    static constexpr long long kCapacityStep = std::is_same_v<T, TextValue> ? 64 : 8;

    GameArray() = default;
    GameArray(const GameArray& other) { CopyFrom(other); }
    GameArray& operator=(const GameArray& other) {
        if (this != &other) CopyFrom(other);
        return *this;
    }
    ~GameArray() { Release(); }

    // The element at (i1, i2, i3, i4), for reading and writing. Absent indexes are 0.
    T& operator()(double i1, double i2 = 0, double i3 = 0, double i4 = 0,
                  std::source_location where = std::source_location::current()) {
        return block_[PositionOf(i1, i2, i3, i4, where)];
    }
    const T& operator()(double i1, double i2 = 0, double i3 = 0, double i4 = 0,
                        std::source_location where = std::source_location::current()) const {
        return block_[PositionOf(i1, i2, i3, i4, where)];
    }

    // 0 to 4: the highest dimension with a size.
    int dimensions() const { return dimensions_; }
    int size(int n) const { return n >= 0 && n < 4 ? sizes_[n] : 0; }
    long long capacity() const { return capacity_; }
    long long element_count() const {
        return static_cast<long long>(sizes_[0]) * Counted(sizes_[1]) * Counted(sizes_[2]) *
               Counted(sizes_[3]);
    }
    bool sized() const { return block_ != nullptr; }
    bool uses_inner_block() const {
        return InnerBlock::kPresent && block_ != nullptr && block_ == inner_.data();
    }

    // Every element from 0 to the capacity, first index fastest: for tests and dumps.
    const T* data() const { return block_; }

    // Sizes the array anew; every element becomes 0 or the empty text.
    void Dim(double s1, double s2, double s3, double s4,
             std::source_location where = std::source_location::current()) {
        const Shape shape = ShapeOf(s1, s2, s3, s4, where);
        if (capacity_ < shape.capacity || shape.sizes[0] <= 0 || !block_) {
            Release();
            Allocate(shape.capacity, where);
        } else {
            std::fill(block_, block_ + capacity_, T{});
        }
        SetShape(shape);
    }

    // Sizes the array anew, keeping the elements inside both the old and the new sizes.
    void Redim(double s1, double s2, double s3, double s4,
               std::source_location where = std::source_location::current()) {
        const Shape shape = ShapeOf(s1, s2, s3, s4, where);
        GameArray old;
        old.TakeFrom(*this);
        Allocate(shape.capacity, where);
        SetShape(shape);
        if (!old.block_) return;
        const int n1 = std::min(old.sizes_[0], sizes_[0]);
        const int n2 = std::min(Counted(old.sizes_[1]), Counted(sizes_[1]));
        const int n3 = std::min(Counted(old.sizes_[2]), Counted(sizes_[2]));
        const int n4 = std::min(Counted(old.sizes_[3]), Counted(sizes_[3]));
        for (int i4 = 0; i4 < n4; ++i4)
            for (int i3 = 0; i3 < n3; ++i3)
                for (int i2 = 0; i2 < n2; ++i2)
                    for (int i1 = 0; i1 < n1; ++i1)
                        block_[Place(i1, i2, i3, i4)] =
                            std::move(old.block_[old.Place(i1, i2, i3, i4)]);
    }

  private:
    using InnerBlock = game_array_detail::InnerBlock<T>;

    struct Shape {
        int sizes[4];
        long long capacity;
    };

    // A size of 0 (or less) counts as 1 in strides and element counts.
    static int Counted(int s) { return s > 0 ? s : 1; }

    Shape ShapeOf(double s1, double s2, double s3, double s4, std::source_location where) const {
        const double passed[4] = {s1, s2, s3, s4};
        Shape shape{};
        long long count = 1;
        // Past this many elements no block can be had on any machine the game runs on.
        constexpr long long kMaxElements = 1LL << 31;
        for (int d = 0; d < 4; ++d) {
            long long v = game_array_detail::TruncateIndex(passed[d]);
            if (d == 0) v = std::max(v, 0LL);
            if (v > INT32_MAX || v < INT32_MIN) RuntimeFail(kErrorRange, where);
            shape.sizes[d] = static_cast<int>(v);
            count *= d == 0 ? v : Counted(static_cast<int>(v));
            if (count > kMaxElements) RuntimeFail(kErrorRange, where);
        }
        shape.capacity = count / kCapacityStep * kCapacityStep + kCapacityStep;
        return shape;
    }

    void SetShape(const Shape& shape) {
        std::copy(shape.sizes, shape.sizes + 4, sizes_);
        if (sizes_[3] != 0)
            dimensions_ = 4;
        else if (sizes_[2] != 0)
            dimensions_ = 3;
        else if (sizes_[1] != 0)
            dimensions_ = 2;
        else if (sizes_[0] > 0)
            dimensions_ = 1;
        else
            dimensions_ = 0;
        strides_[0] = Counted(sizes_[0]);
        strides_[1] = strides_[0] * Counted(sizes_[1]);
        strides_[2] = strides_[1] * Counted(sizes_[2]);
    }

    long long Place(long long i1, long long i2, long long i3, long long i4) const {
        return i1 + i2 * strides_[0] + i3 * strides_[1] + i4 * strides_[2];
    }

    long long PositionOf(double d1, double d2, double d3, double d4,
                         std::source_location where) const {
        using game_array_detail::TruncateIndex;
        long long i1 = TruncateIndex(d1);
        const long long i2 = TruncateIndex(d2), i3 = TruncateIndex(d3), i4 = TruncateIndex(d4);
        if (i1 < 0) i1 += sizes_[0];
        const bool valid = block_ && i1 >= 0 && i2 >= 0 && i3 >= 0 && i4 >= 0 && i1 < sizes_[0] &&
                           (sizes_[1] == 0 || i2 < sizes_[1]) &&
                           (sizes_[2] == 0 || i3 < sizes_[2]) && (sizes_[3] == 0 || i4 < sizes_[3]);
        if (!valid) RuntimeFail(kErrorIndex, where);
        const long long p = Place(i1, i2, i3, i4);
        // An index into an absent dimension is accepted as the rule says, but must still land
        // inside the block.
        if (p >= capacity_) RuntimeFail(kErrorIndex, where);
        return p;
    }

    void Allocate(long long capacity, std::source_location where) {
        if (InnerBlock::kPresent && capacity <= 16) {
            block_ = inner_.data();
            std::fill(block_, block_ + 16, T{});
            capacity_ = capacity;
            return;
        }
        block_ = new (std::nothrow) T[static_cast<size_t>(capacity)]();
        if (!block_) RuntimeFail(kErrorRange, where);
        capacity_ = capacity;
    }

    void Release() {
        if (block_ && !uses_inner_block()) delete[] block_;
        block_ = nullptr;
        capacity_ = 0;
    }

    // Moves the whole state of `other` here, leaving `other` unsized.
    void TakeFrom(GameArray& other) {
        Release();
        std::copy(other.sizes_, other.sizes_ + 4, sizes_);
        std::copy(other.strides_, other.strides_ + 3, strides_);
        dimensions_ = other.dimensions_;
        capacity_ = other.capacity_;
        if (other.uses_inner_block()) {
            inner_ = other.inner_;
            block_ = inner_.data();
        } else {
            block_ = other.block_;
        }
        other.block_ = nullptr;
        other.capacity_ = 0;
        std::fill(other.sizes_, other.sizes_ + 4, 0);
        other.dimensions_ = 0;
    }

    void CopyFrom(const GameArray& other) {
        Release();
        if (!other.block_) {
            std::fill(sizes_, sizes_ + 4, 0);
            dimensions_ = 0;
            return;
        }
        Allocate(other.capacity_, std::source_location::current());
        std::copy(other.block_, other.block_ + other.capacity_, block_);
        std::copy(other.sizes_, other.sizes_ + 4, sizes_);
        std::copy(other.strides_, other.strides_ + 3, strides_);
        dimensions_ = other.dimensions_;
    }

    T* block_ = nullptr;
    int dimensions_ = 0;
    int sizes_[4] = {0, 0, 0, 0};
    long long strides_[3] = {1, 1, 1};
    long long capacity_ = 0;
    [[no_unique_address]] InnerBlock inner_;
};

using NumberArray = GameArray<double>;
using IntegerArray = GameArray<int32_t>;
using TextArray = GameArray<TextValue>;

// Sizes the array; absent trailing sizes are 0. Every element becomes 0 or the empty text.
template <class T>
void DimArray(GameArray<T>& array, double s1, double s2 = 0, double s3 = 0, double s4 = 0,
              std::source_location where = std::source_location::current()) {
    array.Dim(s1, s2, s3, s4, where);
}

// Sizes the array anew and keeps the elements that lie inside both the old and new sizes.
template <class T>
void RedimArray(GameArray<T>& array, double s1, double s2 = 0, double s3 = 0, double s4 = 0,
                std::source_location where = std::source_location::current()) {
    array.Redim(s1, s2, s3, s4, where);
}

// The size of dimension n (0 to 3) as it was passed; any other n gives 0.
template <class T>
int ArrayBounds(const GameArray<T>& array, double n) {
    const long long d = game_array_detail::TruncateIndex(n);
    return d >= 0 && d < 4 ? array.size(static_cast<int>(d)) : 0;
}

// Grows a one-dimensional text array by one element holding `text`. On an array with a second
// dimension it sets error 8 and stores nothing.
void ArrayPushText(TextArray& array, const TextValue& text,
                   std::source_location where = std::source_location::current());

#include "bmp_writer.h"

#include "file_out.h"

namespace mediagen {

std::string EncodeBmp(const Canvas& c) {
    const int w = c.width(), h = c.height();
    const int row = (w * 3 + 3) & ~3;  // rows are padded to 4 bytes
    const unsigned data = unsigned(row) * h;
    std::string s;
    s += "BM";
    Put32(s, 54 + data);
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, unsigned(w));
    Put32(s, unsigned(h));  // positive height: rows stored bottom-up
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, data);
    Put32(s, 2835);  // 72 dots per inch, in dots per metre
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Rgb p = c.Get(x, y);
            s += char(p.b);
            s += char(p.g);
            s += char(p.r);
        }
        for (int k = w * 3; k < row; ++k) s += char(0);
    }
    return s;
}

bool WriteBmp(const std::string& path, const Canvas& c) {
    return WriteFileBytes(path, EncodeBmp(c));
}

}  // namespace mediagen

#include "res/png_writer.h"

#include <array>
#include <cstdint>

namespace yarno::icon {

namespace {

// Deflate's output: bits are packed from the least significant end of each byte.
class BitWriter {
public:
    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }
    // Huffman codes go in from their most significant bit.
    void code(std::uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }
    std::string finish() { return bytes_; }

private:
    void bit(std::uint32_t b)
    {
        if (used_ == 0)
            bytes_.push_back('\0');
        bytes_.back() = static_cast<char>(static_cast<std::uint8_t>(bytes_.back()) | (b << used_));
        used_ = (used_ + 1) % 8;
    }
    std::string bytes_;
    int used_ = 0;
};

// The fixed Huffman code of a literal (0-255) or a length symbol (257-285).
void symbol(BitWriter &out, int s)
{
    if (s < 144)
        out.code(0x30 + s, 8);
    else if (s < 256)
        out.code(0x190 + s - 144, 9);
    else if (s < 280)
        out.code(s - 256, 7);
    else
        out.code(0xc0 + s - 280, 8);
}

// A copy of the previous byte, `length` (3-258) times over: a length and distance 1.
void repeat(BitWriter &out, int length)
{
    constexpr std::array<int, 29> base{3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                       35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr std::array<int, 29> extra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                        3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int i = 28;
    while (base[static_cast<std::size_t>(i)] > length)
        --i;
    symbol(out, 257 + i);
    out.bits(static_cast<std::uint32_t>(length - base[static_cast<std::size_t>(i)]), extra[static_cast<std::size_t>(i)]);
    out.code(0, 5);  // distance 1
}

// One final block with the fixed codes: runs become copies, all else literals.
std::string deflate(const std::string &data)
{
    BitWriter out;
    out.bits(1, 1);
    out.bits(1, 2);
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t run = 0;
        while (i > 0 && i + run < data.size() && run < 258 && data[i + run] == data[i - 1])
            ++run;
        if (run >= 3) {
            repeat(out, static_cast<int>(run));
            i += run;
        } else {
            symbol(out, static_cast<std::uint8_t>(data[i]));
            ++i;
        }
    }
    symbol(out, 256);
    return out.finish();
}

std::uint32_t crc32(const std::string &data)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t adler32(const std::string &data)
{
    std::uint32_t a = 1, b = 0;
    for (const char c : data) {
        a = (a + static_cast<std::uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string bigEndian(std::uint32_t v)
{
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string chunk(const std::string &type, const std::string &data)
{
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(crc32(type + data));
}

} // namespace

std::string pngFile(const Pixels &picture)
{
    const int size = picture.size;
    const std::size_t stride = static_cast<std::size_t>(size) * 4;
    // Each row as the difference from the pixel to its left (filter 1): a flat run is all zeros.
    std::string rows;
    rows.reserve((stride + 1) * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        rows.push_back('\1');
        const Rgba *row = picture.rgba.data() + static_cast<std::size_t>(y * size);
        Rgba left{0, 0, 0, 0};
        for (int x = 0; x < size; ++x) {
            const Rgba p = row[x];
            const std::array<std::uint8_t, 4> now{p.r, p.g, p.b, p.a}, before{left.r, left.g, left.b, left.a};
            for (std::size_t c = 0; c < 4; ++c)
                rows.push_back(static_cast<char>(static_cast<std::uint8_t>(now[c] - before[c])));
            left = p;
        }
    }
    const std::string header = bigEndian(static_cast<std::uint32_t>(size)) + bigEndian(static_cast<std::uint32_t>(size))
        + std::string{8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    const std::string zlib = std::string{0x78, 0x01} + deflate(rows) + bigEndian(adler32(rows));
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) + chunk("IDAT", zlib) + chunk("IEND", "");
}

} // namespace yarno::icon

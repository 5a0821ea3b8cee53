#include "gif_writer.h"

#include <QByteArray>
#include <QImage>
#include <QSaveFile>

#include <cstdint>

namespace {

void PutWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Packs 9-bit codes least significant bit first, as GIF's LZW stream wants them.
class CodePacker
{
public:
    void put(int code)
    {
        m_bits |= static_cast<std::uint32_t>(code) << m_bitCount;
        m_bitCount += 9;
        while (m_bitCount >= 8) {
            m_bytes.append(static_cast<char>(m_bits & 0xFF));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bitCount > 0)
            m_bytes.append(static_cast<char>(m_bits & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
};

} // namespace

bool WriteGif(const QImage& source, const QString& path)
{
    const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    // Each literal after the first adds a table entry; 9-bit codes hold entries up to 511.
    constexpr int kLiteralsPerClear = 250;

    QByteArray out("GIF89a");
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(static_cast<char>(0xF7)); // global table of 256 colours, 8-bit depth
    out.append('\0');                    // background index
    out.append('\0');                    // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb rgb = i < image.colorCount() ? image.color(i) : 0;
        out.append(static_cast<char>(qRed(rgb)));
        out.append(static_cast<char>(qGreen(rgb)));
        out.append(static_cast<char>(qBlue(rgb)));
    }
    out.append(',');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append('\0');
    out.append('\x08'); // minimum code size

    CodePacker codes;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.put(kClear);
                sinceClear = 0;
            }
            codes.put(line[x]);
            ++sinceClear;
        }
    }
    codes.put(kEnd);
    const QByteArray data = codes.finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');

    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
}

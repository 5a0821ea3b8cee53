#include "core/stored_pixels.h"

#include <QTest>
#include <QtEndian>

class TestStoredPixels : public QObject
{
    Q_OBJECT

    // A header that claims a width of two, a height of one and three bytes per pixel,
    // followed by a given number of pixel bytes.
    static QByteArray Claiming2x1(quint32 bytesPerPixel, int pixelBytes)
    {
        const quint32 header[] = {qToBigEndian(2u), qToBigEndian(1u), qToBigEndian(bytesPerPixel)};
        QByteArray bytes(reinterpret_cast<const char*>(header), sizeof header);
        return bytes + QByteArray(pixelBytes, '\x7f');
    }

private slots:
    // Bytes that do not hold a whole image give none, never a read past their end.
    void partialOrForeignBytesGiveNoImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        QTest::newRow("exact, RGB") << Claiming2x1(3, 6) << true;
        QTest::newRow("a byte short") << Claiming2x1(3, 5) << false;
        QTest::newRow("two bytes a pixel") << Claiming2x1(2, 4) << false;
        QTest::newRow("header cut") << Claiming2x1(3, 6).left(10) << false;
        QTest::newRow("sides beyond reason")
            << QByteArray::fromHex("000100000000000100000003") + QByteArray(3 * 65536, 'x')
            << false;
    }
    void partialOrForeignBytesGiveNoImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        const QImage image = LoadStoredPixels(bytes);
        QCOMPARE(!image.isNull(), whole);
        if (whole)
            QCOMPARE(image.pixel(1, 0) & 0xffffffu, 0x7f7f7fu);
    }
};

QTEST_MAIN(TestStoredPixels)
#include "tst_stored_pixels.moc"

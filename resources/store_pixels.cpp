// Build step: stores an opaque PNG as plain pixels (core/stored_pixels.h) for the program
// to compile in.
//
//   ferol-store-pixels IMAGE.png OUTPUT

#include "core/stored_pixels.h"

#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ferol-store-pixels IMAGE.png OUTPUT\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "ferol-store-pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(StorePixels(image)) < 0 ||
        !output.commit()) {
        std::fprintf(stderr, "ferol-store-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

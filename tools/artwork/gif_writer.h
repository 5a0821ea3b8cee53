#pragma once

// Qt reads GIF but cannot write it, and the pane's images are GIFs by name. This writer
// keeps to what a logo needs: one frame, a 256-colour palette from Qt's own conversion,
// and LZW data made only of literal codes (a clear code before the table would grow
// past 9-bit codes), which every decoder reads; the files are a little larger for it.

class QImage;
class QString;

bool WriteGif(const QImage& source, const QString& path);

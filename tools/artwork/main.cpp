// Rebuilds the program's artwork (icons, banner, About logo) from code, so the committed
// PNGs can be regenerated and adjusted without an image editor.
//
//   ferol-artwork OUTDIR
//
// writes OUTDIR/icons/ferol-<size>.png, OUTDIR/images/banner.png,
// OUTDIR/images/about-logo.png and the promotional pane's OUTDIR/pane/*-logo-ip-calc.gif.

#include "core/design_font.h"
#include "gif_writer.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// Brand palette; the banner and the icons must agree, so they live in one place.
const QColor kBlueLight(0x3f, 0x8e, 0xf2);
const QColor kBlueDark(0x14, 0x49, 0xa8);
const QColor kBlueEdge(0x0b, 0x33, 0x7a);
const QColor kAmberLight(0xff, 0xd0, 0x5c);
const QColor kAmberDark(0xf2, 0xa1, 0x1f);
const QColor kNodeWhite(0xff, 0xff, 0xff);
const QColor kWire(0xe4, 0xee, 0xff);

int EvenRound(double v)
{
    return 2 * static_cast<int>(std::lround(v / 2.0));
}

// Geometry of the network-tree motif (one gateway node feeding a bus with child subnets),
// laid out on whole pixels for a given edge length so small icons stay crisp: widths are
// even and centres integral, which keeps every edge on a pixel boundary.
struct MotifLayout
{
    int wire = 2;
    int topSize = 4;
    int topY = 0;
    int busY = 0; // centre line of the bus
    int childSize = 4;
    int childY = 0;
    int childOffset = 4; // horizontal distance of the outer children from the centre
    bool middleChild = true;
    int centreX = 0;
};

MotifLayout LayoutMotif(int s)
{
    MotifLayout m;
    m.centreX = s / 2;
    if (s <= 16) {
        // Three children do not fit side by side at this size; two still read as a tree.
        m.wire = 2;
        m.topSize = 4;
        m.childSize = 4;
        m.childOffset = 4;
        m.middleChild = false;
        m.topY = 2;
        m.busY = 8;
        m.childY = 10;
        return m;
    }
    auto scaled = [s](double designUnits) {
        return designUnits * s / 256.0;
    };
    m.wire = std::max(2, EvenRound(scaled(14)));
    m.topSize = EvenRound(scaled(64));
    m.childSize = EvenRound(scaled(48));
    // Children need a visible gap between them or they merge into a bar.
    m.childOffset = std::max(static_cast<int>(std::lround(scaled(68))), m.childSize + 2);
    m.topY = static_cast<int>(std::lround(scaled(48)));
    m.busY = static_cast<int>(std::lround(scaled(140)));
    m.childY = static_cast<int>(std::lround(scaled(164)));

    // Keep at least one pixel of wire visible between each node and the bus.
    m.busY = std::max(m.busY, m.topY + m.topSize + m.wire / 2 + 1);
    m.childY = std::max(m.childY, m.busY + m.wire / 2 + 1);

    const int height = m.childY + m.childSize - m.topY;
    const int shift = (s - height) / 2 - m.topY;
    m.topY += shift;
    m.busY += shift;
    m.childY += shift;
    return m;
}

QPainterPath RoundedBox(const QRectF& r, double radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

// Draws the motif with its top-left corner at the painter's origin.
void DrawMotif(QPainter& p, const MotifLayout& m, bool shaded, const QColor& shadow = {})
{
    const double w = m.wire;
    const double half = w / 2.0;
    const double cx = m.centreX;
    const double left = cx - m.childOffset;
    const double right = cx + m.childOffset;

    // At 16 px a bus as thick as the stems would swamp the nodes.
    const double bus = m.topSize <= 4 ? 1.0 : w;
    const double busTop = m.topSize <= 4 ? m.busY : m.busY - half;
    const std::array<double, 3> xs = {left, cx, right};

    QPainterPath wires;
    const double stemTop = m.topY + m.topSize;
    wires.addRect(QRectF(cx - half, stemTop - 1, w, busTop - stemTop + 2));
    wires.addRect(QRectF(left - half, busTop, right - left + w, bus));
    for (double x : xs) {
        if (x == cx && !m.middleChild)
            continue;
        wires.addRect(QRectF(x - half, busTop, w, m.childY - busTop + 1));
    }
    wires.setFillRule(Qt::WindingFill);

    const double topRadius = std::max(1.0, m.topSize * 0.2);
    const double childRadius = std::max(1.0, m.childSize * 0.2);
    const QRectF topRect(cx - m.topSize / 2.0, m.topY, m.topSize, m.topSize);
    QPainterPath children;
    for (double x : xs) {
        if (x == cx && !m.middleChild)
            continue;
        children.addRoundedRect(QRectF(x - m.childSize / 2.0, m.childY, m.childSize, m.childSize),
                                childRadius, childRadius);
    }
    const QPainterPath top = RoundedBox(topRect, topRadius);

    p.setPen(Qt::NoPen);
    if (shadow.isValid()) {
        QPainterPath all = wires.united(children).united(top);
        p.fillPath(all, shadow);
        return;
    }
    p.fillPath(wires, kWire);
    p.fillPath(children, kNodeWhite);
    if (shaded) {
        QLinearGradient g(topRect.topLeft(), topRect.bottomLeft());
        g.setColorAt(0, kAmberLight);
        g.setColorAt(1, kAmberDark);
        p.fillPath(top, g);
    } else {
        p.fillPath(top, kAmberLight);
    }
}

// The program icon: a blue rounded tile carrying the motif.
void DrawIcon(QPainter& p, int s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    const double margin = s >= 48 ? std::floor(s / 32.0) : 0.0;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    const double radius = tile.width() * 0.2;

    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, kBlueLight);
    fill.setColorAt(1, kBlueDark);
    p.fillPath(RoundedBox(tile, radius), fill);

    // A lighter upper half gives the tile some depth once there are pixels to spare.
    if (s >= 32) {
        p.save();
        p.setClipPath(RoundedBox(tile, radius));
        QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
        sheen.setColorAt(0, QColor(255, 255, 255, 46));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(tile.topLeft(), QSizeF(tile.width(), tile.height() / 2)), sheen);
        p.restore();
    }

    // Edge so the tile holds up on light backgrounds.
    const double edge = std::max(1.0, s / 128.0);
    p.setPen(QPen(QColor(kBlueEdge.red(), kBlueEdge.green(), kBlueEdge.blue(), 150), edge));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedBox(tile.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2),
                          std::max(0.5, radius - edge / 2)));

    const MotifLayout m = LayoutMotif(s);
    if (s >= 48) {
        p.save();
        p.translate(0, std::max(1.0, std::round(s / 64.0)));
        DrawMotif(p, m, false, QColor(4, 24, 70, 80));
        p.restore();
    }
    DrawMotif(p, m, s >= 32);
    p.restore();
}

QImage NewCanvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont BrandFont(double pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"),
                   QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A faint web of nodes on the right of the banner echoes the icon without competing with
// the title.
void DrawBannerNetwork(QPainter& p, const QRectF& area)
{
    struct Node
    {
        double x, y, r;
    };
    const std::array<Node, 11> nodes = {{{0.05, 0.30, 2.5},
                                         {0.18, 0.70, 3.0},
                                         {0.30, 0.22, 3.5},
                                         {0.42, 0.58, 2.5},
                                         {0.52, 0.15, 2.5},
                                         {0.60, 0.82, 3.0},
                                         {0.68, 0.42, 4.0},
                                         {0.80, 0.18, 2.5},
                                         {0.86, 0.70, 3.0},
                                         {0.96, 0.40, 2.5},
                                         {0.99, 0.90, 2.0}}};
    const std::array<std::pair<int, int>, 15> links = {{{0, 2},
                                                        {0, 1},
                                                        {1, 3},
                                                        {2, 3},
                                                        {2, 4},
                                                        {3, 5},
                                                        {3, 6},
                                                        {4, 6},
                                                        {5, 6},
                                                        {6, 7},
                                                        {6, 8},
                                                        {7, 9},
                                                        {8, 9},
                                                        {8, 10},
                                                        {5, 8}}};
    auto at = [&area](const Node& n) {
        return QPointF(area.left() + n.x * area.width(), area.top() + n.y * area.height());
    };

    // Fade the web in from the left so the title keeps a clean backdrop.
    QLinearGradient fade(area.topLeft(), area.topRight());
    fade.setColorAt(0.0, QColor(255, 255, 255, 0));
    fade.setColorAt(0.3, QColor(255, 255, 255, 40));
    fade.setColorAt(1.0, QColor(255, 255, 255, 60));

    QPainterPath lines;
    for (auto [a, b] : links) {
        lines.moveTo(at(nodes[a]));
        lines.lineTo(at(nodes[b]));
    }
    p.strokePath(lines, QPen(QBrush(fade), 1.0));

    QPainterPath dots;
    for (const Node& n : nodes)
        dots.addEllipse(at(n), n.r, n.r);
    QLinearGradient dotFade(area.topLeft(), area.topRight());
    dotFade.setColorAt(0.0, QColor(255, 255, 255, 0));
    dotFade.setColorAt(0.3, QColor(255, 255, 255, 70));
    dotFade.setColorAt(1.0, QColor(255, 255, 255, 105));
    p.fillPath(dots, dotFade);
}

QImage MakeBanner()
{
    const int w = 617;
    const int h = 90;
    QImage img = NewCanvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient bg(0, 0, w, 0);
    bg.setColorAt(0.0, QColor(0x0b, 0x27, 0x57));
    bg.setColorAt(0.55, QColor(0x15, 0x4a, 0x9e));
    bg.setColorAt(1.0, QColor(0x25, 0x72, 0xd6));
    p.fillRect(img.rect(), bg);

    // Soft vertical light so the flat gradient does not look like a placeholder.
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0.0, QColor(255, 255, 255, 28));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(img.rect(), shade);

    DrawBannerNetwork(p, QRectF(390, 9, 215, 68));

    // Amber rule along the bottom carries the gateway colour of the icon.
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0.0, kAmberDark);
    rule.setColorAt(0.6, kAmberLight);
    rule.setColorAt(1.0, QColor(kAmberLight.red(), kAmberLight.green(), kAmberLight.blue(), 0));
    p.fillRect(QRectF(0, h - 3, w, 3), rule);
    p.fillRect(QRectF(0, 0, w, 1), QColor(255, 255, 255, 40));

    const int iconSize = 64;
    const int iconX = 14;
    const int iconY = (h - 3 - iconSize) / 2;
    p.save();
    p.translate(iconX, iconY);
    DrawIcon(p, iconSize);
    p.restore();

    const double textX = iconX + iconSize + 14;
    const QFont titleFont = BrandFont(27, true);
    const QFont tagFont = BrandFont(12, false);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF tagMetrics(tagFont);

    const QString brand = QStringLiteral("Ferol");
    const QString rest = QStringLiteral(" Subnet Calculator");
    const double titleBaseline = 44;
    const double brandWidth = titleMetrics.horizontalAdvance(brand);

    // The Tahoma stand-in's bold face is barely heavier than its regular one, so the
    // title is filled and then stroked thinly to give it the weight a heading needs.
    QPainterPath brandPath;
    brandPath.addText(QPointF(textX, titleBaseline), titleFont, brand);
    QPainterPath restPath;
    restPath.addText(QPointF(textX + brandWidth, titleBaseline), titleFont, rest);
    auto heavy = [](const QPainterPath& path) {
        QPainterPathStroker stroker;
        stroker.setWidth(0.9);
        stroker.setJoinStyle(Qt::RoundJoin);
        stroker.setCapStyle(Qt::RoundCap);
        return stroker.createStroke(path).united(path);
    };
    const QPainterPath brandHeavy = heavy(brandPath);
    const QPainterPath restHeavy = heavy(restPath);
    p.fillPath(brandHeavy.united(restHeavy).translated(1, 1.5), QColor(0, 10, 40, 110));
    p.fillPath(brandHeavy, kAmberLight);
    p.fillPath(restHeavy, Qt::white);

    const QString tagline =
        QStringLiteral("Subnet Calculator \u00b7 Wildcard Checker \u00b7 Decimal IP Calculator");
    const double tagBaseline = titleBaseline + 8 + tagMetrics.ascent();
    p.setFont(tagFont);
    p.setPen(QColor(0xc6, 0xdb, 0xf8));
    p.drawText(QPointF(textX + 1, tagBaseline), tagline);
    p.end();
    return img;
}

// The About dialog's logo: the motif on a glossy blue orb.
QImage MakeAboutLogo()
{
    const int w = 49;
    const int h = 46;
    QImage img = NewCanvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const double d = 43;
    const QRectF orb((w - d) / 2.0, 0.5, d, d);

    // Contact shadow keeps the orb from floating on the dialog background.
    QRadialGradient shadow(QPointF(w / 2.0, orb.bottom() + 0.5), w / 2.0 - 3);
    shadow.setColorAt(0, QColor(0, 20, 60, 90));
    shadow.setColorAt(1, QColor(0, 20, 60, 0));
    p.save();
    p.translate(w / 2.0, orb.bottom() + 0.5);
    p.scale(1.0, 0.18);
    p.translate(-w / 2.0, -(orb.bottom() + 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(w / 2.0, orb.bottom() + 0.5), w / 2.0 - 3, w / 2.0 - 3);
    p.restore();

    QRadialGradient body(orb.center() + QPointF(-7, -9), d * 0.75);
    body.setColorAt(0.0, QColor(0x6c, 0xad, 0xff));
    body.setColorAt(0.45, kBlueLight);
    body.setColorAt(1.0, QColor(0x0e, 0x3a, 0x8c));
    p.setPen(QPen(QColor(kBlueEdge.red(), kBlueEdge.green(), kBlueEdge.blue(), 170), 1.0));
    p.setBrush(body);
    p.drawEllipse(orb.adjusted(0.5, 0.5, -0.5, -0.5));

    const int motifSize = 28;
    const MotifLayout m = LayoutMotif(motifSize);
    const QPointF motifAt(std::round(orb.center().x() - motifSize / 2.0),
                          std::round(orb.center().y() - motifSize / 2.0));
    p.save();
    p.translate(motifAt);
    DrawMotif(p, m, true);
    p.restore();

    // Glass highlight across the upper part of the orb.
    const QRectF gloss(orb.left() + 8, orb.top() + 2, orb.width() - 16, orb.height() * 0.3);
    QLinearGradient glare(gloss.topLeft(), gloss.bottomLeft());
    glare.setColorAt(0, QColor(255, 255, 255, 110));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glare);
    p.drawEllipse(gloss);
    p.end();
    return img;
}

// A logo of the promotional pane: the motif on a coloured tile, then the product's name
// and what it is, on the white the pane's page has (GIF keeps no partial transparency).
QImage MakePaneLogo(const QString& name, const QString& kind, const QColor& light,
                    const QColor& dark)
{
    const int w = 200;
    const int h = 48;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(2, 2, 44, 44);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), 1.0));
    p.setBrush(fill);
    p.drawPath(RoundedBox(tile.adjusted(0.5, 0.5, -0.5, -0.5), 7));
    const int motifSize = 32;
    p.save();
    p.translate(tile.center() - QPointF(motifSize / 2.0, motifSize / 2.0));
    DrawMotif(p, LayoutMotif(motifSize), false);
    p.restore();

    p.setPen(dark.darker(150));
    p.setFont(BrandFont(17, true));
    p.drawText(QRectF(54, 3, w - 56, 24), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setFont(BrandFont(12, false));
    p.drawText(QRectF(54, 26, w - 56, 18), Qt::AlignLeft | Qt::AlignVCenter, kind);
    p.end();
    return img;
}

bool SaveGif(const QImage& img, const QString& path)
{
    if (!WriteGif(img, path)) {
        QTextStream(stderr) << "ferol-artwork: cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

bool Save(const QImage& img, const QString& path, QImage::Format format = QImage::Format_ARGB32)
{
    if (!img.convertToFormat(format).save(path, "PNG")) {
        QTextStream(stderr) << "ferol-artwork: cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The tool must run on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: ferol-artwork OUTDIR\n";
        return 2;
    }
    RegisterDesignFonts();

    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("icons")) || !out.mkpath(QStringLiteral("images"))) {
        QTextStream(stderr) << "ferol-artwork: cannot create folders under " << out.path() << '\n';
        return 1;
    }

    bool ok = true;
    for (int s : {16, 24, 32, 48, 64, 128, 256}) {
        QImage img = NewCanvas(s, s);
        QPainter p(&img);
        DrawIcon(p, s);
        p.end();
        ok &= Save(img, out.filePath(QStringLiteral("icons/ferol-%1.png").arg(s)));
    }
    // The banner is opaque and decoded while the window opens: without an alpha channel
    // it decodes faster.
    ok &=
        Save(MakeBanner(), out.filePath(QStringLiteral("images/banner.png")), QImage::Format_RGB32);
    ok &= Save(MakeAboutLogo(), out.filePath(QStringLiteral("images/about-logo.png")));

    if (!out.mkpath(QStringLiteral("pane"))) {
        QTextStream(stderr) << "ferol-artwork: cannot create " << out.filePath("pane") << '\n';
        return 1;
    }
    ok &= SaveGif(MakePaneLogo(QStringLiteral("Lumbra"), QStringLiteral("Network Simulator"),
                               kBlueLight, kBlueDark),
                  out.filePath(QStringLiteral("pane/lumbra-logo-ip-calc.gif")));
    ok &= SaveGif(MakePaneLogo(QStringLiteral("Orvat-Max"), QStringLiteral("Practice Exams"),
                               kAmberLight, kAmberDark),
                  out.filePath(QStringLiteral("pane/orvat-logo-ip-calc.gif")));
    ok &= SaveGif(MakePaneLogo(QStringLiteral("Ferol"), QStringLiteral("IT Training"),
                               QColor(0x5c, 0xc9, 0x7b), QColor(0x1f, 0x7a, 0x3c)),
                  out.filePath(QStringLiteral("pane/training-logo-ip-calc.gif")));
    return ok ? 0 : 1;
}

#include "shell/remembered_state.h"

#include "planner/plan_files.h"

#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kX = QStringLiteral("window/x");
const QString kY = QStringLiteral("window/y");
const QString kWidth = QStringLiteral("window/width");
const QString kHeight = QStringLiteral("window/height");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kTab = QStringLiteral("window/tab");
const QString kRfc3021 = QStringLiteral("subnet/rfc3021");
const QString kRecentPlans = QStringLiteral("planner/recent");

// Far beyond any desktop, far inside int: a value outside is not a window's.
constexpr int kCoordinateLimit = 1 << 20;

std::optional<int> ReadInt(const QSettings& settings, const QString& key, int low, int high)
{
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// QVariant::toBool calls every non-empty text but "false" and "0" true; only what this
// program writes counts.
std::optional<bool> ReadBool(const QSettings& settings, const QString& key)
{
    const QString text = settings.value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

std::optional<QRect> ReadGeometry(const QSettings& settings)
{
    const auto x = ReadInt(settings, kX, -kCoordinateLimit, kCoordinateLimit);
    const auto y = ReadInt(settings, kY, -kCoordinateLimit, kCoordinateLimit);
    const auto width = ReadInt(settings, kWidth, 1, kCoordinateLimit);
    const auto height = ReadInt(settings, kHeight, 1, kCoordinateLimit);
    if (!x || !y || !width || !height)
        return std::nullopt;
    return QRect(*x, *y, *width, *height);
}

QStringList ReadRecentPlans(const QSettings& settings)
{
    const QVariant value = settings.value(kRecentPlans);
    // A single entry reads back as a string, several as a list; anything else is damage.
    if (!value.canConvert<QStringList>())
        return {};
    QStringList recent;
    for (const QString& path : value.toStringList()) {
        if (!path.isEmpty() && !recent.contains(path) && recent.size() < kRecentPlansKept)
            recent << path;
    }
    return recent;
}

qint64 Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

RememberedState ReadRememberedState(const QSettings& settings)
{
    RememberedState state;
    if (settings.status() != QSettings::NoError)
        return state;
    state.geometry = ReadGeometry(settings);
    state.maximized = ReadBool(settings, kMaximized).value_or(false);
    state.tabKey = settings.value(kTab).toString();
    state.rfc3021 = ReadBool(settings, kRfc3021).value_or(false);
    state.recentPlans = ReadRecentPlans(settings);
    return state;
}

void WriteRememberedState(QSettings& settings, const RememberedState& state)
{
    // What a damaged file held is replaced whole, so nothing of it lingers.
    if (settings.status() != QSettings::NoError)
        settings.clear();
    if (state.geometry) {
        settings.setValue(kX, state.geometry->x());
        settings.setValue(kY, state.geometry->y());
        settings.setValue(kWidth, state.geometry->width());
        settings.setValue(kHeight, state.geometry->height());
    } else {
        for (const QString& key : {kX, kY, kWidth, kHeight})
            settings.remove(key);
    }
    settings.setValue(kMaximized, state.maximized);
    settings.setValue(kTab, state.tabKey);
    settings.setValue(kRfc3021, state.rfc3021);
    settings.setValue(kRecentPlans, state.recentPlans);
    settings.sync();
}

QRect KeptOnScreens(const QRect& remembered, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return remembered;
    const auto most = std::max_element(
        screens.begin(), screens.end(), [&remembered](const QRect& a, const QRect& b) {
            return Area(a.intersected(remembered)) < Area(b.intersected(remembered));
        });
    const bool seen = Area(most->intersected(remembered)) > 0;
    const QRect screen = seen ? *most : screens.constFirst();
    const QSize size = remembered.size().boundedTo(screen.size());
    if (!seen)
        return QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size);
    const int x = std::clamp(remembered.x(), screen.left(), screen.right() + 1 - size.width());
    const int y = std::clamp(remembered.y(), screen.top(), screen.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

QString UserSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/settings.ini");
}

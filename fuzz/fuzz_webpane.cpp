// The promotional page and its navigation policy. Whatever the image sources (or the
// program folder they come from) hold, the page keeps its markup: three image links,
// each source read back exactly from its attribute. Only web addresses with a host go
// to the browser, only the blank document loads, and a scheme's case changes nothing.

#include "fuzz_helpers.h"

#include "webpane/navigation_policy.h"
#include "webpane/page_composition.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

// Folder names and addresses are well-formed Unicode: a lone surrogate half becomes the
// replacement character, as decoding a file name does.
QString WellFormed(const QString& text)
{
    return QString::fromUtf8(text.toUtf8());
}

QString Unescaped(QString value)
{
    value.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    value.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    value.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return value.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// The page with every attribute value left out: what markup there is.
QString Skeleton(QString page)
{
    static const QRegularExpression value(QStringLiteral("\"[^\"]*\""));
    return page.remove(value);
}

void CheckPage(const PaneImageSources& sources)
{
    static const QString plain = Skeleton(ComposePage({"a", "b", "c"}));
    const QString page = ComposePage(sources);
    const QString context = sources[0] + " | " + sources[1] + " | " + sources[2];
    FUZZ_CHECK(Skeleton(page) == plain, context + "\n" + page);
    static const QRegularExpression image(QStringLiteral("<img alt=\"[^\"]*\" src=\"([^\"]*)\""));
    QStringList found;
    for (const QRegularExpressionMatch& match : image.globalMatch(page))
        found += Unescaped(match.captured(1));
    FUZZ_CHECK(found == QStringList(sources.begin(), sources.end()), context + "\n" + page);
}

void CheckNavigation(const QString& text)
{
    const QUrl url(text);
    const NavigationDecision decision = DecideNavigation(url);
    const QString scheme = url.scheme();
    if (decision == NavigationDecision::OpenInBrowser)
        FUZZ_CHECK((scheme == "http" || scheme == "https") && !url.host().isEmpty(), text);
    if (decision == NavigationDecision::LoadInPane)
        FUZZ_CHECK(url == QUrl(QStringLiteral("about:blank")), text);
    if (scheme != "http" && scheme != "https" && scheme != "about")
        FUZZ_CHECK(decision == NavigationDecision::Refuse, text);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon > 0) {
        const QString upper = text.left(colon).toUpper() + text.mid(colon);
        FUZZ_CHECK(DecideNavigation(QUrl(upper)) == decision, text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    CheckPage({WellFormed(in.text()), WellFormed(in.text()), WellFormed(in.text())});
    // A folder that does not hold the images: their file addresses carry its name.
    CheckPage(PaneImagesFromFolder(QStringLiteral("/nonexistent/") + WellFormed(in.text()) +
                                   QLatin1Char('/')));
    CheckNavigation(in.rest());
    return 0;
}

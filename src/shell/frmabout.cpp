#include "shell/frmabout.h"

#include "core/design_font.h"
#include "core/panel_controls.h"
#include "core/shellservices.h"
#include "core/twips.h"
#include "core/widget_colors.h"
#include "shell/about_accessible_names.h"
#include "shell/program_icon.h"
#include "shell/program_info.h"
#include "shell/spacedlabel.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr std::uint32_t kEngravedShadow = 0x808080;

// A line from a point to toX, both ends included, as the design draws it.
QWidget* MakeEngravedLine(QWidget* parent, const char* name, const QPoint& from, int toX,
                          std::uint32_t color)
{
    return MakeLine(parent, QLatin1String(name), QRect(from, QPoint(toX, from.y())), color);
}

// A label whose text may wrap onto several lines.
QLabel* MakeWrappedLabel(QWidget* parent, const QString& name, const QString& caption,
                         const QRect& rect)
{
    auto* label = Place(new SpacedLabel(caption, parent), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(ShellServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setWindowIcon(ProgramIcon());
    setFont(DesignFont());
    SetBackgroundColor(*this, kWhiteBgr);
    setFixedSize(TwipsToPixels(5730), TwipsToPixels(2955));

    imgFerolOrb =
        Place(new QLabel(this), QStringLiteral("imgFerolOrb"), TwipsRect(120, 120, 735, 690));
    imgFerolOrb->setPixmap(QPixmap(QStringLiteral(":/images/about-logo.png")));

    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Application Title"),
                         TwipsRect(1050, 240, 1125, 195));
    lblVersion = MakeLabel(this, QStringLiteral("lblVersion"), QStringLiteral("Version"),
                           TwipsRect(1050, 480, 3885, 225));
    // Down to just above the rule rather than the design's three lines: a language with
    // longer words than English needs a fourth.
    lblDescription =
        MakeWrappedLabel(this, QStringLiteral("lblDescription"), QStringLiteral("App Description"),
                         TwipsRect(1050, 840, 3885, 930));

    Line1_0 = MakeEngravedLine(this, "Line1_0", TwipsPoint(90, 1845), TwipsToPixels(5654),
                               kEngravedShadow);
    Line1_1 =
        MakeEngravedLine(this, "Line1_1", TwipsPoint(105, 1860), TwipsToPixels(5654), kWhiteBgr);

    lblDisclaimer =
        MakeWrappedLabel(this, QStringLiteral("lblDisclaimer"), QStringLiteral("Disclaimer: ..."),
                         TwipsRect(240, 2025, 3870, 825));

    cmdOK = MakeButton(this, QStringLiteral("cmdOK"), tr("OK"), TwipsRect(4245, 2025, 1260, 345));
    cmdOK->setDefault(true);
    cmdShowEula = MakeButton(this, QStringLiteral("cmdShowEula"), tr("&View DODA"),
                             TwipsRect(4260, 2475, 1245, 345));
    setTabOrder(cmdOK, cmdShowEula);
    ApplyAccessibleTexts(*this, kAboutAccessibleNames);

    // Esc reaches reject() through QDialog itself; both end the dialog the same way.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdShowEula, &QPushButton::clicked, this, &frmAbout::ShowLicenseDocument);
}

void frmAbout::showEvent(QShowEvent* event)
{
    // A restore from the taskbar is a spontaneous show; only a real showing reloads.
    if (!event->spontaneous()) {
        Form_Load();
        cmdOK->setFocus();
    }
    QDialog::showEvent(event);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(AppTitle()));
    lblVersion->setText(VersionText(CompiledVersion()));
    lblTitle->setText(AppTitle());
    // The title label grows with its text, as the design's auto-sized label did.
    lblTitle->resize(lblTitle->sizeHint().width(), lblTitle->height());
    lblDescription->setText(FileDescription());
    lblDisclaimer->setText(LegalCopyright());
}

void frmAbout::ShowLicenseDocument()
{
    const QString path = m_services.appFolder() + QLatin1String(kLicenseDocument);
    m_services.openRichTextDocument(this, path);
}

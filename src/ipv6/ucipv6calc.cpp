#include "ipv6/ucipv6calc.h"

#include "core/keyedscrollbar.h"
#include "core/pasted_address.h"
#include "core/report_file.h"
#include "core/resultlabel.h"
#include "core/shellservices.h"
#include "ipv6/ipv6_texts.h"
#include "ipv6/ipv6model.h"
#include "ipv6/ipv6subnetlist.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The caption without its access-key marker and colon, as assistive technology says it.
QString SpokenCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

template <typename Widget> void SetTextIfChanged(Widget* widget, const QString& text)
{
    if (widget->text() != text)
        widget->setText(text);
}

} // namespace

ucIpv6Calc::ucIpv6Calc(ShellServices& services, QWidget* parent, Build when)
    : TabPanel(parent), m_services(services)
{
    setObjectName(QStringLiteral("ucIpv6Calc"));
    if (when == Build::Now)
        ensureBuilt();
}

QString ucIpv6Calc::startText()
{
    return QStringLiteral("2001:db8::1/64");
}

QLabel* ucIpv6Calc::addResultRow(const QString& caption, const QString& name)
{
    const int row = m_results->rowCount();
    QLabel* captionLabel = Caption(caption, this);
    captionLabel->setObjectName(name + QStringLiteral("Caption"));
    auto* value = new ResultLabel(QString(), this);
    value->setObjectName(name);
    value->setAccessibleName(SpokenCaption(caption));
    value->setWordWrap(true);
    value->setTextFormat(Qt::PlainText);
    captionLabel->setBuddy(value);
    m_results->addWidget(captionLabel, row, 0);
    m_results->addWidget(value, row, 1);
    return value;
}

void ucIpv6Calc::build()
{
    m_model = new Ipv6Model(this);
    m_subnets = new Ipv6SubnetList(this);

    auto* page = new QVBoxLayout(this);

    auto* entry = new QGridLayout;
    page->addLayout(entry);
    QLabel* addressCaption = Caption(tr("&Address:"), this);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("txtIpv6Address"));
    m_address->setAccessibleName(tr("IPv6 address"));
    m_address->setAccessibleDescription(tr("Any IPv6 text form, optionally with /length"));
    addressCaption->setBuddy(m_address);
    addressCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    entry->addWidget(addressCaption, 0, 0);
    entry->addWidget(m_address, 0, 1, 1, 2);

    QLabel* lengthCaption = Caption(tr("Prefix &length:"), this);
    m_length = new KeyedScrollBar(this);
    m_length->setObjectName(QStringLiteral("scrIpv6Length"));
    m_length->setRange(0, 128);
    m_length->setSingleStep(1);
    m_length->setPageStep(4);
    m_length->setTracking(false);
    m_length->setFocusPolicy(Qt::StrongFocus);
    m_length->setAccessibleName(tr("Prefix length"));
    m_length->setAccessibleDescription(tr("0 to 128; arrow keys, Home, End or digits"));
    lengthCaption->setBuddy(m_length);
    lengthCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lengthText = new QLabel(this);
    m_lengthText->setObjectName(QStringLiteral("lblIpv6Length"));
    m_lengthText->setMinimumWidth(
        m_lengthText->fontMetrics().horizontalAdvance(QStringLiteral("/128 ")));
    entry->addWidget(lengthCaption, 1, 0);
    entry->addWidget(m_length, 1, 1);
    entry->addWidget(m_lengthText, 1, 2);
    entry->setColumnStretch(1, 1);

    auto* stepping = new QHBoxLayout;
    page->addLayout(stepping);
    m_previous = new QPushButton(tr("&Previous network"), this);
    m_previous->setObjectName(QStringLiteral("btnIpv6Previous"));
    m_next = new QPushButton(tr("&Next network"), this);
    m_next->setObjectName(QStringLiteral("btnIpv6Next"));
    stepping->addWidget(m_previous);
    stepping->addWidget(m_next);
    stepping->addStretch();

    m_status = new ResultLabel(QString(), this);
    m_status->setObjectName(QStringLiteral("lblIpv6Status"));
    m_status->setAccessibleName(tr("Status"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    page->addWidget(m_status);

    m_results = new QGridLayout;
    m_results->setColumnStretch(1, 1);
    page->addLayout(m_results);
    m_compressed = addResultRow(tr("Compressed:"), QStringLiteral("lblIpv6Compressed"));
    m_expanded = addResultRow(tr("Expanded:"), QStringLiteral("lblIpv6Expanded"));
    m_network = addResultRow(tr("Network:"), QStringLiteral("lblIpv6Network"));
    m_first = addResultRow(tr("First address:"), QStringLiteral("lblIpv6First"));
    m_last = addResultRow(tr("Last address:"), QStringLiteral("lblIpv6Last"));
    m_count = addResultRow(tr("Addresses:"), QStringLiteral("lblIpv6Count"));
    m_networks64 = addResultRow(tr("/64 networks:"), QStringLiteral("lblIpv6Networks64"));
    m_block = addResultRow(tr("Block:"), QStringLiteral("lblIpv6Block"));
    m_embedded = addResultRow(tr("Embedded IPv4:"), QStringLiteral("lblIpv6EmbeddedIpv4"));
    m_reverseName = addResultRow(tr("Reverse name:"), QStringLiteral("lblIpv6ReverseName"));
    m_reverseZone = addResultRow(tr("Reverse zone:"), QStringLiteral("lblIpv6ReverseZone"));
    m_worksheet = addResultRow(tr("Hex worksheet:"), QStringLiteral("lblIpv6Worksheet"));
    m_worksheet->setTextFormat(Qt::RichText);
    m_worksheet->setWordWrap(false);
    auto* legend = new QLabel(
        tr("Network digits bold and underlined, interface digits plain, a digit holding both "
           "bold italic."),
        this);
    legend->setObjectName(QStringLiteral("lblIpv6WorksheetLegend"));
    legend->setWordWrap(true);
    m_results->addWidget(legend, m_results->rowCount(), 1);

    auto* split = new QHBoxLayout;
    page->addLayout(split);
    QLabel* splitCaption = Caption(tr("&Subnets of length:"), this);
    m_splitLength = new QSpinBox(this);
    m_splitLength->setObjectName(QStringLiteral("spnIpv6SplitLength"));
    m_splitLength->setAccessibleName(tr("Subnets of length"));
    m_splitLength->setPrefix(QStringLiteral("/"));
    // The text box inside takes the focus too, so it needs a name of its own.
    if (auto* typed = m_splitLength->findChild<QLineEdit*>())
        typed->setAccessibleName(tr("Subnet prefix length"));
    splitCaption->setBuddy(m_splitLength);
    splitCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_save = new QPushButton(tr("Sa&ve..."), this);
    m_save->setObjectName(QStringLiteral("btnIpv6SaveSubnets"));
    m_save->setAccessibleDescription(tr("Saves the listing as ipv6-subnets.txt and opens it"));
    split->addWidget(splitCaption);
    split->addWidget(m_splitLength);
    split->addWidget(m_save);
    split->addStretch();
    m_subnetSummary = new ResultLabel(QString(), this);
    m_subnetSummary->setObjectName(QStringLiteral("lblIpv6SubnetSummary"));
    m_subnetSummary->setAccessibleName(tr("Subnet count"));
    m_subnetSummary->setWordWrap(true);
    m_subnetSummary->setTextFormat(Qt::PlainText);
    page->addWidget(m_subnetSummary);
    m_subnetView = new QListView(this);
    m_subnetView->setObjectName(QStringLiteral("lstIpv6Subnets"));
    m_subnetView->setAccessibleName(tr("Subnets"));
    m_subnetView->setUniformItemSizes(true);
    m_subnetView->setModel(m_subnets);
    m_subnetView->setMinimumHeight(m_subnetView->fontMetrics().height() * 4);
    page->addWidget(m_subnetView, 1);

    connect(m_address, &QLineEdit::textEdited, this, &ucIpv6Calc::handleAddressEdited);
    connect(m_length, &QScrollBar::valueChanged, m_model, &Ipv6Model::setPrefixLength);
    connect(m_previous, &QPushButton::clicked, m_model, &Ipv6Model::stepPrevious);
    connect(m_next, &QPushButton::clicked, m_model, &Ipv6Model::stepNext);
    connect(m_model, &Ipv6Model::changed, this, &ucIpv6Calc::redraw);
    connect(m_splitLength, &QSpinBox::valueChanged, this, &ucIpv6Calc::redrawSubnets);
    connect(m_save, &QPushButton::clicked, this, &ucIpv6Calc::saveSubnets);

    m_model->setEntryText(startText());
    m_splitLength->setValue(m_model->prefixLength() + 8);
}

void ucIpv6Calc::handleAddressEdited(const QString& text)
{
    // A paste of several lines arrives whole; a one-line box holds none of the breaks.
    const QString line = OneLineText(text);
    if (line != text)
        m_address->setText(line);
    m_model->setEntryText(line);
}

void ucIpv6Calc::redraw()
{
    SetTextIfChanged(m_address, m_model->entryText());
    {
        const QSignalBlocker quiet(m_length);
        m_length->setValue(m_model->prefixLength());
    }
    m_lengthText->setText(QStringLiteral("/%1").arg(m_model->prefixLength()));
    m_status->setText(m_model->status());

    const bool shown = m_model->hasAddress();
    const Ipv6ResultTexts texts = shown ? Ipv6Texts::results(m_model->value()) : Ipv6ResultTexts();
    m_compressed->setText(texts.compressed);
    m_expanded->setText(texts.expanded);
    m_network->setText(texts.network);
    m_first->setText(texts.first);
    m_last->setText(texts.last);
    m_count->setText(texts.addressCount);
    m_networks64->setText(shown && texts.networks64.isEmpty()
                              ? tr("None: the prefix is longer than /64")
                              : texts.networks64);
    m_block->setText(texts.block);
    m_embedded->setText(texts.embeddedIpv4);
    m_reverseName->setText(texts.reverseName);
    m_reverseZone->setText(texts.reverseZone);
    m_worksheet->setText(texts.worksheet);
    m_previous->setEnabled(shown);
    m_next->setEnabled(shown);

    const int length = m_model->prefixLength();
    {
        // The range moves with the length; the split length the user chose stays when it
        // still fits.
        const QSignalBlocker quiet(m_splitLength);
        m_splitLength->setRange(std::min(length + 1, 128), 128);
    }
    m_splitLength->setEnabled(shown && length < 128);
    redrawSubnets();
}

void ucIpv6Calc::redrawSubnets()
{
    const int length = m_model->prefixLength();
    if (!m_model->hasAddress() || length >= 128) {
        m_subnets->clear();
        m_subnetSummary->setText(m_model->hasAddress() ? tr("A /128 holds no smaller networks.")
                                                       : QString());
    } else {
        m_subnets->setSplit(m_model->value().network(), m_splitLength->value());
        m_subnetSummary->setText(m_subnets->summary());
    }
    m_save->setEnabled(m_subnets->rowCount() > 0);
}

void ucIpv6Calc::saveSubnets()
{
    const QString reportName = tr("The IPv6 subnet list");
    const QString title = tr("IPv6 Calculator");
    const Outcome folder = OpenReportFolder(m_services, reportName);
    if (!folder.ok()) {
        m_services.showMessage(this, title, folder.error);
        return;
    }
    const Outcome saved = SaveAndOpenReport(m_services, this, folder.value,
                                            QString::fromLatin1(kIpv6SubnetReportFileName),
                                            m_subnets->reportBytes(), reportName);
    if (!saved.ok())
        m_services.showMessage(this, title, saved.error);
}

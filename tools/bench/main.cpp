// Prints how long the subnet panel takes for one keystroke's recalculation and for one
// next-20-subnets report (twenty rows, the panel put back and the file), the wildcard panel
// for one keystroke (engine and the four lists written), and the decimal panel for one
// key released in its number box (the conversion and four box writes), as medians over
// many runs, then what the promotional pane costs (pane_costs.h). Figures only; nothing
// here passes or fails.

#include "core/design_font.h"
#include "decimal/ucdecimalcalc.h"
#include "pane_costs.h"
#include "subnet/ucsubnetcalc.h"
#include "testing/offscreen_platform.h"
#include "testing/recordingshellservices.h"
#include "wildcard/ucwildcardchecker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>
#include <vector>

namespace {

double MedianMicroseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

// A digit key as the window system delivers it to the widget with the focus.
void SendDigitKey(QWidget* widget, QEvent::Type type, int digit)
{
    QKeyEvent event(type, Qt::Key_0 + digit, Qt::NoModifier, QString::number(digit));
    QApplication::sendEvent(widget, &event);
}

void TypeDigit(QWidget* widget, int digit)
{
    SendDigitKey(widget, QEvent::KeyPress, digit);
    SendDigitKey(widget, QEvent::KeyRelease, digit);
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless the caller chose a display (xvfb-run with QT_QPA_PLATFORM=xcb).
    UseOffscreenUnlessChosen();
    // The browser engine refuses to start as root with its sandbox on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (argc > 1)
        if (const auto child = FirstPaintChild(argv[1]))
            return RunFirstPaintChild(argc, argv, *child);
    QApplication app(argc, argv);
    RegisterDesignFonts();
    QTemporaryDir documents;
    // Reports go to a temporary documents folder; nothing is opened.
    RecordingShellServices services;
    services.documentsFolderPath = documents.path();
    ucSubnetCalc panel(services);
    panel.show();

    auto* lastOctet = panel.findChild<QLineEdit*>(QStringLiteral("sub_address_3"));
    const QStringList host = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("1")};
    for (int k = 0; k < 3; ++k)
        panel.findChild<QLineEdit*>(QStringLiteral("sub_address_%1").arg(k))->setText(host[k]);

    lastOctet->setFocus();
    int digit = 0;
    const double keystroke = MedianMicroseconds(5000, [&] {
        lastOctet->clear();
        TypeDigit(lastOctet, ++digit % 10);
    });

    lastOctet->setText(QStringLiteral("0"));
    auto* report = panel.findChild<QAbstractButton*>(QStringLiteral("btnNextTwentySubnets"));
    const double twenty = MedianMicroseconds(200, [&] { report->click(); });

    ucDecimalCalc decimalPanel;
    decimalPanel.show();
    auto* number = decimalPanel.findChild<QLineEdit*>(QStringLiteral("txtDecimal"));
    number->setFocus();
    // The two addresses differ in every octet, so each release rewrites all four boxes.
    const QStringList numbers = {QStringLiteral("3232235777"), QStringLiteral("1062654075")};
    int turn = 0;
    const double keyUp = MedianMicroseconds(5000, [&] {
        number->setText(numbers[++turn % 2]);
        SendDigitKey(number, QEvent::KeyRelease, 7);
    });

    std::printf("keystroke recalculation (clear + one digit): median %.1f us over 5000 runs\n",
                keystroke);
    std::printf(
        "next 20 subnets report (19 steps, panel restored, file): median %.1f us over 200 runs\n",
        twenty);
    std::printf("decimal key release (conversion + 4 boxes): median %.1f us over 5000 runs\n",
                keyUp);

    // One digit typed over a selected mask octet, cycling 1..9 so every key changes the
    // text; the fourth list changes with it, the other three are written unchanged.
    ucWildCardChecker wildcard(services);
    wildcard.show();
    auto* maskOctet = wildcard.findChild<QLineEdit*>(QStringLiteral("ipadd1_7"));
    maskOctet->setFocus();
    const double wildcardKey = MedianMicroseconds(5000, [&] {
        maskOctet->selectAll();
        TypeDigit(maskOctet, 1 + ++digit % 9);
    });
    std::printf("wildcard keystroke (engine + four lists):    median %.1f us over 5000 runs\n",
                wildcardKey);
    PrintPaneCosts();
    for (const RecordedMessage& message : services.messages)
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
    return services.messages.isEmpty() ? 0 : 1;
}

#pragma once

// The main window as a user of a desktop theme sees it, built after the theme is set, at
// the scale factor the process runs at: each tab as it shows after a worked example, and
// the About dialog. What it draws is read in device pixels.

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "testing/desktop_theme.h"
#include "testing/recordingshellservices.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

class LookWindow
{
public:
    explicit LookWindow(DesktopTheme theme)
    {
        UseDesktopTheme(theme);
        SetUpApplication();
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get());
    }

    // Shows the tab of this key, or the About dialog for "About", and returns it. The
    // subnet tab shows 192.168.1.130 typed into its host boxes, key by key.
    QWidget* show(const QString& where)
    {
        if (where == QLatin1String("About")) {
            m_window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
            QWidget* about = m_window->findChild<QWidget*>(QStringLiteral("frmAbout"));
            (void)QTest::qWaitForWindowExposed(about);
            return about;
        }
        auto* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
        for (int index = 0; index < tabs->count(); ++index) {
            if (tabs->tabBar()->tabData(index).toString() == where)
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                  tabs->tabBar()->tabRect(index).center());
        }
        if (where == QLatin1String("SubnetMaskCalc")) {
            tabs->currentWidget()->findChild<QWidget*>(QStringLiteral("sub_address_0"))->setFocus();
            for (QChar key : QStringLiteral("192.168.1.130"))
                QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        }
        QCoreApplication::processEvents();
        return tabs->currentWidget();
    }

    // What the widget's window draws over the widget's rect and margin pixels above and
    // below it, in device pixels.
    static QImage drawn(const QWidget& widget, int margin = 0)
    {
        QWidget* window = widget.window();
        const QRect rect(widget.mapTo(window, QPoint(0, 0)), widget.size());
        return window->grab(rect.adjusted(0, -margin, 0, margin)).toImage();
    }

private:
    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;
};

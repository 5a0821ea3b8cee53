#pragma once

// What the main window knows of the panels on its tab strip, and the one thing it asks
// of each: when a panel's tab is shown, the window hands it its background colour. The
// panel paints that colour itself, and everything on it takes the design's colours with
// it (widget_colors.h), so the panel reads the same under any desktop theme.
//
// A panel may also make its controls only when it is first shown, so that the tabs the
// user has not opened cost nothing while the window opens.

#include <QWidget>

#include <cstdint>

class TabPanel : public QWidget
{
    Q_OBJECT

public:
    // When a panel makes its controls: as it is constructed, or when it is first shown.
    enum class Build
    {
        Now,
        WhenShown,
    };

    explicit TabPanel(QWidget* parent = nullptr);

    // Background colour as 0x00BBGGRR.
    void SetBackColor(std::uint32_t newColor);

protected:
    // Makes the controls (build()) unless they are made already.
    void ensureBuilt();
    bool isBuilt() const { return m_built; }
    // A panel that can wait to be shown makes its controls here; the others make them in
    // their constructor.
    virtual void build() {}

    void showEvent(QShowEvent* event) override;

private:
    bool m_built = false;
};

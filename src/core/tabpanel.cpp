#include "core/tabpanel.h"

#include "core/widget_colors.h"

#include <QCoreApplication>
#include <QResizeEvent>

TabPanel::TabPanel(QWidget* parent) : QWidget(parent)
{}

void TabPanel::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}

void TabPanel::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    build();
}

void TabPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_built)
        return;
    ensureBuilt();
    // The panel is shown already, and Qt shows only the children a widget has when it is
    // shown; a control the panel hid on purpose stays hidden.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    // Its size came before its controls did; they are fitted to it as on any resize.
    QResizeEvent fit(size(), size());
    QCoreApplication::sendEvent(this, &fit);
}

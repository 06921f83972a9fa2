#include "screen/ScreenState.h"

#include "platform/CommandButton.h"
#include "screen/CommandTable.h"

#include <QAction>

namespace {

void show(CommandButton *button, const CommandLook &look)
{
    button->setText(look.caption);
    button->setEnabled(look.enabled);
    button->setVisible(look.visible);
}

} // namespace

ScreenState::ScreenState(const CommandWidgets &widgets) : m_widgets(widgets)
{
    apply();
}

void ScreenState::change(Screen next, const ScreenConditions &conditions)
{
    m_screen = next;
    m_conditions = conditions;
    apply();
}

void ScreenState::apply()
{
    const CommandLooks looks = commandLooks(m_screen, m_conditions);
    show(m_widgets.BtnSentaku, looks.select);
    show(m_widgets.BtnStart, looks.start);
    show(m_widgets.BtnRenshu, looks.mode);
    show(m_widgets.BtnKiritori, looks.zoomOrDelete);
    show(m_widgets.BtnUp, looks.grow);
    show(m_widgets.BtnDown, looks.shrink);
    m_widgets.N1->setEnabled(looks.faceMenu);
    m_widgets.N9->setEnabled(looks.createFace);
    m_widgets.N10->setEnabled(looks.deleteFace);
    m_widgets.N7->setEnabled(looks.works);
    m_widgets.N8->setEnabled(looks.montage);
}

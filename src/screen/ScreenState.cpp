#include "screen/ScreenState.h"

#include "platform/widgets/CommandButton.h"
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
    if (m_onChange)
        m_onChange(m_screen);
}

void ScreenState::apply()
{
    const CommandLooks looks = commandLooks(m_screen, m_conditions);
    show(m_widgets.selectButton, looks.select);
    show(m_widgets.startButton, looks.start);
    show(m_widgets.modeButton, looks.mode);
    show(m_widgets.cutOrDeleteButton, looks.zoomOrDelete);
    show(m_widgets.growButton, looks.grow);
    show(m_widgets.shrinkButton, looks.shrink);
    show(m_widgets.replayButton, looks.replay);
    show(m_widgets.doubleSpeedButton, looks.doubleSpeed);
    show(m_widgets.slideshowButton, looks.slideshow);
    m_widgets.faceMenuAction->setEnabled(looks.faceMenu);
    m_widgets.createFaceAction->setEnabled(looks.createFace);
    m_widgets.deleteFacesAction->setEnabled(looks.deleteFace);
    m_widgets.galleryAction->setEnabled(looks.works);
    m_widgets.montageAction->setEnabled(looks.montage);
    m_widgets.partyMenuAction->setEnabled(looks.party);
}

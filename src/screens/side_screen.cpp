#include "side_screen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "form_layout.h"

namespace crumbleton {

SideScreen::SideScreen(Toolkit& toolkit, Screen screen, QWidget* parent)
    : QWidget(parent), toolkit_(toolkit), screen_(screen) {}

QPushButton* SideScreen::makeBackButton(FormLayout& layout, const QString& caption, const QRectF& twips,
                                        const Font& font) {
    cmdBack = layout.add(new QPushButton(caption, this), "cmdBack", twips, font);
    connect(cmdBack, &QPushButton::clicked, this, &SideScreen::cmdBack_Click);
    return cmdBack;
}

void SideScreen::cmdBack_Click() {
    toolkit_.Show(Screen::Start);
    toolkit_.Hide(screen_);
}

void SideScreen::closeEvent(QCloseEvent* event) {
    cmdBack_Click();
    event->ignore();
}

void SideScreen::keyPressEvent(QKeyEvent* event) {
    // An Escape held since before the screen opened does not send it straight back.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) cmdBack_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace crumbleton

#pragma once
// A screen reached from the start menu and left by its "Back" button, or by the
// frame's close control or Escape, which do what "Back" does: all return to the
// start menu.

#include <QRectF>
#include <QWidget>

#include "controls.h"
#include "toolkit.h"

class QPushButton;

namespace crumbleton {

class FormLayout;

class SideScreen : public QWidget {
public:
    QPushButton* backButton() const { return cmdBack; }

    // Shows the start menu, then hides this screen.
    void cmdBack_Click();

protected:
    SideScreen(Toolkit& toolkit, Screen screen, QWidget* parent);

    // The "Back" button, laid out at `twips` in this screen; each screen gives
    // the caption in its own translation context.
    QPushButton* makeBackButton(FormLayout& layout, const QString& caption, const QRectF& twips,
                                const Font& font);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Toolkit& toolkit_;
    const Screen screen_;
    QPushButton* cmdBack = nullptr;
};

}  // namespace crumbleton

// The game window's own commands: the View menu shows each with its key and does
// what the key does, and the README and the manual page name every one of them.

#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <map>

#include "window_commands.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

class ViewMenuTest : public testing::GameScreenTest {
protected:
    ViewMenuTest() { ticking = false; }

    QAction* Entry(const WindowCommandEntry& entry) {
        const QString text = QCoreApplication::translate("GameWindow", entry.menuEntry);
        for (QAction* menu : window->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item;
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }
    // Whether the command's effect is in force, as the player sees it.
    bool InForce(WindowCommand command) {
        switch (command) {
            case WindowCommand::Pause:
                return window->paused();
            case WindowCommand::FullScreen:
                return QTest::qWaitFor([&] { return window->isFullScreen(); }, 500);
            case WindowCommand::BrickMarks:
                return window->view()->brickMarks();
        }
        return false;
    }
    bool Off(WindowCommand command) {
        if (command == WindowCommand::FullScreen)
            return QTest::qWaitFor([&] { return !window->isFullScreen(); }, 500);
        return !InForce(command);
    }
};

TEST_F(ViewMenuTest, EachEntryShowsItsKeyAndDoesWhatTheKeyDoes) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), "&View");
    EXPECT_EQ(menus[1]->menu()->actions().size(), std::ssize(WindowCommands()));
    for (const WindowCommandEntry& entry : WindowCommands()) {
        SCOPED_TRACE(entry.menuEntry);
        QAction* action = Entry(entry);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(entry.toggleKeys.front()));
        ASSERT_TRUE(Off(entry.command));

        // The menu switches it on and the key off, and the other way round; the
        // entry's check follows either.
        action->trigger();
        EXPECT_TRUE(InForce(entry.command));
        EXPECT_TRUE(action->isChecked());
        for (Qt::Key key : entry.toggleKeys) {
            QTest::keyClick(window, key);
            EXPECT_TRUE(Off(entry.command)) << QKeySequence(key).toString().toStdString();
            EXPECT_FALSE(action->isChecked());
            QTest::keyClick(window, key);
            EXPECT_TRUE(InForce(entry.command)) << QKeySequence(key).toString().toStdString();
            EXPECT_TRUE(action->isChecked());
        }
        action->trigger();
        EXPECT_TRUE(Off(entry.command));
        EXPECT_FALSE(action->isChecked());

        // The key that only ends it: not the command while off (Space serves
        // instead), the end while on.
        if (entry.offKey != Qt::Key_unknown) {
            QTest::keyClick(window, entry.offKey);
            EXPECT_TRUE(Off(entry.command));
            action->trigger();
            QTest::keyClick(window, entry.offKey);
            EXPECT_TRUE(Off(entry.command));
        }
        // With Ctrl, a key of the game's own is not the command.
        if (!entry.withAltOrCtrl) {
            QTest::keyClick(window, entry.toggleKeys.front(), Qt::ControlModifier);
            EXPECT_TRUE(Off(entry.command));
        }
    }
}

// The lines of a file from the one matching `from` up to the next matching `to`.
QString Section(const QString& path, const QString& from, const QString& to) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QRegularExpression(from, QRegularExpression::MultilineOption));
    EXPECT_GE(start, 0) << from.toStdString();
    const qsizetype end =
        text.indexOf(QRegularExpression(to, QRegularExpression::MultilineOption), start + 1);
    return text.mid(start, end < 0 ? -1 : end - start);
}

TEST(CommandDocsTest, TheReadmeTheManualPageAndThePauseHintNameEveryCommand) {
    const QString root = CRUMBLETON_UI_TEST_DIR "/../..";
    const QString readme = Section(root + "/README.md", "^## How to play", "^## ");
    const QString manual = Section(root + "/packaging/crumbleton.6.in", "^\\.SH KEYS", "^\\.SH (?!KEYS)");
    for (const WindowCommandEntry& entry : WindowCommands()) {
        QList<Qt::Key> keys(entry.toggleKeys.begin(), entry.toggleKeys.end());
        if (entry.offKey != Qt::Key_unknown) keys << entry.offKey;
        for (Qt::Key key : keys) {
            const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
            EXPECT_TRUE(readme.contains("<kbd>" + name + "</kbd>")) << "README: " << name.toStdString();
            EXPECT_TRUE(manual.contains(
                QRegularExpression("^\\.B[IR]? .*\\b" + name + "\\b", QRegularExpression::MultilineOption)))
                << "manual: " << name.toStdString();
        }
        if (entry.command == WindowCommand::Pause) {
            for (Qt::Key key : keys)
                EXPECT_TRUE(PauseHint().contains(QKeySequence(key).toString(QKeySequence::PortableText)))
                    << "the pause's hint: " << QKeySequence(key).toString().toStdString();
        }
        const QString menuEntry = QString(entry.menuEntry).remove('&');
        EXPECT_TRUE(readme.contains("*" + menuEntry + "*")) << "README: " << menuEntry.toStdString();
        EXPECT_TRUE(manual.contains(menuEntry)) << "manual: " << menuEntry.toStdString();
    }
}

}  // namespace
}  // namespace crumbleton

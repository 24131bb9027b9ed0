#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "desktop.h"
#include "language.h"
#include "navigator.h"

namespace {

std::optional<std::string> FromEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

// While the toolkit seeks a window system, its messages are held back: where it
// finds none, its advice to reinstall the program would mislead, and the player
// reads one line instead; where it finds one, they are passed on as they came.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> heldMessages;
std::string noDesktopLine;

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "%s\n", noDesktopLine.c_str());
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    const auto copy = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    heldMessages.push_back(
        {type, copy(context.file), copy(context.function), copy(context.category), context.line, text});
}

void PassOnHeldMessages(QtMessageHandler handler) {
    for (const HeldMessage& m : heldMessages) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
        handler(m.type, context, m.text);
    }
    heldMessages.clear();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv, argv + argc);
    const crumbleton::Launch launch = crumbleton::CheckLaunch(args, FromEnvironment, CRUMBLETON_VERSION);
    if (!launch.start) {
        std::fputs(launch.output.c_str(), stdout);
        if (!launch.error.empty()) std::fprintf(stderr, "%s\n", launch.error.c_str());
        return launch.status;
    }

    noDesktopLine = crumbleton::NoDesktopLine(args, FromEnvironment);
    const QtMessageHandler previous = qInstallMessageHandler(HoldWhileStarting);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    PassOnHeldMessages(previous);

    QApplication::setApplicationName("Crumbleton");
    QApplication::setWindowIcon(QIcon(":/pictures/app_icon.svg"));
    // Wayland desktops find the entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName("org.crumbleton.crumbleton");
    crumbleton::InstallFontSubstitutes();
    crumbleton::InstallDesktopLanguage(app);

    crumbleton::Navigator navigator;
    navigator.Show(crumbleton::Screen::Start);
    return QApplication::exec();
}

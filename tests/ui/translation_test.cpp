// The player's language: which one the desktop's list chooses, the translations
// complete, every text of every window translated, and every one fitting its control.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QRadioButton>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>
#include <optional>

#include "all_windows.h"
#include "form_layout.h"
#include "language.h"
#include "start_window.h"
#include "window_helpers.h"

namespace crumbleton {
namespace {

using testing::AllWindows;
using testing::Grab;
using testing::MessageCloser;
using testing::Region;

const QString kTranslationDir = CRUMBLETON_UI_TEST_DIR "/../../translations";

const QStringList kLanguages{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "tr", "uk", "zh_CN"};

// The player's language for as long as it lives: the game's translator and Qt's.
class Language {
public:
    explicit Language(QTranslator* game) : game_(game) {
        QCoreApplication::installTranslator(game_.get());
        if (game_->language().isEmpty()) return;
        if (qt_.load(QLocale(game_->language()), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
    }
    explicit Language(const QString& name) : Language(Load(name)) {}
    ~Language() {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(game_.get());
    }

private:
    static QTranslator* Load(const QString& name) {
        auto* translator = new QTranslator;
        EXPECT_TRUE(translator->load("crumbleton_" + name, ":/i18n")) << name.toStdString();
        return translator;
    }
    std::unique_ptr<QTranslator> game_;
    QTranslator qt_;
};

// The texts a player reads in the windows' widgets, each with where it is.
std::vector<std::pair<QString, QString>> WidgetTexts(const AllWindows& all) {
    std::vector<std::pair<QString, QString>> texts;
    for (QWidget* window : all.windows()) {
        texts.emplace_back(window->objectName() + " title", window->windowTitle());
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child) ||
                qobject_cast<QGroupBox*>(child))
                texts.emplace_back(window->objectName() + "." + child->objectName(), ShownText(child));
        }
        if (auto* bar = window->findChild<QMenuBar*>()) {
            for (QAction* menu : bar->actions()) {
                texts.emplace_back("menu", menu->text());
                for (QAction* item : menu->menu()->actions()) texts.emplace_back("menu item", item->text());
            }
        }
    }
    return texts;
}

// The game screen's labels that hold text, not a number.
std::vector<const Label*> TextLabels(const frmGame& g) {
    std::vector<const Label*> labels;
    for (const ControlRef& control : g.StackingOrder()) {
        if (const auto* label = std::get_if<const Label*>(&control)) {
            if (*label != &g.lblLives && *label != &g.lblPoints && *label != &g.lblTime)
                labels.push_back(*label);
        }
    }
    return labels;
}

TEST(LanguageChoiceTest, TheFirstLanguageOfTheDesktopsListThatTheGameHas) {
    struct Case {
        QStringList preferred;
        std::optional<QString> chosen;  // none: English
    };
    const Case cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de-AT"}, "de"},  // a country the game has no file of
        {{"en-US", "de-DE"}, std::nullopt},
        {{"en"}, std::nullopt},
        {{"ko-KR", "ja-JP", "fr"}, "ja"},  // a language the game lacks is passed over
        {{"ko-KR"}, std::nullopt},
        {{"pt-BR"}, "pt_BR"},
        {{"zh-CN"}, "zh_CN"},
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"C"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string what = c.preferred.join(':').toStdString();
        EXPECT_EQ(ChooseLanguage(c.preferred), c.chosen) << what;
    }
}

TEST(LanguageChoiceTest, TheProgramHasEveryLanguageOfTheTree) {
    EXPECT_EQ(GameLanguages(), kLanguages);
    QStringList sources = QDir(kTranslationDir).entryList({"crumbleton_*.ts"}, QDir::Files, QDir::Name);
    sources.replaceInStrings(".ts", "").replaceInStrings("crumbleton_", "");
    EXPECT_EQ(sources, kLanguages);
}

// Every entry of every .ts file translated and current: no unfinished, vanished or
// obsolete entry, no empty translation, and the menu's access keys kept.
TEST(TranslationFilesTest, EveryEntryIsFinished) {
    for (const QString& language : kLanguages) {
        QFile file(kTranslationDir + "/crumbleton_" + language + ".ts");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const auto where = [&] {
                return (language + " " + context + " \"" + source + "\"").toStdString();
            };
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                ++messages;
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QString type = xml.attributes().value("type").toString();
                EXPECT_TRUE(type.isEmpty()) << where() << " is " << type.toStdString();
                const QString translation = xml.readElementText();
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where();
                EXPECT_EQ(source.count('&'), translation.count('&')) << where() << ": access key";
            }
        }
        EXPECT_FALSE(xml.hasError()) << language.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 0) << language.toStdString();
    }
}

// Marks every text that the .ts files hold, and translates no other: a text that
// bypasses the translator, or that lupdate cannot see, shows unmarked.
class PseudoTranslator : public QTranslator {
public:
    PseudoTranslator() {
        QFile file(kTranslationDir + "/crumbleton_de.ts");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"name") context = xml.readElementText();
            if (xml.name() == u"source") known_.insert(context + '\x1f' + xml.readElementText());
        }
        EXPECT_FALSE(known_.isEmpty());
    }
    static bool Marked(const QString& text) { return text.startsWith(kOpen) && text.endsWith(kClose); }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        const QString text = QString::fromUtf8(source);
        if (!known_.contains(QString::fromUtf8(context) + '\x1f' + text)) return {};
        // Accented and 40 % longer, as translations often are.
        QString accented;
        for (QChar c : text)
            accented += c == 'a' ? QChar(0xe5) : c == 'e' ? QChar(0xe9) : c == 'o' ? QChar(0xf6) : c;
        return kOpen + accented + QString(text.size() * 2 / 5, QChar(0xb7)) + kClose;
    }
    bool isEmpty() const override { return false; }

private:
    inline static const QString kOpen = QString(QChar(0x27e6)), kClose = QString(QChar(0x27e7));
    QSet<QString> known_;
};

TEST(PseudoLanguageTest, NoWindowShowsAnUntranslatedText) {
    AllWindows english;
    GameWindow* englishGame = english.navigator.gameWindow();
    const QImage englishView = Grab(englishGame->view());
    englishGame->view()->setPaused(true);
    const QImage englishPaused = Grab(englishGame->view());

    auto* pseudo = new PseudoTranslator;
    Language language(pseudo);
    AllWindows all;
    for (const auto& [where, text] : WidgetTexts(all)) {
        if (text.isEmpty()) continue;
        EXPECT_TRUE(PseudoTranslator::Marked(text)) << where.toStdString() << ": " << text.toStdString();
    }

    // The game screen paints its labels: each text looks different from the English
    // one, and each number the same.
    GameWindow* game = all.navigator.gameWindow();
    frmGame& g = game->game();
    const QImage view = Grab(game->view());
    for (const Label* label : TextLabels(g)) {
        if (!label->Visible) continue;
        EXPECT_NE(Region(view, *label), Region(englishView, *label)) << label->Caption;
        EXPECT_TRUE(PseudoTranslator::Marked(ShownCaption(label->Caption))) << label->Caption;
    }
    for (const Label* number : {&g.lblLives, &g.lblPoints})
        EXPECT_EQ(Region(view, *number), Region(englishView, *number));
    // The hidden ones, as the large paddle shows them.
    EXPECT_TRUE(PseudoTranslator::Marked(ShownCaption(g.lblTimer.Caption)));
    // The band across the middle of the field that says the game is paused: its
    // title above, the keys to play on below.
    game->view()->setPaused(true);
    const QImage paused = Grab(game->view());
    const Shape& f = g.shpField;
    const float band = f.Height / 6, top = f.Top + (f.Height - band) / 2;
    EXPECT_NE(Region(paused, f.Left, top, f.Width, band * 0.6f),
              Region(englishPaused, f.Left, top, f.Width, band * 0.6f))
        << "the pause's title";
    EXPECT_NE(Region(paused, f.Left, top + band * 0.7f, f.Width, band * 0.3f),
              Region(englishPaused, f.Left, top + band * 0.7f, f.Width, band * 0.3f))
        << "the keys to play on";

    // Both end-of-game messages.
    MessageCloser closer;
    all.navigator.ShowMessage(" Game Over!!", " You Lose!", MessageIcon::Critical);
    all.navigator.ShowMessage(" congratulations, You Win!!", " Winner", MessageIcon::None);
    ASSERT_EQ(closer.seen.size(), 2u);
    for (const MessageCloser::Seen& seen : closer.seen) {
        EXPECT_TRUE(PseudoTranslator::Marked(seen.text)) << seen.text.toStdString();
        EXPECT_TRUE(PseudoTranslator::Marked(seen.title)) << seen.title.toStdString();
    }
}

// Qt's own texts follow the language: the message box's button among them.
TEST(QtTextsTest, TheMessageBoxButtonSpeaksThePlayersLanguage) {
    const std::pair<const char*, QString> cases[] = {{"zh_CN", QString::fromUtf8("确定")}, {"tr", "Tamam"}};
    for (const auto& [name, ok] : cases) {
        Language language{QString(name)};
        Navigator navigator;
        QString button;
        MessageCloser closer(std::chrono::milliseconds(0), [&] {
            button = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                         ->button(QMessageBox::Ok)
                         ->text();
        });
        navigator.ShowMessage(" Game Over!!", " You Lose!", MessageIcon::Critical);
        EXPECT_EQ(button.remove('&').toStdString(), ok.toStdString()) << name;
    }
}

// Whether `text` fits `room` in `font` with `flags`.
bool Fits(const QFont& font, const QString& text, const QSize& room, int flags) {
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// In every language, every text fits its control at no less than the legible size:
// neither cut nor over another control. English is the layout's own: its texts
// are held to fitting only.
TEST(TranslationFitTest, EveryTextFitsItsControlLegibly) {
    QStringList languages = kLanguages;
    languages.prepend("en");
    for (const QString& name : languages) {
        std::optional<Language> language;
        if (name != "en") language.emplace(name);
        AllWindows all;
        for (QWidget* window : all.windows()) {
            // Each window at its laid-out size on the test's large desktop.
            const int legible = LegiblePixels(Scale());
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control) &&
                    !qobject_cast<QGroupBox*>(control))
                    continue;
                const QString text = ShownText(control);
                if (text.isEmpty()) continue;
                const std::string where = (name + " " + window->objectName() + "." + control->objectName() +
                                           ": \"" + text + "\" in " + control->font().family())
                                              .toStdString();
                EXPECT_TRUE(Fits(control->font(), text, TextRoom(control), TextFlags(control)))
                    << where << " at " << control->font().pixelSize() << " px";
                if (language) {
                    EXPECT_GE(control->font().pixelSize(), legible) << where;
                }
            }
        }

        // The game screen's painted labels, at the laid-out size, as the view fits them.
        const frmGame& g = all.navigator.gameWindow()->game();
        const Scale laidOut;
        for (const Label* label : TextLabels(g)) {
            const QString text = ShownCaption(label->Caption);
            if (text.isEmpty()) continue;
            // Inside the border, where the label has one.
            const QSize room = laidOut.rect(label->Left, label->Top, label->Width, label->Height).size() -
                               (label->Border ? QSize(2, 2) : QSize(0, 0));
            const int flags = (label->Alignment == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                              Qt::AlignTop | Qt::TextWordWrap;
            const QFont font =
                FittingFont(laidOut.font(label->Font), text, room, flags, LegiblePixels(laidOut));
            const std::string where =
                (name + " game " + label->Caption.c_str() + ": \"" + text + "\"").toStdString();
            EXPECT_TRUE(Fits(font, text, room, flags)) << where << " at " << font.pixelSize() << " px";
        }
        // The pause's two lines across the field.
        const int field = laidOut.rect(0, 0, g.shpField.Width, 0).width();
        QFont pause = laidOut.font({"MS Sans Serif", 24, true, false});
        EXPECT_LE(QFontMetrics(pause).horizontalAdvance(QCoreApplication::translate("GameWindow", "Paused")),
                  field);
        pause.setPixelSize(pause.pixelSize() / 2);
        pause.setBold(false);
        EXPECT_LE(QFontMetrics(pause).horizontalAdvance(
                      QCoreApplication::translate("GameWindow", "P, Pause or Space to play on")),
                  field)
            << name.toStdString();
    }
}

}  // namespace
}  // namespace crumbleton

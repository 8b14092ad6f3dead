#include "platform/Prompts.h"
#include "support/LabelText.h"
#include "support/TestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

using platform::IconKind;
using platform::PromptRecord;

namespace {
QApplication &app()
{
    return ziptest::ensureApplication([](int &argc, char **argv) -> QApplication * {
        auto *a = new QApplication(argc, argv);
        platform::setApplicationTitle(QStringLiteral("Tolvane Orvex '97"));
        return a;
    });
}
}  // namespace

TEST(Prompts, BoxesRecordCaptionIconTextAndButtons)
{
    app();
    auto script = platform::ScriptedPrompts::install();
    script->buttonAnswers = {1, 0};

    platform::warningBox(nullptr, QStringLiteral("No zipfile specified"));
    EXPECT_FALSE(platform::confirmBox(nullptr, QStringLiteral("Delete?")));
    EXPECT_TRUE(platform::confirmBox(nullptr, QStringLiteral("Delete?"), platform::DefaultAnswer::No));
    platform::informationBox(nullptr, QStringLiteral("3 files were added"));
    platform::applicationErrorBox(nullptr, QStringLiteral("Error 1 reading Zip File"));

    ASSERT_EQ(script->shown.size(), 5u);
    EXPECT_EQ(script->shown[0].caption, "Warning");
    EXPECT_EQ(script->shown[0].icon, IconKind::Warning);
    EXPECT_EQ(script->shown[0].buttons, QStringList{"OK"});
    EXPECT_EQ(script->shown[1].caption, "Confirm");
    EXPECT_EQ(script->shown[1].icon, IconKind::Question);
    EXPECT_EQ(script->shown[1].buttons, (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(script->shown[1].defaultButton, 0);
    EXPECT_EQ(script->shown[2].defaultButton, 1);
    EXPECT_EQ(script->shown[3].caption, "Information");
    EXPECT_EQ(script->shown[4].caption, "Tolvane Orvex '97");
    EXPECT_EQ(script->shown[4].icon, IconKind::Stop);
    EXPECT_EQ(script->shown[4].text, "Error 1 reading Zip File.");
    platform::setPromptHandler(nullptr);
}

TEST(Prompts, UnscriptedQuestionsCountAsCancelled)
{
    app();
    auto script = platform::ScriptedPrompts::install();
    EXPECT_FALSE(platform::confirmBox(nullptr, QStringLiteral("Sure?")));
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Open existing Zipfile");
    EXPECT_TRUE(platform::prompts().openFileName(nullptr, options).isEmpty());
    QString value = QStringLiteral("start");
    EXPECT_FALSE(platform::prompts().inputText(nullptr, "New", "Name:", value));
    EXPECT_EQ(value, "start");
    ASSERT_EQ(script->shown.size(), 3u);
    EXPECT_EQ(script->shown[1].kind, PromptRecord::Kind::OpenFile);
    EXPECT_EQ(script->shown[1].caption, "Open existing Zipfile");
    EXPECT_EQ(script->shown[2].defaultValue, "start");
    platform::setPromptHandler(nullptr);
}

TEST(Prompts, PasswordBoxesTakeScriptedAnswersAndNeverRecordThePassword)
{
    app();
    auto script = platform::ScriptedPrompts::install();
    script->passwordAnswers = {{true, QStringLiteral("s3cret")}, {false, QStringLiteral("ignored")}};
    QString value;
    EXPECT_TRUE(platform::prompts().inputPassword(nullptr, "Password", "Enter the password for a.txt:", value));
    EXPECT_EQ(value, "s3cret");
    EXPECT_FALSE(platform::prompts().inputPassword(nullptr, "Password", "again", value));
    EXPECT_FALSE(platform::prompts().inputPassword(nullptr, "Password", "unscripted", value));
    EXPECT_EQ(value, "s3cret");

    ASSERT_EQ(script->shown.size(), 3u);
    EXPECT_EQ(script->shown[0].kind, PromptRecord::Kind::Password);
    EXPECT_EQ(script->shown[0].caption, "Password");
    EXPECT_EQ(script->shown[0].text, "Enter the password for a.txt:");
    for (const PromptRecord &r : script->shown)
        for (const QString &field : {r.caption, r.text, r.defaultValue, r.directory, r.filter})
            EXPECT_FALSE(field.contains("s3cret"));
    EXPECT_TRUE(script->inputAnswers.empty());  // the text boxes' queue is another
    platform::setPromptHandler(nullptr);
}

TEST(Prompts, TheDesktopPasswordBoxMasksWhatIsTyped)
{
    app();
    platform::setPromptHandler(nullptr);
    QLineEdit::EchoMode mode = QLineEdit::Normal;
    QString initial = QStringLiteral("not looked at");
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            QWidget *shown = QApplication::activeModalWidget();
            auto *box = qobject_cast<QInputDialog *>(shown);
            if (!box) {
                ADD_FAILURE() << "no input box is shown";
                if (shown)
                    shown->close();
                return;
            }
            mode = box->textEchoMode();
            initial = box->textValue();
            box->setTextValue(QStringLiteral("typed"));
            box->accept();
        },
        Qt::QueuedConnection);
    QString value = QStringLiteral("earlier");
    EXPECT_TRUE(platform::prompts().inputPassword(nullptr, "Password", "Enter the password for a.txt:", value));
    EXPECT_EQ(mode, QLineEdit::Password);
    EXPECT_EQ(initial, "");  // an earlier value is never shown
    EXPECT_EQ(value, "typed");
}

// The boxes name members and archives; a name is never taken for markup
// (which could hide the rest of the text) or for a shortcut.
TEST(Prompts, TheDesktopBoxesShowNamesAsWritten)
{
    app();
    for (const QString &name : {QStringLiteral("<h1 style=\"color:red\">x</h1>"), QStringLiteral("<b>a</b><!--"),
                                QStringLiteral("Tom & Jerry.txt")}) {
        const QString text = "Enter the password for " + name + "\nThe password was wrong.";
        const auto message = platform::makeMessageBox(nullptr, "Password", text, IconKind::Warning, {"OK"}, 0);
        const auto input = platform::makeInputBox(nullptr, "New", text, false, {});
        const auto password = platform::makeInputBox(nullptr, "Password", text, true, {});
        for (QDialog *box : {static_cast<QDialog *>(message.get()), static_cast<QDialog *>(input.get()),
                             static_cast<QDialog *>(password.get())}) {
            box->show();
            EXPECT_TRUE(ziptest::shownTexts(*box).contains(text))
                << name.toStdString() << " in " << box->metaObject()->className();
            box->close();
        }
    }
}

// A name far wider than the screen: the boxes stay within it, with the
// name's start and end shown and the whole of it still to be had.
TEST(Prompts, ALongNameIsElidedInTheMiddleAndTheBoxesFitTheScreen)
{
    app();
    const QString name = QString(80, QLatin1Char('a')) + QString(90, QLatin1Char('z')) + QStringLiteral(".txt");
    const QString text = "Enter the password for " + name;
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    const auto message = platform::makeMessageBox(nullptr, "Password", text, IconKind::Warning, {"OK"}, 0);
    const auto password = platform::makeInputBox(nullptr, "Password", text, true, {});
    EXPECT_EQ(message->detailedText(), text);
    for (QDialog *box : {static_cast<QDialog *>(message.get()), static_cast<QDialog *>(password.get())}) {
        box->show();
        EXPECT_LE(box->width(), screenWidth) << box->metaObject()->className();
        const QString shown = ziptest::shownTexts(*box).join('|');
        EXPECT_TRUE(shown.contains("Enter the password for aaaa")) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("…")) && shown.contains("zzz.txt")) << shown.toStdString();
        box->close();
    }
    // Short names and ordinary sentences are shown whole.
    const QFontMetrics metrics(message->font());
    EXPECT_EQ(platform::elideLongRuns("Update zipfile?\nreadme.txt", metrics, 100), "Update zipfile?\nreadme.txt");
}

TEST(Prompts, TheDesktopMessageBoxAnswersWithTheIndexOfTheButtonPressed)
{
    app();
    const QStringList buttons{"&Yes", "&No", "Cancel"};
    EXPECT_EQ(
        platform::pressedButton(*platform::makeMessageBox(nullptr, "Confirm", "?", IconKind::Question, buttons, 1)),
        -1);
    for (int i = 0; i < buttons.size(); ++i) {
        const auto box = platform::makeMessageBox(nullptr, "Confirm", "?", IconKind::Question, buttons, 1);
        EXPECT_EQ(box->defaultButton()->text(), buttons[1]);
        QAbstractButton *button = nullptr;
        for (QAbstractButton *b : box->buttons())
            if (b->text() == buttons[i])
                button = b;
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(platform::pressedButton(*box), i);
    }
}

namespace {
// The button Escape answers a question box of `buttons` with.
int escapeAnswer(const QStringList &buttons)
{
    const auto box = platform::makeMessageBox(nullptr, "Confirm", "?", IconKind::Question, buttons, 0);
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    const int pressed = platform::pressedButton(*box);
    box->close();
    return pressed;
}
}  // namespace

TEST(Prompts, EscapeAnswersNoOrCancels)
{
    app();
    const struct {
        QStringList buttons;
        int escaped;  // the index Escape answers with
    } cases[] = {
        {{"&Yes", "&No"}, 1},
        {{"&Yes", "&No", "Cancel"}, 2},
        {{"OK", "Cancel the operation"}, -1},  // neither is a plain no: Escape does nothing
    };
    for (const auto &c : cases)
        EXPECT_EQ(escapeAnswer(c.buttons), c.escaped) << c.buttons.join('|').toStdString();
}

namespace {
// The words of the boxes' buttons in another language.
class ButtonWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) != "platform")
            return {};
        const QByteArray source(sourceText);
        return source == "&No"       ? QStringLiteral("&Nein")
               : source == "&Cancel" ? QStringLiteral("Abbre&chen")
                                     : QString();
    }
};
}  // namespace

// Callers translate their buttons' texts; Escape still finds the no or the
// cancel among them, by the word the translation gives.
TEST(Prompts, EscapeAnswersATranslatedNoOrCancel)
{
    app();
    ButtonWords words;
    QCoreApplication::installTranslator(&words);
    const struct {
        QStringList buttons;
        int escaped;
    } cases[] = {
        {{"&Ja", "&Nein"}, 1},
        {{"&Ja", "Nein", "Abbrechen"}, 2},
        {{"&Ja", "&No"}, 1},  // a caller not yet translated
        {{"OK", "Abbrechen der Operation"}, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escapeAnswer(c.buttons), c.escaped) << c.buttons.join('|').toStdString();
    auto script = platform::ScriptedPrompts::install();
    platform::confirmBox(nullptr, QStringLiteral("Delete?"));
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].buttons, QStringList({"&Yes", "&Nein"}));  // the box's own no, translated
    platform::setPromptHandler(nullptr);
    QCoreApplication::removeTranslator(&words);
}

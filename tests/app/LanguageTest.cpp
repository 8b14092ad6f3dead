// Every window under a pseudo-language and under each shipped language:
// every text a user reads goes through translation, and no translated text
// is cut, whichever way the layout runs.
#include "WindowFixture.h"
#include "WindowGallery.h"
#include "controls/CaptionParts.h"
#include "controls/FlatButton.h"
#include "controls/GradCaption.h"
#include "platform/Translations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QTranslator>

namespace {

// Texts that are the user's data or names, never translated: the sample
// archive's and the gallery's own, and the program's name.
const QStringList DataTexts = {
    QStringLiteral("Orvex 97"),
    QStringLiteral("sample.zip"),
    QStringLiteral("A comment"),
    QStringLiteral("Text Editor"),
    QStringLiteral("docs/readme.txt"),
    QStringLiteral("backup.tar.zst"),
    // the maker's name and address, and the names of a ZIP archive's methods
    QStringLiteral("Tolvane Software"),
    QStringLiteral("P.O. Box 97"),
    QStringLiteral("4097 Tolvik"),
    QStringLiteral("ZIP"),
    QStringLiteral("Store"),
    QStringLiteral("Deflate"),
};

// What is left of `text` once every pseudo-translated part, innermost first,
// and every data text is taken out; letters left there bypassed translation.
QString untranslatedPart(QString text, const QStringList &data)
{
    if (text.startsWith(QLatin1Char('/')))  // a folder offered, the user's own
        return {};
    if (text.startsWith(QLatin1Char('.')) && !text.contains(QLatin1Char(' ')))  // a file name's suffix
        return {};
    static const QRegularExpression wrapped(QStringLiteral("\\[!!((?!\\[!!).)*?!!\\]"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (QString before; before != text;) {
        before = text;
        text.remove(wrapped);
    }
    for (const QString &name : data)
        text.remove(name);
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }) ? text : QString();
}

class Translated : public WindowTest {
protected:
    Translated() : WindowTest(Windows::ByTheTest) {}
    void TearDown() override
    {
        unloadAll();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        WindowTest::TearDown();
    }
    void unloadAll()
    {
        for (QTranslator *translator : installed_)
            QCoreApplication::removeTranslator(translator);
        qDeleteAll(installed_);
        installed_.clear();
    }
    bool load(const QString &file)
    {
        auto *translator = new QTranslator;
        if (!translator->load(file)) {
            delete translator;
            return false;
        }
        QCoreApplication::installTranslator(translator);
        installed_.push_back(translator);
        return true;
    }
    QString sample() const { return QStringLiteral(ORVEX_BUILD_DIR "/sample.zip"); }
    QStringList dataTexts()
    {
        QStringList data = DataTexts;
        for (const std::string &name : storedNames())
            data.append(QString::fromStdString(name));
        data.append(sample());
        data.append(root);
        std::sort(data.begin(), data.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
        return data;
    }

private:
    std::vector<QTranslator *> installed_;
};

// The texts a user reads on `widget` itself, with what each is.
std::vector<std::pair<QString, QString>> textsOf(QWidget &widget)
{
    std::vector<std::pair<QString, QString>> texts{{QStringLiteral("tooltip"), widget.toolTip()},
                                                   {QStringLiteral("accessible name"), widget.accessibleName()},
                                                   {QStringLiteral("status tip"), widget.statusTip()}};
    if (widget.isWindow())
        texts.emplace_back(QStringLiteral("title"), widget.windowTitle());
    if (auto *label = qobject_cast<QLabel *>(&widget))
        texts.emplace_back(QStringLiteral("label"), label->text());
    // A standard button of a button box is Qt's, translated by Qt's catalogue.
    auto *box = qobject_cast<QDialogButtonBox *>(widget.parentWidget());
    auto *button = qobject_cast<QAbstractButton *>(&widget);
    if (button && !(box && box->standardButton(button) != QDialogButtonBox::NoButton))
        texts.emplace_back(QStringLiteral("button"), button->text());
    if (auto *flat = qobject_cast<TFlatButton *>(&widget))
        texts.emplace_back(QStringLiteral("flat button"), flat->Caption());
    if (auto *group = qobject_cast<QGroupBox *>(&widget))
        texts.emplace_back(QStringLiteral("group"), group->title());
    if (auto *line = qobject_cast<QLineEdit *>(&widget))
        texts.emplace_back(QStringLiteral("placeholder"), line->placeholderText());
    if (auto *combo = qobject_cast<QComboBox *>(&widget))
        for (int i = 0; i < combo->count(); ++i)
            texts.emplace_back(QStringLiteral("choice"), combo->itemText(i));
    if (auto *tabs = qobject_cast<QTabBar *>(&widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts.emplace_back(QStringLiteral("tab"), tabs->tabText(i));
    if (auto *header = qobject_cast<QHeaderView *>(&widget); header && header->model())
        for (int i = 0; i < header->count(); ++i)
            texts.emplace_back(QStringLiteral("column"),
                               header->model()->headerData(i, header->orientation()).toString());
    if (auto *status = qobject_cast<QStatusBar *>(&widget))
        texts.emplace_back(QStringLiteral("status"), status->currentMessage());
    if (auto *menu = qobject_cast<QMenu *>(&widget))
        texts.emplace_back(QStringLiteral("menu"), menu->title());
    if (qobject_cast<QMenu *>(&widget) || qobject_cast<QMenuBar *>(&widget))
        for (QAction *action : widget.actions()) {
            texts.emplace_back(QStringLiteral("item"), action->text());
            if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')).trimmed())
                texts.emplace_back(QStringLiteral("item tooltip"), action->toolTip());
        }
    return texts;
}

}  // namespace

TEST_F(Translated, EveryTextOfEveryWindowGoesThroughTranslation)
{
    ASSERT_TRUE(load(QStringLiteral(ORVEX_BUILD_DIR "/tests/pseudo.qm")));
    openWindows();
    open(sample());
    const QStringList data = dataTexts();
    QStringList bypassing;
    visitEveryWindow(*windows, [&](const QString &name, QWidget &window) {
        QList<QWidget *> widgets = window.findChildren<QWidget *>();
        widgets.prepend(&window);
        for (QWidget *widget : widgets) {
            // Menus are checked whether open or not; everything else as shown.
            if (!qobject_cast<QMenu *>(widget) && widget != &window && !widget->isVisibleTo(&window))
                continue;
            for (const auto &[what, text] : textsOf(*widget))
                if (const QString left = untranslatedPart(text, data); !left.isEmpty())
                    bypassing.append(
                        QStringLiteral("%1: %2 %3 (%4): \"%5\"")
                            .arg(name, widget->metaObject()->className(), widget->objectName(), what, text));
        }
        if (auto *caption = window.findChild<TGradientCaption *>())
            for (const QString &text : {caption->CaptionText()->Caption(), caption->AppNameText()->Caption()})
                if (const QString left = untranslatedPart(text, data); !left.isEmpty())
                    bypassing.append(name + QStringLiteral(": caption \"") + text + QLatin1Char('"'));
    });
    bypassing.removeDuplicates();
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join(QLatin1Char('\n')).toStdString();
}

// The questions and reports of the commands a user runs most, under the
// pseudo-language: every caption, text and button goes through translation.
TEST_F(Translated, QuestionsAndReportsGoThroughTranslation)
{
    ASSERT_TRUE(load(QStringLiteral(ORVEX_BUILD_DIR "/tests/pseudo.qm")));
    openWindows();
    const QString copy = path(QStringLiteral("sample.zip"));
    ASSERT_TRUE(QFile::copy(sample(), copy));
    open(copy);
    selectRows(0, 1);
    form().deleteMembersCommand();  // answered No
    form().testCommand();
    script->inputAnswers.push_back({false, QString()});
    selectRows(0, 0);
    form().renameMemberCommand();
    form().deleteArchiveCommand();  // answered No
    ASSERT_GE(script->shown.size(), 4u);
    QStringList data = dataTexts();
    data.append(copy);
    QStringList bypassing;
    for (const platform::PromptRecord &shown : script->shown)
        for (const QString &text : QStringList{shown.caption, shown.text} + shown.buttons)
            if (!untranslatedPart(text, data).isEmpty())
                bypassing.append(text);
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join(QLatin1Char('\n')).toStdString();
}

namespace {

// The room `widget`'s text needs, or an empty size when it shows none or
// shows data of the user's, which is the layout's to cut.
QSize roomNeeded(QWidget &widget)
{
    auto *label = qobject_cast<QLabel *>(&widget);
    auto *button = qobject_cast<QAbstractButton *>(&widget);
    const QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty() || text.startsWith(QLatin1Char('/')) || text.contains(QStringLiteral("sample.zip")))
        return {};
    if (label && (label->textFormat() == Qt::RichText || Qt::mightBeRichText(text)))
        return {};
    if (widget.hasHeightForWidth())
        return {0, widget.heightForWidth(widget.width())};
    if (auto *tool = qobject_cast<QToolButton *>(&widget); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return {};
    if (qobject_cast<QPushButton *>(&widget) || qobject_cast<QToolButton *>(&widget)) {
        const QSize textSize = widget.fontMetrics().size(Qt::TextShowMnemonic, text);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return {textSize.width() + icon + 8, textSize.height()};
    }
    if (label) {
        const QSize textSize = widget.fontMetrics().size(Qt::TextShowMnemonic, text);
        const QMargins margins = label->contentsMargins();
        // A framed label without an indent of its own indents by half an 'x'.
        const int indent = label->indent() >= 0      ? label->indent()
                           : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                                     : 0;
        return {textSize.width() + margins.left() + margins.right() + 2 * label->margin() + indent, textSize.height()};
    }
    return widget.sizeHint();  // check boxes and radio buttons: their hint is their text
}

// Labels and buttons whose text needs more room than they were given.
QStringList cutTexts(QWidget &window)
{
    QStringList cut;
    // Column titles but the names', which take the width to spare.
    for (QHeaderView *header : window.findChildren<QHeaderView *>())
        for (int i = 1; header->isVisibleTo(&window) && header->orientation() == Qt::Horizontal && i < header->count();
             ++i)
            if (!header->isSectionHidden(i) && header->sectionSizeHint(i) > header->sectionSize(i))
                cut.append(QStringLiteral("column %1 wants %2, has %3")
                               .arg(header->model()->headerData(i, Qt::Horizontal).toString())
                               .arg(header->sectionSizeHint(i))
                               .arg(header->sectionSize(i)));
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // The status bar's panels but the first change with the archive and the
        // choice, and carry their whole text as a tooltip: the window's width is
        // the user's.
        const bool changing = qobject_cast<QStatusBar *>(widget->parentWidget())
                              && widget->minimumWidth() != widget->maximumWidth();
        if (!widget->isVisibleTo(&window) || widget->width() == 0 || changing)
            continue;
        const QSize wanted = roomNeeded(*widget);
        if (wanted.width() > widget->width() || wanted.height() > widget->height())
            cut.append(QStringLiteral("%1 %2 wants %3x%4, has %5x%6")
                           .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
                           .arg(wanted.width())
                           .arg(wanted.height())
                           .arg(widget->width())
                           .arg(widget->height()));
    }
    return cut;
}

}  // namespace

// English first, then every shipped language, each laid out both ways.
TEST_F(Translated, NoTextIsCutInAnyLanguageEitherWay)
{
    QStringList languages{QString()};
    for (const QString &file : QDir(QStringLiteral(ORVEX_BUILD_DIR "/translations"))
                                   .entryList({QStringLiteral("orvex97_*.qm")}, QDir::Files, QDir::Name))
        languages.append(file.mid(8, file.size() - 11));
    const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &language : languages) {
        if (!language.isEmpty()) {
            ASSERT_TRUE(load(QStringLiteral(ORVEX_BUILD_DIR "/translations/orvex97_") + language));
            load(qtCatalogues + QStringLiteral("/qtbase_") + language);
        }
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QGuiApplication::setLayoutDirection(direction);
            openWindows();
            open(sample());
            visitEveryWindow(*windows, [&](const QString &name, QWidget &window) {
                const QStringList cut = cutTexts(window);
                EXPECT_TRUE(cut.isEmpty()) << (language.isEmpty() ? "English" : qPrintable(language)) << ", "
                                           << (direction == Qt::LeftToRight ? "left to right" : "right to left") << ", "
                                           << qPrintable(name) << ":\n"
                                           << qPrintable(cut.join(QLatin1Char('\n')));
            });
        }
        unloadAll();
    }
}

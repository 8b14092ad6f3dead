#pragma once
// The state of a find or replace dialog. The dialogs are modeless: they stay
// open beside the text and report each button through the callbacks here.
// The owner keeps this state between openings; the prompt handler shows it.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

struct SearchDialog {
    enum class Kind { Find, Replace };
    enum class Button { FindNext, Replace, ReplaceAll };

    explicit SearchDialog(Kind k) : kind(k) {}
    ~SearchDialog() { delete window; }
    SearchDialog(const SearchDialog &) = delete;
    SearchDialog &operator=(const SearchDialog &) = delete;

    Kind kind;
    QString findText;
    QString replaceText;
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
    bool wholeWordHidden = false;
    Button pressed = Button::FindNext;  // the last button pressed

    std::function<void()> OnFind;     // "Find Next"
    std::function<void()> OnReplace;  // "Replace" and "Replace All"

    // What a button does once the controls' state is stored here.
    void press(Button button)
    {
        pressed = button;
        const auto &handler = button == Button::FindNext ? OnFind : OnReplace;
        if (handler)
            handler();
    }
    // Tells an open window that the state changed under it.
    void stateChanged()
    {
        if (OnStateChanged)
            OnStateChanged();
    }

    // The desktop's window, made when first shown, and how it hears of changes.
    QPointer<QWidget> window;
    std::function<void()> OnStateChanged;
};

}  // namespace platform

#pragma once
// The password box of an extraction or a test: installed as the component's
// OnPassword for the length of one operation, so that the user is asked for
// an encrypted member's password through the prompts, once per operation
// unless the password given turns out wrong.

#include "engine/ZipEngine.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

class PasswordQuestion {
public:
    // Answers `engine`'s password questions until destroyed; the boxes go
    // over `parent`. Each password given is also put in `given` when set, so
    // that what is written back can be encrypted with it again.
    PasswordQuestion(TZipEngine &engine, QWidget *parent, std::string *given = nullptr);
    ~PasswordQuestion();
    PasswordQuestion(const PasswordQuestion &) = delete;
    PasswordQuestion &operator=(const PasswordQuestion &) = delete;

    // The box's text for `member`; from the second attempt on it says why
    // the box comes again.
    static QString promptText(const QString &member, int attempt);

private:
    TZipEngine::PasswordAnswer ask(const std::string &member, int attempt, std::string &password);

    TZipEngine &engine_;
    QWidget *parent_;
    std::string *given_;
    decltype(TZipEngine::OnPassword) previous_;
    // OK on an empty box: the user has no password, and the other encrypted
    // members of the operation are skipped without asking again.
    bool declined_ = false;
};

#pragma once
// The password box of an extraction or a test: the events an operation is
// run with, answering its password questions through the prompts (once per
// operation unless the password given turns out wrong) and passing every
// other event on to the component's handlers.

#include "engine/ZipEngine.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>

class QWidget;

class PasswordQuestion : public orvex::ForwardingEvents {
    Q_DECLARE_TR_FUNCTIONS(PasswordQuestion)

public:
    // The boxes go over `parent`. Each password given is also put in
    // `given` when set, so that what is written back can be encrypted with
    // it again.
    PasswordQuestion(TZipEngine &engine, QWidget *parent, std::string *given = nullptr);
    PasswordQuestion(const PasswordQuestion &) = delete;
    PasswordQuestion &operator=(const PasswordQuestion &) = delete;

    orvex::PasswordAnswer password(const std::string &member, int attempt, std::string &password) override;

    // The box's text for `member`; from the second attempt on it says why
    // the box comes again.
    static QString promptText(const QString &member, int attempt);

private:
    TZipEngine &engine_;
    QWidget *parent_;
    std::string *given_;
    // OK on an empty box: the user has no password, and the other encrypted
    // members of the operation are skipped without asking again.
    bool declined_ = false;
};

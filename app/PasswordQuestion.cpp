#include "app/PasswordQuestion.h"

#include "platform/Prompts.h"

#include <algorithm>

PasswordQuestion::PasswordQuestion(TZipEngine &engine, QWidget *parent, std::string *given)
    : ForwardingEvents(engine.events()), engine_(engine), parent_(parent), given_(given)
{
}

QString PasswordQuestion::promptText(const QString &member, int attempt)
{
    //: %1 is the member's name
    QString text = tr("Enter the password for %1:").arg(member);
    if (attempt >= 2)
        text += QLatin1Char('\n') + tr("The password was wrong.");
    return text;
}

orvex::PasswordAnswer PasswordQuestion::password(const std::string &member, int attempt, std::string &password)
{
    using Answer = orvex::PasswordAnswer;
    if (declined_)
        return Answer::None;
    QString value;
    if (!platform::prompts().inputPassword(parent_, tr("Password"), promptText(QString::fromStdString(member), attempt),
                                           value)) {
        // As the status window's Cancel: the rest of the operation stops too.
        engine_.Cancel = true;
        return Answer::Cancel;
    }
    if (value.isEmpty()) {
        declined_ = true;
        return Answer::None;
    }
    password = value.toStdString();
    std::fill(value.begin(), value.end(), QChar(u'\0'));
    if (given_) {
        std::fill(given_->begin(), given_->end(), '\0');
        *given_ = password;
    }
    return Answer::Given;
}

#pragma once
// Second lines in plain words under the texts the program has always shown
// for errors: the numbered reading errors of the member list, and the
// libraries' messages about one member. The first line stays as it was;
// the second says what it means for the user.

#include <QString>

namespace plain_words {

// Under "Error N reading Zip File" for the archive at `archivePath`, of
// which `membersListed` members could be read; empty for an error that
// says what it means already.
QString readErrorLine(const QString &error, const QString &archivePath, int membersListed);

// Under an extraction's or a test's message about one member (error codes
// 2, 50 and 81 of the extraction library): the member and why it was not
// extracted, as "NAME: REASON."; empty when the message is about no member.
QString memberMessageLine(int errorCode, const QString &message);

// Under an add's message about a folder it skipped: why, and how to add it;
// empty for any other message.
QString addMessageLine(const QString &message);

// The second line under an engine message with error code `errorCode`: the
// member's line, else the add's; empty when there is none. The window's
// boxes and orvexzip's stderr show the same.
QString messageLine(int errorCode, const QString &message);

}  // namespace plain_words

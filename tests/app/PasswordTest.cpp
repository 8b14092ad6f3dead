// Passwords in the main window: the password box of an extraction, the add
// command's password, and the lock on encrypted members in the listing. The
// commands run on a session whose libraries are stand-ins that ask for
// passwords as the real ones do.
#include "WindowFixture.h"
#include "app/AddCommand.h"
#include "app/ExtractCommand.h"
#include "app/MemberCommands.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/AddForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/StatusForm.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstring>
#include <deque>
#include <fstream>
#include <utility>

namespace {

// The stand-in libraries: an extraction asks for the password of each of
// `members` until it gets `rightPassword` or three attempts have failed, as
// the real library does, then reports `messages`.
struct StandIn {
    std::vector<std::string> members;
    std::string rightPassword = "right";
    std::vector<std::pair<int32_t, std::string>> messages;  // error code, text
    std::vector<int32_t> passwordResults;                   // what each question returned
    std::vector<int32_t> callbackResults;                   // what each message returned
    std::vector<std::string> addPasswords;                  // an add's password, "(none)" without
    // Not empty: an extraction writes its first name with this content and
    // asks nothing, as no real library does for an encrypted member.
    std::string writes;
};

StandIn *standIn = nullptr;

int32_t report(UnzipCallRecord *record, int32_t errorCode, const std::string &text)
{
    std::vector<char> buffer(sizeof(CallbackRecord) + text.size() + 1);
    auto *callback = reinterpret_cast<CallbackRecord *>(buffer.data());
    callback->Instance = record->Instance;
    callback->Action = ZipActionMessage;
    callback->ErrorCode = errorCode;
    std::memcpy(callback->Text, text.c_str(), text.size() + 1);
    return record->Callback(callback);
}

int32_t standInUnzip(UnzipCallRecord *record)
{
    if (!standIn->writes.empty()) {
        std::ofstream(std::string(record->BaseDirectory) + "/" + record->FileSpecs[0]) << standIn->writes;
        return 1;
    }
    int32_t extracted = 0;
    for (const std::string &member : standIn->members) {
        for (int32_t attempt = 1; attempt <= 3; ++attempt) {
            char buffer[MaxPasswordLength];
            int32_t length = 0;
            const int32_t result =
                record->Password(record->Instance, member.c_str(), attempt, buffer, MaxPasswordLength, &length);
            const std::string password(buffer, size_t(length));
            standIn->passwordResults.push_back(result);
            if (result == PasswordCancel) {
                standIn->callbackResults.push_back(report(record, 0, "stopped"));
                return extracted;
            }
            if (result == PasswordNone)
                break;
            if (password == standIn->rightPassword) {
                ++extracted;
                break;
            }
        }
    }
    for (const auto &[code, text] : standIn->messages)
        standIn->callbackResults.push_back(report(record, code, text));
    return extracted;
}

int32_t standInZip(ZipCallRecord *record)
{
    standIn->addPasswords.push_back(record->Password ? std::string(record->Password, size_t(record->PasswordLength))
                                                     : "(none)");
    return record->FileSpecCount;
}

// The listing of a session without the window: a title row and one member,
// selected when told.
class OneRowListing : public ListingSelection {
public:
    bool selected = false;
    int rowCount() const override { return 2; }
    std::vector<ListedRow> selectedRows() const override
    {
        return selected ? std::vector<ListedRow>{{QStringLiteral("secret.txt"), 0}} : std::vector<ListedRow>{};
    }
    QString topSelectedText() const override { return selected ? QStringLiteral("secret.txt") : QString(); }
};

// Runs `action` once the watched window has been shown.
class OnShow : public QObject {
public:
    std::function<void()> action;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && action)
            QMetaObject::invokeMethod(this, std::exchange(action, nullptr), Qt::QueuedConnection);
        return false;
    }
};

class PasswordTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        standIn = &library;
        ASSERT_TRUE(QDir(root).mkpath("out"));
        session.setListing(&listing);
        session.setOperationFrame(std::make_unique<OperationFrame>(&form(), session.engine, *windows->Msgform,
                                                                   *windows->F_status, [] { return false; }));
        session.openArchive(writeArchive("locked.zip", ziptest::buildZip({encrypted("secret.txt")})));
        windows->Extract->setVolumeSource([this] { return QList<platform::Volume>{{root + "/", "temp"}}; });
    }
    void TearDown() override
    {
        standIn = nullptr;
        WindowTest::TearDown();
    }

    // A member marked encrypted (flag bit 0); its data need not be.
    static ziptest::Member encrypted(const std::string &name)
    {
        ziptest::Member member = ziptest::stored(name, "data");
        member.flags = 1;
        return member;
    }

    // Extracts every member into "out" through the extract dialog.
    void extract()
    {
        QMetaObject::invokeMethod(
            windows->Extract.get(),
            [this] {
                TExtract &d = *windows->Extract;
                d.directoryTree->SelectPath(path("out"));
                d.filesToExtractGroup->setItemIndex(0);
                d.okClicked();
            },
            Qt::QueuedConnection);
        runExtractCommand(session, &form(), *windows->Extract);
    }

    std::vector<platform::PromptRecord> passwordBoxes() const
    {
        std::vector<platform::PromptRecord> boxes;
        for (const auto &record : script->shown)
            if (record.kind == platform::PromptRecord::Kind::Password)
                boxes.push_back(record);
        return boxes;
    }

    StandIn library;
    OneRowListing listing;
    ArchiveSession session{EngineLibraries{&standInZip, &standInUnzip, nullptr}};
};

}  // namespace

TEST_F(PasswordTest, AWrongPasswordBringsTheBoxAgainAndTheRightOneExtracts)
{
    library.members = {"secret.txt"};
    script->passwordAnswers = {{true, "wrong"}, {true, "right"}};
    extract();

    const auto boxes = passwordBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto &box : boxes) {
        EXPECT_EQ(box.caption, "Password");
        EXPECT_EQ(box.text.section('\n', 0, 0), "Enter the password for secret.txt:");
    }
    EXPECT_EQ(boxes[0].text, "Enter the password for secret.txt:");
    EXPECT_NE(boxes[1].text, boxes[0].text);  // says why it comes again
    EXPECT_EQ(library.passwordResults, (std::vector<int32_t>{PasswordGiven, PasswordGiven}));
    EXPECT_EQ(lastShown().text, "1 file(s) were extracted");
    EXPECT_FALSE(session.engine.OnPassword);  // only for the operation
}

TEST_F(PasswordTest, CancelStopsTheOperationAndAnEmptyPasswordSkipsEveryEncryptedMember)
{
    library.members = {"a.txt", "b.txt"};
    extract();  // no answer scripted: the box is cancelled
    EXPECT_EQ(passwordBoxes().size(), 1u);
    EXPECT_EQ(library.passwordResults, std::vector<int32_t>{PasswordCancel});
    EXPECT_EQ(library.callbackResults, std::vector<int32_t>{1});  // the library is told to stop
    EXPECT_EQ(lastShown().text, "0 file(s) were extracted");

    script->shown.clear();
    library.passwordResults.clear();
    script->passwordAnswers = {{true, ""}};
    extract();
    EXPECT_EQ(passwordBoxes().size(), 1u);  // asked once for both
    EXPECT_EQ(library.passwordResults, (std::vector<int32_t>{PasswordNone, PasswordNone}));
}

TEST_F(PasswordTest, TheLibrarysPasswordMessagesReachTheMessageWindow)
{
    const std::vector<std::pair<int32_t, std::string>> messages = {
        {81, "a.txt: wrong password"},
        {81, "b.txt: authentication failed (the data was changed)"},
        {81, "c.txt: encrypted, no password given"}};
    library.messages = messages;
    extract();
    // The first in a box, with the member and the reason in plain words under it.
    const QStringList box = script->messageTexts().filter("Error message from DLL: ");
    ASSERT_EQ(box.size(), 1);
    EXPECT_EQ(box[0].section('\n', 0, 0), "Error message from DLL: a.txt: wrong password");
    EXPECT_TRUE(box[0].section('\n', 1).startsWith("a.txt: ")) << box[0].toStdString();
    const QStringList log = windows->Msgform->logLines();
    for (const auto &message : messages)
        EXPECT_TRUE(log.contains(QString::fromStdString(message.second))) << message.second;
}

TEST_F(PasswordTest, TheAddDialogsPasswordEncryptsThatAddAlone)
{
    writeFile(path("src/a.txt"), "a");
    TAddForm &dialog = *windows->AddForm;
    const auto addWith = [&](bool encrypt) {
        QMetaObject::invokeMethod(
            &dialog,
            [&dialog, encrypt, this] {
                dialog.setDirectory(path("src"));
                dialog.fileList->item(0)->setSelected(true);
                dialog.addFilesButton->click();
                if (encrypt) {
                    script->passwordAnswers = {{true, "pw"}, {true, "pw"}};
                    dialog.encryptBox->click();
                }
                dialog.okButton->click();
            },
            Qt::QueuedConnection);
        AddCommand::run(session, &form(), dialog);
    };
    addWith(true);
    EXPECT_TRUE(session.engine.AddPassword.empty());
    addWith(false);
    EXPECT_EQ(library.addPasswords, (std::vector<std::string>{"pw", "(none)"}));
}

TEST_F(PasswordTest, EncryptedMembersShowALockBeforeTheirUnchangedName)
{
    open(writeArchive("mixed.zip", ziptest::buildZip({encrypted("b/locked one.txt"), ziptest::stored("plain.txt", "p"),
                                                      encrypted("c.txt")})));
    grid().SortColumn(0, TSortOptions{});  // the lock moves with its row
    const std::vector<std::string> stored = storedNames();
    std::vector<std::pair<QString, bool>> rows;
    for (int row = 1; row < grid().RowCount(); ++row) {
        const QModelIndex cell = grid().model()->index(row - 1, 0);
        rows.emplace_back(grid().Cells(0, row), !cell.data(Qt::DecorationRole).value<QIcon>().isNull());
        EXPECT_TRUE(grid().Icons(1, row).isNull());  // the name column alone
    }
    EXPECT_EQ(rows, (std::vector<std::pair<QString, bool>>{
                        {"b/locked one.txt", true}, {"c.txt", true}, {"plain.txt", false}}));
    EXPECT_EQ(stored, (std::vector<std::string>{"b/locked one.txt", "plain.txt", "c.txt"}));
}

TEST_F(PasswordTest, AnEncryptedMemberWhosePasswordIsNotKnownGoesBackInTheClearOnlyWhenTheUserSaysSo)
{
    listing.selected = true;
    library.writes = "data";
    TF_Editform &editor = *windows->F_Editform;
    OnShow onShow;
    editor.installEventFilter(&onShow);
    // "Update zipfile?", then the question; declined, the editor comes back
    // with the text and the second "Update zipfile?" lets it go.
    const struct {
        const char *what;
        std::deque<int> answers;
        std::vector<std::string> adds;
    } cases[] = {
        {"the default", {0, -1, 1}, {}},
        {"yes", {0, 0}, {"(none)"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        script->shown.clear();
        library.addPasswords.clear();
        script->buttonAnswers = c.answers;
        onShow.action = [&editor, &onShow] {
            editor.textEdit->insertPlainText(QStringLiteral("changed "));
            editor.close();
            onShow.action = [&editor] { editor.close(); };
        };
        member_commands::editMember(session, &form(), editor);
        ASSERT_GE(script->shown.size(), 2u);
        const platform::PromptRecord &question = script->shown[1];
        EXPECT_TRUE(question.text.contains("is encrypted in the archive")) << question.text.toStdString();
        EXPECT_EQ(question.buttons.value(question.defaultButton), "&No");
        EXPECT_EQ(library.addPasswords, c.adds);
        EXPECT_EQ(script->shown.size(), c.adds.empty() ? 4u : 2u);
        onShow.action = nullptr;
    }
}

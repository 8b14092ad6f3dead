#include "app/TestCommand.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

QString testResultText(const TZipEngine &engine)
{
    if (engine.LastCancelled)
        return {};
    const int failed = engine.LastTestFailures;
    //: The box after a test: the files tested, then %1, how many of them had errors
    return QCoreApplication::translate("TestCommand", "%n file(s) tested, %1 with errors", nullptr,
                                       engine.LastResult + failed)
        .arg(failed);
}

void runTestCommand(ArchiveSession &session, QWidget *parent, TestScope scope)
{
    // With no archive current the caption is no path: a file of that name
    // in the current directory is not the archive.
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        //: The program's old text, its odd spacing included; %1 is the archive's path or "None"
        platform::warningBox(
            parent,
            QCoreApplication::translate("TestCommand", "Error :File not found %1").arg(session.archiveCaption()));
        return;
    }
    if (session.listingRowCount() < 2) {
        platform::warningBox(parent, QCoreApplication::translate("TestCommand", "Error :No file(s) to test"));
        return;
    }
    TZipEngine &engine = session.engine;
    // The grid always has a current row, which is no choice of members: one
    // row (or none) tests the whole archive, a block of rows those members.
    // An empty list asks the engine for every member.
    orvex::ExtractRequest request = engine.testRequest();
    request.specs.clear();
    if (scope == TestScope::Selection || session.selectedRowCount() > 1)
        request.specs = session.selectedNames();

    const OperationTexts texts{QCoreApplication::translate("TestCommand", "Testing file(s)"),
                               //: The message window's first line; %1 is the archive's path
                               QCoreApplication::translate("TestCommand", "Beginning Test of %1").arg(archive),
                               //: "DLL" is the program's old word for its libraries
                               QCoreApplication::translate("TestCommand", "Error in Test; Fatal DLL Exception"),
                               QString()};
    PasswordQuestion passwords(engine, parent);
    session.operationFrame().run(
        texts, [&](orvex::ComponentEvents &events) { engine.Extract(std::move(request), events); },
        [&engine] { return testResultText(engine); }, &passwords);
}

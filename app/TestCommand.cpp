#include "app/TestCommand.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "platform/Prompts.h"

#include <QFileInfo>

QString testResultText(const TZipEngine &engine)
{
    if (engine.LastCancelled)
        return {};
    const int failed = engine.LastTestFailures;
    return QString::number(engine.LastResult + failed) + QStringLiteral(" file(s) tested, ") + QString::number(failed)
           + QStringLiteral(" with errors");
}

void runTestCommand(ArchiveSession &session, QWidget *parent, TestScope scope)
{
    // With no archive current the caption is no path: a file of that name
    // in the current directory is not the archive.
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        platform::warningBox(parent, QStringLiteral("Error :File not found ") + session.archiveCaption());
        return;
    }
    if (session.listingRowCount() < 2) {
        platform::warningBox(parent, QStringLiteral("Error :No file(s) to test"));
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

    const OperationTexts texts{QStringLiteral("Testing file(s)"), QStringLiteral("Beginning Test of ") + archive,
                               QStringLiteral("Error in Test; Fatal DLL Exception"), QString()};
    PasswordQuestion passwords(engine, parent);
    session.operationFrame().run(
        texts, [&](orvex::ComponentEvents &events) { engine.Extract(std::move(request), events); },
        [&engine] { return testResultText(engine); }, &passwords);
}

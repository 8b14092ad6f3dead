#pragma once
// The main window's test command: all members, or those of the selected
// rows when more than one is selected, are decoded and checked inside the
// operation frame, and nothing is written.

#include <QString>

class ArchiveSession;
class QWidget;
class TZipEngine;

// The closing box of a test that ran to its end: "N file(s) tested, M with
// errors". After a cancel there is none (empty): a count of what was reached
// before the user stopped it would read like a verdict on the archive.
QString testResultText(const TZipEngine &engine);

// What a test covers: the listing's rule (one row or none: the whole
// archive; more: those members), or exactly the selected rows, as the rows'
// context menu asks for.
enum class TestScope { ListingRule, Selection };

// Boxes go over `parent`.
void runTestCommand(ArchiveSession &session, QWidget *parent, TestScope scope = TestScope::ListingRule);

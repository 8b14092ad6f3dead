#pragma once
// The main window's extract command: the extract dialog chooses the directory
// and the options, then all or the selected members are extracted inside the
// operation frame.

#include "app/OperationFrame.h"
#include "engine/EngineOptions.h"

#include <QString>

class ArchiveSession;
class QWidget;
class TExtract;
class TZipEngine;

// Boxes go over `parent`.
// `selectionAsked`: the dialog starts on "Selected Files" even for one row.
void runExtractCommand(ArchiveSession &session, QWidget *parent, TExtract &dialog, bool selectionAsked = false);

// The status window's caption, the start line and the failure text of an
// extraction of `archive` into `target`.
OperationTexts extractTexts(const QString &archive, const QString &target);

// The closing count of an extraction: the files extracted and, when files
// already there were kept, how many and how to replace them.
QString extractResultText(const TZipEngine &engine, const QString &countSuffix);

#pragma once
// The main window's extract command: the extract dialog chooses the directory
// and the options, then all or the selected members are extracted inside the
// operation frame.

#include "engine/EngineOptions.h"

#include <QString>

class ArchiveSession;
class QWidget;
class TExtract;
class TZipEngine;

// Boxes go over `parent`.
// `selectionAsked`: the dialog starts on "Selected Files" even for one row.
void runExtractCommand(ArchiveSession &session, QWidget *parent, TExtract &dialog, bool selectionAsked = false);

// The closing count of an extraction: the files extracted and, when files
// already there were kept, how many and how to replace them.
QString extractResultText(const TZipEngine &engine, const QString &countSuffix);

#pragma once
// The main window's extract command: the extract dialog chooses the directory
// and the options, then all or the selected members are extracted inside the
// operation frame.

#include "engine/EngineOptions.h"

class ArchiveSession;
class QWidget;
class TExtract;

// Boxes go over `parent`.
void runExtractCommand(ArchiveSession &session, QWidget *parent, TExtract &dialog);

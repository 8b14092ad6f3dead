#pragma once
// The main window's extract command: the extract dialog chooses the directory
// and the options, then all or the selected members are extracted inside the
// operation frame.

#include "engine/EngineOptions.h"

class TExtract;
class TMainform;

// The choices handed over by the extract dialog, as engine options.
ExtrOpts extractOptions(bool expandDirs, bool overwriteFiles, bool updateOnly);

void runExtractCommand(TMainform &form, TExtract &dialog);

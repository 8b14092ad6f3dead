#include "dialogs/DialogCancelled.h"

bool DialogCancelled = false;

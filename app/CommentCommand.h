#pragma once
// View > Archive comment…: the current archive's comment, shown as text.

class ArchiveSession;
class QWidget;

namespace comment_command {

// Shows the comment window-modal over `parent` without waiting for it.
void show(ArchiveSession &session, QWidget *parent);

}  // namespace comment_command

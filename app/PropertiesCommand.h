#pragma once
// File > Properties…: the current archive's summary (engine/ArchiveSummary)
// worded for the properties window, and the window shown over the main one.

#include "engine/ArchiveSummary.h"

#include <QLocale>
#include <QString>
#include <utility>
#include <vector>

class ArchiveSession;
class QWidget;

namespace archive_properties {

// The label of the row that holds the path, which the window lets the user select.
QString pathLabel();

// The summary's rows, label and value, in the window's order; sizes read
// "1.4 MB (1,468,006 bytes)", numbers as `locale` writes them.
std::vector<std::pair<QString, QString>> rows(const orvex::ArchiveSummary &summary, const QLocale &locale);

// Shows the window for the current archive, window-modal over `parent`,
// without waiting for it to close; it goes when closed.
void show(const ArchiveSession &session, QWidget *parent);

}  // namespace archive_properties

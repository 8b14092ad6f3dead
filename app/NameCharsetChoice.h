#pragma once
// The View menu's choice of how names from other systems are read: its
// items, what each sets the component's NameCharset to, and where the
// choice is kept for the next start (the window's settings).

#include <QSettings>
#include <QString>
#include <QStringList>
#include <string>

namespace name_charset {

// "Auto" first, then the code pages by number. An item is what the
// settings keep and what the menu's actions are named after.
QStringList menuItems();
// The menu's text for `item`: a code page's number with its language or
// script ("866 — Cyrillic (DOS)"), "Auto" as it is.
QString caption(const QString &item);
// The component's NameCharset for an item: empty for "Auto" and for any
// text that is no item.
std::string charsetOfItem(const QString &item);
// The item that shows `charset` as chosen.
QString itemOfCharset(const std::string &charset);

// The choice kept in `settings`; empty (Auto) when none or an unknown one
// was kept.
std::string stored(const QSettings &settings);
void store(QSettings &settings, const std::string &charset);

}  // namespace name_charset

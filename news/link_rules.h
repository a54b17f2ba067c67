#pragma once

#include <QUrl>

// Whether an address that a news page wants to open in a new window goes
// to the user's browser: a web address (http or https) of more than 15
// characters. Everything else is dropped; nothing opens inside the popup.
bool opensInBrowser(const QUrl& address);
